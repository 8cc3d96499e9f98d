#include "skin/pixels.h"

namespace norvale {
namespace {

std::uint8_t Scale(std::uint8_t value, unsigned factor)
{
    return static_cast<std::uint8_t>(value * factor / 255);
}

std::uint8_t Over(std::uint8_t surface, std::uint8_t source, std::uint8_t sourceAlpha)
{
    return static_cast<std::uint8_t>(source + (surface * (255u - sourceAlpha) + 127) / 255);
}

}  // namespace

void Premultiply(std::span<Bgra> pixels)
{
    for (Bgra& p : pixels) {
        p.blue = Scale(p.blue, p.alpha);
        p.green = Scale(p.green, p.alpha);
        p.red = Scale(p.red, p.alpha);
    }
}

Bgra BlendOver(Bgra surface, Bgra source)
{
    return {Over(surface.blue, source.blue, source.alpha), Over(surface.green, source.green, source.alpha),
            Over(surface.red, source.red, source.alpha), Over(surface.alpha, source.alpha, source.alpha)};
}

}  // namespace norvale
