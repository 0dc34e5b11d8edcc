// Everyday use: the keyboard, the clipboard, the pressure list, assistive
// tools and high-contrast schemes.
#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/resource.h>

#include <csignal>
#endif

#include "calculation_sheet.h"
#include "contrast.h"
#include "form1_driver.h"
#include "high_contrast.h"
#include "pdfa_metadata.h"
#include "right_click.h"
#include "window_style.h"

using velmora::testing::Form1Driver;

namespace {

// What a PDF tool prints, and how it ended.
QString Run(const QString& tool, const QStringList& arguments, int* status = nullptr) {
  QProcess process;
  process.start(QStandardPaths::findExecutable(tool), arguments);
  // No timeout: a clock made to run fast shortens every one.
  process.waitForFinished(-1);
  if (status != nullptr)
    *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The document information as pdfinfo reads it, its dates in ISO 8601.
QMap<QString, QString> DocumentInformation(const QString& pdf) {
  QMap<QString, QString> entries;
  for (const QString& line : Run(QStringLiteral("pdfinfo"), {QStringLiteral("-isodates"), pdf})
                                 .split(u'\n', Qt::SkipEmptyParts)) {
    const qsizetype colon = line.indexOf(u':');
    if (colon > 0) entries.insert(line.left(colon), line.mid(colon + 1).trimmed());
  }
  return entries;
}

// The XMP packet's properties as an XML reader finds them: a description's
// attributes, and the first item of each property that holds a list. Empty
// where the packet is not well-formed XML.
QMap<QString, QString> XmpProperties(const QString& pdf) {
  QMap<QString, QString> properties;
  QXmlStreamReader xml(Run(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), pdf}));
  QString property;
  while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    const QString name = xml.qualifiedName().toString();
    if (name == QStringLiteral("rdf:Description")) {
      for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        properties.insert(attribute.qualifiedName().toString(), attribute.value().toString());
      }
    } else if (name == QStringLiteral("rdf:li")) {
      if (!properties.contains(property)) properties.insert(property, xml.readElementText());
    } else if (!name.startsWith(QStringLiteral("rdf:")) && !name.startsWith(QStringLiteral("x:"))) {
      property = name;
    }
  }
  return xml.hasError() ? QMap<QString, QString>() : properties;
}

// PDF/A-1 wants the document information and the XMP packet to say the
// same, entry by entry; each read by a reader of its own.
bool InformationAndXmpAgree(const QString& pdf) {
  const QMap<QString, QString> information = DocumentInformation(pdf);
  const QMap<QString, QString> xmp = XmpProperties(pdf);
  [&] {
    QVERIFY2(!xmp.isEmpty(), "the XMP packet is not well-formed XML");
    QCOMPARE(xmp.value(QStringLiteral("pdfaid:part")), QStringLiteral("1"));
    QCOMPARE(xmp.value(QStringLiteral("pdfaid:conformance")), QStringLiteral("B"));
    for (const auto& [entry, property] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Title", "dc:title"},
             {"Author", "dc:creator"},
             {"Subject", "dc:description"},
             {"Keywords", "pdf:Keywords"},
             {"Creator", "xmp:CreatorTool"},
             {"Producer", "pdf:Producer"},
             {"CreationDate", "xmp:CreateDate"},
             {"ModDate", "xmp:ModifyDate"}}) {
      if (!information.contains(QLatin1String(entry))) continue;
      const QString said = information.value(QLatin1String(entry));
      const QString packet = xmp.value(QLatin1String(property));
      const bool date = QLatin1String(entry).endsWith(QLatin1String("Date"));
      const bool same = date ? QDateTime::fromString(said, Qt::ISODate).isValid() &&
                                   QDateTime::fromString(said, Qt::ISODate) ==
                                       QDateTime::fromString(packet, Qt::ISODate)
                             : said == packet;
      QVERIFY2(same,
               qPrintable(QStringLiteral("%1 \"%2\", %3 \"%4\"")
                              .arg(QLatin1String(entry), said, QLatin1String(property), packet)));
    }
  }();
  return !QTest::currentTestFailed();
}

// One object of qpdf's JSON: a dictionary's entries, or a stream's.
QJsonObject QpdfObject(const QJsonObject& objects, const QJsonValue& reference) {
  const QJsonObject object =
      objects.value(QStringLiteral("obj:") + reference.toString()).toObject();
  return object.contains(QStringLiteral("stream"))
             ? object.value(QStringLiteral("stream"))
                   .toObject()
                   .value(QStringLiteral("dict"))
                   .toObject()
             : object.value(QStringLiteral("value")).toObject();
}

// Every file of a folder, hidden ones too, with its bytes.
QMap<QString, QByteArray> FolderContents(const QString& path) {
  QMap<QString, QByteArray> contents;
  const QDir folder(path);
  for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
    QFile file(folder.filePath(name));
    contents.insert(name,
                    file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable"));
  }
  return contents;
}

// A text as Qt writes it into a PDF: UTF-16 after its byte order mark, the
// bytes that are parentheses or backslashes escaped.
QByteArray PdfText(const QString& text) {
  QByteArray bytes("(\xfe\xff");
  for (const QChar c : text) {
    for (const char byte : {static_cast<char>(c.unicode() >> 8), static_cast<char>(c.unicode())}) {
      if (byte == '(' || byte == ')' || byte == '\\') bytes += '\\';
      bytes += byte;
    }
  }
  return bytes + ')';
}

// The smallest PDF with a document information and a metadata stream: one
// empty page, offsets and all, as a reader wants it.
QByteArray PdfWith(const QByteArray& information, const QByteArray& packet) {
  const QList<QByteArray> objects{
      "<< /Type /Catalog /Pages 2 0 R /Metadata 3 0 R >>",
      "<< /Type /Pages /Kids [5 0 R] /Count 1 >>",
      "<< /Type /Metadata /Subtype /XML /Length " + QByteArray::number(packet.size()) +
          " >>\nstream\n" + packet + "\nendstream",
      information, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>"};
  QByteArray pdf("%PDF-1.4\n");
  QByteArray table =
      "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (qsizetype i = 0; i < objects.size(); ++i) {
    table += QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n \n";
    pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
  }
  const QByteArray startxref = QByteArray::number(pdf.size());
  return pdf + table + "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
         " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" + startxref + "\n%%EOF\n";
}

#ifdef Q_OS_UNIX
// While it lives, no file of this process grows past `limit` bytes: a
// write beyond fails as on a full disk (with the signal it would send
// caught, which would end the process).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    struct sigaction ignore {};
    ignore.sa_handler = [](int) {};
    sigaction(SIGXFSZ, &ignore, &signal_);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit lower = saved_;
    lower.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lower);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    sigaction(SIGXFSZ, &signal_, nullptr);
  }

 private:
  rlimit saved_{};
  struct sigaction signal_ {};
};
#endif

QString Collapsed(const QString& text) { return text.simplified(); }

// Right-clicks a control and hands the menu that opens to inspect.
template <typename Inspect>
void RightClick(QWidget* control, Inspect inspect) {
  QVERIFY2(velmora::testing::RightClick(control, inspect), "no menu opened");
}

// The most any pixel of a region stands out from a colour (WCAG ratio).
double MostContrast(const QImage& image, const QRect& region, const QColor& against) {
  double most = 1.0;
  const QRect inside = region.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      most = std::max(most, velmora::ContrastRatio(image.pixelColor(x, y), against));
    }
  }
  return most;
}

// A control's edge on the window: its two outermost columns, halfway down.
double EdgeContrast(const QImage& window, const QRect& control, const QColor& background) {
  return MostContrast(window, QRect(control.left(), control.center().y() - 1, 2, 3), background);
}

// A mouse drag from one end of a control to the other.
void DragAcross(QWidget* control) {
  const int y = control->height() / 2;
  QTest::mousePress(control, Qt::LeftButton, {}, QPoint(1, y));
  QTest::mouseMove(control, QPoint(control->width() - 1, y));
  QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(control->width() - 1, y));
}

QRect IndicatorOf(const QRadioButton* option) {
  QStyleOptionButton styleOption;
  styleOption.initFrom(option);
  const QRect local =
      option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &styleOption, option);
  return local.translated(option->pos());
}

}  // namespace

// Stands in for the desktop's browser: records what it was asked to open.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened << url; }
};

class Form1EverydayTest : public QObject {
  Q_OBJECT

 private slots:
  // The printing module, where this build put it.
  void initTestCase() {
    QCoreApplication::addLibraryPath(QStringLiteral(VELMORA_PRINTING_BUILD_FOLDER));
  }
  void cleanup() { window_.reset(); }

