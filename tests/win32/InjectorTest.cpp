// The injector through the real keyboard adapters: keys reach a real Edit owned by another thread,
// posted into it (selected window) or injected while it has the focus (active window).
#include "platform/win32/Win32Sdk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/MouseClickManager.h"
#include "platform/win32/Win32KeyboardInput.h"
#include "platform/win32/Win32KeyboardLayout.h"
#include "platform/win32/Win32Windows.h"

namespace {

constexpr wchar_t TARGET_CLASS[] = L"TapwellInjectorTarget";
constexpr wchar_t TARGET_TITLE[] = L"Injector target";
constexpr UINT MARKER = WM_APP + 7;
constexpr int WAIT_STEPS = 300;
constexpr DWORD WAIT_STEP = 10;

struct KeyMessage {
    UINT message;
    WPARAM wParam;
    std::uint32_t lParam;

    bool operator==(const KeyMessage& other) const {
        return message == other.message && wParam == other.wParam && lParam == other.lParam;
    }
};

std::ostream& operator<<(std::ostream& out, const KeyMessage& item) {
    char text[64];
    std::snprintf(text, sizeof text, "{0x%04X 0x%02X 0x%08X}", item.message,
                  static_cast<unsigned>(item.wParam), static_cast<unsigned>(item.lParam));
    return out << text;
}

// What the Edit received, recorded by its subclass procedure on the window's thread.
struct EditRecord {
    std::mutex lock;
    std::vector<KeyMessage> keys;
    bool bMarkerSeen = false;
    WNDPROC originalProc = nullptr;
};

LRESULT CALLBACK RecordingEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* record = reinterpret_cast<EditRecord*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR) {
        std::lock_guard<std::mutex> guard(record->lock);
        record->keys.push_back({message, wParam, static_cast<std::uint32_t>(lParam)});
    } else if (message == MARKER) {
        std::lock_guard<std::mutex> guard(record->lock);
        record->bMarkerSeen = true;
        return 0;
    }
    return CallWindowProcW(record->originalProc, window, message, wParam, lParam);
}

// A top-level window with a button and an Edit, created and pumped by a thread of its own.
class CTargetWindow {
public:
    CTargetWindow() {
        m_thread = std::thread([this] { Run(); });
        std::unique_lock<std::mutex> guard(m_lock);
        m_ready.wait(guard, [this] { return m_bReady; });
    }

    ~CTargetWindow() {
        PostThreadMessageW(m_nThreadId, WM_QUIT, 0, 0);
        m_thread.join();
    }

    HWND Window() const { return m_hWindow; }
    HWND Edit() const { return m_hEdit; }
    DWORD ThreadId() const { return m_nThreadId; }
    EditRecord& Record() { return m_record; }

    std::wstring EditText() const {
        wchar_t text[256] = {};
        GetWindowTextW(m_hEdit, text, 256);
        return text;
    }

    bool WaitForText(const std::wstring& expected) const {
        for (int i = 0; i < WAIT_STEPS && EditText() != expected; ++i) {
            Sleep(WAIT_STEP);
        }
        return EditText() == expected;
    }

    // Posted messages are handled in order: once the marker is seen, everything posted before it was.
    std::vector<KeyMessage> KeysAfterMarker() {
        {
            std::lock_guard<std::mutex> guard(m_record.lock);
            m_record.bMarkerSeen = false;
        }
        PostMessageW(m_hEdit, MARKER, 0, 0);
        for (int i = 0; i < WAIT_STEPS; ++i) {
            {
                std::lock_guard<std::mutex> guard(m_record.lock);
                if (m_record.bMarkerSeen) {
                    return m_record.keys;
                }
            }
            Sleep(WAIT_STEP);
        }
        ADD_FAILURE() << "the target thread did not handle its queue";
        return {};
    }

private:
    void Run() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = TARGET_CLASS;
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        RegisterClassW(&windowClass);

