// A picked window found again by what it is: the stored handle while its window is still of the
// stored program and class, else the one window of that program and class (its title decides).
#include <gtest/gtest.h>

#include <vector>

#include "core/PickedWindow.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeWindows.h"

namespace {

using Outcome = CPickedWindow::Outcome;
enum class Stored { Recorder, Impostor, Gone };
constexpr int STORED = -2; // the stored handle itself

} // namespace

TEST(PickedWindow, IsTheStoredHandleWhileItIsTheProgramsElseTheOneWindowThatMatches) {
    const struct {
        const char* name;
        std::vector<const wchar_t*> recorders; // titles of the recorder's windows open now
        Stored stored;
        bool bIdentity;
        Outcome outcome;
        int nFound; // the recorder whose Edit is found, -1 none
    } rows[] = {
        {"same handle, same program", {L"Recorder"}, Stored::Recorder, true, Outcome::Found, 0},
        {"same handle, other program", {}, Stored::Impostor, true, Outcome::None, -1},
        {"handle gone, one match", {L"Retitled"}, Stored::Gone, true, Outcome::Found, 0},
        {"several, the title decides", {L"Log", L"Recorder"}, Stored::Gone, true, Outcome::Found, 1},
        {"several, no title decides", {L"Log", L"Log"}, Stored::Gone, true, Outcome::Several, -1},
        {"none", {}, Stored::Gone, true, Outcome::None, -1},
        {"a handle stored alone", {}, Stored::Impostor, false, Outcome::HandleOnly, STORED},
    };
    for (const auto& row : rows) {
        FakeWindows windows;
        FakeProcess process;
        std::vector<WindowHandle> topLevel;
        // A window of one program with an Edit (identifier 15) in it: the Edit is the picked control.
        const auto open = [&](const wchar_t* title, std::uint32_t pid, const wchar_t* program) {
            topLevel.push_back(windows.AddTopLevelWindow(title, L"RecorderClass", {}, pid));
            process.SetImageName(pid, program);
            return windows.AddChildWindow(topLevel.back(), L"Edit", 15);
        };
        const WindowHandle gone = open(L"Recorder", 2000, L"C:\\Tools\\Recorder.exe");
        windows.DestroyWindow(topLevel.back());
        topLevel.pop_back();
        // Same class and title, another program.
        const WindowHandle impostor = open(L"Recorder", 3000, L"C:\\windows\\notepad.exe");
        std::vector<WindowHandle> edits;
        for (std::size_t i = 0; i < row.recorders.size(); ++i) {
            edits.push_back(
                open(row.recorders[i], 2001 + static_cast<std::uint32_t>(i), L"c:\\tools\\RECORDER.exe"));
        }
        process.SetTopLevelWindows(topLevel);
        const WindowHandle stored = row.stored == Stored::Recorder   ? edits.front()
                                    : row.stored == Stored::Impostor ? impostor
                                                                     : gone;
        const TargetIdentity identity{row.bIdentity ? L"C:\\Tools\\Recorder.exe" : L"", L"RecorderClass",
                                      L"Recorder", L"Edit", 15};

        const CPickedWindow::Match match = CPickedWindow(windows, process).Find(stored, identity);
        EXPECT_EQ(match.outcome, row.outcome) << row.name;
        EXPECT_EQ(match.window, row.nFound == STORED ? stored
                                : row.nFound < 0     ? 0
                                                     : edits[row.nFound])
            << row.name;
    }
}
