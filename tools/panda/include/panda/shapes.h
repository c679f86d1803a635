// Filled shapes the drawing is made of, tested point by point at pixel
// centres (integer coordinates).
#pragma once

#include <vector>

#include "panda/grid.h"

namespace veldamo::panda {

struct Point {
  double x;
  double y;
};

// An ellipse turned clockwise on screen by `degrees` about its centre.
struct Ellipse {
  Point centre;
  double rx;
  double ry;
  double degrees = 0;
};

// A polygon, filled by the even-odd rule.
struct Polygon {
  std::vector<Point> points;
};

// A thick path through `points`; its radius runs linearly along the path's
// length from `radius_from` to `radius_to`, and its ends are round.
struct Stroke {
  std::vector<Point> points;
  double radius_from;
  double radius_to;
};

bool Contains(const Ellipse& e, Point p);
bool Contains(const Polygon& poly, Point p);
bool Contains(const Stroke& s, Point p);

// An egg standing upright: an ellipse whose half-width grows from `rx_top`
// at the top to `rx_bottom` at the bottom.
Polygon Egg(Point centre, double rx_top, double rx_bottom, double ry);

// `steps` + 1 points along the cubic Bezier curve a, b, c, d.
std::vector<Point> Bezier(Point a, Point b, Point c, Point d, int steps);

// Sets every pixel of the grid whose centre lies in the shape.
template <typename Shape, typename T>
void Paint(Grid<T>& grid, const Shape& shape, T value) {
  for (int y = 0; y < grid.Height(); ++y) {
    for (int x = 0; x < grid.Width(); ++x) {
      if (Contains(shape, Point{static_cast<double>(x), static_cast<double>(y)})) {
        grid.Set(x, y, value);
      }
    }
  }
}

}  // namespace veldamo::panda
