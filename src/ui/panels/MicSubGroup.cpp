#include "ui/panels/MicSubGroup.h"

#include <QGroupBox>
#include <QLabel>

#include "edit/ParameterAccessors.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/panels/ChannelPanelLayout.h"
#include "ui/panels/PanelTexts.h"
#include "ui/panels/SliderAccessibility.h"
#include "ui/widgets/ImageSlider.h"

namespace v7 {

MicSubGroup::MicSubGroup(QWidget* panel)
    : group_(new QGroupBox(QString::fromUtf8(panel::kMicSubGroupTemplate), panel)) {
  SetControlId(group_, kGroupId);
  group_->setGeometry(panel::kMicSubGroupRect);
  // The rows are the panel's own children, placed over the group box in panel coordinates.
  for (const AutoSubControlInfo& info : AutoSubControls()) {
    const auto index = static_cast<size_t>(info.control);
    const int row = static_cast<int>(index);
    Row& r = rows_[index];
    r.caption = new QLabel(QString::fromUtf8(panel::kMicSubCaptionTemplate), panel);
    SetControlId(r.caption, kCaptionIds[index]);
    r.caption->setGeometry(panel::MicSubCaptionRect(row));
    r.slider = new ImageSlider(panel, info.sliderId);
    r.slider->LoadArtwork(ImageSlider::kHorizontalArtwork);
    r.slider->SetRange(info.minimum, info.maximum);
    r.slider->setGeometry(QRect(panel::MicSubSliderPlace(row), r.slider->sizeHint()));
    r.label = new QLabel(QStringLiteral("0"), panel);
    SetControlId(r.label, info.labelId);
    r.label->setGeometry(panel::MicSubLabelRect(row));
    r.label->setAlignment(Qt::AlignCenter);
  }
}

const MicSubGroup::Row& MicSubGroup::RowOf(AutoSubControl control) const {
  return rows_[static_cast<size_t>(control)];
}

ImageSlider* MicSubGroup::Slider(AutoSubControl control) const {
  return RowOf(control).slider;
}
QLabel* MicSubGroup::Label(AutoSubControl control) const {
  return RowOf(control).label;
}
QLabel* MicSubGroup::Caption(AutoSubControl control) const {
  return RowOf(control).caption;
}

void MicSubGroup::Arrange(int page) {
  const bool shown = page == kPageSub;
  group_->setVisible(shown);
  for (const Row& row : rows_) {
    row.caption->setVisible(shown);
    row.slider->setVisible(shown);
    row.label->setVisible(shown);
  }
}

void MicSubGroup::Load(const ParameterImage& image, Language language) {
  LoadAutoSubSliders(image.autoSub, language, *this);
}

bool MicSubGroup::Move(ParameterAccessors& accessors, int sliderId, Language language) {
  const std::optional<AutoSubControl> control = AutoSubControlForSlider(sliderId);
  if (!control) return false;
  MoveAutoSubSlider(accessors, *control, Slider(*control)->Value());
  UpdateAutoSubLabels(accessors.Image().autoSub, language, *this);
  return true;
}

void MicSubGroup::ApplyLanguage(Language language) {
  for (const Row& row : rows_) {
    row.slider->setAccessibleName(row.caption->text());
    row.slider->setToolTip(panel::kSliderTip.In(language).arg(row.caption->text()));
  }
}

void MicSubGroup::SetAutoSubSlider(AutoSubControl control, int position) {
  Slider(control)->SetValue(position);
}

void MicSubGroup::SetAutoSubLabel(AutoSubControl control, const QString& text) {
  Label(control)->setText(text);
  SetAccessibleValueText(Slider(control), text);
}

}  // namespace v7
