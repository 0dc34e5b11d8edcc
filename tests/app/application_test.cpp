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
#include <memory>

#include "form1.h"
#include "right_click.h"

class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  void standardMenusSpeakTheUsersLanguage_data();
  void standardMenusSpeakTheUsersLanguage();
  void sheetDialogSpeaksTheUsersLanguage_data();
  void sheetDialogSpeaksTheUsersLanguage();
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
    // Qt's catalogue is read at the first right-click; the window must not
    // change when it comes.
    velmora::testing::RightClick(window.findChild<QWidget*>(QStringLiteral("Text1")),
                                 [](QMenu&) {});
    picture = window.grab().toImage();
  }
  ForgetTheLocale();
  return picture;
}

bool QtCatalogueInstalled(const QString& locale) {
  return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_%1.qm").arg(locale.left(2)));
}

}  // namespace

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
  QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
  QVERIFY2(other == turkish, "the window is drawn differently from under tr_TR");
}

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
