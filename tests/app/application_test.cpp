#include "application.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "form1.h"
#include "right_click.h"
#include "sheet_printer.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  // The printing module, where this build put it.
  void initTestCase() {
    QCoreApplication::addLibraryPath(QStringLiteral(VELMORA_PRINTING_BUILD_FOLDER));
  }
  void printingIsLoadedWhenTheUserPrints();
  void standardMenusSpeakTheUsersLanguage_data();
  void standardMenusSpeakTheUsersLanguage();
  void sheetDialogSpeaksTheUsersLanguage_data();
  void sheetDialogSpeaksTheUsersLanguage();
  void qtTextsFromAnotherThreadNeverWaitForTheirOwnLock();
  void windowIsDrawnAsUnderTurkishInEveryLanguage_data();
  void windowIsDrawnAsUnderTurkishInEveryLanguage();
};

namespace {

// Back to the system's settings, Qt's catalogues unloaded, for the next row.
void ForgetTheLocale() {
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  QLocale::setDefault(QLocale::system());
}

// The window as it opens, under a locale (empty: the system's, as the
// environment sets it), with the application set up as the program sets it.
QImage RenderedUnder(const QString& locale) {
  if (!locale.isEmpty()) QLocale::setDefault(QLocale(locale));
  velmora::SetUpApplication(*qApp);
  QImage picture;
  {
    Form1 window;
    window.show();
    // Qt's catalogue is read before the window's first input, and the window
    // must not change when it comes.
    if (!QTest::qWaitForWindowExposed(&window)) return {};
    velmora::testing::RightClick(window.findChild<QWidget*>(QStringLiteral("Text1")),
                                 [](QMenu&) {});
    picture = window.grab().toImage();
  }
  ForgetTheLocale();
  return picture;
}

// Stands before Qt's catalogue. The first time Qt asks it for a text, from
// inside the lock Qt holds around every translation, it has a second thread
// install a translator, which must wait for that lock, and gives it the
// time to start waiting.
class QueuesAWriter : public QTranslator {
 public:
  QString translate(const char* /*context*/, const char* /*sourceText*/,
                    const char* /*disambiguation*/, int /*n*/) const override {
    std::call_once(asked_, [this] {
      writer_ = std::thread([this] { QCoreApplication::installTranslator(&queued_); });
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    return {};
  }

  // Once the writer has had its turn.
  void Remove() {
    if (writer_.joinable()) writer_.join();
    QCoreApplication::removeTranslator(&queued_);
    QCoreApplication::removeTranslator(this);
  }

 private:
  mutable std::once_flag asked_;
  mutable std::thread writer_;
  mutable QTranslator queued_;
};

bool PrintSupportLoaded() {
#ifdef Q_OS_WIN
  return GetModuleHandleW(L"Qt6PrintSupport.dll") != nullptr;
#else
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6PrintSupport");
#endif
}

bool QtCatalogueInstalled(const QString& locale) {
  return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_%1.qm").arg(locale.left(2)));
}

}  // namespace

// Qt Print Support is loaded when the user prints and not before: a window
// shown, a result, its menu cost none of it.
void ApplicationTest::printingIsLoadedWhenTheUserPrints() {
  velmora::SetUpApplication(*qApp);
  {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    velmora::testing::RightClick(window.findChild<QWidget*>(QStringLiteral("Label8")),
                                 [](QMenu&) {});
  }
  ForgetTheLocale();
  QVERIFY(!PrintSupportLoaded());
  QString failure;
  QVERIFY2(velmora::LoadSheetPrinter(&failure) != nullptr, qPrintable(failure));
  QVERIFY(PrintSupportLoaded());
}

void ApplicationTest::standardMenusSpeakTheUsersLanguage_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QStringList>("entries");
  QTest::newRow("Turkish") << "tr_TR" << QStringList{"Geri al", "Kes", "Kopyala", "Yapıştır"};
  QTest::newRow("English") << "en_US" << QStringList{"Undo", "Cut", "Copy", "Paste"};
}

void ApplicationTest::standardMenusSpeakTheUsersLanguage() {
  QFETCH(QString, locale);
  QFETCH(QStringList, entries);
  if (!QtCatalogueInstalled(locale)) QSKIP("Qt's translations are not installed with this Qt");
  QLocale::setDefault(QLocale(locale));
  velmora::SetUpApplication(*qApp);
  QLineEdit field;
  field.setText(QStringLiteral("10"));
  field.show();
  // No user can right-click a field before it is on the screen.
  QVERIFY(QTest::qWaitForWindowExposed(&field));
  QStringList shown;
  QVERIFY(velmora::testing::RightClick(&field, [&](QMenu& menu) {
    for (const QAction* action : menu.actions()) {
      shown << action->text().section(u'\t', 0, 0).remove(u'&');
    }
  }));
  ForgetTheLocale();
  for (const QString& entry : entries)
    QVERIFY2(shown.contains(entry), qPrintable(shown.join(", ")));
  // Task bars and docks tie the window to its launcher by these.
  QCOMPARE(QApplication::applicationName(), QStringLiteral("Velmora"));
  QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
  QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.velmora.Velmora"));
}

void ApplicationTest::sheetDialogSpeaksTheUsersLanguage_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("accept");
  QTest::newRow("Turkish") << "tr_TR"
                           << "Kaydet";
  QTest::newRow("English") << "en_US"
                           << "Save";
}

