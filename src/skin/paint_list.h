#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "ui/geometry.h"

namespace norvale {

// How a text sits in its rectangle; the values are those of DrawTextW.
namespace text_format {
inline constexpr unsigned kLeft = 0x0000;
inline constexpr unsigned kCenter = 0x0001;
inline constexpr unsigned kRight = 0x0002;
inline constexpr unsigned kVerticalCenter = 0x0004;  // with kWordBreak: the wrapped lines as a block
inline constexpr unsigned kWordBreak = 0x0010;
inline constexpr unsigned kSingleLine = 0x0020;
inline constexpr unsigned kNoClip = 0x0100;
inline constexpr unsigned kNoPrefix = 0x0800;
inline constexpr unsigned kEndEllipsis = 0x8000;
}  // namespace text_format

// Colours as 0x00BBGGRR.
inline constexpr std::uint32_t kSkinTextColour = 0xFFFFFF;

// A skin image drawn at its natural size with its top-left corner at (x, y).
// The name is relative to the module directory, spelt as the window spells it.
struct ImageOp {
    std::wstring skinName;
    int x = 0;
    int y = 0;
    friend bool operator==(const ImageOp&, const ImageOp&) = default;
};

// A text in the window's font on a transparent background.
struct TextOp {
    std::wstring text;
    ui::Rect rect;
    unsigned format = text_format::kLeft;
    std::uint32_t colour = kSkinTextColour;
    friend bool operator==(const TextOp&, const TextOp&) = default;
};

using PaintOp = std::variant<ImageOp, TextOp>;

// What one paint of a skinned window shows: its background, redrawn first on
// every paint, then the operations in stacking order.
struct PaintList {
    std::wstring background;
    std::vector<PaintOp> ops;

    void Image(std::wstring skinName, int x, int y) { ops.emplace_back(ImageOp{std::move(skinName), x, y}); }
    void Text(std::wstring text, ui::Rect rect, unsigned format, std::uint32_t colour = kSkinTextColour)
    {
        ops.emplace_back(TextOp{std::move(text), rect, format, colour});
    }
    // A text written from its top-left corner, as TextOutW writes it.
    void TextAt(std::wstring text, ui::Point origin, std::uint32_t colour = kSkinTextColour)
    {
        Text(std::move(text), {origin.x, origin.y, origin.x, origin.y},
             text_format::kLeft | text_format::kSingleLine | text_format::kNoClip | text_format::kNoPrefix, colour);
    }
};

}  // namespace norvale
