#include "pages/angle_snap_page_model.h"

#include <gtest/gtest.h>

#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr std::uint8_t kBefore = 2;

TEST(AngleSnapPage, EachOptionTakesPressesOnlyInItsOwnArea)
{
    const struct {
        ui::Point press;
        std::uint8_t stored;
    } cases[] = {
        {{25, 30}, 1},  {{34, 39}, 1},        {{35, 35}, kBefore}, {{30, 40}, kBefore},
        {{140, 30}, 0}, {{149, 39}, 0},       {{150, 35}, kBefore},
        {{80, 35}, kBefore},  // between the two
    };
    for (const auto& [press, stored] : cases) {
        Settings live{};
        live.angleSnapping = kBefore;
        AngleSnapPageModel page{live};
        EXPECT_EQ(page.Press(press), stored != kBefore) << "(" << press.x << ", " << press.y << ")";
        EXPECT_EQ(live.angleSnapping, stored) << "(" << press.x << ", " << press.y << ")";
    }
}

TEST(AngleSnapPage, AnyValueButZeroShowsOnChosen)
{
    FillUiTexts(L"EN");
    constexpr unsigned kWrittenAt = 0x0000 | 0x0020 | 0x0100 | 0x0800;  // DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX
    const auto expected = [](const wchar_t* on, const wchar_t* off) {
        return std::vector<PaintOp>{
            ImageOp{on, 25, 30},
            ImageOp{off, 140, 30},
            TextOp{L"ON", {40, 30, 40, 30}, kWrittenAt, 0xFFFFFF},
            TextOp{L"OFF", {155, 30, 155, 30}, kWrittenAt, 0xFFFFFF},
        };
    };
    Settings live{};
    live.angleSnapping = 2;
    AngleSnapPageModel page{live};
    EXPECT_EQ(page.Paint().background, L"Skins\\AngleSnap\\BK_AngleSnap.png");
    EXPECT_EQ(page.Paint().ops, expected(L"Skins\\Enable.png", L"Skins\\Disable.png"));

    page.Press({145, 35});
    EXPECT_EQ(page.Paint().ops, expected(L"Skins\\Disable.png", L"Skins\\Enable.png"));
}

TEST(AngleSnapPage, LanguagesWithoutTheLabelsShowOnAndOff)
{
    for (const wchar_t* code : {L"CHS", L"CHT", L"DE"}) {
        FillUiTexts(code);
        Settings live{};
        std::vector<std::wstring> labels;
        for (const PaintOp& op : AngleSnapPageModel{live}.Paint().ops)
            if (const auto* text = std::get_if<TextOp>(&op)) labels.push_back(text->text);
        EXPECT_EQ(labels.size(), 2u) << code;
        for (const std::wstring& label : labels) EXPECT_FALSE(label.empty()) << code;
    }
    FillUiTexts(L"DE");
    Settings live{};
    const auto ops = AngleSnapPageModel{live}.Paint().ops;
    EXPECT_EQ(std::get<TextOp>(ops[2]).text, L"ON");
    EXPECT_EQ(std::get<TextOp>(ops[3]).text, L"OFF");
    FillUiTexts(L"EN");
}

}  // namespace
}  // namespace norvale
