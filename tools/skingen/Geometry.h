// Signed distances to the soft shapes the skin is drawn from, in pixels: negative inside, zero on
// the edge. Painting with distances rather than fills gives outlines, insets and soft edges
// from one description of each shape.
#pragma once

#include <algorithm>
#include <cmath>

namespace skingen {

struct Vec2 {
    double x, y;
};
inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, double k) {
    return {a.x * k, a.y * k};
}
inline double Dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline double Length(Vec2 a) {
    return std::sqrt(Dot(a, a));
}

// Turns `p` about `centre` by `degrees` (clockwise on screen, where y points down).
inline Vec2 Rotate(Vec2 p, Vec2 centre, double degrees) {
    const double a = degrees * 3.14159265358979323846 / 180.0;
    const Vec2 d = p - centre;
    return {centre.x + d.x * std::cos(a) - d.y * std::sin(a),
            centre.y + d.x * std::sin(a) + d.y * std::cos(a)};
}

inline double Circle(Vec2 p, Vec2 centre, double radius) {
    return Length(p - centre) - radius;
}

// Close to the true distance near the edge, which is all the painting needs.
inline double Ellipse(Vec2 p, Vec2 centre, double rx, double ry) {
    const Vec2 d = p - centre;
    const double k0 = std::hypot(d.x / rx, d.y / ry);
    const double k1 = std::hypot(d.x / (rx * rx), d.y / (ry * ry));
    if (k1 == 0) return -std::min(rx, ry);
    return k0 * (k0 - 1.0) / k1;
}

// An egg: an ellipse whose half-axes differ left and right of the centre, and above and below it.
inline double SkewedEllipse(Vec2 p, Vec2 centre, double left, double right, double top,
                            double bottom) {
    return Ellipse(p, centre, p.x < centre.x ? left : right, p.y < centre.y ? top : bottom);
}

// A stroke from `a` to `b` with round ends.
inline double Capsule(Vec2 p, Vec2 a, Vec2 b, double radius) {
    const Vec2 ab = b - a;
    const double t = std::clamp(Dot(p - a, ab) / Dot(ab, ab), 0.0, 1.0);
    return Length(p - (a + ab * t)) - radius;
}

inline double RoundedBox(Vec2 p, Vec2 centre, Vec2 half, double radius) {
    const Vec2 d = {std::abs(p.x - centre.x) - half.x + radius,
                    std::abs(p.y - centre.y) - half.y + radius};
    const Vec2 outside = {std::max(d.x, 0.0), std::max(d.y, 0.0)};
    return Length(outside) + std::min(std::max(d.x, d.y), 0.0) - radius;
}

// The triangle a, b, c grown by `radius`, which rounds its corners.
inline double RoundedTriangle(Vec2 p, Vec2 a, Vec2 b, Vec2 c, double radius) {
    const Vec2 e[3] = {b - a, c - b, a - c};
    const Vec2 v[3] = {p - a, p - b, p - c};
    double nearest = 1e9;
    for (int i = 0; i < 3; ++i) {
        const double t = std::clamp(Dot(v[i], e[i]) / Dot(e[i], e[i]), 0.0, 1.0);
        nearest = std::min(nearest, Length(v[i] - e[i] * t));
    }
    // Inside when p lies on the same side of all three edges.
    const double s = e[0].x * e[2].y - e[0].y * e[2].x;
    bool inside = true;
    for (int i = 0; i < 3; ++i)
        inside = inside && (s * (v[i].x * e[i].y - v[i].y * e[i].x) >= 0);
    return (inside ? -nearest : nearest) - radius;
}

inline double Ring(Vec2 p, Vec2 centre, double radius, double width) {
    return std::abs(Circle(p, centre, radius)) - width / 2;
}

inline double Union(double a, double b) {
    return std::min(a, b);
}
inline double Intersect(double a, double b) {
    return std::max(a, b);
}
inline double Subtract(double a, double b) {
    return std::max(a, -b);
}
// A union whose seam is filled in smoothly over about `k` pixels.
inline double SmoothUnion(double a, double b, double k) {
    const double h = std::clamp(0.5 + 0.5 * (b - a) / k, 0.0, 1.0);
    return b + (a - b) * h - k * h * (1.0 - h);
}

} // namespace skingen
