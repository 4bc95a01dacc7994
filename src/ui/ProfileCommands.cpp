#include "ui/ProfileCommands.h"

#include <iterator>

#include "core/FilePath.h"
#include "ports/Win32Constants.h"
#include "resource.h"
#include "settings/InstanceSection.h"
#include "ui/ProfileRequest.h"

namespace {

constexpr wchar_t PROFILE_FILTER_NAME[] = L"Tapwell Profiles";
constexpr wchar_t RUN_GOING_ON[] = L"Tapwell is pressing keys. Stop it before you open a profile.";
constexpr wchar_t RECENT_WHILE_RUNNING[] = L"  (stop pressing keys to switch)";
constexpr std::size_t RECENT_COUNT = std::size(RECENT_PROFILES);

} // namespace

CProfileCommands::CProfileCommands(CWnd& window, IProfileForm& form, const Platform& platform,
                                   CAppSettings& settings, const CPressSession& session, CComboBox& keyList,
                                   CComboBox& modifierList)
    : m_window(window), m_form(form), m_platform(platform), m_settings(settings), m_session(session),
      m_cbKey(keyList), m_cbModifier(modifierList) {}

void CProfileCommands::OnCommand(int id) {
    const auto nId = static_cast<std::uint32_t>(id);
    if (nId == ID_CONTEXT_SAVE_PROFILE) {
        SaveProfile();
    } else if (nId == ID_CONTEXT_OPEN_PROFILE) {
        OpenProfileFromDialog();
    } else if (nId == ID_PROFILE_REFUSED) {
        if (!m_strRefusal.empty()) {
            m_window.MessageBox(m_strRefusal, L"", MB_OK | MB_ICONEXCLAMATION);
            m_strRefusal.clear();
        }
    } else if (nId >= ID_RECENT_PROFILE_FIRST && nId < ID_RECENT_PROFILE_FIRST + RECENT_COUNT) {
        const std::vector<std::wstring> recent = RecentProfiles();
        const std::size_t nIndex = nId - ID_RECENT_PROFILE_FIRST;
        if (nIndex < recent.size()) {
            OpenProfileAndTell(recent[nIndex]);
        }
    }
}

std::vector<std::wstring> CProfileCommands::RecentProfiles() const {
    std::vector<std::wstring> paths;
    for (const StoredText& value : RECENT_PROFILES) {
        std::wstring strPath;
        m_settings.Get(value, strPath);
        if (!strPath.empty()) {
            paths.push_back(strPath);
        }
    }
    return paths;
}

ProfileKeyNames CProfileCommands::KeyNamesOfLists() {
    ProfileKeyNames names;
    for (int i = 0; i < m_cbKey.GetCount(); ++i) {
        names.keys.push_back(m_cbKey.GetLBText(i));
    }
    for (int i = 0; i < m_cbModifier.GetCount(); ++i) {
        names.modifiers.push_back(m_cbModifier.GetLBText(i));
    }
    return names;
}

