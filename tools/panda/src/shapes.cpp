#include "panda/shapes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace veldamo::panda {

bool Contains(const Ellipse& e, Point p) {
  const double a = e.degrees * std::numbers::pi / 180.0;
  const double dx = p.x - e.centre.x;
  const double dy = p.y - e.centre.y;
  // Turn the point back into the ellipse's own axes.
  const double u = dx * std::cos(a) + dy * std::sin(a);
  const double v = -dx * std::sin(a) + dy * std::cos(a);
  return (u * u) / (e.rx * e.rx) + (v * v) / (e.ry * e.ry) <= 1.0;
}

bool Contains(const Polygon& poly, Point p) {
  bool inside = false;
  const std::size_t n = poly.points.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const Point a = poly.points[i];
    const Point b = poly.points[j];
    if ((a.y > p.y) != (b.y > p.y) &&
        p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

bool Contains(const Stroke& s, Point p) {
  if (s.points.empty()) return false;
  double total = 0;
  for (std::size_t i = 1; i < s.points.size(); ++i) {
    total += std::hypot(s.points[i].x - s.points[i - 1].x, s.points[i].y - s.points[i - 1].y);
  }
  const auto radius_at = [&](double along) {
    const double t = total > 0 ? along / total : 0.0;
    return s.radius_from + (s.radius_to - s.radius_from) * t;
  };
  if (s.points.size() == 1) {
    return std::hypot(p.x - s.points[0].x, p.y - s.points[0].y) <= s.radius_from;
  }
  double along = 0;
  for (std::size_t i = 1; i < s.points.size(); ++i) {
    const Point a = s.points[i - 1];
    const Point b = s.points[i];
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    double t = 0;
    if (len > 0) {
      t = ((p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y)) / (len * len);
      t = std::clamp(t, 0.0, 1.0);
    }
    const double d = std::hypot(p.x - (a.x + t * (b.x - a.x)), p.y - (a.y + t * (b.y - a.y)));
    if (d <= radius_at(along + t * len)) return true;
    along += len;
  }
  return false;
}

std::vector<Point> Bezier(Point a, Point b, Point c, Point d, int steps) {
  std::vector<Point> out;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const double u = 1 - t;
    const double wa = u * u * u;
    const double wb = 3 * u * u * t;
    const double wc = 3 * u * t * t;
    const double wd = t * t * t;
    out.push_back({wa * a.x + wb * b.x + wc * c.x + wd * d.x,
                   wa * a.y + wb * b.y + wc * c.y + wd * d.y});
  }
  return out;
}

Polygon Egg(Point centre, double rx_top, double rx_bottom, double ry) {
  constexpr int kSteps = 180;
  Polygon egg;
  for (int i = 0; i < kSteps; ++i) {
    const double t = 2 * std::numbers::pi * i / kSteps;
    const double rx = (rx_top + rx_bottom) / 2 + (rx_bottom - rx_top) / 2 * std::sin(t);
    egg.points.push_back({centre.x + rx * std::cos(t), centre.y + ry * std::sin(t)});
  }
  return egg;
}

}  // namespace veldamo::panda
