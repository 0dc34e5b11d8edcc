#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <optional>

#include "form1_driver.h"

using velmora::testing::Form1Driver;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

// Resident memory in kilobytes, from the kernel's own count.
long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  }
  return -1;
}

}  // namespace

class Form1AbuseTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { window_.reset(); }
  void pastedTextIsReadByTheRules_data();
  void pastedTextIsReadByTheRules();
  void tenMegabyteTextsInBothFields_data();
  void tenMegabyteTextsInBothFields();
  void tenThousandAlternatingClicksKeepMemoryFlat();

 private:
  template <typename Control>
  Control* Find(const char* name) const {
    return window_->Find<Control>(QLatin1String(name));
  }
  void Paste(QWidget* field, const QByteArray& utf8);
  void Click(const char* button) { window_->Click(QLatin1String(button)); }
  QString Shown() const { return window_->Shown(); }

  std::optional<Form1Driver> window_;
};

void Form1AbuseTest::init() {
  window_.emplace("en_US");
  QVERIFY(window_->IsActive());
  QTest::mouseClick(Find<QRadioButton>("Option3"), Qt::LeftButton);
}

// Through the clipboard and the paste shortcut, as a user would: the bytes
// are decoded by the clipboard, not by us.
void Form1AbuseTest::Paste(QWidget* field, const QByteArray& utf8) {
  auto* mime = new QMimeData;
  mime->setData(QStringLiteral("text/plain;charset=utf-8"), utf8);
  QApplication::clipboard()->setMimeData(mime);
  field->setFocus();
  QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
  QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
}

void Form1AbuseTest::pastedTextIsReadByTheRules_data() {
  QTest::addColumn<QByteArray>("flow");
  QTest::addColumn<QByteArray>("pressure");
  QTest::addColumn<QString>("screw");
  QTest::addColumn<QString>("piston");

  // clang-format off
  QTest::newRow("plain") << QByteArray("10") << QByteArray("0.5") << "5.0" << "15.0";
  QTest::newRow("spreadsheet cells, CR LF")
      << QByteArray("10\r\n") << QByteArray("0.5\r\n") << "5.0" << "15.0";
  QTest::newRow("spreadsheet cells, LF")
      << QByteArray("4\n") << QByteArray("0.9\n") << "1.11" << "3.33";
  QTest::newRow("invalid UTF-8 before the flow")
      << QByteArray("\xff\xfe" "10") << QByteArray("0.5") << "0.0" << "0.0";
  QTest::newRow("invalid UTF-8 after the flow")
      << QByteArray("10\xc3\x28") << QByteArray("0.5") << "5.0" << "15.0";
  QTest::newRow("NUL inside the flow")
      << QByteArray("1\0" "0", 3) << QByteArray("0.5") << "0.5" << "1.5";
  // Control characters are read as the blanks the explanation shows them as.
  QTest::newRow("NUL after the pressure")
      << QByteArray("10") << QByteArray("0.5\0", 4) << "5.0" << "15.0";
  QTest::newRow("next-line character after the pressure")
      << QByteArray("10") << QByteArray("0.5\xc2\x85") << "5.0" << "15.0";
  QTest::newRow("escape inside the pressure ends it")
      << QByteArray("10") << QByteArray("0\x1b.5") << "0.0" << "0.0";
  // Invisible characters are not read; blanks of every kind are blanks.
  QTest::newRow("right-to-left mark before the flow")
      << QByteArray("\xe2\x80\x8f" "10") << QByteArray("0.5") << "5.0" << "15.0";
  QTest::newRow("right-to-left mark after the pressure")
      << QByteArray("10") << QByteArray("0.5\xe2\x80\x8f") << "5.0" << "15.0";
  QTest::newRow("zero-width space before the flow")
      << QByteArray("\xe2\x80\x8b" "10") << QByteArray("0.5") << "5.0" << "15.0";
  QTest::newRow("zero-width space inside the flow")
      << QByteArray("1\xe2\x80\x8b" "0") << QByteArray("0.5") << "5.0" << "15.0";
  QTest::newRow("byte-order mark before both")
      << QByteArray("\xef\xbb\xbf" "10") << QByteArray("\xef\xbb\xbf" "0.5") << "5.0" << "15.0";
  QTest::newRow("right-to-left override around a pasted pressure")
      << QByteArray("10") << QByteArray("\xe2\x80\xae" "0.5\xe2\x80\xac") << "5.0" << "15.0";
  QTest::newRow("no-break space before the pressure")
      << QByteArray("10") << QByteArray("\xc2\xa0" "0.5") << "5.0" << "15.0";
  QTest::newRow("narrow no-break spaces around both")
      << QByteArray("\xe2\x80\xaf" "10\xe2\x80\xaf") << QByteArray("\xe2\x80\xaf" "0.5\xe2\x80\xaf")
      << "5.0" << "15.0";
  QTest::newRow("no-break space inside the flow ends it")
      << QByteArray("1\xc2\xa0" "0") << QByteArray("0.5") << "0.5" << "1.5";
  QTest::newRow("narrow no-break space inside the pressure")
      << QByteArray("10") << QByteArray("0\xe2\x80\xaf.5") << "0.0" << "0.0";
  QTest::newRow("ideographic space after the pressure")
      << QByteArray("10") << QByteArray("0.5\xe3\x80\x80") << "5.0" << "15.0";
  QTest::newRow("Arabic-Indic digits are the digits they are")
      << QByteArray("\xd9\xa1\xd9\xa0") << QByteArray("0.5") << "5.0" << "15.0";
  QTest::newRow("Arabic decimal mark is a decimal mark under every setting")
      << QByteArray("10") << QByteArray("\xd9\xa0\xd9\xab\xd9\xa5") << "5.0" << "15.0";
  QTest::newRow("full-width digits and point")
      << QByteArray("\xef\xbc\x91\xef\xbc\x90") << QByteArray("\xef\xbc\x90\xef\xbc\x8e\xef\xbc\x95")
      << "5.0" << "15.0";
  QTest::newRow("full-width minus")
      << QByteArray("\xef\xbc\x8d" "10") << QByteArray("0.5") << "-5.0" << "-15.0";
  QTest::newRow("emoji after the flow")
      << QByteArray("10\xf0\x9f\x98\x80") << QByteArray("0.5") << "5.0" << "15.0";
  QTest::newRow("emoji instead of the pressure")
      << QByteArray("10") << QByteArray("\xf0\x9f\x92\xa8") << "0.0" << "0.0";
  // clang-format on
}

