#include "pages/dpi_page_paint.h"

#include <gtest/gtest.h>

namespace norvale {
namespace {

constexpr unsigned kCentred = 0x0001 | 0x0004 | 0x0020;  // DT_CENTER | DT_VCENTER | DT_SINGLELINE

PaintOp Image(std::wstring name, int x, int y)
{
    return ImageOp{std::move(name), x, y};
}

PaintOp Text(std::wstring text, ui::Rect rect)
{
    return TextOp{std::move(text), rect, kCentred, 0xFFFFFF};
}

TEST(DpiPagePaint, EachStageShowsItsBoxValueAndUseFromTheLeft)
{
    Settings live{};
    RestoreDefaultSettings(live);
    live.dpiStageEnabled[1] = 0;
    live.dpiValue[6] = 0;

    const PaintList list = DpiPagePaintList(live);
    EXPECT_EQ(list.background, L"Skins\\DPISetting\\BK_DPISetting.png");
    ASSERT_EQ(list.ops.size(), 21u);
    const std::vector<PaintOp> firstTwo(list.ops.begin(), list.ops.begin() + 6);
    EXPECT_EQ(firstTwo, (std::vector{
                            Image(L"Skins\\DPISetting\\BK-DPIValue.png", 20, 182),
                            Text(L"600", {20, 182, 45, 194}),
                            Image(L"Skins\\Enable.png", 25, 202),
                            Image(L"Skins\\DPISetting\\BK-DPIValue.png", 50, 182),
                            Text(L"1200", {50, 182, 75, 194}),
                            Image(L"Skins\\Disable.png", 55, 202),
                        }));
    const std::vector<PaintOp> last(list.ops.end() - 3, list.ops.end());
    EXPECT_EQ(last, (std::vector{
                        Image(L"Skins\\DPISetting\\BK-DPIValue.png", 200, 182),
                        Text(L"0", {200, 182, 225, 194}),
                        Image(L"Skins\\Enable.png", 205, 202),
                    }));
}

}  // namespace
}  // namespace norvale
