#pragma once
// Profiles: "Save Profile..." and "Open Profile..." of the Menu, the recent profiles in the Menu and
// the tray menu, and a profile a script hands over through WM_COPYDATA.
#include <string>
#include <vector>

#include "core/PressSession.h"
#include "fw/ComboBox.h"
#include "fw/Menu.h"
#include "fw/Wnd.h"
#include "ports/Platform.h"
#include "settings/AppSettings.h"
#include "settings/ProfileFile.h"

// The form an opened profile is shown in.
class IProfileForm {
public:
    // Shows the stored run in the form, as the dialog's start does.
    virtual void LoadFormFromSettings() = 0;

protected:
    ~IProfileForm() = default;
};

class CProfileCommands {
public:
    CProfileCommands(CWnd& window, IProfileForm& form, const Platform& platform, CAppSettings& settings,
                     const CPressSession& session, CComboBox& keyList, CComboBox& modifierList);

    // The Menu's save and open, a recent profile's item, and the refusal of a script's profile.
    void OnCommand(int id);
    // Opens the file into the form and the stored values, as if the user had typed them; false, with
    // the message for the user in strError, when the file is refused (nothing is changed then) or a
    // run is going on.
    bool OpenProfile(const std::wstring& strPath, std::wstring& strError);
    // A file name from a script: opens the profile, and starts it when asked. False when the data
    // is not such a request.
    bool OnCopyData(LParam lParam, LResult* result);
    // Puts the recent profiles into menu before the item before; greyed while a run goes on.
    void ShowRecentProfiles(const CMenu& menu, std::uint32_t before);

private:
    void SaveProfile();
    void OpenProfileFromDialog();
    // Opens the file, telling the user when it is refused.
    void OpenProfileAndTell(const std::wstring& strPath);
    std::vector<std::wstring> RecentProfiles() const;
    void RememberProfile(const std::wstring& strPath);
    ProfileKeyNames KeyNamesOfLists();

    CWnd& m_window;
    IProfileForm& m_form;
    const Platform& m_platform;
    CAppSettings& m_settings;
    const CPressSession& m_session;
    CComboBox& m_cbKey;
    CComboBox& m_cbModifier;
    // Why the profile a script sent was refused, shown once its sender has the answer.
    std::wstring m_strRefusal;
};
