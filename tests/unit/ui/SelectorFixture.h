#pragma once
// The target selector on a fake desktop: its template from the resource script, settings over an
// in-memory registry that also records the order of writes, and a user who presses, moves and
// releases the mouse while the dialog's own modal loop runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fakes/FakeClipboard.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeHotKeys.h"
#include "fakes/FakeKeyboardInput.h"
#include "fakes/FakeKeyboardLayout.h"
#include "fakes/FakeMenus.h"
#include "fakes/FakeNotificationArea.h"
#include "fakes/FakePainting.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeTimers.h"
#include "fakes/FakeUser.h"
#include "fakes/FakeWindows.h"
#include "fakes/ResourceDialogTemplates.h"
#include "ports/Platform.h"
#include "resource.h"
#include "settings/AppSettings.h"
#include "settings/InstanceSection.h"
#include "settings/Profile.h"
#include "ui/DlgWindowSelector.h"
#include "unit/UnusedPorts.h"

namespace selector_test {

inline const std::wstring SECTION_PATH = L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0";
inline const std::wstring SEEKED_PATH = L"Software\\Tovrin\\Tapwell\\SeekedWindows";
inline const std::wstring PROMPT = L"Drag Circle to Desired Window / Control to Select Target Window.";

// The dialog's screen position and the sight's place in its client area.
constexpr Rect DIALOG_RECT{20, 20, 550, 340};
constexpr Rect SIGHT_RECT{159, 62, 191, 94};
constexpr Point ON_SIGHT{170, 75}; // client coordinates
constexpr WParam DRAG_BUTTON = MK_LBUTTON;

} // namespace selector_test

// The in-memory registry with its writes logged in order: "write Settings 0/HoldKey = 1", the key
// named by the last part of its path and a value other than a DWORD by its type ("= type 1").
class WriteLoggingRegistry : public FakeRegistry {
public:
    long CreateKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                   RegKeyHandle* result) override {
        const long status = FakeRegistry::CreateKey(parent, subKey, access, result);
        if (status == 0) {
            m_keyNames[*result] = Narrow(subKey.substr(subKey.rfind(L'\\') + 1));
        }
        return status;
    }
    long SetValue(RegKeyHandle key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override {
        std::string value = "type " + std::to_string(type);
        if (type == REG_DWORD && size == 4) {
            value = std::to_string(static_cast<std::int32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                                             static_cast<std::uint32_t>(data[3]) << 24));
        }
        m_writes.push_back("write " + m_keyNames[key] + "/" + Narrow(name) + " = " + value);
        return FakeRegistry::SetValue(key, name, type, data, size);
    }

    std::vector<std::string> m_writes;

private:
    std::map<RegKeyHandle, std::string> m_keyNames;
};

namespace selector_test {

// What a user sees in the dialog at one moment.
struct SelectorView {
    std::wstring caption;
    std::wstring description;
    int activeWindow = -1;   // check state of 1044
    int selectedWindow = -1; // check state of 1045
    int firstEdit = -1;
    bool firstEditEnabled = false;
    int sendChars = -1;
    int sendKeyUp = -1;
    bool sendKeyUpEnabled = false;
    IconHandle sightIcon = 0;
    IconHandle bigIcon = 0;
    IconHandle smallIcon = 0;
};

inline LParam MakeLParam(int x, int y) {
    return static_cast<LParam>(static_cast<std::int32_t>((static_cast<std::uint32_t>(y) << 16) |
                                                         (static_cast<std::uint32_t>(x) & 0xFFFF)));
}

// The dialog as the resource script lays it out, at the pixel places the tests press: the script
// gives dialog units, which the fakes do not convert.
inline FakeDialogTemplate SelectorTemplate() {
    FakeDialogTemplate dialogTemplate = ResourceDialogTemplate(IDD_WINDOW_SELECTOR);
    dialogTemplate.rect = DIALOG_RECT;
    for (FakeControl& control : dialogTemplate.controls) {
        if (control.id == IDC_SIGHT) {
            control.rect = SIGHT_RECT;
        }
    }
    return dialogTemplate;
}

class SelectorFixture : public ::testing::Test {
protected:
    using Step = std::function<void()>;

    SelectorFixture() : m_savedSection(g_strInstanceSection), m_nSavedNumber(g_nInstanceNumber) {
        m_profile.SetApplicationName(L"Tapwell by Tovrin");
        m_profile.SetRegistryKey(L"Tov rin");
        g_nInstanceNumber = 0;
        m_settings.FormatInstanceSection();
        m_windows.AddDialogTemplate(IDD_WINDOW_SELECTOR, SelectorTemplate());
    }

    ~SelectorFixture() override {
        g_strInstanceSection = m_savedSection;
        g_nInstanceNumber = m_nSavedNumber;
    }

    void TearDown() override {
        EXPECT_EQ(m_store.OpenKeyCount(), 0u) << "a registry key was left open";
        EXPECT_EQ(m_painting.OpenDCCount(), 0u) << "a device context was not released";
        EXPECT_EQ(m_painting.InvalidDCUses(), 0) << "a device context was misused";
    }

