#include <gtest/gtest.h>

#include <algorithm>

#include "assign/single_key_dialog_model.h"

namespace norvale {
namespace {

constexpr std::uint32_t kKeyDown = 0x0100;
constexpr std::uint32_t kChar = 0x0102;

constexpr ui::Point kInClose{360, 12};
constexpr ui::Point kInOk{270, 260};
constexpr ui::Point kInCancel{340, 260};
constexpr ui::Point kInPrompt{100, 110};

bool ShowsImage(const PaintList& list, std::wstring_view name)
{
    return std::ranges::any_of(list.ops, [&](const PaintOp& op) {
        const auto* image = std::get_if<ImageOp>(&op);
        return image && image->skinName == name;
    });
}

struct Capture {
    KeyEvent event;
    const wchar_t* name;
};

TEST(SingleKeyCapture, NamesTheEventByItsKeyAndTheKeypadEnterApart)
{
    const Capture cases[] = {
        {{0x74, 0x3F, 0x00}, L"F5"},
        {{0x74, 0x3F, 0x80}, L"F5"},         // the release names the same key
        {{0x0D, 0x1C, 0x00}, L"Enter"},
        {{0x0D, 0x1C, 0x01}, L"Num Enter"},  // extended Enter is the keypad's
        {{0x0D, 0x1C, 0x81}, L"Num Enter"},
        {{0xA0, 0x2A, 0x00}, L"Shift"},
        {{0xA1, 0x36, 0x01}, L"Right Shift"},
        {{0xB3, 0x22, 0x01}, L""},           // a media key has no name
        {{0x10, 0x2A, 0x00}, L""},           // nor has the generic Shift
    };
    for (const Capture& each : cases) {
        EXPECT_EQ(CapturedKeyName(each.event), each.name) << std::hex << each.event.virtualKey;
    }
}

TEST(SingleKeyCapture, DebugLineShowsOnlyTheExtendedAndReleaseFlags)
{
    EXPECT_EQ(KeyEventDebugLine({0x0D, 0x1C, 0x91}), L"vk code=d,scan code=1c,key flag=81\n");
}

TEST(SingleKeyDialog, TextsAndFontFollowTheLanguage)
{
    EXPECT_EQ(SingleKeyDialogTextsFor(L"DE").cancel, L"Abbrechen");
    EXPECT_EQ(SingleKeyDialogTextsFor(L"CHT").prompt, L"請指派一個鍵盤按鍵");
    EXPECT_EQ(SingleKeyDialogTextsFor(L"chs").ok, L"Ok");  // codes are case-sensitive
    EXPECT_EQ(SingleKeyDialogFont(L"CHS", true).face, L"黑体");
    EXPECT_EQ(SingleKeyDialogFont(L"CHS", false).face, L"宋体");
    const FontSpec english = SingleKeyDialogFont(L"EN", false);
    EXPECT_EQ(english.face, L"Arial");
    EXPECT_EQ(english.height, 14);
    EXPECT_EQ(SingleKeyDialogFont(L"CHT", false).height, 13);
}

TEST(SingleKeyDialog, DropsTheWindowsKeysAndTheDialogKeysBeforeDispatch)
{
    EXPECT_TRUE(SingleKeyDialogDropsMessage(kChar, 0x5B));
    EXPECT_TRUE(SingleKeyDialogDropsMessage(0x0200, 0x5C));  // any message with that wParam
    EXPECT_TRUE(SingleKeyDialogDropsMessage(kKeyDown, 0x0D));
    EXPECT_TRUE(SingleKeyDialogDropsMessage(kKeyDown, 0x70));
    EXPECT_FALSE(SingleKeyDialogDropsMessage(kKeyDown, 'A'));
    EXPECT_FALSE(SingleKeyDialogDropsMessage(kChar, 0x0D));
}

TEST(SingleKeyDialog, ShowsThePresetUntilAKeyIsCapturedAndEndsByItsButtons)
{
    SingleKeyDialogModel dialog(L"EN", L"F1");
    EXPECT_EQ(dialog.KeyName(), L"F1");
    dialog.TakeCapturedKey(L"");
    EXPECT_EQ(dialog.KeyName(), L"");

    EXPECT_EQ(dialog.Press(kInOk), DialogEnd::Ok);
    EXPECT_EQ(dialog.Press(kInCancel), DialogEnd::Cancel);
    EXPECT_EQ(dialog.Press(kInClose), DialogEnd::Cancel);
    EXPECT_EQ(dialog.Press(kInPrompt), std::nullopt);
}

TEST(SingleKeyDialog, AButtonLightsWhenThePointerRestsAndOnlyOneAtATime)
{
    SingleKeyDialogModel dialog(L"EN", L"");
    DrawnButtonHover& hover = dialog.Hover();
    EXPECT_TRUE(hover.PointerMoved(kInClose).trackHover);
    EXPECT_FALSE(ShowsImage(dialog.Paint(), L"Skins\\/button-close-over.png"));
    EXPECT_TRUE(hover.PointerRested(kInClose));
    EXPECT_TRUE(ShowsImage(dialog.Paint(), L"Skins\\/button-close-over.png"));

    hover.PointerMoved(kInOk);
    hover.PointerRested(kInOk);
    const PaintList okLit = dialog.Paint();
    EXPECT_FALSE(ShowsImage(okLit, L"Skins\\/button-close-over.png"));
    EXPECT_TRUE(ShowsImage(okLit, L"Skins\\/MacroManagement/button-cancel-over.png"));

    const DrawnButtonHover::Move away = hover.PointerMoved(kInPrompt);
    EXPECT_TRUE(away.repaint);
    EXPECT_FALSE(away.trackHover);
    EXPECT_FALSE(ShowsImage(dialog.Paint(), L"Skins\\/MacroManagement/button-cancel-over.png"));
    EXPECT_FALSE(hover.PointerMoved(kInPrompt).repaint);  // nothing lit, nothing to repaint
}

TEST(SingleKeyDialog, PaintsThePromptAndButtonTextsInTheLanguage)
{
    const PaintList list = SingleKeyDialogModel(L"CHS", L"").Paint();
    std::vector<std::wstring> texts;
    for (const PaintOp& op : list.ops) {
        if (const auto* text = std::get_if<TextOp>(&op)) texts.push_back(text->text);
    }
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"请输入一个按键", L"确定", L"取消"}));
    EXPECT_EQ(list.background, L"Skins\\/single-key.png");
}

}  // namespace
}  // namespace norvale
