#pragma once
#include <windows.h>

#include "app/profile_window_layout.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "settings/profile_list.h"
#include "settings/profile_list_texts.h"
#include "settings/settings_files.h"
#include "skin/win32/gdi_handles.h"
#include "skin/win32/list_box_ex.h"
#include "skin/win32/page_canvas.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/dialog.h"

namespace norvale {

// The profile list over the main window's left column: the six named
// profiles with New, Delete, Copy, rename in place, and Load and Save of a
// profile file. It tells the main window what to do by WM_PROFILE_ACTION;
// closing it makes the chosen profile current.
class CConfigDialog : public ui::WithMessageMap<CConfigDialog, ui::CDialog> {
public:
    CConfigDialog(SettingsFiles& settingsFiles, FileSystem& files, ProfileFile& profiles);
    ~CConfigDialog() override;

    static const ui::MessageMap<CConfigDialog>& Map();
    bool PreTranslateMessage(MSG& message) override;

    int SelectedProfile() const { return list_.selectedProfile; }

protected:
    bool OnInitDialog() override;
    // The window lives until the main window closes it.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void ShowList();
    void Tell(const ProfileAction& action) const;
    void AddProfile();
    void DeleteProfile();
    void ChooseSelected();
    void OpenContextMenu();

    std::intptr_t OnPaint();
    std::intptr_t OnEraseBackground() { return TRUE; }
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);
    void OnList(const ui::CommandArgs& command);
    void OnMenuCommand(const ui::CommandArgs& command);
    std::intptr_t OnStaticColour(const ui::Message& message);
    std::intptr_t OnListColour(const ui::Message& message);

    SettingsFiles& settingsFiles_;
    FileSystem& files_;
    ProfileFile& profiles_;
    ProfileListTexts texts_;
    ProfileList list_;
    PageCanvas canvas_;
    GdiObject<HFONT> font_;
    GdiObject<HBRUSH> listBrush_;
    CListBoxEx listBox_;
};

}  // namespace norvale
