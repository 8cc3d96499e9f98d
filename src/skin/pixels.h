#pragma once
#include <cstdint>
#include <span>

namespace norvale {

// One pixel of a decoded skin image or drawing surface, in memory order.
struct Bgra {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t alpha = 0;
    friend bool operator==(const Bgra&, const Bgra&) = default;
};

// Scales each colour by its pixel's alpha, rounding down, as per-pixel alpha
// blending expects its source. Alpha itself is kept.
void Premultiply(std::span<Bgra> pixels);

// Source-over of one premultiplied pixel onto the surface at full constant
// alpha: what the blend of a skin image leaves on the canvas.
Bgra BlendOver(Bgra surface, Bgra premultipliedSource);

}  // namespace norvale