  void enterOnAFocusedButtonPressesItOnce_data();
  void enterOnAFocusedButtonPressesItOnce();
  void resultCanBeCopiedWhole_data();
  void resultCanBeCopiedWhole();
  void noResultHasNothingToCopy();
  void ctrlCCopiesASelectedResult_data();
  void ctrlCCopiesASelectedResult();
  void pressureListStepsFromWhatTheBoxShows_data();
  void pressureListStepsFromWhatTheBoxShows();
  void pressureListStepsFromATypedValueAfterAPick();
  void pressureListOpensOnTheEntryShown();
  void pressureListKeysWithModifiers_data();
  void pressureListKeysWithModifiers();
  void pressureListOpensWhereTheTypedValueSits_data();
  void pressureListOpensWhereTheTypedValueSits();
  void altUpClosesTheList();
  void keyboardReachesTheResultMenu_data();
  void keyboardReachesTheResultMenu();
  void openTooltipFollowsANewResult();
  void everyPopupDrawsLikeTheWindow_data();
  void everyPopupDrawsLikeTheWindow();
  void f1OpensTheGuideInTheUsersLanguage_data();
  void f1OpensTheGuideInTheUsersLanguage();
  void wheelChangesThePressureOnlyWithTheFocus();
  void assistiveToolsHearWhatEachControlAnswers_data();
  void assistiveToolsHearWhatEachControlAnswers();
  void contrastRatioOfKnownPairs_data();
  void contrastRatioOfKnownPairs();
  void everyEdgeStandsOutUnderEveryPalette_data();
  void everyEdgeStandsOutUnderEveryPalette();
  void themeChangeIsFollowedAtOnce();
  void calculationSheetFilesTheClicksResult_data();
  void calculationSheetFilesTheClicksResult();
  void sheetIsTheShownResults_data();
  void sheetIsTheShownResults();
  void sheetThatCannotBeWrittenLeavesNothing_data();
  void sheetThatCannotBeWrittenLeavesNothing();
  void sheetFileNameIsTheSameUnderEveryRegionalFormat_data();
  void sheetFileNameIsTheSameUnderEveryRegionalFormat();
  void sheetMetadataSaysWhatQtWrote_data();
  void sheetMetadataSaysWhatQtWrote();

 private:
  // Ctrl+S or Ctrl+P in the flow field, with the dialog that opens answered
  // by `answer`; false where no dialog opened.
  template <typename Answer>
  bool PressAndAnswer(int key, Answer answer) {
    // As a user comes back to the window after an earlier dialog.
    window_->Form().activateWindow();
    if (!QTest::qWaitForWindowActive(&window_->Form())) return false;
    bool opened = false;
    // A timer of this scope: where no dialog opens, it must not fire later.
    QTimer answerer;
    answerer.setSingleShot(true);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      opened = dialog != nullptr;
      if (dialog != nullptr) answer(dialog);
    });
    answerer.start(0);
    QTest::keyClick(window_->Find(QStringLiteral("Text1")), static_cast<Qt::Key>(key),
                    Qt::ControlModifier);
    QApplication::processEvents();
    return opened;
  }
  std::optional<Form1Driver> window_;
};

void Form1EverydayTest::enterOnAFocusedButtonPressesItOnce_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("result");
  // clang-format off
  QTest::newRow("Return on Command1") << "Command1" << int(Qt::Key_Return) << "5.0";
  QTest::newRow("keypad Enter on Command1") << "Command1" << int(Qt::Key_Enter) << "5.0";
  QTest::newRow("Return on Command2") << "Command2" << int(Qt::Key_Return) << "15.0";
  QTest::newRow("keypad Enter on Command2") << "Command2" << int(Qt::Key_Enter) << "15.0";
  // clang-format on
}

void Form1EverydayTest::enterOnAFocusedButtonPressesItOnce() {
  QFETCH(QString, button);
  QFETCH(int, key);
  QFETCH(QString, result);
  window_.emplace("en_US");
  QVERIFY(window_->IsActive());
  window_->Enter(QStringLiteral("Option3"), QStringLiteral("10"), QStringLiteral("0.5"));
  auto* command = window_->Find<QPushButton>(button);
  command->setFocus();
  QSignalSpy clicks(command, &QPushButton::clicked);
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  // A key held down repeats; it is still one press.
  QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(QApplication::focusWidget(), &repeat);
  QCOMPARE(clicks.count(), 1);
  QCOMPARE(window_->Shown(), result);
  QVERIFY(!command->isDefault());
}

void Form1EverydayTest::resultCanBeCopiedWhole_data() {
  QTest::addColumn<QString>("flow");
  QTest::addColumn<QString>("result");
  QTest::addColumn<bool>("selectable");
  QTest::addColumn<int>("lines");
  // clang-format off
  QTest::newRow("fits its box") << "10" << "15,0" << true << 4;
  // with a note: far beyond what the class delivers
  QTest::newRow("shown shortened") << "100000000" << "150000000,0" << false << 5;
  // clang-format on
}

