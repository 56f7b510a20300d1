// The texts of the band table and the single-band editor, and how their numbers are written
// and read back.
#pragma once

#include <QString>
#include <array>

#include "dsp/FilterType.h"
#include "i18n/TextPair.h"

namespace v7::band {

// Index = filter type code.
inline constexpr std::array<TextPair, kFilterTypeCount> kTypeNames = {{
    {"关闭", "OFF"},
    {"参量", "PEQ"},
    {"低通", "LP"},
    {"高通", "HP"},
    {"低架", "LS"},
    {"高架", "HS"},
}};

// Column headings of the band table, index = column (column 0 is the hidden label).
inline constexpr std::array<TextPair, 6> kHeadings = {{
    {"", ""},
    {"", ""},
    {"类型", "Type"},
    {"增益", "Gain"},
    {"频率", "Freq"},
    {"Q值", "Q"},
}};

// What a screen reader says for a cell: "Band 3, Gain, +1.5dB".
inline constexpr TextPair kBandName{"第%1段", "Band %1"};
inline constexpr TextPair kTableName{"均衡频段表", "EQ bands"};
inline constexpr TextPair kTableTip{"双击或按F2编辑数值，回车打开单段编辑",
                                    "Double-click or press F2 to edit a value; Enter opens the "
                                    "band editor"};
inline constexpr TextPair kNumberName{"所选频段", "Selected band"};
inline constexpr TextPair kEditorTip{"Esc返回频段表", "Escape goes back to the band table"};
inline constexpr TextPair kTypeTip{"%1：滤波器类型", "%1 filter type"};

// The three columns of the editor: gain, frequency, Q.
inline constexpr std::array<TextPair, 3> kValueNames = {{
    {"增益", "Gain"},
    {"频率", "Frequency"},
    {"Q值", "Q"},
}};
inline constexpr TextPair kValueBoxName{"%1数值", "%1 value"};
inline constexpr TextPair kValueBoxTip{"%1：输入数值后按回车", "%1: type a value and press Enter"};

QString GainText(double gainDb);
QString FrequencyText(double hz);
QString QText(double q);
QString TypeName(FilterType type, Language language);

// The number at the start of `text` as the C library's string-to-double conversion reads it
// (spaces, sign, digits, point, exponent; what follows is ignored). No number, or one that is
// not finite ("inf", "nan", overflow), gives 0.
double LeadingNumber(const QString& text);

// The type whose name in `language` is exactly `name`, or -1.
int TypeIndexFromName(const QString& name, Language language);

}  // namespace v7::band
