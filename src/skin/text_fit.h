#pragma once
#include <functional>

namespace norvale {

// A one-line text too wide for its rectangle is first drawn smaller in the
// same face, down to this height; only then is it cut.
inline constexpr int kSmallestTextHeight = 9;
// The text's width in pixels when drawn at a font height.
using TextWidth = std::function<int(int height)>;
// The largest font height from `height` down to the smallest at which the
// text fits `width`; the smallest when none does. A height already below the
// smallest is kept.
int FitTextHeight(int height, int width, const TextWidth& widthAt);

}  // namespace norvale
