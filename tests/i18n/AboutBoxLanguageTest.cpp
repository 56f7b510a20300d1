// The About box speaks the interface language and shows every line whole.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include "ui/dialogs/AboutDialog.h"

namespace v7 {
namespace {

bool HasCjk(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF) return true;
  }
  return false;
}

TEST(AboutBoxLanguage, EnglishHasNoChineseAndNoLineIsClipped) {
  const MachineReadout readout{true, QStringLiteral("V7"), QStringLiteral("2016-05-20"), 3};
  for (Language language : {Language::Chinese, Language::English}) {
    AboutDialog about(readout, true, nullptr, language);
    QTest::keyRelease(&about, Qt::Key_F11);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QStringList texts{about.windowTitle()};
    for (auto* label : about.findChildren<QLabel*>()) {
      texts << label->text();
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
      EXPECT_LE(label->geometry().right(), about.width()) << label->text().toStdString();
    }
    for (auto* button : about.findChildren<QAbstractButton*>()) {
      texts << button->text();
      EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
      EXPECT_LE(button->geometry().right(), about.width());
    }
    if (language == Language::English) {
      for (const QString& text : texts) EXPECT_FALSE(HasCjk(text)) << text.toStdString();
    }
  }
}

}  // namespace
}  // namespace v7
