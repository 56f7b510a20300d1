#include "ui/panels/EchoPreviewArea.h"

#include <QLabel>
#include <cmath>

#include "dsp/EqLimits.h"
#include "params/ParameterImage.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/panels/ChannelPanelLayout.h"
#include "ui/panels/PanelTexts.h"
#include "ui/widgets/EqPreview.h"

namespace v7 {

namespace {

// The preview keeps PEQ bands at a Q of 1 or more, so that a narrow band still shows in the
// small picture.
constexpr float kPreviewMinPeqQ = 1.0f;
// A stored Q this small means "none stored": the band keeps its preset Q.
constexpr float kNoQ = 1e-7f;

void LoadBand(EqPreview& preview, int band, const EqBandSettings& stored) {
  const FilterType type = FilterTypeFromCode(stored.type);
  preview.SetType(band, type);
  if (type == FilterType::Peq) {
    preview.SetQ(band, kGraphPresetQ);
  } else if (type == FilterType::Lp || type == FilterType::Hp) {
    preview.SetGain(band, 0.0f);
    preview.SetQ(band, kGraphOtherTypeQ);
  }
  preview.SetGain(band, stored.gainDb);
  preview.SetFrequency(band, static_cast<float>(stored.freqHz));
  if (std::fabs(stored.q) < kNoQ) return;
  const float minQ = type == FilterType::Peq ? kPreviewMinPeqQ : kEqMinQ;
  preview.SetQ(band, std::clamp(stored.q, minQ, kEqMaxPeqQ));
}

QLabel* AddLabel(QWidget* panel, int id, const QRect& rect, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), panel);
  SetControlId(label, id);
  label->setGeometry(rect);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

EchoPreviewArea::EchoPreviewArea(QWidget* panel)
    : caption_(AddLabel(panel, kCaptionId, panel::kEchoCaptionRect, panel::kEchoPreviewName.zh)),
      hint_(AddLabel(panel, kHintId, panel::kEchoHintRect, panel::kEchoHintTemplate)),
      preview_(new EqPreview(panel, kPreviewId)) {
  QPalette palette = caption_->palette();
  palette.setColor(QPalette::Active, QPalette::WindowText,
                   QColor::fromRgba(panel::kEchoCaptionColour));
  palette.setColor(QPalette::Inactive, QPalette::WindowText,
                   QColor::fromRgba(panel::kEchoCaptionColour));
  caption_->setPalette(palette);
  preview_->setGeometry(panel::kEchoPreviewRect);
  preview_->setFocusPolicy(Qt::TabFocus);
  preview_->setCursor(Qt::PointingHandCursor);
}

void EchoPreviewArea::Arrange(int page) {
  const bool shown = page == kPageMic || page == kPageMusic;
  const bool enabled = page != kPageMusic;
  for (QWidget* control : {static_cast<QWidget*>(caption_), static_cast<QWidget*>(hint_),
                           static_cast<QWidget*>(preview_)}) {
    control->setVisible(shown);
    control->setEnabled(enabled);
  }
}

void EchoPreviewArea::Load(const ParameterImage& image, int page) {
  preview_->SetBypass(image.dsp.echoEqBypass != 0);
  for (int band = 0; band < EqPreview::kBands; ++band)
    LoadBand(*preview_, band, image.GetEqBand(kPageEcho, band));
  preview_->SetCurveColour(
      QColor::fromRgba(page == kPageMusic ? kGreyCurve : EqPreview::kDefaultCurveColour));
}

void EchoPreviewArea::ApplyLanguage(Language language) {
  preview_->setAccessibleName(panel::kEchoPreviewName.In(language));
  preview_->setAccessibleDescription(hint_->text());
  preview_->setToolTip(panel::kEchoPreviewTip.In(language));
}

}  // namespace v7
