#include "app/main_menus.h"

#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr int kExitSlot = 546;

}  // namespace

std::vector<MenuItem> HelpMenuItems()
{
    return {{kWebSiteCommand, UiText(kWebAddressSlot)}, {kVersionItemId, L"Version:1.4"}};
}

std::vector<MenuItem> TrayMenuItems()
{
    return {{kExitCommand, UiText(kExitSlot)}};
}

}  // namespace norvale
