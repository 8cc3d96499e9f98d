#include "assign/ex_menu_model.h"

#include <algorithm>

namespace norvale {

MenuItemKind KindOfAppendedItem(unsigned id, bool hasSubmenu)
{
    if (hasSubmenu) return MenuItemKind::Popup;
    return id == kMenuSeparatorId ? MenuItemKind::Separator : MenuItemKind::Command;
}

bool CMenuItemList::Holds(std::uintptr_t sequence) const
{
    return std::ranges::any_of(records_, [sequence](const MenuItemRecord& r) { return r.sequence == sequence; });
}

const MenuItemRecord* CMenuItemList::Find(unsigned id, std::uintptr_t sequence) const
{
    const auto bySequence = std::ranges::find(records_, sequence, &MenuItemRecord::sequence);
    if (sequence != 0 && bySequence != records_.end()) return &*bySequence;
    const auto byId = std::ranges::find(records_, id, &MenuItemRecord::id);
    return byId != records_.end() ? &*byId : nullptr;
}

void ExMenuModel::Append(unsigned id, std::wstring_view text, std::uintptr_t sequence, int kind, int flag)
{
    items_.Append({std::wstring(text), sequence, id, kind, flag});
    ++itemCount_;
    itemWidth_ = std::max(itemWidth_, 8 * static_cast<int>(text.size()));
}

bool ExMenuModel::IsSeparator(unsigned id, std::uintptr_t sequence) const
{
    if (id == 0) return true;
    const MenuItemRecord* record = items_.Find(id, sequence);
    return record && record->id == kMenuSeparatorId;
}

std::wstring_view ExMenuModel::ItemText(unsigned id, std::uintptr_t sequence) const
{
    const MenuItemRecord* record = items_.Find(id, sequence);
    return record ? std::wstring_view(record->text) : std::wstring_view();
}

MenuItemSize ExMenuModel::Measure(unsigned id, std::uintptr_t sequence) const
{
    if (IsSeparator(id, sequence)) return {itemWidth_, 5};
    if (id == 1) return {itemWidth_, 0};
    return {itemWidth_, kItemHeightBase + 2};
}

MenuItemPaint ExMenuModel::Paint(unsigned id, std::uintptr_t sequence, const ui::Rect& item, bool selected,
                                 int textHeight) const
{
    MenuItemPaint paint;
    if (IsSeparator(id, sequence)) {
        paint.separator = true;
        paint.lineY = item.top + item.Height() / 2;
        return paint;
    }
    if (selected) {
        paint.background = kMenuSelectedBackground;
        paint.textColour = kMenuSelectedText;
    }
    paint.text = ItemText(id, sequence);
    paint.textOrigin = {item.left + 2, item.top + (item.Height() - textHeight) / 2};
    return paint;
}

std::vector<MenuFrameLine> MenuFrame(ui::Size window)
{
    const ui::Rect outer{0, 0, window.width, window.height};
    const ui::Rect middle{1, 1, window.width - 1, window.height - 1};
    const ui::Rect inner{2, 2, window.width - 2, window.height - 2};
    return {{outer, kMenuFrameOuter}, {middle, kMenuItemBackground}, {inner, kMenuItemBackground}};
}

}  // namespace norvale
