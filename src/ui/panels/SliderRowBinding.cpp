#include "ui/panels/SliderRowBinding.h"

#include <array>

#include "dsp/GateCurve.h"
#include "edit/ParameterAccessors.h"
#include "edit/ParameterWriter.h"
#include "ui/panels/ChannelPanelLayout.h"

namespace v7 {

namespace {

using Id = ParameterId;
using Row = std::optional<Id>;
using PageRows = std::array<Row, panel::kRowCount>;

constexpr Row kNone = std::nullopt;
constexpr PageRows kEchoRows = {Id::kEchoVolume, Id::kEchoRatio, Id::kEchoTime, kNone};

// What a move sets, page by page. The echo page never shows the rows, but a move there is
// handled as on the mic page.
constexpr std::array<PageRows, kPageCount> kMovedRows = {{
    {Id::kEchoVolume, Id::kEchoRatio, Id::kEchoTime, Id::kMicGateThreshold},
    {kNone, kNone, kNone, Id::kMusicGateThreshold},
    kEchoRows,
    {Id::kMainVolume, Id::kMainMic, Id::kMainMusic, kNone},
    {Id::kCenterVolume, Id::kCenterMic, Id::kCenterMusic, kNone},
    {Id::kSubVolume, Id::kSubMic, Id::kSubMusic, kNone},
}};

// The echo time slider moves in steps of ten samples.
constexpr int kEchoTimeStep = 10;
// One sample at 32 kHz.
constexpr double kMillisecondsPerSample = 0.03125;
// The echo ratio is shown as the share of the echo that is fed back.
constexpr int kEchoRatioPercentOffset = 110;
// A gate record whose threshold point stands at x 0 reads as this threshold.
constexpr double kGateThresholdAtZero = -70.0;
// The record's second point (the threshold) starts at byte 4, x as a big-endian word.
constexpr std::size_t kThresholdXByte = 4;

bool IsGate(Id id) {
  return id == Id::kMicGateThreshold || id == Id::kMusicGateThreshold;
}

QString DecibelText(int dB) {
  return QString::asprintf("%ddB", dB);
}

QString EchoTimeText(int samples) {
  return QString::asprintf("%.1fms", samples * kMillisecondsPerSample);
}

QString EchoRatioText(int tenths) {
  return QString::asprintf("%d%%", tenths + kEchoRatioPercentOffset);
}

double GateThreshold(const DynamicsRecord& record) {
  const int x = (record[kThresholdXByte] << 8) | record[kThresholdXByte + 1];
  return x == 0 ? kGateThresholdAtZero : GateCurve().InputLevelAt(x);
}

RowValue LoadGate(ParameterAccessors& accessors, int page) {
  accessors.ReplaceUninitialisedRecord(page);
  const ParameterImage& image = accessors.Image();
  const double threshold =
      GateThreshold(page == kPageMic ? image.micDynamicsRecord : image.musicDynamicsRecord);
  return {static_cast<int>(threshold), QString::asprintf("%.0fdB", threshold)};
}

int PageIndex(int page) {
  return page >= 0 && page < kPageCount ? page : kPageMic;
}

}  // namespace

std::optional<ParameterId> RowParameter(int page, int row) {
  if (row < 0 || row >= panel::kRowCount) return std::nullopt;
  return kMovedRows[static_cast<size_t>(PageIndex(page))][static_cast<size_t>(row)];
}

std::optional<ParameterId> ShownRowParameter(int page, int row) {
  if (page == kPageEcho) return std::nullopt;
  return RowParameter(page, row);
}

ParameterRange RowSliderRange(ParameterId id) {
  const ParameterRange range = ParameterOf(id).range;
  if (id == Id::kEchoTime) return {range.min / kEchoTimeStep, range.max / kEchoTimeStep};
  return range;
}

std::optional<RowValue> LoadRow(ParameterAccessors& accessors, int page, int row) {
  const std::optional<Id> id = ShownRowParameter(page, row);
  if (!id) return std::nullopt;
  if (IsGate(*id)) return LoadGate(accessors, page);
  const int stored = ReadParameter(accessors.Image(), ParameterOf(*id));
  switch (*id) {
    case Id::kEchoTime:
      return RowValue{stored / kEchoTimeStep, EchoTimeText(stored)};
    case Id::kEchoRatio:
      return RowValue{stored, EchoRatioText(stored)};
    default:
      return RowValue{stored, DecibelText(stored)};
  }
}

std::optional<QString> MoveRow(ParameterAccessors& accessors, int page, int row, int position) {
  const std::optional<Id> id = RowParameter(page, row);
  if (!id) return std::nullopt;
  switch (*id) {
    case Id::kEchoTime:
      WriteParameter(accessors, *id, position * kEchoTimeStep);
      return EchoTimeText(position * kEchoTimeStep);
    case Id::kEchoRatio:
      WriteParameter(accessors, *id, position);
      return EchoRatioText(position);
    default:
      WriteParameter(accessors, *id, position);
      return DecibelText(position);
  }
}

}  // namespace v7
