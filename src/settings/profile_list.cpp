#include "settings/profile_list.h"

#include <algorithm>
#include <cwctype>

#include "settings/decimal_text.h"
#include "settings/settings_paths.h"

namespace norvale {
namespace {

constexpr std::wstring_view kProfileSection = L"Profile";
constexpr std::wstring_view kCurrentNameKey = L"CurProfileName";
constexpr std::wstring_view kCountKey = L"ItemCount";
constexpr std::size_t kMostProfiles = kProfileCount;

std::wstring ItemKey(std::size_t position)
{
    return L"Item" + std::to_wstring(position);
}

// The list box's own search: the name begins with the text, ignoring case.
bool BeginsWithIgnoringCase(std::wstring_view name, std::wstring_view text)
{
    return name.size() >= text.size() &&
           std::equal(text.begin(), text.end(), name.begin(), [](wchar_t a, wchar_t b) {
               return std::towlower(static_cast<std::wint_t>(a)) == std::towlower(static_cast<std::wint_t>(b));
           });
}

}  // namespace

std::optional<int> ProfileList::Fill(FileSystem& files, ProfileFile& profiles, const std::wstring& listPath)
{
    if (!files.Exists(listPath)) return std::nullopt;
    const int count = DecimalValue(profiles.ReadString(listPath, kProfileSection, kCountKey, L""));
    if (count >= 1 && count <= kProfileCount) {
        for (int position = 0; position < count; ++position) {
            names_.push_back(profiles.ReadString(listPath, kProfileSection, ItemKey(position), L""));
        }
    }
    const std::wstring current = profiles.ReadString(listPath, kProfileSection, kCurrentNameKey, L"");
    const auto found = std::find_if(names_.begin(), names_.end(), [&](const std::wstring& name) {
        return BeginsWithIgnoringCase(name, current);
    });
    if (found == names_.end()) return std::nullopt;
    selection_ = static_cast<int>(found - names_.begin());
    selectedProfile = selection_;
    return selection_;
}

ProfileList::NewOutcome ProfileList::AddNew(std::wstring_view profileWord)
{
    const std::size_t count = names_.size();
    if (count >= kMostProfiles) return NewOutcome::LimitReached;
    std::wstring name;
    if (count == 0) {
        name = std::wstring(profileWord) + L" 1";
    } else {
        // "Profile 2" is followed by "Profile 3"; a name without a number
        // gets the count, so "Game" is followed by "Game 1".
        const std::wstring& last = names_.back();
        const std::size_t blank = last.find(L' ');
        name = blank == std::wstring::npos
                   ? last + L" " + std::to_wstring(count)
                   : std::wstring(profileWord) + L" " +
                         std::to_wstring(DecimalValue(std::wstring_view(last).substr(blank + 1)) + 1);
    }
    names_.push_back(std::move(name));
    selection_ = static_cast<int>(names_.size()) - 1;
    return NewOutcome::Added;
}

std::optional<int> ProfileList::DeleteSelected()
{
    if (names_.size() < 2 || !HasSelection()) return std::nullopt;
    const int removed = selection_;
    names_.erase(names_.begin() + removed);
    selection_ = std::min(removed, static_cast<int>(names_.size()) - 1);
    if (selectedProfile == removed) {
        selectedProfile = selection_;
    } else if (selectedProfile > removed) {
        --selectedProfile;
    }
    return removed;
}

bool ProfileList::CopySelected(std::wstring_view copyWord)
{
    if (names_.empty() || names_.size() >= kMostProfiles || !HasSelection()) return false;
    names_.push_back(std::wstring(copyWord) + L" " + names_[static_cast<std::size_t>(selection_)]);
    return true;
}

bool ProfileList::Choose(int position)
{
    selection_ = position;
    if (position == selectedProfile) return true;
    selectedProfile = position;
    return false;
}

void ProfileList::Rename(int position, std::wstring name)
{
    if (position >= 0 && static_cast<std::size_t>(position) < names_.size()) {
        names_[static_cast<std::size_t>(position)] = std::move(name);
    }
}

std::optional<ProfileAction> ProfileList::ImportSelected() const
{
    if (!HasSelection()) return std::nullopt;
    return ProfileAction{ProfileActionKind::Import, selection_};
}

std::optional<ProfileAction> ProfileList::ExportSelected() const
{
    if (!HasSelection()) return std::nullopt;
    return ProfileAction{ProfileActionKind::Export, selection_};
}

std::optional<int> ProfileList::Save(FileSystem& files, ProfileFile& profiles,
                                     const std::wstring& listPath) const
{
    if (!files.Exists(listPath)) return std::nullopt;
    const int current = HasSelection() ? selection_ : 0;
    profiles.DeleteSection(listPath, kProfileSection);
    profiles.WriteString(listPath, kProfileSection, kCurrentNameKey,
                         names_.empty() ? std::wstring() : names_[static_cast<std::size_t>(current)]);
    if (!names_.empty()) {
        profiles.WriteString(listPath, kProfileSection, kCountKey, std::to_wstring(names_.size()));
        for (std::size_t position = 0; position < names_.size(); ++position) {
            profiles.WriteString(listPath, kProfileSection, ItemKey(position), names_[position]);
        }
    }
    return current;
}

bool ProfileList::HasSelection() const
{
    return selection_ >= 0 && static_cast<std::size_t>(selection_) < names_.size();
}

}  // namespace norvale
