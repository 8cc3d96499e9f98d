#pragma once
#include <string_view>

#include "pages/win32/skinned_page.h"

namespace norvale {

// A page that shows only its background picture: the place of a page whose
// controls come later, already of its real size under its header.
class CBlankPage : public CSkinnedPage {
public:
    CBlankPage(UINT templateId, std::wstring_view background) : CSkinnedPage(templateId, background) {}

private:
    PaintList Paint() override { return {std::wstring(Background()), {}}; }
};

}  // namespace norvale
