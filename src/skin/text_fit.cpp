#include "skin/text_fit.h"

namespace norvale {

int FitTextHeight(int height, int width, const TextWidth& widthAt)
{
    int fitted = height;
    while (fitted > kSmallestTextHeight && widthAt(fitted) > width) --fitted;
    return fitted;
}

}  // namespace norvale
