#pragma once
// The application object on a fake system: every port faked, the main dialog's template as data,
// the settings over an in-memory registry, and the process-wide instance number and section saved
// and restored around each test.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/LimitSingleInstance.h"
#include "app/PellorApp.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeHotKeys.h"
#include "fakes/FakeKeyboardInput.h"
#include "fakes/FakeKeyboardLayout.h"
#include "fakes/FakeMenus.h"
#include "fakes/FakeNotificationArea.h"
#include "fakes/FakePainting.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeRandomSource.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeTimers.h"
#include "fakes/FakeWindows.h"
#include "fakes/ResourceDialogTemplates.h"
#include "ports/Platform.h"
#include "resource.h"
#include "settings/AppSettings.h"
#include "settings/InstanceSection.h"
#include "settings/Profile.h"
#include "unit/UnusedPorts.h"

namespace app_test {

inline const std::wstring TITLE = L"" TAPWELL_APP_TITLE;
inline const std::wstring SHARED_SECTION_PATH = L"software\\Tov rin\\Tapwell by Tovrin\\Settings";
inline const std::wstring LAUNCH_FROM_TRAY_TEXT =
    L"Please Launch the Application from System Tray Icon.\n\n"
    L"System Tray Icon is located at at bottom right corner of the screen.\n\n"
    L"Please write to help@tapwell.example in case you face any issues related to this popup.";

class AppFixture : public ::testing::Test {
protected:
    AppFixture() : m_strSavedSection(g_strInstanceSection), m_nSavedNumber(g_nInstanceNumber) {
        g_strInstanceSection.clear();
        g_nInstanceNumber = -1;
    }

    ~AppFixture() override {
        // The application (and the main dialog it may still own) goes before the guard and the fakes.
        m_pApp.reset();
        m_pGuard.reset();
        g_strInstanceSection = m_strSavedSection;
        g_nInstanceNumber = m_nSavedNumber;
    }

    // --- The scene ---
    void StoreUseSingleInstance(std::uint32_t value) {
        m_registry.PutDword(SHARED_SECTION_PATH, L"UseSingleInstance", value);
    }
    // The main window of an instance that already runs: a top-level dialog titled like ours.
    WindowHandle AddRunningInstance(bool visible = true) { return AddOtherWindow(TITLE, L"#32770", visible); }
    WindowHandle AddOtherWindow(const std::wstring& title, const std::wstring& className,
                                bool visible = true) {
        const WindowHandle window = m_windows.AddTopLevelWindow(title, className);
        m_windows.MutableWindow(window).visible = visible;
        m_topLevelWindows.push_back(window);
        m_process.SetTopLevelWindows(m_topLevelWindows);
        return window;
    }

    // --- Running the application ---
    // The process-wide objects in their order: the guard (which takes the mutex as scripted), then
    // the application object.
    CPellorApp& App() {
        if (!m_pApp) {
            if (m_bMainDialogTemplate) {
                m_windows.AddDialogTemplate(IDD_MAIN_DIALOG, ResourceDialogTemplate(IDD_MAIN_DIALOG));
            }
            m_pGuard = std::make_unique<CLimitSingleInstance>(m_process, SINGLE_INSTANCE_MUTEX_NAME);
            m_pApp = std::make_unique<CPellorApp>(m_platform, m_settings, *m_pGuard);
        }
        return *m_pApp;
    }
    // What the framework does before the message loop: the arguments and the title, then InitInstance.
    bool Start(const std::wstring& strArguments = L"") {
        CPellorApp& app = App();
        app.m_strCmdLine = strArguments;
        app.m_strAppName = m_windows.LoadString(IDS_APP_TITLE);
        return app.InitInstance();
    }
    WindowHandle MainDialog() const { return m_windows.LastDialog(IDD_MAIN_DIALOG); }
    // The log lines of the calls made on one window, in order.
    std::vector<std::string> CallsOn(WindowHandle window, std::initializer_list<std::string> names) {
        std::vector<std::string> calls;
        for (const std::string& entry : m_windows.Log().Entries()) {
            for (const std::string& name : names) {
                if (entry.rfind(name + "(" + Hex(window) + ")", 0) == 0 ||
                    entry.rfind(name + "(" + Hex(window) + ",", 0) == 0) {
                    calls.push_back(entry);
                    break;
                }
            }
        }
        return calls;
    }

    FakeWindows m_windows;
    FakeProcess m_process{&m_windows.Log()};
    FakeRegistry m_registry;
    CFakeKeyboardInput m_input;
    CFakeKeyboardLayout m_layout;
    FakeMenus m_menus{m_windows};
    FakePainting m_painting;
    FakeTimers m_timers{m_windows};
    FakeHotKeys m_hotKeys;
    FakeNotificationArea m_tray;
    UnusedShell m_shell{"start-up"}; // start-up never opens anything through the shell
    FakeRandomSource m_random;
    FakeClipboard m_clipboard;
    FakeFiles m_files;
    const Platform m_platform{m_registry, m_input,    m_layout, m_windows,   m_windows,
                              m_menus,    m_painting, m_timers, m_hotKeys,   m_tray,
                              m_shell,    m_process,  m_random, m_clipboard, m_files};
    CProfile m_profile{m_registry};
    CAppSettings m_settings{m_profile};
    std::vector<WindowHandle> m_topLevelWindows;
    // False: the main dialog's template is missing, so the dialog cannot be created.
    bool m_bMainDialogTemplate = true;

private:
    std::wstring m_strSavedSection;
    int m_nSavedNumber;
    std::unique_ptr<CLimitSingleInstance> m_pGuard;
    std::unique_ptr<CPellorApp> m_pApp;
};

} // namespace app_test
