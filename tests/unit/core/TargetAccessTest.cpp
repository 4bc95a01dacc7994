#include "core/TargetAccess.h"
#include "InjectorFixture.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeWindows.h"

namespace {

constexpr std::uint32_t LOW = 0x1000, MEDIUM = 0x2000, HIGH = 0x3000, UNREADABLE = 0;

class TargetAccess : public ::testing::Test {
protected:
    WindowHandle Window(std::uint32_t processId) {
        return windows.AddTopLevelWindow(L"Window", L"Class", {}, processId, processId + 1);
    }

    FakeWindows windows;
    FakeProcess process;
    CPressSettings::Values press;
    CTargetAccess access{windows, process, press};
};

} // namespace

TEST_F(TargetAccess, APickedWindowOfAProgramWithHigherRightsIsRefused) {
    struct Row {
        const char* name;
        std::uint32_t ownLevel, targetLevel;
        bool allowed;
    };
    const Row rows[] = {
        {"same level", MEDIUM, MEDIUM, true},
        {"lower level", MEDIUM, LOW, true},
        {"elevated", MEDIUM, HIGH, false},
        {"level cannot be read", MEDIUM, UNREADABLE, false},
        {"both elevated", HIGH, HIGH, true},
        {"own level cannot be read: nothing to compare", UNREADABLE, HIGH, true},
    };
    std::uint32_t processId = 2000;
    press.options.bSendToActiveWindow = false;
    for (const Row& row : rows) {
        process.m_integrityLevels = {{FakeWindowTree::OWN_PROCESS_ID, row.ownLevel},
                                     {++processId, row.targetLevel}};
        press.hSeekedWindow = Window(processId);
        access.Forget();
        EXPECT_EQ(access.MayPress(), row.allowed) << row.name;
    }
}

TEST_F(TargetAccess, TheForegroundWindowIsAskedAboutOnlyWhenItChanges) {
    process.m_integrityLevels = {{3001, HIGH}};
    const WindowHandle elevated = Window(3001), normal = Window(3002);
    const WindowHandle sequence[] = {elevated, elevated, normal, normal, normal, elevated};
    const bool allowed[] = {false, false, true, true, true, false};
    press.options.bSendToActiveWindow = true;
    for (std::size_t i = 0; i < std::size(sequence); ++i) {
        windows.SetForegroundWindow(sequence[i]);
        EXPECT_EQ(access.MayPress(), allowed[i]) << i;
    }
    // Tapwell's own level and the window's, at each of the three changes.
    EXPECT_EQ(process.m_nIntegrityQueries, 6);
}
