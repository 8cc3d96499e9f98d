#include "macro/macro_image.h"

#include <algorithm>

#include "assign/key_names.h"
#include "macro/macro_line.h"

namespace norvale {
namespace {

constexpr std::uint8_t kReleaseFlag = 0x80;
constexpr int kLongestShortDelayMs = 1270;

// Appends event pairs after the loop count, never past the end of the image.
class PairWriter {
public:
    explicit PairWriter(MacroImage& image) : image_(image) {}

    bool Fits(std::size_t pairs) const { return next_ + 2 * pairs <= image_.size(); }
    void Put(std::uint8_t first, std::uint8_t second)
    {
        image_[next_++] = first;
        image_[next_++] = second;
    }

private:
    MacroImage& image_;
    std::size_t next_ = 2;
};

int DelayAfter(std::wstring_view nextLine, MacroDelayRule rule)
{
    const int delay = CountsAsDelay(nextLine) ? MacroLineDelay(nextLine) : rule.defaultMs;
    return std::max(delay, rule.minimumMs);
}

// False when the event does not fit any more.
bool PutEvent(PairWriter& pairs, std::uint8_t flag, std::uint8_t code, int delayMs)
{
    if (delayMs <= kLongestShortDelayMs) {
        if (!pairs.Fits(1)) return false;
        pairs.Put(static_cast<std::uint8_t>(flag | delayMs / 10), code);
        return true;
    }
    if (!pairs.Fits(3)) return false;
    const auto hundreds = static_cast<std::uint16_t>(delayMs / 100);
    pairs.Put(static_cast<std::uint8_t>(flag | delayMs % 100), code);
    pairs.Put(0x00, 0x03);
    pairs.Put(static_cast<std::uint8_t>(hundreds >> 8), static_cast<std::uint8_t>(hundreds));
    return true;
}

}  // namespace

int PlayableLoopCount(int loops)
{
    return loops < 1 || loops > 65535 ? 1 : loops;
}

MacroImage EncodeMacroImage(const MacroStoreFile& store, std::wstring_view name, MacroDelayRule rule)
{
    MacroImage image{};
    const int lineCount = std::min(store.ReadNumber(name, kItemCountKey), kMacroStoreCountLimit);
    if (lineCount <= 0) return image;

    const int loops = PlayableLoopCount(store.ReadNumber(name, kLoopTimesKey));
    image[0] = static_cast<std::uint8_t>(loops >> 8);
    image[1] = static_cast<std::uint8_t>(loops);

    PairWriter pairs(image);
    for (int position = 0; position < lineCount; ++position) {
        const std::wstring line = store.Read(name, MacroItemKey(position));
        const MacroLineKind kind = ClassifyMacroLine(line);
        if (kind != MacroLineKind::Press && kind != MacroLineKind::Release) continue;

        const std::uint8_t flag = kind == MacroLineKind::Release ? kReleaseFlag : 0;
        const std::uint8_t code = KeyNameToUsage(MacroLineKeyName(line));
        // The line after an event is the wait that follows it (the key after
        // the last line is read too, and is empty in a store we wrote).
        const int delay = DelayAfter(store.Read(name, MacroItemKey(position + 1)), rule);
        if (!PutEvent(pairs, flag, code, delay)) break;
    }
    return image;
}

void EncodeStoreMacros(const MacroStoreFile& store, MacroDelayRule rule,
                       std::span<StoredMacroImage, kMacroCount> images)
{
    const std::vector<std::wstring> names = store.ReadMacroNames();
    const std::size_t encoded = std::min(names.size(), images.size());
    for (std::size_t position = 0; position < encoded; ++position) {
        const MacroImage image = EncodeMacroImage(store, names[position], rule);
        std::copy(image.begin(), image.end(), images[position].begin());
    }
}

}  // namespace norvale
