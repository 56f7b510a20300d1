#include "ui/dialogs/DialogParts.h"

#include <QLabel>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "ui/dialogs/DialogStyle.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/widgets/ImageButton.h"

namespace v7 {

namespace {

constexpr int kButtonFontPixels = 12;
constexpr int kFocusFrameMargin = 1;
constexpr int kDialogFontPixels = 11;

}  // namespace

ImageButton* MakeDialogButton(QWidget* parent, int controlId, const QString& text,
                              const QRect& rect) {
  auto* button = new ImageButton(parent, controlId);
  SetControlId(button, controlId);
  button->SetStandardImage(Picture::DialogButton);
  button->setFont(SongTiFont(kButtonFontPixels));
  button->setText(text);
  button->setGeometry(rect);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

ImageSlider* MakeDialogSlider(QWidget* parent, int controlId, const QRect& rect, int minimum,
                              int maximum, bool focusedThumb) {
  ImageSlider::Artwork artwork = ImageSlider::kHorizontalArtwork;
  if (!focusedThumb) artwork.thumbFocused = artwork.thumbNormal;
  auto* slider = new ImageSlider(parent, controlId);
  slider->LoadArtwork(artwork);
  slider->SetRange(minimum, maximum);
  slider->setGeometry(rect);
  return slider;
}

void ApplyDialogFont(QWidget* dialog) {
  QFont font = dialog->font();
  font.setPixelSize(kDialogFontPixels);
  dialog->setFont(font);
}

void FitToText(QWidget* control) {
  control->resize(std::max(control->width(), control->sizeHint().width()), control->height());
}

QLabel* MakeDialogLabel(QWidget* parent, int controlId, const QString& text, const QRect& rect) {
  auto* label = new QLabel(text, parent);
  SetControlId(label, controlId);
  label->setGeometry(rect);
  return label;
}

void DrawSliderFocus(QPainter& painter, const QWidget* parent) {
  for (const ImageSlider* slider : parent->findChildren<ImageSlider*>()) {
    if (!slider->hasFocus() || !slider->isVisible()) continue;
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    const int m = kFocusFrameMargin;
    painter.drawRect(slider->geometry().adjusted(-m - 1, -m - 1, m, m));
  }
}

}  // namespace v7
