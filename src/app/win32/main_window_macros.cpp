// The macro manager, run from the Macro Manager header.
#include "app/win32/mouse_configuration_dlg.h"

namespace norvale {

// The macro window lives from its first opening on, so its working images,
// its options and the recorder's memory carry over to the next.
void CMouseConfigurationDlg::RunMacroManager()
{
    if (!macroWindow_) {
        macroWindow_ =
            std::make_unique<CMacroProgramDialog>(settingsFiles_.macroStorePath(), profileFile_, fileSystem_, clock_);
    }
    if (macroWindow_->DoModal(Handle()) == IDOK) TheSettingsRecord().live.macroImages = macroWindow_->WorkingImages();
}

}  // namespace norvale