void Form1EverydayTest::resultCanBeCopiedWhole() {
  QFETCH(QString, flow);
  QFETCH(QString, result);
  QFETCH(bool, selectable);
  QFETCH(int, lines);
  window_.emplace("tr_TR");
  window_->Enter(QStringLiteral("Option5"), flow, QStringLiteral("1"));
  window_->Click(QStringLiteral("Command2"));
  QCOMPARE(window_->Shown(), result);
  QApplication::clipboard()->clear();
  auto* label = window_->Find<QLabel>(QStringLiteral("Label8"));
  // The cursor over the result says whether it can be selected, also for
  // a result that comes while the mouse rests there.
  QTest::mouseMove(label);
  QTRY_COMPARE(label->cursor().shape(), selectable ? Qt::IBeamCursor : Qt::ArrowCursor);
  window_->Find<QLineEdit>(QStringLiteral("Text1"))
      ->setText(selectable ? QStringLiteral("100000000") : QStringLiteral("10"));
  window_->Press(QStringLiteral("Command2"), Qt::Key_Space);
  QCOMPARE(label->cursor().shape(), selectable ? Qt::ArrowCursor : Qt::IBeamCursor);
  window_->Find<QLineEdit>(QStringLiteral("Text1"))->setText(flow);
  window_->Press(QStringLiteral("Command2"), Qt::Key_Space);
  RightClick(label, [&](QMenu& menu) {
    auto* copy = menu.findChild<QAction*>(QStringLiteral("copyResult"));
    auto* selectAll = menu.findChild<QAction*>(QStringLiteral("selectAllResult"));
    QVERIFY(copy != nullptr && selectAll != nullptr);
    QVERIFY(copy->isEnabled());
    QCOMPARE(selectAll->isEnabled(), selectable);
    copy->trigger();
  });
  QCOMPARE(QApplication::clipboard()->text(), result);
  RightClick(label, [](QMenu& menu) {
    auto* copyCalculation = menu.findChild<QAction*>(QStringLiteral("copyCalculation"));
    QVERIFY(copyCalculation != nullptr);
    QCOMPARE(copyCalculation->text(), QStringLiteral("Hesabı Kopyala"));
    QCOMPARE(menu.actions().indexOf(copyCalculation), 1);  // right after Copy
    QVERIFY(copyCalculation->isEnabled());
    copyCalculation->trigger();
  });
  QCOMPARE(QApplication::clipboard()->text(), label->toolTip());
  QCOMPARE(QApplication::clipboard()->text().count(u'\n'), lines - 1);
  DragAcross(label);
  QCOMPARE(label->selectedText(), selectable ? result : QString());
  QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void Form1EverydayTest::noResultHasNothingToCopy() {
  window_.emplace("tr_TR");
  RightClick(window_->Find(QStringLiteral("Label8")), [](QMenu& menu) {
    QVERIFY(!menu.findChild<QAction*>(QStringLiteral("copyResult"))->isEnabled());
    QVERIFY(!menu.findChild<QAction*>(QStringLiteral("selectAllResult"))->isEnabled());
    QVERIFY(!menu.findChild<QAction*>(QStringLiteral("copyCalculation"))->isEnabled());
  });
}

void Form1EverydayTest::ctrlCCopiesASelectedResult_data() {
  QTest::addColumn<QString>("focus");
  QTest::addColumn<bool>("fieldSelection");
  QTest::addColumn<bool>("resultSelection");
  QTest::addColumn<QString>("copied");
  // clang-format off
  QTest::newRow("flow field, nothing selected in it") << "Text1" << false << true << "5,0";
  QTest::newRow("pressure list, nothing selected in it") << "Combo1" << false << true << "5,0";
  QTest::newRow("a button") << "Command1" << false << true << "5,0";
  QTest::newRow("an option") << "Option3" << false << true << "5,0";
  QTest::newRow("the field's own selection first") << "Text1" << true << true << "10";
  QTest::newRow("the list's own selection first") << "Combo1" << true << true << "0,5";
  QTest::newRow("no selection anywhere") << "Text1" << false << false << "before";
  // clang-format on
}

void Form1EverydayTest::ctrlCCopiesASelectedResult() {
  QFETCH(QString, focus);
  QFETCH(bool, fieldSelection);
  QFETCH(bool, resultSelection);
  QFETCH(QString, copied);
  window_.emplace("tr_TR");
  window_->Enter(QStringLiteral("Option3"), QStringLiteral("10"), QStringLiteral("0,5"));
  window_->Click(QStringLiteral("Command1"));
  auto* result = window_->Find<QLabel>(QStringLiteral("Label8"));
  if (resultSelection) {
    // As a mouse drag over the result leaves it.
    QTest::mousePress(result, Qt::LeftButton, {}, QPoint(1, result->height() / 2));
    QTest::mouseMove(result, QPoint(result->width() - 1, result->height() / 2));
    QTest::mouseRelease(result, Qt::LeftButton, {},
                        QPoint(result->width() - 1, result->height() / 2));
    QCOMPARE(result->selectedText(), QStringLiteral("5,0"));
  }
  QWidget* focused = window_->Find(focus);
  focused->setFocus();
  auto* field = qobject_cast<QLineEdit*>(focused);
  if (auto* box = qobject_cast<QComboBox*>(focused)) field = box->lineEdit();
  if (field != nullptr) {
    field->deselect();
    if (fieldSelection) field->selectAll();
  }
  QApplication::clipboard()->setText(QStringLiteral("before"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), copied);
}

void Form1EverydayTest::pressureListStepsFromWhatTheBoxShows_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("shown");
  // clang-format off
  QTest::newRow("Down from the opening 1") << "tr_TR" << "1" << int(Qt::Key_Down) << "1,1";
  QTest::newRow("Up from the opening 1") << "tr_TR" << "1" << int(Qt::Key_Up) << "0,9";
  QTest::newRow("Page Down from 1") << "tr_TR" << "1" << int(Qt::Key_PageDown) << "1,1";
  QTest::newRow("Down from 1,0") << "tr_TR" << "1,0" << int(Qt::Key_Down) << "1,1";
  QTest::newRow("Down from 1.0 under a comma") << "tr_TR" << "1.0" << int(Qt::Key_Down) << "1,1";
  QTest::newRow("Down from a blank-padded 1") << "tr_TR" << " 1 " << int(Qt::Key_Down) << "1,1";
  QTest::newRow("Up from 2,1") << "tr_TR" << "2,1" << int(Qt::Key_Up) << "2,0";
  QTest::newRow("Down from 1 under a point") << "en_US" << "1" << int(Qt::Key_Down) << "1.1";
  QTest::newRow("between entries, down") << "tr_TR" << "0,55" << int(Qt::Key_Down) << "0,6";
  QTest::newRow("between entries, up") << "tr_TR" << "0,55" << int(Qt::Key_Up) << "0,5";
  QTest::newRow("between entries, Page Down") << "tr_TR" << "1,05" << int(Qt::Key_PageDown)
                                              << "1,1";
  QTest::newRow("above the list, up") << "tr_TR" << "3" << int(Qt::Key_Up) << "2,1";
  QTest::newRow("above the list, down stays") << "tr_TR" << "3" << int(Qt::Key_Down) << "3";
  QTest::newRow("below the list, down") << "tr_TR" << "0,2" << int(Qt::Key_Down) << "0,5";
  QTest::newRow("below the list, up stays") << "tr_TR" << "0,2" << int(Qt::Key_Up) << "0,2";
  QTest::newRow("last entry, down stays") << "tr_TR" << "2,1" << int(Qt::Key_Down) << "2,1";
  QTest::newRow("no number: from before the first") << "tr_TR" << "abc" << int(Qt::Key_Down)
                                                     << "0,5";
  QTest::newRow("no number, up stays") << "tr_TR" << "abc" << int(Qt::Key_Up) << "abc";
  QTest::newRow("comma under a point is no number") << "en_US" << "1,0" << int(Qt::Key_Down)
                                                     << "0.5";
  QTest::newRow("Arabic-Indic digits") << "ar_EG" << "١٫٥" << int(Qt::Key_Down) << "1٫6";
  // Read as the calculation reads it.
  QTest::newRow("Arabic-Indic one, Turkish") << "tr_TR" << "١" << int(Qt::Key_Down) << "1,1";
  QTest::newRow("Devanagari one, English") << "en_US" << "१" << int(Qt::Key_Down) << "1.1";
  QTest::newRow("full-width one, Arabic") << "ar_EG" << "１" << int(Qt::Key_Down) << "1٫1";
  QTest::newRow("an exponent is no number, down") << "tr_TR" << "1e1" << int(Qt::Key_Down)
                                                  << "0,5";
  QTest::newRow("an exponent is no number, up") << "tr_TR" << "1e1" << int(Qt::Key_Up) << "1e1";
  QTest::newRow("a unit after it is no number") << "tr_TR" << "1,5 bar" << int(Qt::Key_Down)
                                                << "0,5";
  QTest::newRow("no-break space before it") << "tr_TR" << "\u00a01,5" << int(Qt::Key_Down)
                                            << "1,6";
  QTest::newRow("narrow no-break space after it") << "tr_TR" << "1,5\u202f" << int(Qt::Key_Up)
                                                  << "1,4";
  QTest::newRow("right-to-left mark before it") << "tr_TR" << "\u200f1" << int(Qt::Key_Down)
                                                << "1,1";
  // Opened under Turkish settings, then changed to English ones: the
  // entries' commas no longer read, and no entry is stepped to.
  QTest::newRow("entries of the old separator, up") << "tr_TR>en_US" << "1.05"
                                                    << int(Qt::Key_Up) << "1.05";
  QTest::newRow("entries of the old separator, down") << "tr_TR>en_US" << "1.05"
                                                      << int(Qt::Key_Down) << "1.05";
  // clang-format on
}

void Form1EverydayTest::pressureListStepsFromWhatTheBoxShows() {
  QFETCH(QString, locale);
  QFETCH(QString, typed);
  QFETCH(int, key);
  QFETCH(QString, shown);
  window_.emplace(qPrintable(locale.section(u'>', 0, 0)));
  if (locale.contains(u'>')) QLocale::setDefault(QLocale(locale.section(u'>', 1)));
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  box->setEditText(typed);
  box->setFocus();
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  QCOMPARE(window_->Pressure(), shown);
}

// A value stepped from must be the one shown now, not the entry picked
// before the user typed another.
void Form1EverydayTest::pressureListStepsFromATypedValueAfterAPick() {
  window_.emplace("tr_TR");
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  box->setFocus();
  box->setEditText(QStringLiteral("1,5"));
  QTest::keyClick(box, Qt::Key_Down);
  QCOMPARE(window_->Pressure(), QStringLiteral("1,6"));
  box->lineEdit()->selectAll();
  QTest::keyClicks(box, QStringLiteral("3"));
  QCOMPARE(window_->Pressure(), QStringLiteral("3"));
  QTest::keyClick(box, Qt::Key_Down);
  QCOMPARE(window_->Pressure(), QStringLiteral("3"));
  QTest::keyClick(box, Qt::Key_Up);
  QCOMPARE(window_->Pressure(), QStringLiteral("2,1"));
  // Alt+Down opens the list and steps nowhere.
  box->setEditText(QStringLiteral("0,55"));
  QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
  QVERIFY(box->view()->isVisible());
  box->hidePopup();
  QCOMPARE(window_->Pressure(), QStringLiteral("0,55"));
}

