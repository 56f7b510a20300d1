#pragma once

#include <QPointF>
#include <QPolygonF>
#include <span>

namespace v7 {

// Cardinal spline through the points, tension 0.5 (the familiar Catmull-Rom curve), flattened
// to a polygon that stays within a fifth of a pixel of the curve. Each span between two points
// is the cubic Bezier with control points p1 + t/3 (p2 - p0) and p2 - t/3 (p3 - p1). An open
// spline treats its ends as doubled points; a closed one wraps around.
//
// Flattening here, with nearly straight runs merged, hands the painter far fewer vertices than
// 511 cubics would: the EQ graph's total curve is redrawn on every pointer move of a drag.
class EqGraphSpline {
 public:
  static constexpr double kTension = 0.5;
  static constexpr double kFlatness = 0.2;  // pixels

  static QPolygonF Open(std::span<const QPointF> points);
  static QPolygonF Closed(std::span<const QPointF> points);

 private:
  static QPolygonF Flatten(std::span<const QPointF> points, bool closed);
  static void AppendSpan(QPolygonF& out, const QPointF& from, const QPointF& c1, const QPointF& c2,
                         const QPointF& to);
};

}  // namespace v7
