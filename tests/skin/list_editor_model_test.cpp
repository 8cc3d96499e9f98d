#include <gtest/gtest.h>

#include "skin/list_editor_model.h"
#include "ui/message_crackers.h"

namespace norvale {
namespace {

TEST(ListEditorPlacement, LiesOverTheRowOnePixelWiderOnEverySide)
{
    EXPECT_EQ(EditorRect({0, 32, 109, 48}), (ui::Rect{-1, 31, 110, 49}));
    EXPECT_EQ(EditorStyle(false), 0x50801000u);  // child, visible, thin border, keeps Enter
    EXPECT_EQ(EditorStyle(true), 0x50803000u);   // and digits only
    EXPECT_EQ(kEditorDialogCode, 0x0004u);       // all keys, Tab and Enter included
    EXPECT_TRUE(TakesDigitsOnly(EditorMode::DelayLine));
    EXPECT_FALSE(TakesDigitsOnly(EditorMode::MacroName));
    EXPECT_FALSE(TakesDigitsOnly(EditorMode::ProfileName));
}

TEST(CommittedRowText, NamesAsTypedDelaysAsANumberOfMillisecondsAtMost65535)
{
    struct Case {
        EditorMode mode;
        std::wstring_view typed;
        std::optional<std::wstring> row;
    };
    const Case cases[] = {
        {EditorMode::ProfileName, L"Shooter 2", L"Shooter 2"},
        {EditorMode::MacroName, L"  spaced  ", L"  spaced  "},
        {EditorMode::MacroName, L"", L""},                 // an empty name is accepted
        {EditorMode::DelayLine, L"120 ms", L"120 ms"},     // committed unchanged
        {EditorMode::DelayLine, L"70000", L"65535 ms"},
        {EditorMode::DelayLine, L"65535", L"65535 ms"},
        {EditorMode::DelayLine, L"99999999999", L"65535 ms"},
        {EditorMode::DelayLine, L"007", L"7 ms"},
        {EditorMode::DelayLine, L"", L"0 ms"},
        {EditorMode::DelayLine, L"-5", L"0 ms"},          // pasted past the digits-only field
        {EditorMode::DelayLine, L"ms", L"0 ms"},
        {static_cast<EditorMode>(0), L"kept", std::nullopt},
        {static_cast<EditorMode>(4), L"kept", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommittedRowText(c.mode, c.typed), c.row)
            << "mode " << static_cast<int>(c.mode) << ", typed " << std::wstring(c.typed);
    }
}

TEST(ClassifyEditorInput, EscCancelsTabEnterClicksOutsideAndFocusLossCommit)
{
    constexpr std::uint32_t keyDown = 0x0100;
    constexpr std::uint32_t keyUp = 0x0101;
    constexpr std::uint32_t character = 0x0102;
    constexpr std::uint32_t leftDown = 0x0201;
    constexpr std::uint32_t killFocus = 0x0008;
    struct Case {
        ui::Message message;
        bool overEditor;
        EditorInput input;
    };
    const Case cases[] = {
        {{keyDown, 0x1B}, true, EditorInput::Cancel},
        {{keyDown, 0x09}, true, EditorInput::Commit},
        {{keyDown, 0x0D}, true, EditorInput::Commit},
        {{keyDown, 'A'}, true, EditorInput::PassOn},
        {{keyDown, 0x25}, true, EditorInput::PassOn},  // the arrows move the caret
        {{keyUp, 0x1B}, true, EditorInput::PassOn},
        {{character, 0x0D}, true, EditorInput::PassOn},
        {{leftDown, 0, 0x00200030}, true, EditorInput::PassOn},
        {{leftDown, 0, 0x00400030}, false, EditorInput::Commit},  // on another row: the capture keeps it from the list
        {{killFocus}, true, EditorInput::Commit},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyEditorInput(c.message, c.overEditor), c.input)
            << std::hex << "message " << c.message.id << ", wParam " << c.message.wParam;
    }
}

TEST(ListEditor, StartsOnlyOnARowOfTheList)
{
    EXPECT_FALSE(ListEditor{}.Start(-1, 3));
    EXPECT_FALSE(ListEditor{}.Start(3, 3));
    EXPECT_FALSE(ListEditor{}.Start(0, 0));
    EXPECT_TRUE(ListEditor{}.Start(0, 3));
    EXPECT_TRUE(ListEditor{}.Start(2, 3));
}

TEST(ListEditor, ACommitReplacesTheRowAndTellsTheListWhichEditorAndRow)
{
    ListEditor editor;
    ASSERT_TRUE(editor.Start(4, 6));
    const std::optional<EditEnd> end = editor.End(true, EditorMode::DelayLine, L"70000");
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->row, 4);
    EXPECT_EQ(end->rowText, L"65535 ms");
    EXPECT_EQ(end->notice.id, 0x464u);
    const ui::ListEditEndArgs args = ui::ListEditEndArgs::From(end->notice);
    EXPECT_EQ(args.editorId, 1);
    EXPECT_EQ(args.row, 4);
}

TEST(ListEditor, ACancelKeepsTheRowButStillTellsTheList)
{
    ListEditor editor;
    ASSERT_TRUE(editor.Start(2, 3));
    const std::optional<EditEnd> end = editor.End(false, EditorMode::MacroName, L"typed but dropped");
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->rowText, std::nullopt);
    EXPECT_EQ(end->notice.id, WM_LEBEDIT_END);
    EXPECT_EQ(end->notice.lParam, 2);
}

TEST(ListEditor, EndsOnceSoTheFocusLossAfterEscCommitsNothing)
{
    ListEditor editor;
    ASSERT_TRUE(editor.Start(0, 1));
    ASSERT_TRUE(editor.End(false, EditorMode::ProfileName, L"new").has_value());
    EXPECT_FALSE(editor.End(true, EditorMode::ProfileName, L"new").has_value());
}

}  // namespace
}  // namespace norvale
