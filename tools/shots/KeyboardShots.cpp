#include "KeyboardShots.h"

#include <QPainter>
#include <QPixmap>
#include <QTest>

#include "controllers/CommandActions.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/ribbon/RibbonBar.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/ribbon/RibbonLayout.h"
#include "ui/ribbon/RibbonStepSlider.h"

namespace v7::shots {

namespace {

constexpr int kRibbonWidth = 1000;
constexpr int kPaintMs = 50;
constexpr int kScales[] = {1, 2};

// The widget painted at `scale` device pixels per pixel.
QImage RenderAt(QWidget& widget, int scale) {
  QPixmap picture(widget.size() * scale);
  picture.setDevicePixelRatio(scale);
  picture.fill(Qt::transparent);
  widget.render(&picture);
  return picture.toImage();
}

void SaveFocusedRibbon(ShotFolder& folder, Language language) {
  CommandActions actions(language);
  RibbonBar bar;
  RibbonLayout::Build(bar, actions, language);
  bar.resize(kRibbonWidth, bar.sizeHint().height());
  bar.show();
  bar.activateWindow();
  const QString name = QStringLiteral("ribbon-focus-%1").arg(LanguageTag(language));
  if (!QTest::qWaitForWindowActive(&bar)) {
    folder.Save({}, name);
    return;
  }
  bar.Slider(RibbonId::kMicSlider[RibbonId::kInputTab])->setFocus(Qt::TabFocusReason);
  QTest::qWait(kPaintMs);
  folder.Save(bar.grab().toImage(), name);
}

void SaveAboutBoxes(ShotFolder& folder, Language language) {
  const MachineReadout readout{true, QStringLiteral("V7"), QStringLiteral("2016-05-20"), 3};
  AboutDialog about(readout, true, nullptr, language);
  about.show();
  // A box that never shows is still painted; render() does not need the window.
  (void)QTest::qWaitForWindowExposed(&about);
  QTest::keyRelease(&about, Qt::Key_F11);
  QTest::qWait(kPaintMs);
  for (int scale : kScales) {
    folder.Save(RenderAt(about, scale),
                QStringLiteral("about-%1-%2x").arg(LanguageTag(language)).arg(scale));
  }
}

}  // namespace

void WriteKeyboardShots(ShotFolder& folder) {
  for (Language language : {Language::Chinese, Language::English}) {
    SaveFocusedRibbon(folder, language);
    SaveAboutBoxes(folder, language);
  }
}

}  // namespace v7::shots
