// Screen-reader view of the picture sliders: a slider role, the name the window gives the
// slider, its value label as the value text, and the disabled state of a greyed row.
#pragma once

class QWidget;
class QString;

namespace v7 {

// Registers the accessible interface of ImageSlider once per process.
void InstallSliderAccessibility();

// The text a screen reader reads as the slider's value (its value label).
void SetAccessibleValueText(QWidget* slider, const QString& text);

}  // namespace v7
