#include "ui/widgets/EqGraph.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include "dsp/EqLimits.h"
#include "dsp/ResponseMath.h"
#include "ui/widgets/EqGraphTexts.h"

namespace v7 {
namespace {

struct BandPreset {
  int count;
  std::vector<float> frequencies;
};

const std::array<BandPreset, 4> kPresets{{
    {7, {31, 62, 125, 250, 500, 1000, 2000}},
    {10, {31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 12000}},
    {15, {25, 40, 63, 100, 160, 250, 400, 630, 1000, 1600, 2500, 4000, 6300, 10000, 16000}},
    {32, {20,   25,   31,   40,   50,   63,   80,    100,   125,   160,  200,
          250,  315,  400,  500,  630,  800,  1000,  1300,  1600,  2000, 2500,
          3000, 4000, 5000, 6300, 7500, 9000, 12000, 14000, 16000, 20000}},
}};

constexpr int kDefaultBandCount = 10;
constexpr float kMaxPeqKeyQ = 10.0f;
constexpr float kIgnoredQ = 1e-7f;
constexpr int kPickRadius = 10;
constexpr int kHoverRadius = 16;
constexpr double kGainStep = 0.1;
constexpr double kFrequencyStep = 1.0;
constexpr double kQKeyStep = 0.01;
constexpr double kPeqQPixelsPerUnit = 12.0;
constexpr double kShapedQPixelsPerUnit = 80.0;
constexpr double kGainResolution = 10.0;  // drag steps of 0.1 dB
constexpr int kIdentityCount = 6;
constexpr QSize kPlaceholderSize(489, 147);
constexpr QSize kMinimumSize(160, 90);
// The filter-type menu's items, in the order of its labels.
constexpr std::array kMenuTypes = {FilterType::Peq, FilterType::Lp, FilterType::Hp, FilterType::Ls,
                                   FilterType::Hs};

// Ranges whose ends coincide are not applied.
float ClampToRange(double value, float min, float max) {
  if (min == max) {
    return static_cast<float>(value);
  }
  return static_cast<float>(std::clamp(value, static_cast<double>(min), static_cast<double>(max)));
}

const BandPreset* FindPreset(int count) {
  const auto it = std::find_if(kPresets.begin(), kPresets.end(),
                               [count](const BandPreset& p) { return p.count == count; });
  return it == kPresets.end() ? nullptr : &*it;
}

}  // namespace

EqGraph::EqGraph(QWidget* parent) : QWidget(parent) {
  for (int i = 0; i < kMaxBands; ++i) {
    bands_[i].index = i;
  }
  SetBandCount(kDefaultBandCount);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);         // the paint covers every pixel
  setContextMenuPolicy(Qt::PreventContextMenu);  // right button events are ours
}

EqGraph::~EqGraph() = default;

QSize EqGraph::sizeHint() const {
  return kPlaceholderSize;
}

QSize EqGraph::minimumSizeHint() const {
  return kMinimumSize;
}

void EqGraph::SetBandCount(int n) {
  count_ = std::clamp(n, 1, kMaxBands);
  if (const BandPreset* preset = FindPreset(count_)) {
    for (int i = 0; i < count_; ++i) {
      bands_[i].frequency = preset->frequencies[static_cast<std::size_t>(i)];
      bands_[i].type = FilterType::Peq;
      bands_[i].q = kGraphPresetQ;
    }
  }
  for (int i = 0; i < count_; ++i) {
    bands_[i].index = i;
    bands_[i].gain = 0.0f;
    ComputeBandCurve(bands_[i]);
  }
  if (selected_ >= count_) {
    selected_ = -1;
  }
  hovered_ = -1;
  update();
}

void EqGraph::SetBandType(int band, FilterType type) {
  if (!IsValidBand(band)) {
    return;
  }
  bands_[band].type = FilterTypeFromCode(static_cast<int>(type));
  if (bands_[band].type == FilterType::Peq) {
    SetBandQ(band, kGraphPresetQ);
  } else if (bands_[band].type != FilterType::Off) {
    SetBandGain(band, 0.0f);
    SetBandQ(band, kGraphOtherTypeQ);
  }
  RecomputeBand(band);
}

void EqGraph::SetBandGain(int band, float gain) {
  if (!IsValidBand(band) || !std::isfinite(gain)) {
    return;
  }
  EqGraphBand& b = bands_[band];
  b.gain = LimitEqGain(b.type, gain);
  RecomputeBand(band);
}

void EqGraph::SetBandQ(int band, float q) {
  if (!IsValidBand(band) || !(std::abs(q) >= kIgnoredQ) || !std::isfinite(q)) {
    return;
  }
  EqGraphBand& b = bands_[band];
  b.q = LimitEqQ(b.type, q);
  RecomputeBand(band);
}

void EqGraph::ResetView() {
  renderer_.InvalidateBackground();
  for (int i = 0; i < count_; ++i) {
    bands_[i].gainMin = kEqMinGainDb;
    bands_[i].gainMax = kEqMaxGainDb;
  }
  update();
}

