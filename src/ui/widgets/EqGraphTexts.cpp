#include "ui/widgets/EqGraphTexts.h"

#include <algorithm>
#include <array>

namespace v7 {
namespace {

struct TextPair {
  const char* chinese;
  const char* english;
};

constexpr std::array<TextPair, 6> kTitles{{
    {"话筒均衡", "Mic EQ"},
    {"音乐均衡", "Music EQ"},
    {"回声均衡", "Echo EQ"},
    {"主输出均衡", "Main EQ"},
    {"中置均衡", "Center EQ"},
    {"超低均衡", "Sub EQ"},
}};

constexpr std::array<TextPair, 5> kTypeNames{{
    {"参量(PEQ)", "PEQ"},
    {"低通(LP)", "LP"},
    {"高通(HP)", "HP"},
    {"低架(LS)", "LS"},
    {"高架(HS)", "HS"},
}};

constexpr TextPair kInfoLine{"控制号=%d    频率=%.0fHz    Q值=%.2f     增益=",
                             "Index=%d     Frequency=%.0fHz    Q=%.2f     Gain="};

QString Pick(const TextPair& pair, bool english) {
  return QString::fromUtf8(english ? pair.english : pair.chinese);
}

}  // namespace

QString EqGraphTexts::Title(int identity, bool english) {
  const auto i = static_cast<std::size_t>(std::clamp<int>(identity, 0, kTitles.size() - 1));
  return Pick(kTitles[i], english);
}

QStringList EqGraphTexts::TypeMenuLabels(bool english) {
  QStringList labels;
  for (const TextPair& name : kTypeNames) {
    labels << Pick(name, english);
  }
  return labels;
}

QString EqGraphTexts::InfoLine(bool english, int bandNumber, double frequency, double q) {
  return QString::asprintf(Pick(kInfoLine, english).toUtf8().constData(), bandNumber, frequency, q);
}

QString EqGraphTexts::InfoGain(double gain) {
  return QString::asprintf("%+-.1fdB ", gain);
}

QString EqGraphTexts::GainLabel(int lineValue) {
  return QString::asprintf("%+-.0fdb", static_cast<double>(-lineValue));
}

QString EqGraphTexts::FrequencyValue(double frequency) {
  return QString::asprintf("%.0fHz", frequency);
}

QString EqGraphTexts::GainValue(double gain) {
  return QString::asprintf("%+-.1fdB", gain);
}

QString EqGraphTexts::QValue(double q) {
  return QString::asprintf("%.2f", q);
}

QString EqGraphTexts::BandNumber(int bandNumber) {
  return QString::number(bandNumber);
}

QString EqGraphTexts::Bypass() {
  return QStringLiteral("PASS");
}

}  // namespace v7