// Ctrl+S, the first thing a user may do with Qt's texts, opens a save
// dialog in the user's language, not in English.
void ApplicationTest::sheetDialogSpeaksTheUsersLanguage() {
  QFETCH(QString, locale);
  QFETCH(QString, accept);
  if (!QtCatalogueInstalled(locale)) QSKIP("Qt's translations are not installed with this Qt");
  QLocale::setDefault(QLocale(locale));
  velmora::SetUpApplication(*qApp);
  QStringList buttons;
  {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
        buttons << button->text().remove(u'&');
      }
      dialog->close();
    });
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
  }
  ForgetTheLocale();
  QVERIFY2(buttons.contains(accept), qPrintable(buttons.join(", ")));
}

// A text asked for on another thread while a translator is being installed
// on a third: whoever holds Qt's translators' lock must not ask for it
// again, which would wait behind the installing thread, itself waiting for
// the lock to be let go.
void ApplicationTest::qtTextsFromAnotherThreadNeverWaitForTheirOwnLock() {
  if (!QtCatalogueInstalled(QStringLiteral("tr_TR"))) {
    QSKIP("Qt's translations are not installed with this Qt");
  }
  QLocale::setDefault(QLocale(QStringLiteral("tr_TR")));
  velmora::SetUpApplication(*qApp);
  // The window's first events, as before any of its texts.
  QCoreApplication::processEvents();
  QueuesAWriter writer;
  QCoreApplication::installTranslator(&writer);
  std::future<QString> undo = std::async(
      std::launch::async, [] { return QCoreApplication::translate("QLineEdit", "&Undo"); });
  if (undo.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    // Nothing can be undone from here: the two threads wait for each other.
    qFatal("a text asked for on another thread never came: Qt's translators' lock was taken twice");
  }
  writer.Remove();
  ForgetTheLocale();
  QCOMPARE(undo.get().remove(u'&'), QStringLiteral("Geri al"));
}

void ApplicationTest::windowIsDrawnAsUnderTurkishInEveryLanguage_data() {
  QTest::addColumn<QString>("locale");
  for (const char* locale : {"ar_EG", "he_IL", "fa_IR", "ar_SA", "ar_MA", "en_US"}) {
    QTest::newRow(locale) << locale;
  }
  // The system's own settings, for a run with LANGUAGE=ar under tr_TR.
  QTest::newRow("system") << "";
}

// Qt's catalogue of a right-to-left language would mirror the window; what
// it shows must be pixel for pixel what it shows under Turkish settings.
void ApplicationTest::windowIsDrawnAsUnderTurkishInEveryLanguage() {
  QFETCH(QString, locale);
  const QImage turkish = RenderedUnder(QStringLiteral("tr_TR"));
  const QImage other = RenderedUnder(locale);
  QVERIFY(!turkish.isNull() && !other.isNull());
  QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
  QVERIFY2(other == turkish, "the window is drawn differently from under tr_TR");
}

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