        m_hWindow = CreateWindowExW(0, TARGET_CLASS, TARGET_TITLE, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                    400, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
        CreateWindowExW(0, L"Button", L"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 60, 24, m_hWindow,
                        reinterpret_cast<HMENU>(1), windowClass.hInstance, nullptr);
        m_hEdit =
            CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 50,
                            360, 24, m_hWindow, reinterpret_cast<HMENU>(2), windowClass.hInstance, nullptr);
        SetWindowLongPtrW(m_hEdit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_record));
        m_record.originalProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(m_hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingEditProc)));
        SetForegroundWindow(m_hWindow);
        SetFocus(m_hEdit);

        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue exists from here on
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_nThreadId = GetCurrentThreadId();
            m_bReady = true;
        }
        m_ready.notify_all();

        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        // The window ends with its thread. Hiding or destroying it first costs Wine two seconds
        // without a window manager, waiting for an unmap notification that never comes.
    }

    std::thread m_thread;
    std::mutex m_lock;
    std::condition_variable m_ready;
    bool m_bReady = false;
    DWORD m_nThreadId = 0;
    HWND m_hWindow = nullptr;
    HWND m_hEdit = nullptr;
    EditRecord m_record;
};

class CStoredWindow : public ISelectedWindowSource {
public:
    explicit CStoredWindow(HWND window) : m_hWindow(window) {}
    WindowHandle GetSeekedWindow() override {
        return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(m_hWindow));
    }
    HWND m_hWindow;
};

class InjectorUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        injector.SetKeyDelay(5);
        injector.m_pressOptions.bSendToActiveWindow = false;
        injector.m_pressOptions.bSendToFirstEdit = true;
    }

    std::uint32_t Scan(UINT vk) { return input.MapVirtualKey(vk, MAPVK_VK_TO_VSC) & 0xFF; }

    CTargetWindow target;
    CStoredWindow stored{target.Window()};
    CWin32KeyboardInput input;
    CWin32Windows windows;
    CMouseClickManager injector{input, windows, stored};
};

class InjectorActiveWindowUnderWine : public InjectorUnderWine {
protected:
    void SetUp() override {
        injector.SetKeyDelay(5);
        injector.m_pressOptions.bSendToActiveWindow = true;
        for (int i = 0; i < WAIT_STEPS && GetForegroundWindow() != target.Window(); ++i) {
            Sleep(WAIT_STEP);
        }
        ASSERT_EQ(GetForegroundWindow(), target.Window()) << "the target window is not in the foreground";
    }

    void TearDown() override {
        // Whatever a failed test left down must not leak into the next one.
        for (BYTE vk : {BYTE(VK_SHIFT), BYTE(VK_CONTROL), BYTE(VK_MENU), BYTE('T')}) {
            if (GetAsyncKeyState(vk) & 0x8000) {
                keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
            }
        }
    }
};

} // namespace

TEST(KeyboardAdapters, InputRecordsHaveTheSizeTheInjectorPasses) {
    EXPECT_EQ(sizeof(INPUT), static_cast<std::size_t>(INPUT_RECORD_SIZE));
}

TEST(KeyboardAdapters, ScanCodesAreThoseOfAUsKeyboard) {
    CWin32KeyboardInput input;
    const struct {
        UINT vk;
        std::uint32_t scan;
    } cases[] = {{VK_RETURN, 0x1C}, {VK_LEFT, 0x4B}, {VK_F4, 0x3E},
                 {VK_SHIFT, 0x2A},  {'A', 0x1E},     {VK_DELETE, 0x53}};
    for (const auto& item : cases) {
        EXPECT_EQ(input.MapVirtualKey(item.vk, MAPVK_VK_TO_VSC), item.scan) << "vk " << item.vk;
    }
    EXPECT_EQ(input.VkKeyScan(L'a') & 0xFF, 'A');
}

