#include "fakes/CallLog.h"

#include <sstream>

::testing::AssertionResult SequenceMatches(const std::vector<std::string>& actual,
                                           const std::vector<std::string>& expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream report;
    report << "call sequence differs from the expected one:\n";
    for (std::size_t k = 0; k < std::max(actual.size(), expected.size()); ++k) {
        const std::string& want = k < expected.size() ? expected[k] : "(nothing)";
        const std::string& got = k < actual.size() ? actual[k] : "(nothing)";
        report << (want == got ? "    #" : "  ! #") << k << " " << got
               << (want == got ? "" : "   expected: " + want) << "\n";
    }
    return ::testing::AssertionFailure() << report.str();
}