    // --- The scene ---
    void StoreTarget(int activeWindow, WindowHandle seeked, int firstEdit = 0, int sendChars = 0,
                     int sendKeyUps = 0) {
        m_store.PutDword(SECTION_PATH, L"SendKeysToActiveWindow", static_cast<std::uint32_t>(activeWindow));
        m_store.PutDword(SEEKED_PATH, L"Settings 0", seeked);
        m_store.PutDword(SECTION_PATH, L"SendKeysToFirstEditOfSelectedWindow",
                         static_cast<std::uint32_t>(firstEdit));
        m_store.PutDword(SECTION_PATH, L"SendChars", static_cast<std::uint32_t>(sendChars));
        m_store.PutDword(SECTION_PATH, L"SendKeyUps", static_cast<std::uint32_t>(sendKeyUps));
    }
    // Another program's editor: a frame with an edit control filling most of it.
    WindowHandle AddEditor(Rect rect = {600, 100, 1000, 500}) {
        const WindowHandle editor = m_windows.AddTopLevelWindow(L"Untitled - Notepad", L"Notepad", rect);
        m_windows.AddChildWindow(editor, L"Edit", 15,
                                 {8, 50, rect.right - rect.left - 8, rect.bottom - rect.top - 8});
        return editor;
    }

    // --- The stored settings ---
    // The stored value, or -1 when there is none.
    long long Stored(const std::wstring& name) const {
        const FakeRegistry::StoredValue* value = m_store.FindValue(SECTION_PATH, name);
        return value != nullptr ? DwordOf(*value) : -1;
    }
    long long StoredSeeked() const {
        const FakeRegistry::StoredValue* value = m_store.FindValue(SEEKED_PATH, L"Settings 0");
        return value != nullptr ? DwordOf(*value) : -1;
    }

    // --- The user, while the dialog runs ---
    Step PressAt(Point client) {
        return [this, client] { Post(WM_LBUTTONDOWN, DRAG_BUTTON, MakeLParam(client.x, client.y)); };
    }
    Step PressOnSight() { return PressAt(ON_SIGHT); }
    // Moves are reported in the dialog's client coordinates, since the dialog holds the capture.
    Step MoveTo(Point screen) {
        return [this, screen] {
            Post(WM_MOUSEMOVE, DRAG_BUTTON,
                 MakeLParam(screen.x - DIALOG_RECT.left, screen.y - DIALOG_RECT.top));
        };
    }
    Step Release() {
        return [this] { Post(WM_LBUTTONUP, 0, MakeLParam(ON_SIGHT.x, ON_SIGHT.y)); };
    }
    Step Click(int id) {
        return [this, id] { EXPECT_TRUE(m_user.Click(id, Dialog())) << "could not click " << id; };
    }
    Step Look(SelectorView* view) {
        return [this, view] { *view = View(); };
    }
    Step Check(const std::function<void()>& check) { return check; }

    // Runs the dialog through the steps; returns DoModal's result.
    LResult Run(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            m_windows.QueueUserAction(step);
        }
        CDlgWindowSelector dialog(nullptr, m_platform, m_settings);
        return dialog.DoModal();
    }

    WindowHandle Dialog() const { return m_windows.LastDialog(IDD_WINDOW_SELECTOR); }

    SelectorView View() const {
        const WindowHandle dialog = Dialog();
        SelectorView view;
        view.caption = m_windows.Window(dialog).text;
        view.description = m_windows.TextOf(dialog, IDC_WINDOW_DESCRIPTION);
        view.activeWindow = m_windows.ControlState(dialog, IDC_RECEIVER_ACTIVE_WINDOW).check;
        view.selectedWindow = m_windows.ControlState(dialog, IDC_RECEIVER_SELECTED_WINDOW).check;
        view.firstEdit = m_windows.ControlState(dialog, IDC_SEND_TO_FIRST_EDIT).check;
        view.firstEditEnabled = m_windows.ControlState(dialog, IDC_SEND_TO_FIRST_EDIT).enabled;
        view.sendChars = m_windows.ControlState(dialog, IDC_SEND_CHARS).check;
        view.sendKeyUp = m_windows.ControlState(dialog, IDC_SEND_KEY_UPS).check;
        view.sendKeyUpEnabled = m_windows.ControlState(dialog, IDC_SEND_KEY_UPS).enabled;
        view.sightIcon = m_windows.ControlState(dialog, IDC_SIGHT).icon;
        view.bigIcon = m_windows.Window(dialog).bigIcon;
        view.smallIcon = m_windows.Window(dialog).smallIcon;
        return view;
    }

    WriteLoggingRegistry m_store;
    CProfile m_profile{m_store};
    CAppSettings m_settings{m_profile};

    FakeWindows m_windows;
    FakeUser m_user{m_windows};
    FakeMenus m_menus{m_windows};
    FakePainting m_painting;
    FakeTimers m_timers{m_windows};
    FakeHotKeys m_hotKeys;
    FakeNotificationArea m_tray;
    FakeProcess m_process;
    CFakeKeyboardInput m_input;
    CFakeKeyboardLayout m_layout;
    UnusedShell m_shell{"the selector"};
    UnusedRandom m_random{"the selector"};
    FakeClipboard m_clipboard;
    FakeFiles m_files;
    Platform m_platform{m_store,   m_input, m_layout, m_windows, m_windows, m_menus,     m_painting, m_timers,
                        m_hotKeys, m_tray,  m_shell,  m_process, m_random,  m_clipboard, m_files};

private:
    void Post(std::uint32_t message, WParam wParam, LParam lParam) {
        m_windows.Enqueue(Msg{Dialog(), message, wParam, lParam, 0, {}});
    }
    static long long DwordOf(const FakeRegistry::StoredValue& value) {
        if (value.data.size() != 4) {
            return -2;
        }
        return static_cast<long long>(value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                      (static_cast<std::uint32_t>(value.data[3]) << 24));
    }

    std::wstring m_savedSection;
    int m_nSavedNumber;
};

} // namespace selector_test
