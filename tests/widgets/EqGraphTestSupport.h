#pragma once

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPoint>
#include <QStringList>
#include <QTest>
#include <QWheelEvent>
#include <optional>
#include <vector>

#include "ui/widgets/EqGraph.h"
#include "ui/widgets/EqGraphGeometry.h"

namespace v7::test {

// A graph whose type menu never opens: it records what it would have offered and answers with
// a scripted choice.
class ScriptedMenuPanel : public EqGraph {
 public:
  std::optional<FilterType> menuAnswer;
  int menuCalls = 0;
  QStringList menuLabels;

 protected:
  std::optional<FilterType> ExecTypeMenu(const QPoint&, const QStringList& labels) override {
    ++menuCalls;
    menuLabels = labels;
    return menuAnswer;
  }
};

struct BandNotice {
  int index;
  const EqGraphBand* record;
  FilterType type;
  float frequency;
  float gain;
  float q;
};

// Records the graph's signals as they arrive (synchronously).
class NoticeRecorder {
 public:
  explicit NoticeRecorder(EqGraph& panel) {
    QObject::connect(
        &panel, &EqGraph::BandChanged, &panel,
        [this](const EqGraphBand& b, int index) {
          bands.push_back({index, &b, b.type, b.frequency, b.gain, b.q});
        },
        Qt::DirectConnection);
    QObject::connect(
        &panel, &EqGraph::BackgroundClicked, &panel, [this] { ++backgroundClicks; },
        Qt::DirectConnection);
  }
  void Clear() {
    bands.clear();
    backgroundClicks = 0;
  }
  std::vector<BandNotice> bands;
  int backgroundClicks = 0;
};

// Paints the graph once (which stores the marker positions) and returns the picture.
inline QImage PaintPanel(EqGraph& panel) {
  return panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pointer position whose hit point is exactly on a band's stored marker.
inline QPoint AtMarker(const EqGraph& panel, int band, int dx = 0, int dy = 0) {
  const EqGraphBand& b = panel.Band(band);
  return {b.markerX + EqGraphGeometry::kHitOffsetX + dx,
          b.markerY + EqGraphGeometry::kHitOffsetY + dy};
}

// A pointer move with no button held, delivered straight to the widget.
inline void Hover(QWidget& w, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, pos, w.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
}

// Returns whether the widget accepted the wheel event.
inline bool Wheel(QWidget& w, QPoint pos, int delta) {
  QWheelEvent wheel(pos, w.mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&w, &wheel);
  return wheel.isAccepted();
}

}  // namespace v7::test
