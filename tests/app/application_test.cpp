#include "application.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTranslator>
#include <memory>

class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  void standardMenusSpeakTheUsersLanguage_data();
  void standardMenusSpeakTheUsersLanguage();
};

void ApplicationTest::standardMenusSpeakTheUsersLanguage_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QStringList>("entries");
  QTest::newRow("Turkish") << "tr_TR" << QStringList{"Geri al", "Kes", "Kopyala", "Yapıştır"};
  QTest::newRow("English") << "en_US" << QStringList{"Undo", "Cut", "Copy", "Paste"};
}

void ApplicationTest::standardMenusSpeakTheUsersLanguage() {
  QFETCH(QString, locale);
  QFETCH(QStringList, entries);
  const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                            QStringLiteral("/qtbase_%1.qm").arg(locale.left(2));
  if (!QFile::exists(catalogue)) QSKIP("Qt's translations are not installed with this Qt");
  QLocale::setDefault(QLocale(locale));
  velmora::SetUpApplication(*qApp);
  QLineEdit field;
  field.setText(QStringLiteral("10"));
  const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList shown;
  for (const QAction* action : menu->actions()) {
    shown << action->text().section(u'\t', 0, 0).remove(u'&');
  }
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  QLocale::setDefault(QLocale::c());
  for (const QString& entry : entries)
    QVERIFY2(shown.contains(entry), qPrintable(shown.join(", ")));
  // Task bars and docks tie the window to its launcher by these.
  QCOMPARE(QApplication::applicationName(), QStringLiteral("Velmora"));
  QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
  QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.velmora.Velmora"));
}

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