void Form1EverydayTest::pressureListKeysWithModifiers_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<bool>("opens");
  const int ctrl = Qt::ControlModifier;
  const int alt = Qt::AltModifier;
  const int shift = Qt::ShiftModifier;
  // clang-format off
  QTest::newRow("Ctrl+Page Down from 1") << "1" << int(Qt::Key_PageDown) << ctrl << "1,1" << false;
  QTest::newRow("Alt+Page Down from 1") << "1" << int(Qt::Key_PageDown) << alt << "1,1" << false;
  QTest::newRow("Shift+Page Down from 1") << "1" << int(Qt::Key_PageDown) << shift << "1,1"
                                          << false;
  QTest::newRow("Ctrl+Page Up from 1") << "1" << int(Qt::Key_PageUp) << ctrl << "0,9" << false;
  QTest::newRow("Alt+Page Up from 3") << "3" << int(Qt::Key_PageUp) << alt << "2,1" << false;
  QTest::newRow("Shift+Down from 1") << "1" << int(Qt::Key_Down) << shift << "1,1" << false;
  QTest::newRow("Shift+Up from 3") << "3" << int(Qt::Key_Up) << shift << "2,1" << false;
  QTest::newRow("Ctrl+Down is the text's") << "1" << int(Qt::Key_Down) << ctrl << "1" << false;
  QTest::newRow("Ctrl+Up is the text's") << "3" << int(Qt::Key_Up) << ctrl << "3" << false;
  QTest::newRow("Alt+Down opens") << "3" << int(Qt::Key_Down) << alt << "3" << true;
  QTest::newRow("Alt+Up opens") << "3" << int(Qt::Key_Up) << alt << "3" << true;
  QTest::newRow("Ctrl+Shift+Page Down from 0,55") << "0,55" << int(Qt::Key_PageDown)
                                                  << (ctrl | shift) << "0,6" << false;
  // clang-format on
}

// Whatever modifier is held, no key steps from an entry picked before.
void Form1EverydayTest::pressureListKeysWithModifiers() {
  QFETCH(QString, typed);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, shown);
  QFETCH(bool, opens);
  window_.emplace("tr_TR");
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  box->setFocus();
  box->setCurrentIndex(12);  // 1,7: a pick long ago
  box->setEditText(typed);
  QTest::keyClick(box, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(box->view()->isVisible(), opens);
  box->hidePopup();
  QCOMPARE(window_->Pressure(), shown);
}

// Opened on a typed value, the list highlights the entry the closed list
// steps from, and a Return with nothing highlighted leaves the text alone.
void Form1EverydayTest::pressureListOpensWhereTheTypedValueSits_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<QString>("shown");
  const int down = Qt::Key_Down;
  const int ret = Qt::Key_Return;
  // clang-format off
  QTest::newRow("0,55, Down, Return") << "0,55" << QList<int>{down, ret} << "0,6";
  QTest::newRow("1,0, Return") << "1,0" << QList<int>{ret} << "1,0";
  QTest::newRow("abc, Return") << "abc" << QList<int>{ret} << "abc";
  QTest::newRow("0,2, Down, Return") << "0,2" << QList<int>{down, ret} << "0,5";
  // clang-format on
}

void Form1EverydayTest::pressureListOpensWhereTheTypedValueSits() {
  QFETCH(QString, typed);
  QFETCH(QList<int>, keys);
  QFETCH(QString, shown);
  window_.emplace("tr_TR");
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  box->setFocus();
  box->setCurrentIndex(7);  // the list has moved to 1,2
  box->lineEdit()->selectAll();
  QTest::keyClicks(box, typed);
  QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
  QVERIFY(box->view()->isVisible());
  for (const int key : keys) QTest::keyClick(box->view(), static_cast<Qt::Key>(key));
  QVERIFY(!box->view()->isVisible());
  QCOMPARE(window_->Pressure(), shown);
}

// Alt+Up closes the open list as Alt+Down does, and leaves the text.
void Form1EverydayTest::altUpClosesTheList() {
  window_.emplace("tr_TR");
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Up, Qt::AltModifier);
  QVERIFY(box->view()->isVisible());
  QTest::keyClick(box->view(), Qt::Key_Up, Qt::AltModifier);
  QVERIFY(!box->view()->isVisible());
  QCOMPARE(window_->Pressure(), QStringLiteral("1"));
}

// The result never takes the focus: the menu key and Shift+F10 on an option
// or a button open its menu; in a field they open the field's own.
void Form1EverydayTest::keyboardReachesTheResultMenu_data() {
  QTest::addColumn<QString>("focus");
  QTest::addColumn<bool>("shiftF10");
  QTest::addColumn<bool>("resultMenu");
  // clang-format off
  QTest::newRow("menu key on an option") << "Option1" << false << true;
  QTest::newRow("Shift+F10 on an option") << "Option1" << true << true;
  QTest::newRow("menu key on a button") << "Command2" << false << true;
  QTest::newRow("Shift+F10 on a button") << "Command1" << true << true;
  QTest::newRow("menu key in the flow field") << "Text1" << false << false;
  QTest::newRow("Shift+F10 in the flow field") << "Text1" << true << false;
  QTest::newRow("Shift+F10 in the pressure list") << "Combo1" << true << false;
  // clang-format on
}

void Form1EverydayTest::keyboardReachesTheResultMenu() {
  QFETCH(QString, focus);
  QFETCH(bool, shiftF10);
  QFETCH(bool, resultMenu);
  window_.emplace("tr_TR");
  window_->Click(QStringLiteral("Command1"));
  window_->Find(focus)->setFocus();
  QWidget* focused = QApplication::focusWidget();
  bool opened = false;
  bool ofTheResult = false;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    opened = menu != nullptr;
    if (menu == nullptr) return;
    ofTheResult = menu->findChild<QAction*>(QStringLiteral("copyResult")) != nullptr;
    menu->close();
  });
  if (shiftF10) {
    QTest::keyClick(focused, Qt::Key_F10, Qt::ShiftModifier);
  } else {
    const QPoint at = focused->rect().center();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, at, focused->mapToGlobal(at));
    QApplication::sendEvent(focused, &menuKey);
  }
  QApplication::processEvents();
  QVERIFY(opened);
  QCOMPARE(ofTheResult, resultMenu);
}

// Pressed while the mouse rests on the result (by a screen reader's press
// action, which no key event precedes), the open tooltip explains the new
// result, not the one before.
void Form1EverydayTest::openTooltipFollowsANewResult() {
  window_.emplace("tr_TR");
  window_->Enter(QStringLiteral("Option3"), QStringLiteral("10"), QStringLiteral("0,5"));
  window_->Press(QStringLiteral("Command1"), Qt::Key_Space);
  auto* result = window_->Find<QLabel>(QStringLiteral("Label8"));
  QToolTip::showText(result->mapToGlobal(result->rect().center()), result->toolTip(), result);
  QVERIFY(QToolTip::isVisible());
  QAccessible::queryAccessibleInterface(window_->Find(QStringLiteral("Command2")))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  QTRY_VERIFY(result->toolTip().startsWith(QStringLiteral("Pistonlu")));
  QVERIFY(!QToolTip::isVisible() || QToolTip::text() == result->toolTip());
  QToolTip::hideText();
}

// Built after the window, on first use, and after the desktop's palette
// changed while the window was open, the list's popup, the menus and the
// tooltips draw with the window's style and the palette of the moment.
void Form1EverydayTest::everyPopupDrawsLikeTheWindow_data() {
  QTest::addColumn<QList<QPalette>>("switches");
  // A theme that hands the tooltips a palette of its own with each change
  // (Windows) is left to: the tips draw as it says.
  QTest::addColumn<bool>("themeGivesTips");
  const QPalette dark = velmora::testing::WindowsDarkMode();
  // clang-format off
  QTest::newRow("as started") << QList<QPalette>{} << false;
  QTest::newRow("switched to dark") << QList<QPalette>{dark} << false;
  QTest::newRow("switched to white on black") << QList<QPalette>{velmora::testing::WhiteOnBlack()} << false;
  QTest::newRow("switched to dark and back") << QList<QPalette>{dark, QApplication::palette()} << false;
  QTest::newRow("switched to dark, tips by the theme") << QList<QPalette>{dark} << true;
  // clang-format on
}

