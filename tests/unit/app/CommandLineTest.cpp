// The ":silent" switch: a case-sensitive substring of the arguments.
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "fakes/CallLog.h"

namespace {

struct SilentCase {
    const wchar_t* arguments;
    bool silent;
};

void PrintTo(const SilentCase& c, std::ostream* os) {
    *os << "\"" << Narrow(c.arguments) << "\"";
}

} // namespace

class SilentStart : public ::testing::TestWithParam<SilentCase> {};

TEST_P(SilentStart, FollowsTheSwitchAnywhereInTheArguments) {
    EXPECT_EQ(IsSilentStart(GetParam().arguments), GetParam().silent)
        << "arguments \"" << Narrow(GetParam().arguments) << "\"";
}

INSTANTIATE_TEST_SUITE_P(Arguments, SilentStart,
                         ::testing::Values(SilentCase{L"", false}, SilentCase{L":silent", true},
                                           SilentCase{L"  :silent  ", true}, SilentCase{L"/x :silent", true},
                                           SilentCase{L"-debug:silent", true}, SilentCase{L":silently", true},
                                           SilentCase{L"\":silent\"", true}, SilentCase{L":SILENT", false},
                                           SilentCase{L":Silent", false}, SilentCase{L"/silent", false},
                                           SilentCase{L"-silent", false}, SilentCase{L"silent", false},
                                           SilentCase{L": silent", false}, SilentCase{L":silen", false}),
                         [](const ::testing::TestParamInfo<SilentCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });
