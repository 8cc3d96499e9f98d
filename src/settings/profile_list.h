#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/profile_file.h"

namespace norvale {

inline constexpr int kNoProfileSelected = -1;

// What the profile list window posts to the main window as
// WM_PROFILE_ACTION's wParam.
// Deleted tells the main window which position left the list, as its
// files' contents moved down with the names behind it.
enum class ProfileActionKind { Import = 0, Export = 1, Close = 2, Deleted = 3 };

struct ProfileAction {
    ProfileActionKind kind;
    int position;  // lParam
    friend bool operator==(const ProfileAction&, const ProfileAction&) = default;
};

// The names of the profile list window, in list order (position n owns the
// files of profile n), with the list box's selection and the position last
// chosen by a click. The window mirrors them in its list box.
class ProfileList {
public:
    ProfileList() = default;
    explicit ProfileList(std::vector<std::wstring> names) : names_(std::move(names)) {}

    // From section "Profile" of the profile list file, if that file exists;
    // selects the first name that begins with "CurProfileName" (ignoring
    // case) and returns its position, the profile that is current.
    std::optional<int> Fill(FileSystem& files, ProfileFile& profiles, const std::wstring& listPath);

    enum class NewOutcome { Added, LimitReached };
    // Adds a name after the last one and selects it; at six names nothing
    // is added and the window shows the limit message.
    NewOutcome AddNew(std::wstring_view profileWord);

    // Removes the selected name and selects the one now at its position (the
    // last when it was last); selectedProfile follows its name, or the new
    // selection when its name was removed. Returns the removed position;
    // nothing happens with fewer than two names or none selected.
    std::optional<int> DeleteSelected();

    // Adds copyWord + " " + the selected name at the end; nothing with no
    // names, six names or none selected. The selection stays.
    bool CopySelected(std::wstring_view copyWord);

    // A click (or Edit) on a position: the first one chooses it as
    // selectedProfile, one on the already chosen position asks for the
    // in-place editor. Returns true when the editor should open.
    bool Choose(int position);

    void Rename(int position, std::wstring name);

    // Load and Save of the context menu: the action to post for the selected
    // position, which becomes the current profile; nothing with none selected.
    std::optional<ProfileAction> ImportSelected() const;
    std::optional<ProfileAction> ExportSelected() const;

    // Writes the list back as section "Profile", if the file exists, with
    // the selected name (the first one when none is selected) as the current
    // one. Returns the position that is the current profile from now on.
    std::optional<int> Save(FileSystem& files, ProfileFile& profiles, const std::wstring& listPath) const;

    // The close button: the list is saved, then the window posts this.
    ProfileAction Closing() const { return {ProfileActionKind::Close, selectedProfile}; }

    const std::vector<std::wstring>& names() const { return names_; }
    int selection() const { return selection_; }
    void Select(int position) { selection_ = position; }

    int selectedProfile = 0;

private:
    bool HasSelection() const;

    std::vector<std::wstring> names_;
    int selection_ = kNoProfileSelected;
};

}  // namespace norvale
