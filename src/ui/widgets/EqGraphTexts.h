#pragma once

#include <QString>
#include <QStringList>

namespace v7 {

// Every text the EQ graph shows, in Chinese and English.
class EqGraphTexts {
 public:
  // Title of the shown equaliser (identity 0..5: mic, music, echo, main, centre, subwoofer).
  static QString Title(int identity, bool english);
  // Labels of the filter-type menu, PEQ first.
  static QStringList TypeMenuLabels(bool english);
  // Info line of the selected band up to the gain, which follows in its own colour.
  static QString InfoLine(bool english, int bandNumber, double frequency, double q);
  static QString InfoGain(double gain);
  static QString GainLabel(int lineValue);
  // Read-out rows beside a marker.
  static QString FrequencyValue(double frequency);
  static QString GainValue(double gain);
  static QString QValue(double q);
  static QString BandNumber(int bandNumber);
  static QString Bypass();
};

}  // namespace v7
