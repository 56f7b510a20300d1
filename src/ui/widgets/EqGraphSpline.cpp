#include "ui/widgets/EqGraphSpline.h"

#include <algorithm>

namespace v7 {

QPainterPath EqGraphSpline::Open(std::span<const QPointF> points) {
  return Build(points, false);
}

QPainterPath EqGraphSpline::Closed(std::span<const QPointF> points) {
  return Build(points, true);
}

QPainterPath EqGraphSpline::Build(std::span<const QPointF> points, bool closed) {
  const auto n = static_cast<long>(points.size());
  if (n == 0) {
    return {};
  }
  const auto at = [&points, n, closed](long i) {
    if (closed) {
      return points[static_cast<std::size_t>((i % n + n) % n)];
    }
    return points[static_cast<std::size_t>(std::clamp(i, 0L, n - 1))];
  };
  constexpr double k = kTension / 3.0;
  QPainterPath path(points.front());
  path.reserve(static_cast<int>(n) * 3 + 1);
  const long segments = closed ? n : n - 1;
  for (long i = 0; i < segments; ++i) {
    const QPointF before = at(i - 1);
    const QPointF from = at(i);
    const QPointF to = at(i + 1);
    const QPointF after = at(i + 2);
    path.cubicTo(from + k * (to - before), to - k * (after - from), to);
  }
  if (closed) {
    path.closeSubpath();
  }
  return path;
}

}  // namespace v7
