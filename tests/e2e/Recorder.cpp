// A target for the end-to-end tests and benchmarks: a window with one multi-line Edit that writes a
// line for every keyboard message reaching it and then lets the Edit handle the message as usual.
//
//   Recorder.exe <logfile> [log-only]
//
// Each line: "<ms since start> <message> wParam=0x<8 hex digits> lParam=0x<8 hex digits> modifiers=<SCA>",
// for example "1534.207 WM_KEYDOWN wParam=0x00000041 lParam=0x001E0001 modifiers=S--"
// where the time comes from QueryPerformanceCounter, with microseconds, counted from the moment the
// recorder started. The messages are WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN and WM_SYSKEYUP. Messages
// sent or posted to the top-level window itself are handed on to the Edit, so they are logged (once)
// and shown there too. Each line is written straight to the file, so a reader sees it at once.
// The log file is created (emptied) before the window appears and is only ever appended to;
// WM_CLOSE ends the program. S, C and A: Shift, Ctrl and Alt read as down (GetKeyState) meanwhile.
// "log-only" is for benchmarks of many fast runs, where the recorder must not be the slowest part:
// no characters are made (a long text in the Edit makes each key slower to take) and the modifiers
// are not read, and show as "???" (under Wine each GetKeyState is a round trip to the server).
#include <windows.h>
// After <windows.h>, which they need.
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>

#include "RecorderLog.h"
#include "TapwellConstants.h"

namespace {

const UINT_PTR EDIT_SUBCLASS_ID = 1;
const int EXIT_USAGE = 2;
const int EXIT_NO_LOG = 3;
const int EXIT_NO_WINDOW = 4;

const char* NameOfKeyMessage(UINT nMsg) {
    for (const KeyMessageName& entry : KEY_MESSAGE_NAMES) {
        if (entry.nMessage == nMsg) {
            return entry.pszName;
        }
    }
    return nullptr;
}

char Down(int nVirtualKey, char cMark) {
    return GetKeyState(nVirtualKey) < 0 ? cMark : '-';
}

class CRecorder {
public:
    CRecorder() {
        QueryPerformanceFrequency(&m_frequency);
        QueryPerformanceCounter(&m_start);
    }
    ~CRecorder() {
        if (m_hLog != INVALID_HANDLE_VALUE) {
            CloseHandle(m_hLog);
        }
    }
    CRecorder(const CRecorder&) = delete;
    CRecorder& operator=(const CRecorder&) = delete;

    void SetLogOnly() { m_bLogOnly = true; }

    bool OpenLog(const wchar_t* pszPath) {
        // Shared, so that a test can follow the log while the recorder runs; append-only, so that a
        // test that empties the log between two phases gets no gap of zeros before the next line.
        m_hLog = CreateFileW(pszPath, FILE_APPEND_DATA | SYNCHRONIZE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        return m_hLog != INVALID_HANDLE_VALUE;
    }

    bool CreateMainWindow(HINSTANCE hInstance) {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = FrameProc;
        wc.hInstance = hInstance;
        wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = RECORDER_CLASS;
        if (!RegisterClassExW(&wc)) {
            return false;
        }
        HWND hFrame = CreateWindowExW(0, RECORDER_CLASS, RECORDER_TITLE, WS_OVERLAPPEDWINDOW, 100, 100, 480,
                                      320, nullptr, nullptr, hInstance, this);
        if (!hFrame) {
            return false;
        }
        ShowWindow(hFrame, SW_SHOW);
        UpdateWindow(hFrame);
        SetForegroundWindow(hFrame);
        SetFocus(m_hEdit);
        return true;
    }

    int Run() {
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (!m_bLogOnly) {
                TranslateMessage(&msg);
            }
            DispatchMessageW(&msg);
        }
        return static_cast<int>(msg.wParam);
    }

private:
    void LogKeyMessage(const char* pszName, WPARAM wParam, LPARAM lParam) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        const double dElapsedMs = static_cast<double>(now.QuadPart - m_start.QuadPart) * 1000.0 /
                                  static_cast<double>(m_frequency.QuadPart);
        char szModifiers[] = "???";
        if (!m_bLogOnly) {
            szModifiers[0] = Down(VK_SHIFT, 'S');
            szModifiers[1] = Down(VK_CONTROL, 'C');
            szModifiers[2] = Down(VK_MENU, 'A');
        }
        char szLine[128];
        const int nLength =
            std::snprintf(szLine, sizeof(szLine), "%.3f %s wParam=0x%08lX lParam=0x%08lX modifiers=%s\n",
                          dElapsedMs, pszName, static_cast<unsigned long>(static_cast<DWORD>(wParam)),
                          static_cast<unsigned long>(static_cast<DWORD>(lParam)), szModifiers);
        if (nLength <= 0) {
            return;
        }
        DWORD nWritten = 0;
        WriteFile(m_hLog, szLine, static_cast<DWORD>(nLength), &nWritten, nullptr);
    }