EqGraphBand& EqGraph::Band(int band) {
  return bands_[std::clamp(band, 0, kMaxBands - 1)];
}

const EqGraphBand& EqGraph::Band(int band) const {
  return bands_[std::clamp(band, 0, kMaxBands - 1)];
}

void EqGraph::RecomputeBand(int band) {
  if (!IsValidBand(band)) {
    return;
  }
  ComputeBandCurve(bands_[band]);
  update();
}

void EqGraph::SetSelectedBand(int band) {
  selected_ = band >= 0 && band < count_ ? band : -1;
  update();
}

void EqGraph::SetIdentity(int identity) {
  identity_ = std::clamp(identity, 0, kIdentityCount - 1);
  update();
}

void EqGraph::SetLanguage(v7::Language language) {
  language_ = language;
  update();
}

void EqGraph::SetBypass(bool bypass) {
  bypass_ = bypass;
  update();
}

EqGraphGeometry EqGraph::Geometry() const {
  return EqGraphGeometry(width(), height());
}

void EqGraph::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  EqGraphScene scene;
  scene.bands = std::span<EqGraphBand>(bands_.data(), static_cast<std::size_t>(count_));
  scene.selected = selected_;
  scene.hovered = hovered_;
  scene.identity = identity_;
  scene.english = language_ == v7::Language::English;
  scene.bypass = bypass_;
  renderer_.Paint(painter, Geometry(), scene);
}

void EqGraph::resizeEvent(QResizeEvent* event) {
  renderer_.InvalidateBackground();
  QWidget::resizeEvent(event);
}

// Markers are compared with the positions stored by the last paint.
int EqGraph::FindBand(int hitX, int hitY, int radius, bool activeOnly, bool highest) const {
  int found = -1;
  for (int i = 0; i < count_; ++i) {
    const EqGraphBand& b = bands_[i];
    if (activeOnly && !IsActiveType(b.type)) {
      continue;
    }
    if (std::abs(b.markerX - hitX) < radius && std::abs(b.markerY - hitY) < radius) {
      found = i;
      if (!highest) {
        break;
      }
    }
  }
  return found;
}

void EqGraph::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const QPoint hit(EqGraphGeometry::HitX(pos.x()), EqGraphGeometry::HitY(pos.y()));
  if (event->button() == Qt::LeftButton) {
    LeftPress(hit);
  } else if (event->button() == Qt::RightButton) {
    RightPress(hit);
  }
  event->accept();
}

void EqGraph::LeftPress(QPoint hit) {
  if (gesture_.right) {
    return;
  }
  setFocus(Qt::MouseFocusReason);
  gesture_.left = true;
  selected_ = FindBand(hit.x(), hit.y(), kPickRadius, true, false);
  if (selected_ >= 0) {
    gesture_.grabX = hit.x() - bands_[selected_].markerX;
    gesture_.grabY = hit.y() - bands_[selected_].markerY;
    NotifyBandChanged(selected_);
  }
  update();
}

// A band that is off can still be picked here, at its last marker position.
void EqGraph::RightPress(QPoint hit) {
  if (gesture_.left) {
    return;
  }
  gesture_.right = true;
  gesture_.rightMoved = false;
  selected_ = FindBand(hit.x(), hit.y(), kHoverRadius, false, false);
  if (selected_ >= 0) {
    gesture_.grabX = hit.x();
    NotifyBandChanged(selected_);
  }
  update();
}

void EqGraph::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const QPoint hit(EqGraphGeometry::HitX(pos.x()), EqGraphGeometry::HitY(pos.y()));
  if (gesture_.left && selected_ >= 0) {
    DragSelected(hit);
  } else if (gesture_.right && selected_ >= 0) {
    DragSelectedQ(hit);
  }
  UpdateHover(hit);
  event->accept();
  repaint();  // the curve follows the pointer on every step of a drag
}

void EqGraph::DragSelected(QPoint hit) {
  const EqGraphGeometry g = Geometry();
  EqGraphBand& b = bands_[selected_];
  const double frequency = std::round(g.FrequencyAtPlotX(hit.x() - gesture_.grabX));
  const double gain =
      HasGain(b.type)
          ? std::round(g.GainAtPlotY(hit.y() - gesture_.grabY) * kGainResolution) / kGainResolution
          : 0.0;
  b.gain = ClampToRange(gain, b.gainMin, b.gainMax);
  b.frequency = ClampToRange(frequency, b.frequencyMin, b.frequencyMax);
  ComputeBandCurve(b);
  NotifyBandChanged(selected_);
}