void CProfileCommands::SaveProfile() {
    const std::vector<std::wstring> recent = RecentProfiles();
    std::wstring strPath = recent.empty() ? L"" : recent.front();
    if (!m_platform.files.GetSaveFileName(m_window.m_hWnd, PROFILE_FILTER_NAME, PROFILE_EXTENSION, strPath)) {
        return;
    }
    std::string bytes;
    std::wstring strError;
    if (!FormatProfile(ReadProfileValues(m_settings), KeyNamesOfLists(), bytes, strError) ||
        !m_platform.files.WriteFile(strPath, bytes, strError)) {
        m_window.MessageBox(L"Tapwell cannot save the profile \"" + strPath + L"\".\n\n" + strError, L"",
                            MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    RememberProfile(strPath);
}

void CProfileCommands::OpenProfileFromDialog() {
    if (m_session.IsRunning()) {
        m_window.MessageBox(RUN_GOING_ON, L"", MB_OK | MB_ICONINFORMATION);
        return;
    }
    std::wstring strPath;
    if (m_platform.files.GetOpenFileName(m_window.m_hWnd, PROFILE_FILTER_NAME, PROFILE_EXTENSION, strPath)) {
        OpenProfileAndTell(strPath);
    }
}

void CProfileCommands::OpenProfileAndTell(const std::wstring& strPath) {
    std::wstring strError;
    if (!OpenProfile(strPath, strError)) {
        m_window.MessageBox(strError, L"", MB_OK | MB_ICONEXCLAMATION);
    }
}

bool CProfileCommands::OpenProfile(const std::wstring& strPath, std::wstring& strError) {
    if (m_session.IsRunning()) {
        strError = RUN_GOING_ON;
        return false;
    }
    std::string bytes;
    std::wstring strReason;
    ProfileParse parse;
    if (m_platform.files.ReadFile(strPath, MAX_PROFILE_BYTES, bytes, strReason)) {
        parse = ParseProfile(bytes, KeyNamesOfLists());
        strReason = parse.strError;
    }
    if (!parse.bOk) {
        strError = L"Tapwell cannot open the profile \"" + strPath + L"\".\n\n" + strReason +
                   L"\n\nNothing was changed.";
        return false;
    }
    ApplyProfileValues(m_settings, parse.values);
    m_form.LoadFormFromSettings();
    RememberProfile(strPath);
    return true;
}

void CProfileCommands::RememberProfile(const std::wstring& strPath) {
    std::vector<std::wstring> recent{strPath};
    for (const std::wstring& strOld : RecentProfiles()) {
        if (!SamePath(strOld, strPath) && recent.size() < RECENT_COUNT) {
            recent.push_back(strOld);
        }
    }
    recent.resize(RECENT_COUNT);
    for (std::size_t i = 0; i < RECENT_COUNT; ++i) {
        m_settings.Set(RECENT_PROFILES[i], recent[i]);
    }
}

void CProfileCommands::ShowRecentProfiles(const CMenu& menu, std::uint32_t before) {
    for (std::uint32_t id = ID_RECENT_PROFILE_FIRST; id <= ID_RECENT_PROFILE_SEPARATOR; ++id) {
        menu.DeleteMenu(id);
    }
    const std::vector<std::wstring> recent = RecentProfiles();
    for (std::size_t i = 0; i < recent.size(); ++i) {
        const std::wstring strText = L"&" + std::to_wstring(i + 1) + L" " + FileNameOf(recent[i]) +
                                     (m_session.IsRunning() ? RECENT_WHILE_RUNNING : L"");
        menu.InsertMenu(before, MF_STRING | (m_session.IsRunning() ? MF_GRAYED : 0),
                        ID_RECENT_PROFILE_FIRST + static_cast<std::uint32_t>(i), strText);
    }
    if (!recent.empty()) {
        menu.InsertMenu(before, MF_SEPARATOR, ID_RECENT_PROFILE_SEPARATOR, L"");
    }
}

bool CProfileCommands::OnCopyData(LParam lParam, LResult* result) {
    const auto* pData = reinterpret_cast<const CopyDataRecord*>(lParam);
    if (pData == nullptr || pData->dwData != PROFILE_REQUEST_DATA || pData->lpData == nullptr ||
        pData->cbData % 2 != 0 || pData->cbData > MAX_PROFILE_REQUEST_BYTES) {
        return false;
    }
    // The sender's UTF-16 units, whatever the width of wchar_t here.
    const auto* pUnits = static_cast<const std::uint8_t*>(pData->lpData);
    std::wstring text;
    for (std::uint32_t i = 0; i < pData->cbData; i += 2) {
        text.push_back(static_cast<wchar_t>(pUnits[i] | pUnits[i + 1] << 8));
    }
    ProfileRequest request;
    *result = PROFILE_NOT_FOR_THIS_INSTANCE;
    if (!DecodeProfileRequest(text, request) ||
        (request.nInstance != EVERY_INSTANCE && request.nInstance != g_nInstanceNumber)) {
        return true;
    }
    if (!OpenProfile(request.strPath, m_strRefusal)) {
        *result = PROFILE_REFUSED;
        // Told once the script has its answer, so that a message box does not hold it.
        m_window.PostMessage(WM_COMMAND, ID_PROFILE_REFUSED, 0);
        return true;
    }
    *result = PROFILE_OPENED;
    if (request.bStart) {
        const RemoteCommandMessage command = EncodeRemoteCommand(RemoteCommand::Start, EVERY_INSTANCE);
        m_window.PostMessage(g_nRemoteCommandMsg, command.wParam, command.lParam);
    }
    return true;
}
