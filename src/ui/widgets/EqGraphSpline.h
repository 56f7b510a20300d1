#pragma once

#include <QPainterPath>
#include <QPointF>
#include <span>

namespace v7 {

// Cardinal spline through the points as a path of cubic Bezier segments: tension 0.5 gives the
// familiar Catmull-Rom curve. An open spline treats its ends as doubled points; a closed one
// wraps around and closes the path.
class EqGraphSpline {
 public:
  static constexpr double kTension = 0.5;

  static QPainterPath Open(std::span<const QPointF> points);
  static QPainterPath Closed(std::span<const QPointF> points);

 private:
  static QPainterPath Build(std::span<const QPointF> points, bool closed);
};

}  // namespace v7
