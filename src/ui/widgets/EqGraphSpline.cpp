#include "ui/widgets/EqGraphSpline.h"

#include <algorithm>
#include <cmath>

namespace v7 {
namespace {

constexpr int kMaxStepsPerSpan = 64;

double Distance(const QPointF& a, const QPointF& b) {
  return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QPointF BezierAt(const QPointF& p0, const QPointF& c1, const QPointF& c2, const QPointF& p3,
                 double t) {
  const double u = 1.0 - t;
  return u * u * u * p0 + 3.0 * u * u * t * c1 + 3.0 * u * t * t * c2 + t * t * t * p3;
}

// Distance of p from the line through a and b (from a when they coincide).
double DistanceFromLine(const QPointF& p, const QPointF& a, const QPointF& b) {
  const QPointF ab = b - a;
  const double length = std::hypot(ab.x(), ab.y());
  if (length == 0.0) {
    return Distance(p, a);
  }
  return std::abs(ab.x() * (p.y() - a.y()) - ab.y() * (p.x() - a.x())) / length;
}

// Drops the vertices of nearly straight runs: the painter's stroker pays per vertex, and a
// smooth curve sampled every two pixels has many runs that stay within a fraction of a pixel
// of one line.
QPolygonF Simplified(const QPolygonF& in, double tolerance) {
  if (in.size() < 3) {
    return in;
  }
  QPolygonF out;
  out.reserve(in.size());
  out << in.front();
  qsizetype anchor = 0;
  for (qsizetype end = 2; end < in.size(); ++end) {
    for (qsizetype i = anchor + 1; i < end; ++i) {
      if (DistanceFromLine(in[i], in[anchor], in[end]) > tolerance) {
        anchor = end - 1;
        out << in[anchor];
        break;
      }
    }
  }
  out << in.back();
  return out;
}

}  // namespace

QPolygonF EqGraphSpline::Open(std::span<const QPointF> points) {
  return Flatten(points, false);
}

QPolygonF EqGraphSpline::Closed(std::span<const QPointF> points) {
  return Flatten(points, true);
}

QPolygonF EqGraphSpline::Flatten(std::span<const QPointF> points, bool closed) {
  const auto n = static_cast<long>(points.size());
  QPolygonF out;
  if (n == 0) {
    return out;
  }
  const auto at = [&points, n, closed](long i) {
    if (closed) {
      return points[static_cast<std::size_t>((i % n + n) % n)];
    }
    return points[static_cast<std::size_t>(std::clamp(i, 0L, n - 1))];
  };
  constexpr double k = kTension / 3.0;
  out.reserve(static_cast<int>(n) * 2);
  out << points.front();
  const long spans = closed ? n : n - 1;
  for (long i = 0; i < spans; ++i) {
    const QPointF before = at(i - 1);
    const QPointF from = at(i);
    const QPointF to = at(i + 1);
    const QPointF after = at(i + 2);
    AppendSpan(out, from, from + k * (to - before), to - k * (after - from), to);
  }
  return Simplified(out, kFlatness);
}

// A cubic strays from its chord by at most 3/4 of its control points' distance from the
// chord's thirds; n straight steps cut that error by n^2.
void EqGraphSpline::AppendSpan(QPolygonF& out, const QPointF& from, const QPointF& c1,
                               const QPointF& c2, const QPointF& to) {
  const QPointF third = (to - from) / 3.0;
  const double bulge =
      0.75 * std::max(Distance(c1, from + third), Distance(c2, from + 2.0 * third));
  const int steps =
      std::clamp(static_cast<int>(std::ceil(std::sqrt(bulge / kFlatness))), 1, kMaxStepsPerSpan);
  for (int s = 1; s < steps; ++s) {
    out << BezierAt(from, c1, c2, to, static_cast<double>(s) / steps);
  }
  out << to;
}

}  // namespace v7