void Form1EverydayTest::everyPopupDrawsLikeTheWindow() {
  QFETCH(QList<QPalette>, switches);
  QFETCH(bool, themeGivesTips);
  const QPalette ordinary = QApplication::palette();
  // A desktop's platform theme (Windows, qt6ct) hands the tooltips a
  // palette of their own at start-up.
  QPalette tips = ordinary;
  for (const QPalette::ColorRole role : {QPalette::ToolTipBase, QPalette::ToolTipText}) {
    tips.setColor(role, ordinary.color(role));
  }
  QToolTip::setPalette(tips);
  const auto restore = qScopeGuard([&] {
    QApplication::setPalette(ordinary);
    QToolTip::setPalette(QPalette());
  });
  window_.emplace("tr_TR");
  QPalette themeTips = ordinary;
  themeTips.setColor(QPalette::ToolTipBase, QColor(0x2b2b2b));
  themeTips.setColor(QPalette::ToolTipText, QColor(0xf0f0f0));
  for (const QPalette& palette : switches) {
    QApplication::setPalette(palette);
    if (themeGivesTips) QToolTip::setPalette(themeTips);
    QApplication::processEvents();
  }
  const QPalette now = QApplication::palette();
  const auto drawsLikeTheWindow = [&](const QWidget* widget, QPalette::ColorRole background,
                                      QPalette::ColorRole text) {
    return qobject_cast<const velmora::WindowStyle*>(widget->style()) != nullptr &&
           widget->palette().color(background) == now.color(background) &&
           widget->palette().color(text) == now.color(text);
  };
  QVERIFY(drawsLikeTheWindow(&window_->Form(), QPalette::Window, QPalette::WindowText));
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  box->showPopup();
  QVERIFY(drawsLikeTheWindow(box->view()->window(), QPalette::Window, QPalette::WindowText));
  QVERIFY(drawsLikeTheWindow(box->view(), QPalette::Base, QPalette::Text));
  box->hidePopup();
  const auto menuDrawsLikeTheWindow = [&](QMenu& menu) {
    QVERIFY(drawsLikeTheWindow(&menu, QPalette::Window, QPalette::WindowText));
  };
  RightClick(window_->Find(QStringLiteral("Label8")), menuDrawsLikeTheWindow);
  RightClick(box, menuDrawsLikeTheWindow);
  auto* credit = window_->Find(QStringLiteral("Label25"));
  QToolTip::showText(credit->mapToGlobal(credit->rect().center()), credit->toolTip(), credit);
  const QWidgetList tops = QApplication::topLevelWidgets();
  const auto tip = std::find_if(tops.cbegin(), tops.cend(), [](const QWidget* top) {
    return top->inherits("QTipLabel") && top->isVisible();
  });
  QVERIFY(tip != tops.cend());
  const QPalette tipShould = themeGivesTips ? themeTips : now;
  const bool tipDrawsAsItShould =
      qobject_cast<const velmora::WindowStyle*>((*tip)->style()) != nullptr &&
      (*tip)->palette().color(QPalette::ToolTipBase) == tipShould.color(QPalette::ToolTipBase) &&
      (*tip)->palette().color(QPalette::ToolTipText) == tipShould.color(QPalette::ToolTipText);
  QToolTip::hideText();
  QVERIFY(tipDrawsAsItShould);
}

// F1 opens the guide installed beside the program (Windows) or in the
// installed tree's documentation folder (Linux), Turkish unless the user's
// language is another one; without a guide it opens nothing. On Windows the
// folder above an unpacked zip may be one any user can fill, so only the
// program's own folder counts there.
void Form1EverydayTest::f1OpensTheGuideInTheUsersLanguage_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("folder");
  QTest::addColumn<QStringList>("installed");
  QTest::addColumn<QString>("opened");
  const QStringList both{"Kullanım Kılavuzu.html", "User Guide.html"};
  const QString docs = QStringLiteral("../share/doc/velmora");
#ifdef Q_OS_WIN
  const QString fromDocs;
#else
  const QString fromDocs = QStringLiteral("User Guide.html");
#endif
  // clang-format off
  QTest::newRow("Turkish") << "tr_TR" << "." << both << "Kullanım Kılavuzu.html";
  QTest::newRow("English") << "en_US" << "." << both << "User Guide.html";
  QTest::newRow("German reads English") << "de_DE" << "." << both << "User Guide.html";
  QTest::newRow("Arabic reads English") << "ar_EG" << "." << both << "User Guide.html";
  QTest::newRow("Turkish, as the MSI names it") << "tr_TR" << "."
      << QStringList{"Kullanim Kilavuzu.html"} << "Kullanim Kilavuzu.html";
  QTest::newRow("the installed tree's documentation folder") << "en_US" << docs << both
                                                            << fromDocs;
  QTest::newRow("no guide installed") << "tr_TR" << "." << QStringList{} << "";
  // clang-format on
}

void Form1EverydayTest::f1OpensTheGuideInTheUsersLanguage() {
  QFETCH(QString, locale);
  QFETCH(QString, folder);
  QFETCH(QStringList, installed);
  QFETCH(QString, opened);
  const QDir beside(QDir(QCoreApplication::applicationDirPath()).filePath(folder));
  QVERIFY(beside.mkpath(QStringLiteral(".")));
  for (const QString& name : installed) {
    QFile guide(beside.filePath(name));
    QVERIFY(guide.open(QIODevice::WriteOnly));
  }
  UrlRecorder browser;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
  window_.emplace(qPrintable(locale));
  window_->Find(QStringLiteral("Text1"))->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  for (const QString& name : installed) QFile::remove(beside.filePath(name));
  if (opened.isEmpty()) {
    QVERIFY(browser.opened.isEmpty());
  } else {
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(QFileInfo(browser.opened.first().toLocalFile()).fileName(), opened);
  }
}

void Form1EverydayTest::pressureListOpensOnTheEntryShown() {
  window_.emplace("tr_TR");
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  box->showPopup();
  QCOMPARE(box->view()->currentIndex().data().toString(), QStringLiteral("1,0"));
  box->hidePopup();
  QCOMPARE(window_->Pressure(), QStringLiteral("1"));
  QCOMPARE(box->currentIndex(), -1);
}

void Form1EverydayTest::wheelChangesThePressureOnlyWithTheFocus() {
  window_.emplace("tr_TR");
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  const auto turnDown = [box] {
    const QPointF at = box->rect().center();
    QWheelEvent wheel(at, box->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
  };
  window_->Find(QStringLiteral("Text1"))->setFocus();
  turnDown();
  QCOMPARE(window_->Pressure(), QStringLiteral("1"));
  box->setFocus();
  turnDown();
  QCOMPARE(window_->Pressure(), QStringLiteral("1,1"));
}

void Form1EverydayTest::assistiveToolsHearWhatEachControlAnswers_data() {
  QTest::addColumn<QString>("description");
  // clang-format off
  for (const char* option : {"Option1", "Option2", "Option3", "Option4", "Option5"}) {
    QTest::newRow(option) << "Kompresör Gücü";
  }
  QTest::newRow("Text1") << "m3/dk";
  QTest::newRow("Combo1") << "bar";
  QTest::newRow("Label8") << "Toplam Depolama Hacmi >= m3  (tank+borular)";
  // clang-format on
}

void Form1EverydayTest::assistiveToolsHearWhatEachControlAnswers() {
  QFETCH(QString, description);
  window_.emplace("tr_TR");
  QWidget* control = window_->Find(QLatin1String(QTest::currentDataTag()));
  QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description),
           description);
}

// The edge measurements below use the ratio they check; pairs with published
// values keep a wrong formula from passing them.
void Form1EverydayTest::contrastRatioOfKnownPairs_data() {
  QTest::addColumn<QColor>("a");
  QTest::addColumn<QColor>("b");
  QTest::addColumn<double>("ratio");
  // clang-format off
  QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
  QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
  QTest::newRow("#767676 on white") << QColor(0x767676) << QColor(Qt::white) << 4.54;
  QTest::newRow("#949494 on white") << QColor(0x949494) << QColor(Qt::white) << 3.03;
  QTest::newRow("the same grey") << QColor(0x808080) << QColor(0x808080) << 1.0;
  // Coloured pairs weigh red, green and blue apart: a formula that mixed up
  // their weights passes every grey.
  QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.00;
  QTest::newRow("blue on white") << QColor(Qt::blue) << QColor(Qt::white) << 8.59;
  QTest::newRow("#008000 on white") << QColor(0x008000) << QColor(Qt::white) << 5.14;
  // clang-format on
}

void Form1EverydayTest::contrastRatioOfKnownPairs() {
  QFETCH(QColor, a);
  QFETCH(QColor, b);
  QFETCH(double, ratio);
  QVERIFY2(std::abs(velmora::ContrastRatio(a, b) - ratio) < 0.005,
           qPrintable(QString::number(velmora::ContrastRatio(a, b))));
}