TEST(KeyboardAdapters, LetterNamesFollowTheCapturedCapsLockState) {
    CWin32KeyboardLayout layout;
    KeyboardState state{};
    ASSERT_TRUE(layout.GetKeyboardState(&state));
    const LayoutHandle hkl = layout.GetKeyboardLayout(0);
    ASSERT_NE(hkl, 0u);

    const auto name = [&](std::uint32_t vk) {
        wchar_t buffer[11] = {};
        layout.ToUnicodeEx(vk, layout.MapVirtualKeyEx(vk, MAPVK_VK_TO_CHAR, hkl), state, buffer, 10, 0, hkl);
        return std::wstring(buffer);
    };
    state[VK_CAPITAL] = 0;
    state[VK_SHIFT] = 0;
    EXPECT_EQ(name('Q'), L"q");
    state[VK_CAPITAL] = 1;
    EXPECT_EQ(name('Q'), L"Q");
}

// The wait for a picked window makes it paint a corner of its own: the child there must not repaint.
TEST(KeyboardAdapters, TheWaitsRectangleIsTheWindowsOwnNotItsChildrens) {
    HWND hFrame = CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND hChild = CreateWindowExW(0, L"Edit", L"text", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, hFrame, nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(hFrame && hChild);
    UpdateWindow(hFrame);
    UpdateWindow(hChild);
    CWin32KeyboardInput input;
    const WindowHandle frame = static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(hFrame));
    EXPECT_TRUE(input.InvalidateOwnRect(frame, Rect{0, 0, 1, 1}));
    EXPECT_TRUE(GetUpdateRect(hFrame, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(hChild, nullptr, FALSE));
    DestroyWindow(hFrame);
}

TEST_F(InjectorUnderWine, PostedKeyDownsAreTranslatedIntoCharacters) {
    injector.m_pressOptions.bSendKeyUps = true;
    injector.PressKey(0, 'B', false);
    injector.PressKey(0, '5', false);
    EXPECT_TRUE(target.WaitForText(L"b5"));
    const std::vector<KeyMessage> keys = target.KeysAfterMarker();
    const std::uint32_t b = Scan('B') << 16 | 1;
    EXPECT_EQ(keys.front(), (KeyMessage{WM_KEYDOWN, 'B', b}));
    EXPECT_NE(std::find(keys.begin(), keys.end(), KeyMessage{WM_KEYUP, 'B', b | 0x40000000}), keys.end());
}

TEST_F(InjectorUnderWine, PostedCharactersArriveInTheFirstEditAndANavigationKeyMovesTheCaret) {
    injector.m_pressOptions.bSendChars = true;
    injector.PressKey(0, 'X', false);
    injector.PressKey(0, 'Z', false);
    ASSERT_TRUE(target.WaitForText(L"XZ"));
    injector.m_pressOptions.bSendChars = false;
    injector.m_pressOptions.bSendKeyUps = true;
    injector.PressKey(0, VK_LEFT, false);
    injector.m_pressOptions.bSendChars = true;
    injector.PressKey(0, 'Y', false);
    EXPECT_TRUE(target.WaitForText(L"XYZ"));
    const std::vector<KeyMessage> keys = target.KeysAfterMarker();
    EXPECT_NE(std::find(keys.begin(), keys.end(),
                        KeyMessage{WM_KEYDOWN, VK_LEFT, 0x01000001 | Scan(VK_LEFT) << 16}),
              keys.end());
}

TEST_F(InjectorUnderWine, HeldPressIsReleasedInTheSameEdit) {
    injector.PressKey(VK_SHIFT, VK_LEFT, true);
    injector.ReleaseHeldKeys();
    injector.ReleaseHeldKeys();
    const std::uint32_t left = 0x01000001 | Scan(VK_LEFT) << 16;
    const std::uint32_t shift = Scan(VK_SHIFT) << 16 | 1;
    EXPECT_EQ(target.KeysAfterMarker(), (std::vector<KeyMessage>{
                                            {WM_KEYDOWN, VK_SHIFT, shift},
                                            {WM_KEYDOWN, VK_LEFT, left},
                                            {WM_KEYUP, VK_SHIFT, shift | 0xC0000000},
                                            {WM_KEYUP, VK_LEFT, left | 0xC0000000},
                                            {WM_KEYUP, VK_SHIFT, shift | 0xC0000000},
                                        }));
}

TEST_F(InjectorUnderWine, ModifiedPressPostsFourMessages) {
    injector.PressKey(VK_CONTROL, 'A', false);
    // The Edit's own thread translates the key-down into a WM_CHAR, queued behind what was posted.
    std::vector<KeyMessage> keys = target.KeysAfterMarker();
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [](const KeyMessage& item) { return item.message == WM_CHAR; }),
               keys.end());
    const std::uint32_t a = Scan('A') << 16 | 1;
    const std::uint32_t ctrl = Scan(VK_CONTROL) << 16 | 1;
    EXPECT_EQ(keys, (std::vector<KeyMessage>{
                        {WM_KEYDOWN, VK_CONTROL, ctrl},
                        {WM_KEYDOWN, 'A', a},
                        {WM_KEYUP, 'A', a | 0xC0000000},
                        {WM_KEYUP, VK_CONTROL, ctrl | 0xC0000000},
                    }));
}