void Form1AbuseTest::pastedTextIsReadByTheRules() {
  QFETCH(QByteArray, flow);
  QFETCH(QByteArray, pressure);
  QFETCH(QString, screw);
  QFETCH(QString, piston);
  Paste(Find<QLineEdit>("Text1"), flow);
  Paste(Find<QComboBox>("Combo1"), pressure);
  QCOMPARE(Find<QLineEdit>("Text1")->text(), QString::fromUtf8(flow));
  Click("Command1");
  QCOMPARE(Shown(), screw);
  Click("Command2");
  QCOMPARE(Shown(), piston);
}

void Form1AbuseTest::tenMegabyteTextsInBothFields_data() {
  QTest::addColumn<QString>("flow");
  QTest::addColumn<QString>("pressure");
  QTest::addColumn<QString>("screw");
  QTest::addColumn<QString>("piston");
  const int kTenMegabytes = 10'000'000;
  const QString digits(kTenMegabytes, QLatin1Char('7'));
  const QString zeros(kTenMegabytes, QLatin1Char('0'));
  const QString letters(kTenMegabytes, QLatin1Char('x'));
  // clang-format off
  QTest::newRow("digits in both") << digits << digits << "" << "";
  QTest::newRow("leading zeros in both") << zeros + "10" << zeros + "0.5" << "5.0" << "15.0";
  QTest::newRow("long fractions") << "10." + zeros << "0.5" + zeros << "5.0" << "15.0";
  QTest::newRow("letters after numbers") << "10" + letters << "0.5" + letters << "0.0" << "15.0";
  // clang-format on
}

void Form1AbuseTest::tenMegabyteTextsInBothFields() {
  QFETCH(QString, flow);
  QFETCH(QString, pressure);
  QFETCH(QString, screw);
  QFETCH(QString, piston);
  Find<QLineEdit>("Text1")->setText(flow);
  Find<QComboBox>("Combo1")->setEditText(pressure);
  QCOMPARE(Find<QLineEdit>("Text1")->text().size(), flow.size());
  QCOMPARE(Find<QComboBox>("Combo1")->currentText().size(), pressure.size());
  // Qt's own first layout and paint of a 10 MB line takes seconds; what is
  // timed here is the answer to the clicks.
  QApplication::processEvents();
  QElapsedTimer timer;
  timer.start();
  Click("Command1");
  QCOMPARE(Shown(), screw);
  Click("Command2");
  QCOMPARE(Shown(), piston);
  QVERIFY2(timer.elapsed() < 2000, "two clicks on 10 MB texts took over two seconds");
}

void Form1AbuseTest::tenThousandAlternatingClicksKeepMemoryFlat() {
  if (kAddressSanitizer) {
    QSKIP("AddressSanitizer keeps freed memory in quarantine; its leak check stands in here");
  }
  if (ResidentKilobytes() < 0) QSKIP("no /proc/self/status to read resident memory from here");
  Find<QLineEdit>("Text1")->setText(QStringLiteral("4"));
  Find<QComboBox>("Combo1")->setEditText(QStringLiteral("0.9"));
  const auto clickPairs = [this](int pairs) {
    for (int i = 0; i < pairs; ++i) {
      Click("Command1");
      Click("Command2");
      // A user's clicks come through the event loop, which handles the
      // repaints each one asks for; held back, they pile up as no program
      // ever sees them.
      QApplication::processEvents();
    }
  };
  clickPairs(500);  // let caches and the allocator settle first
  const long before = ResidentKilobytes();
  clickPairs(5000);
  const long after = ResidentKilobytes();
  QCOMPARE(Shown(), QStringLiteral("3.33"));
  QVERIFY(before > 0);
  QVERIFY2(after - before < 1024, qPrintable(QStringLiteral("grew by %1 kB").arg(after - before)));
}

QTEST_MAIN(Form1AbuseTest)
#include "form1_abuse_test.moc"
