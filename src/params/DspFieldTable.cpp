#include "params/DspFieldTable.h"

#include <algorithm>

namespace v7 {
namespace {

using P = DspParams;

constexpr std::array<DspField, 22> kFields = {{
    {kDspMicDynamicsSwitch, DspCoding::kInvertedSelector, &P::micDynamicsSwitch, nullptr},
    {kDspMusicDynamicsSwitch, DspCoding::kInvertedSelector, &P::musicDynamicsSwitch, nullptr},
    {kDspMusicMute, DspCoding::kMute, &P::musicMute, nullptr},
    {kDspMusicVolume, DspCoding::kGain, &P::musicVolume, nullptr},
    {kDspFbcBypass, DspCoding::kSelector, &P::fbcBypass, nullptr},
    {kDspMusicEqBypass, DspCoding::kSelector, &P::musicEqBypass, nullptr},
    {kDspMicEqBypass, DspCoding::kSelector, &P::micEqBypass, nullptr},
    {kDspEchoRatio, DspCoding::kTenths, &P::echoRatio, nullptr},
    {kDspEchoTime, DspCoding::kRaw, &P::echoTime, nullptr},
    {kDspEchoEqBypass, DspCoding::kSelector, &P::echoEqBypass, nullptr},
    {kDspEchoVolume, DspCoding::kGain, &P::echoVolume, nullptr},
    {kDspMicMute, DspCoding::kMute, &P::micMute, nullptr},
    {kDspMicVolume, DspCoding::kGain, &P::micVolume, nullptr},
    {kDspMainMix, DspCoding::kGain, &P::mainMic, &P::mainMusic},
    {kDspSubMix, DspCoding::kGain, &P::subMic, &P::subMusic},
    {kDspCenterMix, DspCoding::kGain, &P::centerMic, &P::centerMusic},
    {kDspMainEqBypass, DspCoding::kSelector, &P::mainEqBypass, nullptr},
    {kDspCenterEqBypass, DspCoding::kSelector, &P::centerEqBypass, nullptr},
    {kDspSubEqBypass, DspCoding::kSelector, &P::subEqBypass, nullptr},
    {kDspMainVolume, DspCoding::kGain, &P::mainVolume, nullptr},
    {kDspCenterVolume, DspCoding::kGain, &P::centerVolume, nullptr},
    {kDspSubVolume, DspCoding::kGain, &P::subVolume, nullptr},
}};

std::array<DspWord, 2> WordsOf(const DspParams& params, const DspField& field) {
  const int32_t value = params.*field.first;
  switch (field.coding) {
    case DspCoding::kGain:
      return {GainToDspWord(value), field.second ? GainToDspWord(params.*field.second) : 0};
    case DspCoding::kTenths:
      return {TenthsToDspWord(value), 0};
    case DspCoding::kRaw:
      return {value, 0};
    case DspCoding::kMute:
      return {MuteWord(value), 0};
    case DspCoding::kSelector:
      return SelectorWords(value);
    case DspCoding::kInvertedSelector:
      return InvertedSelectorWords(value);
  }
  return {};
}

struct MemberName {
  int32_t DspParams::*member;
  std::string_view name;
};

constexpr std::array<MemberName, 25> kMemberNames = {{
    {&P::centerVolume, "centerVolume"},
    {&P::subVolume, "subVolume"},
    {&P::mainVolume, "mainVolume"},
    {&P::micVolume, "micVolume"},
    {&P::musicVolume, "musicVolume"},
    {&P::centerMic, "centerMic"},
    {&P::centerMusic, "centerMusic"},
    {&P::subMic, "subMic"},
    {&P::subMusic, "subMusic"},
    {&P::mainMic, "mainMic"},
    {&P::mainMusic, "mainMusic"},
    {&P::micMute, "micMute"},
    {&P::musicMute, "musicMute"},
    {&P::micEqBypass, "micEqBypass"},
    {&P::musicEqBypass, "musicEqBypass"},
    {&P::centerEqBypass, "centerEqBypass"},
    {&P::subEqBypass, "subEqBypass"},
    {&P::mainEqBypass, "mainEqBypass"},
    {&P::echoEqBypass, "echoEqBypass"},
    {&P::fbcBypass, "fbcBypass"},
    {&P::echoTime, "echoTime"},
    {&P::echoVolume, "echoVolume"},
    {&P::echoRatio, "echoRatio"},
    {&P::musicDynamicsSwitch, "musicDynamicsSwitch"},
    {&P::micDynamicsSwitch, "micDynamicsSwitch"},
}};

bool IsSwitch(DspCoding coding) {
  return coding == DspCoding::kMute || coding == DspCoding::kSelector ||
         coding == DspCoding::kInvertedSelector;
}

void LimitMember(DspParams& params, const DspField& field, int32_t DspParams::*member,
                 std::vector<LimitedValue>& limited) {
  const int32_t given = params.*member;
  const int32_t sent = LimitToWireRange(field, given);
  if (sent == given) return;
  params.*member = sent;
  limited.push_back({DspMemberName(member), given, sent});
}

int32_t DecodeFirst(DspCoding coding, DspWord word) {
  switch (coding) {
    case DspCoding::kGain:
      return DspWordToGain(word);
    case DspCoding::kTenths:
      return DspWordToTenths(word);
    case DspCoding::kRaw:
      return word;
    case DspCoding::kMute:
    case DspCoding::kSelector:
      return DecodeSelector(word);
    case DspCoding::kInvertedSelector:
      return DecodeInvertedSelector(word);
  }
  return 0;
}

}  // namespace

int DspField::Words() const {
  const bool twoWords =
      second != nullptr || coding == DspCoding::kSelector || coding == DspCoding::kInvertedSelector;
  return twoWords ? 2 : 1;
}

std::span<const DspField> DspFields() {
  return kFields;
}

const DspField* FindDspField(int address) {
  const auto it = std::find_if(kFields.begin(), kFields.end(),
                               [address](const DspField& f) { return f.address == address; });
  return it == kFields.end() ? nullptr : &*it;
}

ParameterRange WireRangeOf(const DspField& field) {
  switch (field.coding) {
    case DspCoding::kGain:
      return kGainWireRange;
    case DspCoding::kTenths:
      return kTenthsWireRange;
    case DspCoding::kRaw:
      return kEchoTimeWireRange;
    case DspCoding::kMute:
    case DspCoding::kSelector:
    case DspCoding::kInvertedSelector:
      break;
  }
  return kSwitchWireRange;
}

int32_t LimitToWireRange(const DspField& field, int32_t value) {
  if (IsSwitch(field.coding)) return value == 0 ? 0 : 1;
  return WireRangeOf(field).Limit(value);
}

void LimitDspField(DspParams& params, const DspField& field, std::vector<LimitedValue>& limited) {
  LimitMember(params, field, field.first, limited);
  if (field.second) LimitMember(params, field, field.second, limited);
}

std::vector<LimitedValue> LimitToWireRanges(DspParams& params) {
  std::vector<LimitedValue> limited;
  for (const DspField& field : kFields) LimitDspField(params, field, limited);
  return limited;
}

std::string_view DspMemberName(int32_t DspParams::*member) {
  const auto it = std::find_if(kMemberNames.begin(), kMemberNames.end(),
                               [member](const MemberName& m) { return m.member == member; });
  return it == kMemberNames.end() ? std::string_view() : it->name;
}

DspFieldBytes EncodeDspField(const DspParams& params, const DspField& field) {
  DspFieldBytes out;
  const auto words = WordsOf(params, field);
  out.length = field.Bytes();
  for (int i = 0; i < field.Words(); ++i) PutDspWord(&out.bytes[i * kDspWordBytes], words[i]);
  return out;
}

bool DecodeDspField(DspParams& params, const DspField& field, const uint8_t* data, int length) {
  // Selectors are decoded from their first word alone; gain pairs need both.
  const int needed = field.second ? 2 * kDspWordBytes : kDspWordBytes;
  if (length < needed) return false;
  params.*field.first = DecodeFirst(field.coding, GetDspWord(data));
  if (field.second) params.*field.second = DspWordToGain(GetDspWord(data + kDspWordBytes));
  return true;
}

}  // namespace v7