TEST_F(InjectorUnderWine, StaleSelectedWindowGetsNothing) {
    stored.m_hWindow = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7FFE0));
    ASSERT_FALSE(IsWindow(stored.m_hWindow));
    injector.m_pressOptions.bSendChars = true;
    injector.PressKey(0, 'A', false);
    EXPECT_TRUE(target.KeysAfterMarker().empty());
}

// Where the window that got a held key is gone, its key-up goes to the window of the remembered class and
// title.
TEST_F(InjectorUnderWine, TheStandInIsFoundByClassAndTitleAndAnEmptyTitleIsNotAny) {
    EXPECT_EQ(windows.FindWindow(TARGET_CLASS, TARGET_TITLE),
              static_cast<WindowHandle>(stored.GetSeekedWindow()));
    EXPECT_EQ(windows.FindWindow(TARGET_CLASS, L""), 0u);
}

TEST_F(InjectorActiveWindowUnderWine, UnicodeAndBruteCharactersReachTheFocusedEdit) {
    EXPECT_TRUE(injector.PressCharacter(L"q", 0, false, false));
    EXPECT_TRUE(injector.PressCharacter(L"\x00E9", 0, false, false));
    EXPECT_TRUE(injector.PressCharacter(L"w", 0, false, true));
    EXPECT_TRUE(injector.PressCharacter(L"8", 0, false, true));
    EXPECT_TRUE(target.WaitForText(L"q\x00E9w8"));
}

TEST_F(InjectorActiveWindowUnderWine, KeyStrokesReachTheFocusedEdit) {
    injector.PressKey(0, 'E', false);
    injector.PressKey(VK_SHIFT, 'R', false);
    injector.PressKey(0, VK_SPACE, false);
    EXPECT_TRUE(target.WaitForText(L"eR "));
    const std::vector<KeyMessage> keys = target.KeysAfterMarker();
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys.front().message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(keys.front().wParam, static_cast<WPARAM>('E'));
    EXPECT_EQ((keys.front().lParam >> 16) & 0xFF, Scan('E'));
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
}

TEST_F(InjectorActiveWindowUnderWine, HeldKeyStaysDownUntilReleased) {
    injector.PressKey(VK_SHIFT, 'T', true);
    EXPECT_TRUE(target.WaitForText(L"T"));
    EXPECT_NE(GetAsyncKeyState('T') & 0x8000, 0);
    EXPECT_NE(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
    injector.ReleaseHeldKeys();
    for (int i = 0; i < WAIT_STEPS && (GetAsyncKeyState('T') & 0x8000); ++i) {
        Sleep(WAIT_STEP);
    }
    EXPECT_EQ(GetAsyncKeyState('T') & 0x8000, 0);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
}
