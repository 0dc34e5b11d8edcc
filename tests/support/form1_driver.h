#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <tuple>

#include "application_look.h"
#include "form1.h"

namespace velmora::testing {

// Form1 opened under a locale, shown and active, driven the way a user
// drives it: by clicking its options and buttons, and by typing into it.
class Form1Driver {
 public:
  explicit Form1Driver(const char* locale = "en_US") {
    QLocale::setDefault(QLocale(QLatin1String(locale)));
    UseApplicationLook();
    form_ = std::make_unique<Form1>();
    form_->show();
    active_ = QTest::qWaitForWindowActive(form_.get());
  }
  ~Form1Driver() { QLocale::setDefault(QLocale::c()); }
  Form1Driver(const Form1Driver&) = delete;
  Form1Driver& operator=(const Form1Driver&) = delete;

  bool IsActive() const { return active_; }
  Form1& Form() const { return *form_; }

  template <typename Control = QWidget>
  Control* Find(const QString& name) const {
    return form_->findChild<Control*>(name);
  }

  void Enter(const QString& option, const QString& flow, const QString& pressure) const {
    QTest::mouseClick(Find<QRadioButton>(option), Qt::LeftButton);
    Find<QLineEdit>(QStringLiteral("Text1"))->setText(flow);
    Find<QComboBox>(QStringLiteral("Combo1"))->setEditText(pressure);
  }

  void Click(const QString& button) const {
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
  }

  // From the keyboard, as a user who tabbed to the button.
  void Press(const QString& button, Qt::Key key) const {
    auto* command = Find<QPushButton>(button);
    command->setFocus();
    QTest::keyClick(command, key);
  }

  // The regional settings changed while the window is open, and Qt hands
  // the application a locale change, as where the platform tells of one.
  // Windows tells Qt's windows nothing: there they are changed elsewhere.
  void AnnounceRegionalSettings(const char* locale) const {
#ifdef Q_OS_WIN
    ChangeRegionalSettingsElsewhere(locale);
#else
    QLocale::setDefault(QLocale(QLatin1String(locale)));
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(QApplication::instance(), &change);
#endif
  }

  // The regional settings changed in another window, and the user back.
  void ChangeRegionalSettingsElsewhere(const char* locale) const {
    QWidget settings;
    settings.show();
    settings.activateWindow();
    std::ignore = QTest::qWaitForWindowActive(&settings);
    QLocale::setDefault(QLocale(QLatin1String(locale)));
    settings.close();
    form_->activateWindow();
    std::ignore = QTest::qWaitForWindowActive(form_.get());
  }

  QString Shown() const { return Find<QLabel>(QStringLiteral("Label8"))->text(); }
  QString Pressure() const { return Find<QComboBox>(QStringLiteral("Combo1"))->currentText(); }

 private:
  std::unique_ptr<Form1> form_;
  bool active_ = false;
};

}  // namespace velmora::testing
