#include "ui/panels/BandTexts.h"

#include <charconv>
#include <cmath>

namespace v7::band {

QString GainText(double gainDb) {
  return QString::asprintf("%+-.1fdB", gainDb);
}

QString FrequencyText(double hz) {
  return QString::asprintf("%.0fHz", hz);
}

QString QText(double q) {
  return QString::asprintf("%.2f", q);
}

QString TypeName(FilterType type, Language language) {
  return kTypeNames[static_cast<size_t>(type)].In(language);
}

double LeadingNumber(const QString& text) {
  const QByteArray bytes = text.trimmed().toLatin1();
  const char* begin = bytes.constData();
  const char* end = begin + bytes.size();
  double sign = 1.0;
  if (begin != end && (*begin == '+' || *begin == '-')) {
    if (*begin == '-') sign = -1.0;
    ++begin;
  }
  // Only digits or a point start a number; from_chars would also take "inf" and "nan".
  if (begin == end || !(std::isdigit(static_cast<unsigned char>(*begin)) || *begin == '.'))
    return 0.0;
  double value = 0.0;
  const auto [ptr, error] = std::from_chars(begin, end, value, std::chars_format::general);
  if (error != std::errc() || !std::isfinite(value)) return 0.0;
  return sign * value;
}

int TypeIndexFromName(const QString& name, Language language) {
  for (int type = 0; type < kFilterTypeCount; ++type)
    if (kTypeNames[static_cast<size_t>(type)].In(language) == name) return type;
  return -1;
}

}  // namespace v7::band
