// What a Tapwell holds is journalled until let go; the next start lets go of what ended ones held.
#include "core/KeyJournal.h"
#include "InjectorFixture.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeRegistry.h"

namespace {

const std::wstring JOURNAL = L"Software\\Tovrin\\Tapwell\\KeyJournal";
// Shift's and Tab's key-ups as input records: way, code, scan, modifier, window, lParam.
const std::vector<std::uint8_t> SHIFT_TAB_UP = {0, 0, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                0, 0, 0x09, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Shift's and Tab's key-ups, one after the other, nRecords of them.
std::vector<std::uint8_t> ShiftTabUps(std::size_t nRecords) {
    std::vector<std::uint8_t> data;
    for (std::size_t i = 0; i < nRecords; ++i) {
        data.insert(data.end(), SHIFT_TAB_UP.begin() + 16 * (i % 2), SHIFT_TAB_UP.begin() + 16 * (i % 2 + 1));
    }
    return data;
}

class KeyJournal : public InjectorFixture {
protected:
    FakeRegistry registry;
    FakeProcess process;
    CKeyJournal journal{registry, process};
};

} // namespace

TEST_F(KeyJournal, AStartLetsGoOfWhatEndedTapwellsHeldAndClearsWhatItCannotRead) {
    const struct {
        const char* name;
        std::uint32_t mutexError; // opening the entry's mutex: ERROR_ALREADY_EXISTS while its Tapwell runs
        const wchar_t* entry;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        bool replayed;
        bool kept;
    } rows[] = {
        // clang-format off
        {"an ended Tapwell", 0, L"2000 7", REG_BINARY, SHIFT_TAB_UP, true, false},
        {"a running Tapwell", ERROR_ALREADY_EXISTS, L"2000 7", REG_BINARY, SHIFT_TAB_UP, false, true},
        {"a mutex that may not be opened", ERROR_ACCESS_DENIED, L"2000 7", REG_BINARY, SHIFT_TAB_UP, false, true},
        {"a truncated value", 0, L"2000 7", REG_BINARY, {0, 0, 0x10, 0, 0, 0}, false, false},
        {"a value of another type", 0, L"2000 7", REG_DWORD, SHIFT_TAB_UP, false, false},
        {"an unknown way", 0, L"2000 7", REG_BINARY, std::vector<std::uint8_t>(16, 7), false, false},
        {"a name that is not a process", 0, L"2000", REG_BINARY, SHIFT_TAB_UP, false, false},
        {"the most records an entry holds", 0, L"2000 7", REG_BINARY, ShiftTabUps(256), true, false},
        {"a record more", 0, L"2000 7", REG_BINARY, ShiftTabUps(257), false, false},
        // clang-format on
    };
    for (const auto& row : rows) {
        injector.PressKey(VK_SHIFT, VK_TAB, true);
        registry.PutValue(JOURNAL, row.entry, row.type, row.data);
        process.SetMutexResult(row.mutexError == ERROR_ACCESS_DENIED ? 0 : FakeProcess::MUTEX,
                               row.mutexError);
        CMouseClickManager started{input, queries, selected};
        started.ReleaseKeyUps(journal.TakeKeyUpsOfEndedProcesses());
        EXPECT_EQ(input.KeysDown().empty(), row.replayed) << row.name;
        EXPECT_EQ(registry.FindValue(JOURNAL, row.entry) != nullptr, row.kept) << row.name;
        EXPECT_TRUE(process.OpenHandles().empty()) << row.name << ": a mutex is left open";
        injector.ReleaseHeldKeys();
    }
}

TEST_F(KeyJournal, AnEntryLastsWhileAKeyMayBeDueAndAStopClearsIt) {
    injector.KeepJournalIn(journal);
    SelectTarget();
    injector.PressKey(0, VK_F5, true);
    EXPECT_NE(registry.FindValue(JOURNAL, L"1000 5000"), nullptr) << "a held key";
    input.Refuse(true);
    injector.ReleaseHeldKeys();
    input.Refuse(false);
    EXPECT_NE(registry.FindValue(JOURNAL, L"1000 5000"), nullptr) << "a refused key-up";
    windows.DestroyWindow(target);
    injector.ReleaseHeldKeys();
    EXPECT_EQ(registry.FindValue(JOURNAL, L"1000 5000"), nullptr) << "the key-up's window is gone";
}

TEST_F(KeyJournal, NoMutexNoEntryAndThePressStillGoes) {
    process.SetMutexResult(0, ERROR_ACCESS_DENIED);
    injector.KeepJournalIn(journal);
    SelectTarget();
    injector.PressKey(0, VK_F5, true);
    EXPECT_EQ(registry.FindValue(JOURNAL, L"1000 5000"), nullptr);
    EXPECT_EQ(input.KeysDownIn(target).size(), 1u);
}