void Form1EverydayTest::everyEdgeStandsOutUnderEveryPalette_data() {
  using velmora::testing::PaletteOf;
  QTest::addColumn<QPalette>("palette");
  // What the desktop gives option buttons of their own, where it does.
  QTest::addColumn<QPalette>("optionPalette");
  const auto row = [](const char* name, const QPalette& palette) {
    QTest::newRow(name) << palette << palette;
  };
  row("Qt's default light", QPalette());
  // clang-format off
  row("GNOME-like light", PaletteOf({"#FFFFFF", "#2E3436", "#F6F5F4", "#2E3436", "#3584E4",
                                     "#FFFFFF"}));
  row("Breeze Dark-like", PaletteOf({"#232629", "#EFF0F1", "#31363B", "#EFF0F1", "#3DAEE9",
                                     "#EFF0F1"}));
  // Windows 11's contrast themes, as Qt on Windows hands them to the window.
  row("Night sky", PaletteOf({"#000000", "#FFFFFF", "#292929", "#FFEE32", "#D6B4FD", "#2B2B2B"}));
  row("Aquatic", PaletteOf({"#202020", "#FFFFFF", "#202020", "#FFFFFF", "#8EE3F0", "#263B50"}));
  row("Dusk", PaletteOf({"#2D3236", "#FFFFFF", "#2D3236", "#B6F6F0", "#A1BFDE", "#212D3B"}));
  row("Desert", PaletteOf({"#FFFAEF", "#3D3D3D", "#FFFAEF", "#202020", "#903909", "#FFF5E3"}));
  // clang-format on
  row("white on black", velmora::testing::WhiteOnBlack());
  row("black on white", velmora::testing::BlackOnWhite());
  // Windows' app mode "Dark" as Qt 6.4 hands it over, option buttons with
  // a base of the accent blue, as if every one were chosen.
  const QPalette dark = velmora::testing::WindowsDarkMode();
  QPalette blueOptions = dark;
  for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button}) {
    blueOptions.setColor(role, QColor(0x0078d7));
  }
  blueOptions.setColor(QPalette::ButtonText, Qt::white);
  QTest::newRow("Windows dark mode") << dark << blueOptions;
}

// Every part of a control a user finds it by stands 3:1 against the window
// (WCAG 2.1, 1.4.11), and checked and pressed states can be told apart.
void Form1EverydayTest::everyEdgeStandsOutUnderEveryPalette() {
  QFETCH(QPalette, palette);
  QFETCH(QPalette, optionPalette);
  const QPalette ordinary = QApplication::palette();
  QApplication::setPalette(palette);
  QApplication::setPalette(optionPalette, "QRadioButton");
  window_.emplace("tr_TR");
  const QImage shot = window_->Form().grab().toImage();
  const QColor background = palette.color(QPalette::Window);
  for (const char* name : {"Text1", "Combo1", "Command1", "Command2", "Frame1"}) {
    const double contrast =
        EdgeContrast(shot, window_->Find(QLatin1String(name))->geometry(), background);
    QVERIFY2(contrast >= 3.0,
             qPrintable(QStringLiteral("%1's edge: %2:1").arg(name).arg(contrast)));
  }
  const QRect checked = IndicatorOf(window_->Find<QRadioButton>(QStringLiteral("Option1")));
  for (const char* name : {"Option1", "Option2", "Option3", "Option4", "Option5"}) {
    const QRect circle = IndicatorOf(window_->Find<QRadioButton>(QLatin1String(name)));
    const double contrast = MostContrast(shot, circle, background);
    QVERIFY2(contrast >= 3.0,
             qPrintable(QStringLiteral("%1's circle: %2:1").arg(name).arg(contrast)));
  }
  const QRect unchecked = IndicatorOf(window_->Find<QRadioButton>(QStringLiteral("Option2")));
  const QPoint dot = checked.center() + QPoint(1, 1);
  const double checkedContrast = velmora::ContrastRatio(
      shot.pixelColor(dot), shot.pixelColor(dot - checked.topLeft() + unchecked.topLeft()));
  QVERIFY2(checkedContrast >= 3.0,
           qPrintable(QStringLiteral("checked dot: %1:1").arg(checkedContrast)));
  // An unchecked circle is hollow: its inside is near the window's colour.
  const double hollow = velmora::ContrastRatio(shot.pixelColor(unchecked.center()), background);
  QVERIFY2(hollow <= 2.0,
           qPrintable(QStringLiteral("unchecked circle's inside: %1:1").arg(hollow)));

  // The result's marks: a note's sign, and the strike of an out-of-date
  // result where it reaches past the digits.
  window_->Enter(QStringLiteral("Option3"), QStringLiteral("100"), QStringLiteral("1"));
  window_->Click(QStringLiteral("Command1"));
  window_->Find<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("10"));
  auto* result = window_->Find<QLabel>(QStringLiteral("Label8"));
  const QImage marked = result->parentWidget()->grab().toImage();
  const int pastDigits = result->x() + result->fontMetrics().horizontalAdvance(result->text());
  const int unit = window_->Find(QStringLiteral("Label9"))->x();
  for (const auto& [mark, region] :
       {std::pair{"note",
                  QRect(pastDigits + 1, result->y(), unit - pastDigits - 1, result->height())},
        std::pair{"out of date", QRect(pastDigits, result->y(), 1, result->height())}}) {
    const double contrast = MostContrast(marked, region, background);
    QVERIFY2(contrast >= 3.0,
             qPrintable(QStringLiteral("the %1 mark: %2:1").arg(mark).arg(contrast)));
  }

  auto* button = window_->Find<QPushButton>(QStringLiteral("Command2"));
  const QPoint justInside(2, button->height() / 2);
  const QColor released = button->grab().toImage().pixelColor(justInside);
  button->setDown(true);
  const QColor pressed = button->grab().toImage().pixelColor(justInside);
  button->setDown(false);
  window_.reset();
  QApplication::setPalette(ordinary);
  QVERIFY2(velmora::ContrastRatio(released, pressed) >= 1.1,
           "a pressed button looks like a released one");
}

// A theme changed while the window is open, with a result shown: every
// caption, the result and every edge follow at once, and back again.
void Form1EverydayTest::themeChangeIsFollowedAtOnce() {
  const QPalette light = QApplication::palette();
  window_.emplace("tr_TR");
  window_->Enter(QStringLiteral("Option3"), QStringLiteral("10"), QStringLiteral("0,5"));
  window_->Click(QStringLiteral("Command1"));
  QCOMPARE(window_->Shown(), QStringLiteral("5,0"));
  const auto* frame = window_->Find(QStringLiteral("Frame1"));
  for (const QPalette& palette : {velmora::testing::WhiteOnBlack(), light}) {
    QApplication::setPalette(palette);
    QApplication::processEvents();
    const QImage shot = window_->Form().grab().toImage();
    const QColor background = palette.color(QPalette::Window);
    const QString scheme =
        palette.color(QPalette::Window) == Qt::black ? "white on black" : "light";
    const auto expect = [&](const QString& what, const QRect& region, bool edge) {
      const double contrast =
          edge ? EdgeContrast(shot, region, background) : MostContrast(shot, region, background);
      QVERIFY2(contrast >= 3.0,
               qPrintable(QStringLiteral("%1, %2: %3:1").arg(scheme, what).arg(contrast)));
    };
    for (const char* name : {"Label3", "Label4", "Label5", "Label6", "Label7", "Label25", "Option1",
                             "Option5", "Command1", "Command2"}) {
      expect(QLatin1String(name), window_->Find(QLatin1String(name))->geometry(), false);
    }
    for (const char* name : {"Label8", "Label9"}) {
      const QWidget* label = window_->Find(QLatin1String(name));
      expect(QLatin1String(name),
             QRect(frame->mapTo(&window_->Form(), label->pos()), label->size()), false);
    }
    expect(QStringLiteral("the frame's title"),
           frame->geometry()
               .adjusted(8, 0, 0, 0)
               .intersected(QRect(frame->x() + 8, frame->y(), 100, 10)),
           false);
    for (const char* name : {"Text1", "Combo1", "Command1", "Command2", "Frame1"}) {
      expect(QStringLiteral("%1's edge").arg(name), window_->Find(QLatin1String(name))->geometry(),
             true);
    }
  }
}

