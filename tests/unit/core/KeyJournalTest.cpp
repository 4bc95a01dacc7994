// The journal of the keys a Tapwell may hold down: what ended Tapwells held goes up at the next
// start, their entries and unreadable ones are cleared, running Tapwells' entries are left alone.
#include "core/KeyJournal.h"
#include "InjectorFixture.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeRegistry.h"

namespace {

const std::wstring JOURNAL_PATH = L"Software\\Tovrin\\Tapwell\\KeyJournal";
// Shift's and Tab's key-ups as input records: way, code, scan, modifier, window, lParam.
const std::vector<std::uint8_t> SHIFT_TAB_UP = {0, 0, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                0, 0, 0x09, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

class KeyJournal : public InjectorFixture {};

} // namespace

TEST_F(KeyJournal, AStartLetsGoOfWhatEndedTapwellsHeldAndClearsWhatItCannotRead) {
    const struct {
        const char* name;
        bool running;             // the entry's Tapwell holds its mutex
        std::uint32_t mutexError; // what opening that mutex fails with, if it does
        const wchar_t* entry;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        bool replayed;
        bool kept;
    } rows[] = {
        {"an ended Tapwell", false, 0, L"2000 7", REG_BINARY, SHIFT_TAB_UP, true, false},
        {"a running Tapwell", true, 0, L"2000 7", REG_BINARY, SHIFT_TAB_UP, false, true},
        {"a Tapwell whose mutex may not be opened", false, ERROR_ACCESS_DENIED, L"2000 7", REG_BINARY,
         SHIFT_TAB_UP, false, true},
        {"a truncated value", false, 0, L"2000 7", REG_BINARY, {0, 0, 0x10, 0, 0, 0}, false, false},
        {"a value of another type", false, 0, L"2000 7", REG_DWORD, SHIFT_TAB_UP, false, false},
        {"a way of pressing not known", false, 0, L"2000 7", REG_BINARY, std::vector<std::uint8_t>(16, 7),
         false, false},
        {"a name that is not a process", false, 0, L"2000", REG_BINARY, SHIFT_TAB_UP, false, false},
    };
    for (const auto& row : rows) {
        injector.PressKey(VK_SHIFT, VK_TAB, true);
        FakeRegistry registry;
        FakeProcess process;
        if (row.running) {
            process.AddMutex(L"Global\\Tapwell key journal 2000 7");
        }
        if (row.mutexError != 0) {
            process.SetMutexResult(0, row.mutexError);
        }
        registry.PutValue(JOURNAL_PATH, row.entry, row.type, row.data);
        CKeyJournal journal{registry, process};
        CMouseClickManager started{input, queries, selected};
        started.ReleaseKeyUps(journal.TakeKeyUpsOfEndedProcesses());
        EXPECT_EQ(input.KeysDown().empty(), row.replayed) << row.name;
        EXPECT_EQ(registry.FindValue(JOURNAL_PATH, row.entry) != nullptr, row.kept) << row.name;
        EXPECT_TRUE(process.OpenHandles().empty()) << row.name << ": a process handle is left open";
        injector.ReleaseHeldKeys();
    }
}

TEST_F(KeyJournal, AnEntryLastsWhileAKeyMayBeDueAndAStopClearsIt) {
    FakeRegistry registry;
    FakeProcess process;
    CKeyJournal journal{registry, process};
    injector.KeepJournalIn(journal);
    SelectTarget();
    injector.PressKey(0, VK_F5, true);
    EXPECT_NE(registry.FindValue(JOURNAL_PATH, L"1000 5000"), nullptr) << "a held key";
    input.Refuse(true);
    injector.ReleaseHeldKeys();
    input.Refuse(false);
    EXPECT_NE(registry.FindValue(JOURNAL_PATH, L"1000 5000"), nullptr) << "a refused key-up";
    windows.DestroyWindow(target);
    injector.ReleaseHeldKeys();
    EXPECT_EQ(registry.FindValue(JOURNAL_PATH, L"1000 5000"), nullptr) << "the key-up's window is gone";
}