    void OnCreate(HWND hFrame) {
        m_hEdit = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"",
                                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                      ES_WANTRETURN,
                                  0, 0, 0, 0, hFrame, nullptr, nullptr, nullptr);
        // Long benchmark runs must not fill the Edit: a full Edit would refuse the characters.
        SendMessageW(m_hEdit, EM_SETLIMITTEXT, 0, 0);
        SetWindowSubclass(m_hEdit, EditProc, EDIT_SUBCLASS_ID, reinterpret_cast<DWORD_PTR>(this));
    }

    static LRESULT CALLBACK FrameProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
        if (nMsg == WM_NCCREATE) {
            auto* pCreate = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pCreate->lpCreateParams));
        }
        auto* pThis = reinterpret_cast<CRecorder*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (!pThis) {
            return DefWindowProcW(hWnd, nMsg, wParam, lParam);
        }
        switch (nMsg) {
        case WM_CREATE:
            pThis->OnCreate(hWnd);
            return pThis->m_hEdit ? 0 : -1;
        case WM_SIZE:
            MoveWindow(pThis->m_hEdit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_SETFOCUS:
            SetFocus(pThis->m_hEdit);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            if (NameOfKeyMessage(nMsg)) {
                return SendMessageW(pThis->m_hEdit, nMsg, wParam, lParam);
            }
            return DefWindowProcW(hWnd, nMsg, wParam, lParam);
        }
    }

    static LRESULT CALLBACK EditProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR nId,
                                     DWORD_PTR nRefData) {
        if (const char* pszName = NameOfKeyMessage(nMsg)) {
            auto* pThis = reinterpret_cast<CRecorder*>(nRefData);
            pThis->LogKeyMessage(pszName, wParam, lParam);
            if (nMsg == WM_CHAR && pThis->m_bLogOnly) {
                return 0;
            }
        } else if (nMsg == WM_NCDESTROY) {
            RemoveWindowSubclass(hWnd, EditProc, nId);
        }
        return DefSubclassProc(hWnd, nMsg, wParam, lParam);
    }

    LARGE_INTEGER m_frequency = {};
    LARGE_INTEGER m_start = {};
    HANDLE m_hLog = INVALID_HANDLE_VALUE;
    HWND m_hEdit = nullptr;
    bool m_bLogOnly = false;
};

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int) {
    CRecorder recorder;
    int nArgs = 0;
    LPWSTR* ppArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    if (!ppArgs || nArgs < 2 || nArgs > 3 || (nArgs == 3 && lstrcmpW(ppArgs[2], L"log-only") != 0)) {
        LocalFree(ppArgs);
        return EXIT_USAGE;
    }
    if (nArgs == 3) {
        recorder.SetLogOnly();
    }
    const bool bOpened = recorder.OpenLog(ppArgs[1]);
    LocalFree(ppArgs);
    if (!bOpened) {
        return EXIT_NO_LOG;
    }
    if (!recorder.CreateMainWindow(hInstance)) {
        return EXIT_NO_WINDOW;
    }
    return recorder.Run();
}