void EqGraph::DragSelectedQ(QPoint hit) {
  EqGraphBand& b = bands_[selected_];
  gesture_.rightMoved = true;
  const double pixelsPerUnit =
      b.type == FilterType::Peq ? kPeqQPixelsPerUnit : kShapedQPixelsPerUnit;
  const double q = b.q + (hit.x() - gesture_.grabX) / pixelsPerUnit;
  b.q = static_cast<float>(
      std::clamp(q, static_cast<double>(kEqMinQ), static_cast<double>(MaxEqQ(b.type))));
  gesture_.grabX = hit.x();
  ComputeBandCurve(b);
  NotifyBandChanged(selected_);
}

void EqGraph::UpdateHover(QPoint hit) {
  hovered_ = -1;
  if (!gesture_.left && !gesture_.right) {
    hovered_ = FindBand(hit.x(), hit.y(), kHoverRadius, true, true);
  }
}

void EqGraph::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    LeftRelease();
  } else if (event->button() == Qt::RightButton) {
    RightRelease(event->globalPosition().toPoint());
  }
  event->accept();
}

void EqGraph::LeftRelease() {
  if (!gesture_.left) {
    return;
  }
  if (selected_ < 0) {
    emit BackgroundClicked();
  } else {
    NotifyBandChanged(selected_);
  }
  gesture_.left = false;
}

// A right click without movement offers the filter types of the band it picked.
void EqGraph::RightRelease(const QPoint& globalPos) {
  if (!gesture_.right) {
    return;
  }
  if (selected_ >= 0) {
    NotifyBandChanged(selected_);
  }
  const bool offerMenu = !gesture_.rightMoved && selected_ >= 0;
  gesture_.right = false;
  if (!offerMenu) {
    return;
  }
  const QStringList labels = EqGraphTexts::TypeMenuLabels(language_ == v7::Language::English);
  if (const std::optional<FilterType> type = ExecTypeMenu(globalPos, labels)) {
    ApplyTypeChoice(*type);
  }
}

// Only the types the menu offers are taken; the choice is the user's, so it is reported.
void EqGraph::ApplyTypeChoice(FilterType type) {
  if (!IsActiveType(type) || !IsValidBand(selected_)) {
    return;
  }
  SetBandType(selected_, type);
  NotifyBandChanged(selected_);
}

std::optional<FilterType> EqGraph::ExecTypeMenu(const QPoint& globalPos,
                                                const QStringList& labels) {
  QMenu menu(this);
  const std::size_t items = std::min(kMenuTypes.size(), static_cast<std::size_t>(labels.size()));
  for (std::size_t i = 0; i < items; ++i) {
    menu.addAction(labels[static_cast<qsizetype>(i)])->setData(static_cast<int>(kMenuTypes[i]));
  }
  const QAction* chosen = menu.exec(globalPos);
  if (!chosen) {
    return std::nullopt;
  }
  return FilterTypeFromCode(chosen->data().toInt());
}

void EqGraph::wheelEvent(QWheelEvent* event) {
  if (!IsValidBand(selected_) || !HasGain(bands_[selected_].type)) {
    event->ignore();
    return;
  }
  event->accept();
  const int delta = event->angleDelta().y();
  if (delta == 0) {
    return;
  }
  StepGain(bands_[selected_], delta > 0 ? kGainStep : -kGainStep);
  FinishFineStep(selected_);
}

// Each key changes one value and limits only that one, so nudging the frequency never pulls a
// Q set by a right drag (up to 30) down to the keys' own limit of 10.
void EqGraph::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (!IsValidBand(selected_)) {
    return;
  }
  EqGraphBand& b = bands_[selected_];
  const bool keypad = (event->modifiers() & Qt::KeypadModifier) != 0;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
      const double step = event->key() == Qt::Key_Left ? -kFrequencyStep : kFrequencyStep;
      b.frequency = ClampToRange(b.frequency + step, b.frequencyMin, b.frequencyMax);
      break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (!StepGain(b, event->key() == Qt::Key_Up ? kGainStep : -kGainStep)) {
        return;
      }
      break;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
      if (!keypad) {
        return;
      }
      StepQ(b, event->key() == Qt::Key_Plus ? kQKeyStep : -kQKeyStep);
      break;
    default:
      return;
  }
  FinishFineStep(selected_);
}

bool EqGraph::StepGain(EqGraphBand& band, double step) const {
  if (!HasGain(band.type)) {
    return false;
  }
  band.gain = ClampToRange(band.gain + step, band.gainMin, band.gainMax);
  return true;
}

// The keys stop at Q 10 for PEQ (2 otherwise) but never pull a larger Q down to it.
void EqGraph::StepQ(EqGraphBand& band, double step) const {
  const float keyLimit = band.type == FilterType::Peq ? kMaxPeqKeyQ : kEqMaxOtherQ;
  const double upper = std::max(keyLimit, band.q);
  band.q = static_cast<float>(std::clamp(band.q + step, static_cast<double>(kEqMinQ), upper));
}

void EqGraph::FinishFineStep(int band) {
  ComputeBandCurve(bands_[band]);
  NotifyBandChanged(band);
  repaint();
}

void EqGraph::NotifyBandChanged(int band) {
  emit BandChanged(bands_[band], band);
}

}  // namespace v7
