#include "sandbox/views/scene_model.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int CircleSegments = 24;

// Local geometry sits around the shape's own origin; the placement moves it.
struct Placement {
    Point3 centre;       // in the shape's coordinates
    Point3 translation;  // row 3 of the transformation
};

std::vector<WireSegment> Box(double half)
{
    std::vector<WireSegment> segments;
    auto corner = [half](int i) {
        return Point3{(i & 1) ? half : -half, (i & 2) ? half : -half, (i & 4) ? half : -half};
    };
    // Corners that differ in exactly one coordinate are joined by an edge.
    for (int i = 0; i < 8; ++i) {
        for (int bit = 1; bit < 8; bit <<= 1) {
            if ((i & bit) == 0)
                segments.push_back(WireSegment{corner(i), corner(i | bit)});
        }
    }
    return segments;
}

Point3 OnCircle(double radius, double y, int step)
{
    const double angle = 2 * Pi * step / CircleSegments;
    return Point3{radius * std::cos(angle), y, radius * std::sin(angle)};
}

// Base circle at y = 0, apex above it, and a ring of generators.
std::vector<WireSegment> Cone(double radius, double height)
{
    std::vector<WireSegment> segments;
    const Point3 apex{0, height, 0};
    for (int step = 0; step < CircleSegments; ++step) {
        segments.push_back(WireSegment{OnCircle(radius, 0, step), OnCircle(radius, 0, step + 1)});
        if (step % 3 == 0)
            segments.push_back(WireSegment{OnCircle(radius, 0, step), apex});
    }
    return segments;
}

// Parallels and meridians.
std::vector<WireSegment> Sphere(double radius)
{
    std::vector<WireSegment> segments;
    for (int parallel = -2; parallel <= 2; ++parallel) {
        const double latitude = parallel * Pi / 6;
        for (int step = 0; step < CircleSegments; ++step)
            segments.push_back(WireSegment{OnCircle(radius * std::cos(latitude), radius * std::sin(latitude), step),
                                           OnCircle(radius * std::cos(latitude), radius * std::sin(latitude),
                                                    step + 1)});
    }
    for (int meridian = 0; meridian < 6; ++meridian) {
        const double longitude = meridian * Pi / 6;
        for (int step = 0; step < CircleSegments; ++step) {
            auto point = [&](int s) {
                const double angle = 2 * Pi * s / CircleSegments;
                const double across = radius * std::cos(angle);
                return Point3{across * std::cos(longitude), radius * std::sin(angle), across * std::sin(longitude)};
            };
            segments.push_back(WireSegment{point(step), point(step + 1)});
        }
    }
    return segments;
}

const Placement Placements[] = {
    {{0, 0, 0}, {-3, 1, 0}},    // box, standing on the ground
    {{0, 1, 0}, {3, 0, 0}},     // cone, base on the ground, centre half-way up
    {{0, 0, 0}, {0, 1.2, -3}},  // sphere, resting on the ground behind
};

}  // namespace

const std::vector<SceneShape>& SceneShapes()
{
    static const std::vector<SceneShape> shapes = {
        {"box", RGB(40, 90, 220), Box(1)},
        {"cone", RGB(30, 160, 60), Cone(1.2, 2)},
        {"sphere", RGB(220, 50, 50), Sphere(1.2)},
    };
    return shapes;
}

void InstallSceneShapes(SandboxHostState* state)
{
    const int count = static_cast<int>(SceneShapes().size());
    state->shapeCount = count;
    for (int i = 0; i < count; ++i) {
        SandboxShape& shape = state->shapes[i];
        shape = SandboxShape{};
        shape.centre = ToSandboxPoint(Placements[i].centre);
        for (int d = 0; d < 4; ++d)
            shape.transformation[d * 5] = 1.0f;
        shape.transformation[12] = static_cast<float>(Placements[i].translation.x);
        shape.transformation[13] = static_cast<float>(Placements[i].translation.y);
        shape.transformation[14] = static_cast<float>(Placements[i].translation.z);
    }
}

std::vector<WireSegment> WorldSegments(const SandboxHostState& state, int shape)
{
    std::vector<WireSegment> segments;
    const float* m = state.shapes[shape].transformation;
    for (const WireSegment& segment : SceneShapes()[shape].segments)
        segments.push_back(WireSegment{TransformByRows(segment.a, m), TransformByRows(segment.b, m)});
    return segments;
}

Point3 WorldCentre(const SandboxHostState& state, int shape)
{
    return TransformByRows(ToPoint3(state.shapes[shape].centre), state.shapes[shape].transformation);
}

WorldBounds SceneBounds(const SandboxHostState& state)
{
    WorldBounds bounds{Point3{1e30, 1e30, 1e30}, Point3{-1e30, -1e30, -1e30}};
    const int count = std::min(state.shapeCount, static_cast<int>(SceneShapes().size()));
    for (int shape = 0; shape < count; ++shape) {
        for (const WireSegment& segment : WorldSegments(state, shape)) {
            for (const Point3& p : {segment.a, segment.b}) {
                bounds.low = Point3{std::min(bounds.low.x, p.x), std::min(bounds.low.y, p.y),
                                    std::min(bounds.low.z, p.z)};
                bounds.high = Point3{std::max(bounds.high.x, p.x), std::max(bounds.high.y, p.y),
                                     std::max(bounds.high.z, p.z)};
            }
        }
    }
    return bounds;
}
