#pragma once

// A shown channel panel over its own parameter image and a recording sink, with a second
// image and sink that the tests drive through the accessors to learn the reports a move must
// send.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "edit/ParameterAccessors.h"
#include "i18n/LanguageTable.h"
#include "i18n/LanguageTables.h"
#include "params/ParameterImage.h"
#include "protocol/RecordingSink.h"
#include "ui/panels/ChannelPanel.h"
#include "ui/panels/SliderRows.h"
#include "ui/widgets/ImageSlider.h"

namespace v7::test {

using testing_support::RecordingSink;

class PanelFixture : public ::testing::Test {
 protected:
  void Make(int page, Language language = Language::English) {
    panel = std::make_unique<ChannelPanel>(image, sink, language, page);
    panel->show();
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    QApplication::processEvents();
    sink.sent.clear();
  }

  ImageSlider* RowSlider(int row) const { return panel->Rows().Slider(row); }

  // Focuses `slider` and presses `key` once; the panel handles the queued notice.
  void Press(ImageSlider* slider, Qt::Key key) {
    slider->setFocus(Qt::TabFocusReason);
    QTest::keyClick(slider, key);
    QApplication::processEvents();
  }

  // Turns the wheel one notch over `over`.
  static void Wheel(QWidget* over, int delta) {
    const QPointF at(over->width() / 2.0, over->height() / 2.0);
    QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
    QApplication::processEvents();
  }

  static LanguageTable Table(Language language) {
    LanguageTable table;
    EXPECT_TRUE(LoadLanguageTable(language, &table));
    return table;
  }

  ParameterImage image;
  RecordingSink sink;
  ParameterImage referenceImage;
  RecordingSink referenceSink;
  ParameterAccessors reference{referenceImage, referenceSink};
  std::unique_ptr<ChannelPanel> panel;
};

}  // namespace v7::test
