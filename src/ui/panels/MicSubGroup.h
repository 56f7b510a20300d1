// The subwoofer page's group of the mic-controlled subwoofer: three sliders with captions and
// value labels, loaded and moved through the binding the mic-sub dialog shares.
#pragma once

#include <array>

#include "controllers/AutoSubBinding.h"

class QGroupBox;
class QLabel;
class QWidget;

namespace v7 {

class ImageSlider;

class MicSubGroup : public AutoSubView {
 public:
  static constexpr int kGroupId = 1200;
  static constexpr std::array<int, kAutoSubControlCount> kCaptionIds = {1123, 1124, 1125};

  explicit MicSubGroup(QWidget* panel);

  // Shown on the subwoofer page only.
  void Arrange(int page);
  void Load(const ParameterImage& image, Language language);
  // A move of one of the group's sliders: stores its byte, sends all three and rewrites the
  // labels. False when `sliderId` is not one of the group's.
  bool Move(ParameterAccessors& accessors, int sliderId, Language language);
  // Screen-reader names and tooltips from the captions the language table wrote.
  void ApplyLanguage(Language language);

  ImageSlider* Slider(AutoSubControl control) const;
  QLabel* Label(AutoSubControl control) const;
  QLabel* Caption(AutoSubControl control) const;

  void SetAutoSubSlider(AutoSubControl control, int position) override;
  void SetAutoSubLabel(AutoSubControl control, const QString& text) override;

 private:
  struct Row {
    QLabel* caption;
    ImageSlider* slider;
    QLabel* label;
  };
  const Row& RowOf(AutoSubControl control) const;

  QGroupBox* group_;
  std::array<Row, kAutoSubControlCount> rows_{};
};

}  // namespace v7
