#include "ui/panels/SliderRows.h"

#include <QLabel>
#include <algorithm>

#include "edit/ParameterAccessors.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/panels/PanelTexts.h"
#include "ui/panels/SliderAccessibility.h"
#include "ui/panels/SliderRowBinding.h"
#include "ui/widgets/ImageSlider.h"

namespace v7 {

namespace {

enum class Look { kShown, kGreyed, kHidden };
using L = Look;

// Rows 1..3 (the echo rows, or the outputs' volume and mixes) and row 4 (the noise gate).
constexpr std::array<Look, kPageCount> kUpperRowsLook = {L::kShown, L::kGreyed, L::kHidden,
                                                         L::kShown, L::kShown,  L::kShown};
constexpr std::array<Look, kPageCount> kGateRowLook = {L::kShown,  L::kShown,  L::kHidden,
                                                       L::kHidden, L::kHidden, L::kHidden};
constexpr int kGateRow = 3;
constexpr char kWidestLabel[] = "228.8ms";
constexpr int kLabelPadding = 4;

Look LookOf(int page, int row) {
  const auto& looks = row == kGateRow ? kGateRowLook : kUpperRowsLook;
  return looks[static_cast<size_t>(page)];
}

}  // namespace

SliderRows::SliderRows(QWidget* panel) {
  for (int row = 0; row < panel::kRowCount; ++row) {
    const auto index = static_cast<size_t>(row);
    Row& r = rows_[index];
    r.caption = new QLabel(panel);
    SetControlId(r.caption, kCaptionIds[index]);
    r.caption->setGeometry(panel::RowCaptionRect(row));
    r.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r.slider = new ImageSlider(panel, kSliderIds[index]);
    r.slider->LoadArtwork(ImageSlider::kHorizontalArtwork);
    r.slider->setGeometry(QRect(panel::RowSliderPlace(row), r.slider->sizeHint()));
    r.label = new QLabel(QStringLiteral("0"), panel);
    SetControlId(r.label, kLabelIds[index]);
    // As wide as the longest label ("228.3ms"), so that no value is clipped; where that would
    // run under the echo preview the label moves left into the gap after its slider.
    const QRect place = panel::RowLabelRect(row);
    const int width =
        std::max(place.width(), kLabelPadding + r.label->fontMetrics().horizontalAdvance(
                                                    QString::fromLatin1(kWidestLabel)));
    const int x = std::min(place.x(), panel::kEchoPreviewRect.left() - width);
    r.label->setGeometry(x, place.y(), width, place.height());
    r.label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Until a page says otherwise: the mic page's ranges.
    if (const std::optional<ParameterId> id = RowParameter(kPageMic, row))
      r.slider->SetRange(RowSliderRange(*id).min, RowSliderRange(*id).max);
  }
}

std::optional<int> SliderRows::RowOfSlider(int sliderId) const {
  for (int row = 0; row < panel::kRowCount; ++row)
    if (kSliderIds[static_cast<size_t>(row)] == sliderId) return row;
  return std::nullopt;
}

void SliderRows::Arrange(int page) {
  for (int row = 0; row < panel::kRowCount; ++row) {
    const Row& r = rows_[static_cast<size_t>(row)];
    const Look look = LookOf(page, row);
    const bool shown = look != Look::kHidden;
    const bool enabled = look == Look::kShown;
    r.caption->setVisible(shown);
    r.label->setVisible(shown);
    r.slider->setVisible(shown);
    r.caption->setEnabled(enabled);
    r.label->setEnabled(enabled);
    r.slider->SetSliderEnabled(enabled);
    if (const std::optional<ParameterId> id = ShownRowParameter(page, row)) {
      const ParameterRange range = RowSliderRange(*id);
      r.slider->SetRange(range.min, range.max);
    }
  }
}

void SliderRows::Load(ParameterAccessors& accessors, int page) {
  for (int row = 0; row < panel::kRowCount; ++row) {
    const std::optional<RowValue> value = LoadRow(accessors, page, row);
    if (!value) continue;
    Slider(row)->SetValue(value->position);
    SetLabel(row, value->label);
  }
}

bool SliderRows::Move(ParameterAccessors& accessors, int page, int sliderId) {
  const std::optional<int> row = RowOfSlider(sliderId);
  if (!row) return false;
  // The slider's position now, not the one its notice carried: several queued notices of a
  // fast drag all send the latest value.
  if (const std::optional<QString> label = MoveRow(accessors, page, *row, Slider(*row)->Value()))
    SetLabel(*row, *label);
  return true;
}

void SliderRows::SetLabel(int row, const QString& text) {
  Label(row)->setText(text);
  SetAccessibleValueText(Slider(row), text);
}

void SliderRows::UpdateCaptions(int page, Language language) {
  for (int row = 0; row < panel::kRowCount; ++row) {
    const QString caption =
        panel::kRowCaptions[static_cast<size_t>(page)][static_cast<size_t>(row)].In(language);
    Caption(row)->setText(caption);
    Slider(row)->setAccessibleName(caption);
    Slider(row)->setToolTip(panel::kSliderTip.In(language).arg(caption));
  }
}

}  // namespace v7
