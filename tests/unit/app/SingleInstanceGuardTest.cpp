// CLimitSingleInstance: the named mutex taken at construction and what its creation says.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/LimitSingleInstance.h"
#include "fakes/CallLog.h"
#include "fakes/FakeProcess.h"
#include "ports/Win32Constants.h"
#include "unit/TableRows.h"

TEST(SingleInstanceGuard, CreatesTheOwnedMutexUnderTheExactNameAtConstruction) {
    FakeProcess process;
    CLimitSingleInstance guard(process, SINGLE_INSTANCE_MUTEX_NAME);

    EXPECT_TRUE(SequenceMatches(process.Log(),
                                {"CreateMutex(TRUE, \"Global\\{719967F0-DCC6-49b5-9C61-DE91175C318P}\")"}));
}

namespace {

struct CreateOutcome : NamedRow {
    MutexHandle handle;
    std::uint32_t lastError;
    bool alreadyRunning;
};
using SingleInstanceGuardOutcome = TableTest<::testing::Test, CreateOutcome>;

} // namespace

TEST_P(SingleInstanceGuardOutcome, AnotherInstanceRunsOnlyWhenTheMutexAlreadyExisted) {
    const CreateOutcome& outcome = GetParam();
    FakeProcess process;
    process.SetMutexResult(outcome.handle, outcome.lastError);

    CLimitSingleInstance guard(process, SINGLE_INSTANCE_MUTEX_NAME);

    EXPECT_EQ(guard.IsAlreadyRunning(), outcome.alreadyRunning);
}

INSTANTIATE_TEST_SUITE_P(
    LastErrors, SingleInstanceGuardOutcome,
    ::testing::Values(
        CreateOutcome{"created fresh", FakeProcess::MUTEX, ERROR_SUCCESS, false},
        CreateOutcome{"opened, another process created it", FakeProcess::MUTEX, ERROR_ALREADY_EXISTS, true},
        CreateOutcome{"another user's mutex, access denied", 0, ERROR_ACCESS_DENIED, false},
        CreateOutcome{"failed for another reason", 0, ERROR_INVALID_HANDLE, false},
        // A stale last error left by an earlier call must not be taken for "exists".
        CreateOutcome{"handle with an unrelated error", FakeProcess::MUTEX, ERROR_INVALID_PARAMETER, false}),
    RowName());

TEST(SingleInstanceGuard, DestructionClosesTheHandleOnce) {
    FakeProcess process;
    {
        CLimitSingleInstance guard(process, SINGLE_INSTANCE_MUTEX_NAME);
        EXPECT_EQ(process.OpenHandles().size(), 1u);
    }

    EXPECT_TRUE(process.OpenHandles().empty());
    EXPECT_EQ(process.Log().Count("CloseHandle("), 1u);
    EXPECT_EQ(process.Log().Entries().back(), "CloseHandle(" + Hex(FakeProcess::MUTEX) + ")");
}

TEST(SingleInstanceGuard, DestructionClosesNothingWhenTheMutexWasNotCreated) {
    FakeProcess process;
    process.SetMutexResult(0, ERROR_ACCESS_DENIED);
    { CLimitSingleInstance guard(process, SINGLE_INSTANCE_MUTEX_NAME); }

    EXPECT_EQ(process.Log().Count("CloseHandle("), 0u);
}

TEST(SingleInstanceGuard, AnExistingMutexIsStillClosedAtTheEnd) {
    FakeProcess process;
    process.SetMutexExists();
    {
        CLimitSingleInstance guard(process, SINGLE_INSTANCE_MUTEX_NAME);
        EXPECT_TRUE(guard.IsAlreadyRunning());
    }

    EXPECT_TRUE(process.OpenHandles().empty());
}
