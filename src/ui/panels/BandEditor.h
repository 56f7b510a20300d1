// The single-band editor, shown in the band area instead of the table while a band is
// selected: the five type radios, the band's number in large digits, and a vertical slider and
// an edit box each for gain, frequency and Q. It only shows values and reports the user's
// actions; the channel panel decides what they do.
#pragma once

#include <QWidget>
#include <array>

#include "dsp/EqGraphBand.h"
#include "i18n/Language.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace v7 {

class ImageSlider;

class BandEditor : public QWidget {
  Q_OBJECT

 public:
  enum Value { kGain, kFrequency, kQ };
  static constexpr int kValueCount = 3;
  static constexpr int kTypeCount = 5;  // PEQ .. HS
  static constexpr int kTypeGroupId = 1201;
  static constexpr int kNumberId = 1211;
  static constexpr int kFirstRadioId = 1190;
  static constexpr std::array<int, kValueCount> kGroupIds = {1205, 1206, 1207};
  static constexpr std::array<int, kValueCount> kSliderIds = {1202, 1203, 1204};
  static constexpr std::array<int, kValueCount> kBoxIds = {1208, 1209, 1210};
  // Slider positions: gain in tenths of a dB, frequency in Hz, Q in hundredths.
  static constexpr int kGainScale = 10;
  static constexpr int kQScale = 100;
  static constexpr int kGainRange = 150;
  static constexpr int kMinFrequencyPosition = 20;
  static constexpr int kMaxFrequencyPosition = 12000;
  static constexpr int kMinQPosition = 10;
  static constexpr int kMaxPeqQPosition = 3000;
  static constexpr int kMaxOtherQPosition = 200;

  // `bandArea` is the place the editor fills; its controls sit where the panel's layout says.
  explicit BandEditor(QWidget* bandArea);

  ImageSlider* Slider(Value value) const { return sliders_[value]; }
  QLineEdit* Box(Value value) const { return boxes_[value]; }
  QRadioButton* Radio(int typeRadio) const { return radios_[static_cast<size_t>(typeRadio)]; }
  QLabel* Number() const { return number_; }

  void SetNumber(int number);
  void SetBoxText(Value value, const QString& text);
  QString BoxText(Value value) const;
  // Positions from the band's values, cut towards zero and clamped to each slider's range.
  void SetSliderPositions(const EqGraphBand& band);
  void SetSliderPosition(Value value, double bandValue);
  // Q reaches 30 for PEQ and 2 for the other types; the position stays where it is.
  void SetQRange(FilterType type);
  void SetGainEnabled(bool enabled);
  // Checks the radio of type typeRadio + 1; none for -1 (a band that is off).
  void CheckTypeRadio(int typeRadio);
  // Screen-reader names and tooltips; the language table has written the captions already.
  void ApplyLanguage(Language language);

 signals:
  void TypeChosen(int type);
  void SliderMoved(v7::BandEditor::Value value, int position);
  // Enter in one of the edit boxes.
  void BoxesEntered();
  // Escape: back to the band table.
  void CloseRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateTypeControls();
  void CreateValueColumns();

  QButtonGroup* typeButtons_ = nullptr;
  std::array<QRadioButton*, kTypeCount> radios_{};
  QLabel* number_ = nullptr;
  std::array<ImageSlider*, kValueCount> sliders_{};
  std::array<QLineEdit*, kValueCount> boxes_{};
};

}  // namespace v7
