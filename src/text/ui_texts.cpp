#include "text/ui_texts.h"

#include "text/ui_text_table.h"

namespace norvale {
namespace {

UiTextTable& ProcessTable()
{
    static UiTextTable table;
    return table;
}

}  // namespace

void FillUiTexts(std::wstring_view languageCode)
{
    ProcessTable() = UiTextTable(languageCode);
}

const std::wstring& UiLanguageCode()
{
    return ProcessTable().LanguageCode();
}

UiLanguage CurrentUiLanguage()
{
    return ProcessTable().Language();
}

const std::wstring& UiText(int slot)
{
    return ProcessTable().Text(slot);
}

}  // namespace norvale
