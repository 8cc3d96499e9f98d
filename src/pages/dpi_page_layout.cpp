#include "pages/dpi_page_layout.h"

namespace norvale {

DpiStageLayout DpiStage(int stage)
{
    const int d = 30 * stage;
    return {
        {25 + d, 3, 32 + d, 173},
        {20 + d, 182, 45 + d, 194},
        {20 + d, 179, 45 + d, 196},
        {25 + d, 202, 35 + d, 211},
        {25 + d, 215, 35 + d, 225},
    };
}

}  // namespace norvale