// Filed as the click made it: a one-page PDF/A with embedded fonts that
// holds every line of the explanation and the result as the window showed
// it, whatever is typed after the click; printed, the same page.
void Form1EverydayTest::calculationSheetFilesTheClicksResult_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("option");
  QTest::addColumn<QString>("flow");
  QTest::addColumn<QString>("pressure");
  QTest::addColumn<QString>("paper");
  // clang-format off
  QTest::newRow("screw, rounded pressure") << "tr_TR" << "Command1" << "Option3" << "10" << "0,76"
                                           << "A4";
  QTest::newRow("piston, English") << "en_US" << "Command2" << "Option1" << "1" << "0.5"
                                   << "Letter";
  QTest::newRow("piston, 11-22 kW") << "tr_TR" << "Command2" << "Option2" << "3" << "1" << "A4";
  QTest::newRow("screw, 60-90 kW") << "tr_TR" << "Command1" << "Option4" << "15" << "1,2" << "A4";
  QTest::newRow("screw, Arabic") << "ar_EG" << "Command1" << "Option5" << "٢٠" << "٠٫٥" << "A4";
  QTest::newRow("with notes") << "tr_TR" << "Command1" << "Option3" << "100" << "8" << "A4";
  QTest::newRow("a long pasted text") << "tr_TR" << "Command2" << "Option3"
                                      << "10 " + QString(5000, u'x') << "1" << "A4";
  QTest::newRow("twenty thousand groups of thousands") << "tr_TR" << "Command2" << "Option3"
      << "1" + QStringLiteral(".000").repeated(20000) << "1" << "A4";
  // clang-format on
}

void Form1EverydayTest::calculationSheetFilesTheClicksResult() {
  QFETCH(QString, locale);
  QFETCH(QString, button);
  QFETCH(QString, option);
  QFETCH(QString, flow);
  QFETCH(QString, pressure);
  QFETCH(QString, paper);
  const QTemporaryDir folder;
  window_.emplace(qPrintable(locale));
  window_->Enter(option, flow, pressure);
  window_->Click(button);
  const QString result = window_->Shown();
  const QString explanation = window_->Find<QLabel>(QStringLiteral("Label8"))->toolTip();
  window_->Find<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("999"));

  const QString saved = folder.filePath(QStringLiteral("sheet.pdf"));
  QString suggested;
  QVERIFY(PressAndAnswer(Qt::Key_S, [&](QWidget* dialog) {
    auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
    suggested = fileDialog->selectedFiles().value(0);
    fileDialog->selectFile(saved);
    static_cast<QDialog*>(fileDialog)->accept();
  }));
  QVERIFY2(QFileInfo(suggested).fileName().startsWith(QStringLiteral("Velmora hesabı ")),
           qPrintable(suggested));
  QVERIFY(QFileInfo(suggested).fileName().endsWith(QStringLiteral(".pdf")));
  QVERIFY(QFile::exists(saved));

  QStringList pages{saved};
#ifndef Q_OS_WIN
  // Printing goes through the platform's dialog, Windows' own there, which
  // no test answers; here the dialog's printer writes a PDF.
  const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
  QString docName;
  QVERIFY(PressAndAnswer(Qt::Key_P, [&](QWidget* dialog) {
    auto* printDialog = qobject_cast<QPrintDialog*>(dialog);
    docName = printDialog->printer()->docName();
    // Qt's own dialog: its last printer prints to a file, named below it.
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    QVERIFY(printers != nullptr && file != nullptr);
    printers->setCurrentIndex(printers->count() - 1);
    file->setText(printed);
    printDialog->accept();
  }));
  QCOMPARE(docName, QFileInfo(suggested).fileName());
  pages << printed;
#endif
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
    QSKIP("no pdftotext to read the sheet with");
  }
  for (const QString& pdf : pages) {
    const QString text = Collapsed(Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
    for (const QString& line : explanation.split(u'\n')) {
      QVERIFY2(text.contains(Collapsed(line)), qPrintable(line));
    }
    QVERIFY(text.contains(QStringLiteral("Toplam Depolama Hacmi >= %1 m³").arg(result)));
    QVERIFY(!text.contains(QStringLiteral("Girdiler bu sonuçtan sonra değişti")));
    for (const char* blank : {"Hazırlayan:", "Kontrol eden:", "İmza:"}) {
      QVERIFY(text.contains(QString::fromUtf8(blank)));
    }
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))), qPrintable(info));
    const QStringList fonts =
        Run(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts) {
      QVERIFY2(font.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) +[0-9]"))),
               qPrintable(font));
    }
  }
  const QString info = Run(QStringLiteral("pdfinfo"), {saved});
  QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +Basınçlı Hava Depolama"))),
           qPrintable(info));
  QVERIFY2(info.contains(QStringLiteral("(%1)").arg(paper), Qt::CaseInsensitive), qPrintable(info));

  // Whatever Qt writes and however long it takes.
  for (const char* written : {"Title", "Creator", "Producer", "CreationDate"}) {
    QVERIFY2(DocumentInformation(saved).contains(QLatin1String(written)), written);
  }
  QVERIFY(InformationAndXmpAgree(saved));
  // The signed-in user, which the information carries only on a Qt that
  // writes an author.
  QVERIFY(!XmpProperties(saved).value(QStringLiteral("dc:creator")).isEmpty());

  // What PDF/A-1b asks of the file beyond its metadata: a header no later
  // than PDF 1.4, an output intent for PDF/A-1 with its colour profile
  // embedded, a file identifier, no encryption (the fonts are checked
  // above); and a file qpdf reads without a single warning.
  QVERIFY2(info.contains(QRegularExpression(QStringLiteral("PDF version: +1\\.[0-4]\n"))),
           qPrintable(info));
  if (QStandardPaths::findExecutable(QStringLiteral("qpdf")).isEmpty()) {
    QSKIP("no qpdf to read the sheet's structure with");
  }
  int status = -1;
  const QString check = Run(QStringLiteral("qpdf"), {QStringLiteral("--check"), saved}, &status);
  QVERIFY2(status == 0, qPrintable(check));
  const QJsonObject objects =
      QJsonDocument::fromJson(
          Run(QStringLiteral("qpdf"),
              {QStringLiteral("--json=2"), QStringLiteral("--json-key=qpdf"), saved})
              .toUtf8())
          .object()
          .value(QStringLiteral("qpdf"))
          .toArray()
          .at(1)
          .toObject();
  const QJsonObject trailer =
      objects.value(QStringLiteral("trailer")).toObject().value(QStringLiteral("value")).toObject();
  QVERIFY(trailer.value(QStringLiteral("/ID")).toArray().size() == 2);
  QVERIFY(!trailer.contains(QStringLiteral("/Encrypt")));
  const QJsonObject catalog = QpdfObject(objects, trailer.value(QStringLiteral("/Root")));
  QVERIFY(catalog.contains(QStringLiteral("/Metadata")));
  const QJsonArray intents = catalog.value(QStringLiteral("/OutputIntents")).toArray();
  QVERIFY2(intents.size() == 1, "no output intent");
  const QJsonObject intent = QpdfObject(objects, intents.at(0));
  QCOMPARE(intent.value(QStringLiteral("/S")).toString(), QStringLiteral("/GTS_PDFA1"));
  const QJsonObject profile =
      QpdfObject(objects, intent.value(QStringLiteral("/DestOutputProfile")));
  QCOMPARE(profile.value(QStringLiteral("/N")).toInt(), 3);
}

// The sheet documents the result on screen: while one shows, Ctrl+S and
// Ctrl+P open their dialogs and the menu's entries are enabled; with none
// (before any click, or after a click that gave none, whatever came
// before), they open nothing and the entries are disabled.
void Form1EverydayTest::sheetIsTheShownResults_data() {
  QTest::addColumn<QStringList>("flows");
  QTest::addColumn<bool>("sheet");
  const QString beyondSingle = QStringLiteral("1") + QString(39, QLatin1Char('0'));
  // clang-format off
  QTest::newRow("before any click") << QStringList{} << false;
  QTest::newRow("a result") << QStringList{"10"} << true;
  QTest::newRow("no result after a result") << QStringList{"10", beyondSingle} << false;
  QTest::newRow("a result after no result") << QStringList{beyondSingle, "10"} << true;
  // clang-format on
}

void Form1EverydayTest::sheetIsTheShownResults() {
  QFETCH(QStringList, flows);
  QFETCH(bool, sheet);
  window_.emplace("tr_TR");
  for (const QString& flow : flows) {
    window_->Enter(QStringLiteral("Option3"), flow, QStringLiteral("1"));
    window_->Click(QStringLiteral("Command1"));
  }
  QCOMPARE(window_->Shown().isEmpty(), !sheet);
  QCOMPARE(window_->Form().ShownSheet().has_value(), sheet);
#ifdef Q_OS_WIN
  // Windows' own print dialog is one no test answers.
  const std::initializer_list<int> keys{Qt::Key_S};
#else
  const std::initializer_list<int> keys{Qt::Key_S, Qt::Key_P};
#endif
  for (const int key : keys) {
    QCOMPARE(PressAndAnswer(key, [](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); }),
             sheet);
  }
  RightClick(window_->Find(QStringLiteral("Label8")), [&](QMenu& menu) {
    for (const char* name : {"saveSheet", "printSheet"}) {
      auto* entry = menu.findChild<QAction*>(QLatin1String(name));
      QVERIFY(entry != nullptr);
      QCOMPARE(entry->isEnabled(), sheet);
    }
    QCOMPARE(menu.findChild<QAction*>(QStringLiteral("saveSheet"))->text(),
             QStringLiteral("Hesap Föyünü Kaydet…\t") +
                 QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText));
    QVERIFY(menu.findChild<QAction*>(QStringLiteral("printSheet"))
                ->text()
                .startsWith(QStringLiteral("Yazdır…\t")));
  });
}

