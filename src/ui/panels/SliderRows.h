// The channel panel's four slider rows (caption, slider, value label): echo and noise gate on
// the mic and music pages, output volume and mix on the output pages.
#pragma once

#include <array>
#include <optional>

#include "i18n/Language.h"
#include "ui/panels/ChannelPanelLayout.h"

class QLabel;
class QWidget;

namespace v7 {

class ImageSlider;
class ParameterAccessors;

class SliderRows {
 public:
  static constexpr std::array<int, panel::kRowCount> kSliderIds = {1052, 1053, 1054, 1055};
  static constexpr std::array<int, panel::kRowCount> kCaptionIds = {1153, 1155, 1157, 1159};
  static constexpr std::array<int, panel::kRowCount> kLabelIds = {1152, 1154, 1156, 1158};

  explicit SliderRows(QWidget* panel);

  // Which rows are shown, greyed or hidden on `page`, and the sliders' ranges there.
  void Arrange(int page);
  // Every row the page shows from the image (rows the page does not show keep their values).
  void Load(ParameterAccessors& accessors, int page);
  // A move of one of the rows' sliders; false when `sliderId` is not one of them.
  bool Move(ParameterAccessors& accessors, int page, int sliderId);
  void UpdateCaptions(int page, Language language);

  ImageSlider* Slider(int row) const { return rows_[static_cast<size_t>(row)].slider; }
  QLabel* Caption(int row) const { return rows_[static_cast<size_t>(row)].caption; }
  QLabel* Label(int row) const { return rows_[static_cast<size_t>(row)].label; }

 private:
  struct Row {
    QLabel* caption;
    ImageSlider* slider;
    QLabel* label;
  };
  std::optional<int> RowOfSlider(int sliderId) const;
  void SetLabel(int row, const QString& text);

  std::array<Row, panel::kRowCount> rows_{};
};

}  // namespace v7
