#pragma once
#include <functional>

#include "geometry.h"
#include "picture.h"
#include "ramps.h"

namespace resbuild {

// A shape given by its signed distance (negative inside, in pixels, with the
// shape's centre at the origin), shaded as a bevelled gem lit from the top left.
struct GemStyle {
    Ramp ramp;
    float bevel = 4.0f;       // width of the rounded edge
    float groove = -1.0f;     // depth inside the edge of an engraved line, or < 0
    bool outline = true;      // darkest entry along the edge
    std::function<float(Vec2)> mark;  // where negative, the surface is engraved darker
};

using Shape = std::function<float(Vec2)>;

// A size x size picture with the shape turned clockwise by angle; offsets centre
// it on the drawing point.
Picture renderGem(const Shape& shape, int size, float angle, const GemStyle& style);

// The light a bevelled surface of the given height field catches, 0..1.
float bevelLight(float hLeft, float hRight, float hUp, float hDown, float steepness);

}  // namespace resbuild