void Form1EverydayTest::sheetThatCannotBeWrittenLeavesNothing_data() {
  QTest::addColumn<bool>("diskFills");
  QTest::newRow("a folder that cannot be made") << false;
  QTest::newRow("a disk that fills up half way, over an earlier sheet") << true;
}

// A place that cannot be written gets a message saying so, and the folder
// is left as it was: nothing half-written, an earlier sheet of the same
// name whole.
void Form1EverydayTest::sheetThatCannotBeWrittenLeavesNothing() {
  QFETCH(bool, diskFills);
  const QTemporaryDir folder;
  // Under a plain file no folder can be made, whoever runs the test.
  const QString blocker = folder.filePath(QStringLiteral("plain file"));
  QFile plain(blocker);
  QVERIFY(plain.open(QIODevice::WriteOnly));
  plain.close();
  const QString earlier = folder.filePath(QStringLiteral("sheet.pdf"));
  QFile sheet(earlier);
  QVERIFY(sheet.open(QIODevice::WriteOnly));
  sheet.write(QByteArray(qsizetype{64} * 1024, 'e'));
  sheet.close();
  const QString path = diskFills ? earlier : blocker + QStringLiteral("/sheet.pdf");
  const QMap<QString, QByteArray> before = FolderContents(folder.path());
  QString failure;
  bool written = true;
  if (diskFills) {
#ifdef Q_OS_UNIX
    const FileSizeLimit fullDisk(4096);
    written = velmora::WriteSheetPdf(
        {QDateTime::currentDateTime(), QStringLiteral("3,13"), QStringLiteral("Vidalı kompresör")},
        path, &failure);
#else
    QSKIP("no limit on a file's size to fill a disk with here");
#endif
  } else {
    written = velmora::WriteSheetPdf(
        {QDateTime::currentDateTime(), QStringLiteral("3,13"), QStringLiteral("Vidalı kompresör")},
        path, &failure);
  }
  QVERIFY(!written);
  QVERIFY(!failure.isEmpty());
  QVERIFY2(FolderContents(folder.path()) == before,
           qPrintable(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).join(", ")));

  window_.emplace("tr_TR");
  window_->Click(QStringLiteral("Command1"));
  QString message;
  QVERIFY(PressAndAnswer(Qt::Key_S, [&](QWidget* dialog) {
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      message = box->text();
      box->accept();
    });
    auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
    fileDialog->selectFile(blocker + QStringLiteral("/sheet.pdf"));
    static_cast<QDialog*>(fileDialog)->accept();
  }));
  QVERIFY2(message.startsWith(QStringLiteral("Hesap föyü kaydedilemedi")), qPrintable(message));
}

void Form1EverydayTest::sheetFileNameIsTheSameUnderEveryRegionalFormat_data() {
  QTest::addColumn<QDateTime>("madeAt");
  QTest::addColumn<QString>("name");
  QTest::newRow("an afternoon") << QDateTime(QDate(2026, 12, 9), QTime(14, 30))
                                << "Velmora hesabı 2026-12-09 14.30.pdf";
  QTest::newRow("single digits, just after midnight")
      << QDateTime(QDate(2027, 1, 5), QTime(0, 5, 59)) << "Velmora hesabı 2027-01-05 00.05.pdf";
  QTest::newRow("the last minute of a year")
      << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)) << "Velmora hesabı 2026-12-31 23.59.pdf";
}

// Under every regional format the name sorts by date and Windows takes it:
// Western digits, the Gregorian calendar, no colon, slash or any other
// character Windows refuses in a file name, no dot or space at its end.
void Form1EverydayTest::sheetFileNameIsTheSameUnderEveryRegionalFormat() {
  QFETCH(QDateTime, madeAt);
  QFETCH(QString, name);
  static const QRegularExpression kRefused(QStringLiteral("[<>:\"/\\\\|?*\\x00-\\x1f]|[. ]$"));
  const QLocale before;
  const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
  const QList<QLocale> locales =
      QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
  QVERIFY(locales.size() > 100);
  for (const QLocale& locale : locales) {
    QLocale::setDefault(locale);
    const QString shown = velmora::SheetFileName(madeAt);
    QVERIFY2(!shown.contains(kRefused) && shown == name,
             qPrintable(QStringLiteral("%1: %2").arg(locale.name(), shown)));
  }
}

void Form1EverydayTest::sheetMetadataSaysWhatQtWrote_data() {
  QTest::addColumn<QByteArray>("information");
  QTest::addColumn<bool>("completes");
  const QByteArray title =
      "/Title " + PdfText(QStringLiteral("Basınçlı Hava (Depolama) \\ Hesabı"));
  // clang-format off
  QTest::newRow("as Qt 6.4 writes it")
      << "<<\n" + title + "\n/Creator " + PdfText("Velmora 1.00") + "\n/Producer " +
             PdfText("Qt 6.4.2") + "\n/CreationDate (D:20261209143005+03'00')\n>>" << true;
  QTest::newRow("as Qt 6.9 writes it: an author, a second date, trapping")
      << "<<\n" + title + "\n/Author " + PdfText(QStringLiteral("Ayşe Çınar")) + "\n/Creator " +
             PdfText("Velmora 1.00") + "\n/Producer " + PdfText("Qt 6.9.1") +
             "\n/CreationDate (D:20261209143005Z)\n/ModDate (D:20261209143005Z)\n/Trapped /False\n>>"
      << true;
  QTest::newRow("escapes, octal codes, a hex string, a subject and keywords")
      << QByteArray("<< /Title (A \\(nested\\) (pair) back\\\\slash \\101\\102 tab\\tend)"
                    " /Creator <FEFF00560065006C006D006F0072006>"
                    " /Subject (Depo) /Keywords (hava, tank) /Producer (Qt 6.10.0)"
                    " /CreationDate (D:20261209143005-03'30') >>") << true;
  QTest::newRow("a title that is not text") << QByteArray("<< /Title /Velmora >>") << false;
  QTest::newRow("a date that is no date")
      << QByteArray("<< /Title (T) /CreationDate (D:20261340250000Z) >>") << false;
  QTest::newRow("an author XML cannot carry") << QByteArray("<< /Author (a\001b) >>") << false;
  QTest::newRow("no document information") << QByteArray("<< /Nothing 4 0 R") << false;
  // clang-format on
}

// The packet says what the document information says, whatever Qt wrote
// there: what Qt 6.4 writes, what later Qt adds, every way PDF has of
// writing a text; where it cannot, the file is not completed.
void Form1EverydayTest::sheetMetadataSaysWhatQtWrote() {
  QFETCH(QByteArray, information);
  QFETCH(bool, completes);
  const QByteArray written = PdfWith(information, velmora::ReservedXmpPacket());
  QByteArray pdf = written;
  QString failure;
  QCOMPARE(velmora::CompleteXmpPacket(pdf, QStringLiteral("kullanıcı"), &failure), completes);
  QCOMPARE(pdf.size(), written.size());
  if (!completes) {
    QVERIFY(!failure.isEmpty());
    QCOMPARE(pdf, written);
    return;
  }
  // Only the packet changed: every offset of the cross-reference table holds.
  const qsizetype packet = written.indexOf(velmora::ReservedXmpPacket());
  QCOMPARE(pdf.left(packet), written.left(packet));
  QCOMPARE(pdf.mid(packet + velmora::ReservedXmpPacket().size()),
           written.mid(packet + velmora::ReservedXmpPacket().size()));
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
    QSKIP("no pdfinfo to read the file with");
  }
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
  file.close();
  QVERIFY(InformationAndXmpAgree(path));
  if (!information.contains("/Author")) {
    QCOMPARE(XmpProperties(path).value(QStringLiteral("dc:creator")), QStringLiteral("kullanıcı"));
  }
}

QTEST_MAIN(Form1EverydayTest)
#include "form1_everyday_test.moc"
