#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/geometry.h"

namespace norvale {

// The id an owner appends a separator under.
inline constexpr unsigned kMenuSeparatorId = 2048;

// Menu colours (0x00BBGGRR): dark red items, a lighter red for the selection.
inline constexpr std::uint32_t kMenuItemBackground = 0x29296F;
inline constexpr std::uint32_t kMenuSelectedBackground = 0x20208F;
inline constexpr std::uint32_t kMenuSeparatorLine = 0x29296F;
inline constexpr std::uint32_t kMenuFrameOuter = 0x20208F;
inline constexpr std::uint32_t kMenuItemText = 0xFFFFFF;
inline constexpr std::uint32_t kMenuSelectedText = 0xFFFFFF;

enum class MenuItemKind { Command, Popup, Separator };
MenuItemKind KindOfAppendedItem(unsigned id, bool hasSubmenu);

// One appended item. The sequence number travels with the item as its
// owner-draw data, so an item is found even where the system reports no
// usable id for it (popup items).
struct MenuItemRecord {
    std::wstring text;
    std::uintptr_t sequence = 0;
    unsigned id = 0;
    int kind = -1;
    int flag = 0;
};

// The texts of a menu's items, in append order.
class CMenuItemList {
public:
    void Append(MenuItemRecord record) { records_.push_back(std::move(record)); }
    std::size_t Size() const { return records_.size(); }
    bool Holds(std::uintptr_t sequence) const;
    // By owner-draw data first, then by item id; null when neither is known.
    const MenuItemRecord* Find(unsigned id, std::uintptr_t sequence) const;

private:
    std::vector<MenuItemRecord> records_;
};

struct MenuItemSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const MenuItemSize&, const MenuItemSize&) = default;
};

// How one item looks: its background, then either the separator line across
// the middle or the text.
struct MenuItemPaint {
    std::uint32_t background = kMenuItemBackground;
    bool separator = false;
    int lineY = 0;
    std::wstring text;
    ui::Point textOrigin;
    std::uint32_t textColour = kMenuItemText;
};

// The popup menu's own measuring and drawing rules: 20-pixel rows of one
// width, wide enough for 8 pixels per character of the longest text unless
// the owner sets the width.
class ExMenuModel {
public:
    void Append(unsigned id, std::wstring_view text, std::uintptr_t sequence, int kind = -1, int flag = 0);
    int ItemWidth() const { return itemWidth_; }
    void SetItemWidth(int width) { itemWidth_ = width; }
    int ItemCount() const { return itemCount_; }
    const CMenuItemList& Items() const { return items_; }

    // Empty for an item the list does not know.
    std::wstring_view ItemText(unsigned id, std::uintptr_t sequence) const;
    MenuItemSize Measure(unsigned id, std::uintptr_t sequence) const;
    MenuItemPaint Paint(unsigned id, std::uintptr_t sequence, const ui::Rect& item, bool selected,
                        int textHeight) const;

private:
    bool IsSeparator(unsigned id, std::uintptr_t sequence) const;

    static constexpr int kItemHeightBase = 18;
    int itemWidth_ = 0;
    int itemCount_ = 0;
    CMenuItemList items_;
};

// The 3-pixel frame of a menu window: an outer red line and two dark red
// lines inside it, as outlines of the window rectangle moved to (0, 0).
struct MenuFrameLine {
    ui::Rect rect;
    std::uint32_t colour = 0;
    friend bool operator==(const MenuFrameLine&, const MenuFrameLine&) = default;
};
std::vector<MenuFrameLine> MenuFrame(ui::Size window);

}  // namespace norvale
