#pragma once

namespace norvale {

enum class NcPaintResponse { Default, Hide, Nothing };

// A start without the mouse leaves the window invisible: it hides itself at
// its first two non-client paints; later ones do nothing until the mouse
// is there.
class AbsentMouseCountdown {
public:
    NcPaintResponse OnNcPaint(bool devicePresent)
    {
        if (devicePresent) return NcPaintResponse::Default;
        if (remaining_ == 0) return NcPaintResponse::Nothing;
        --remaining_;
        return NcPaintResponse::Hide;
    }

private:
    int remaining_ = 2;
};

}  // namespace norvale
