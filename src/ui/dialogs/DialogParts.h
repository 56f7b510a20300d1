// Pieces the settings, mic-sub and remote dialogs build themselves from.
#pragma once

#include <QRect>
#include <QString>

#include "ui/widgets/ImageSlider.h"

class QLabel;
class QPainter;
class QWidget;

namespace v7 {

class ImageButton;

// A captioned image button with the dialog button face and white "宋体" 12 px text.
ImageButton* MakeDialogButton(QWidget* parent, int controlId, const QString& text,
                              const QRect& rect);

// A horizontal image slider of the dialog look; `focusedThumb` false draws the focused thumb
// with the normal picture (the dialog then marks the focus itself, see DrawSliderFocus).
ImageSlider* MakeDialogSlider(QWidget* parent, int controlId, const QRect& rect, int minimum,
                              int maximum, bool focusedThumb = true);

// The dialog font: the layouts are in units of an 8-point font, which is 11 pixels high.
void ApplyDialogFont(QWidget* dialog);

// Widens `control` to its text where the layout's width is too narrow for the font.
void FitToText(QWidget* control);

// A label with its control identifier.
QLabel* MakeDialogLabel(QWidget* parent, int controlId, const QString& text, const QRect& rect);

// A dotted frame around whichever of the parent's sliders has the keyboard focus, for sliders
// whose thumb does not change with the focus. Call from the parent's paintEvent.
void DrawSliderFocus(QPainter& painter, const QWidget* parent);

}  // namespace v7
