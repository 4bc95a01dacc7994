#include "fakes/CallLog.h"

#include <sstream>

namespace {

constexpr char OPTIONAL_MARK[] = "? ";

bool IsOptional(const std::string& expected) {
    return expected.rfind(OPTIONAL_MARK, 0) == 0;
}

std::vector<std::string> Fields(const std::string& line) {
    std::istringstream words(line);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

bool LineMatches(const std::string& actual, const std::string& expected) {
    const std::vector<std::string> actualFields = Fields(actual);
    const std::vector<std::string> expectedFields = Fields(expected);
    return actual == expected || (actualFields.size() == expectedFields.size() &&
                                  std::equal(actualFields.begin(), actualFields.end(), expectedFields.begin(),
                                             [](const std::string& field, const std::string& want) {
                                                 return want == "*" || want == field;
                                             }));
}

} // namespace

::testing::AssertionResult SequenceMatches(const std::vector<std::string>& actual,
                                           const std::vector<std::string>& expected) {
    const std::size_t n = actual.size();
    const std::size_t m = expected.size();
    std::vector<std::string> pattern;
    std::vector<std::size_t> omissionCost;
    for (const std::string& line : expected) {
        pattern.push_back(IsOptional(line) ? line.substr(sizeof OPTIONAL_MARK - 1) : line);
        omissionCost.push_back(IsOptional(line) ? 0 : 1);
    }
    const auto matches = [&](std::size_t i, std::size_t j) {
        return i < n && j < m && LineMatches(actual[i], pattern[j]);
    };
    // differences[i][j]: the fewest missing and spurious lines that align actual from i with
    // expected from j. One extra or missing call is so reported as just that, not as a mismatch of
    // everything after it.
    std::vector<std::vector<std::size_t>> differences(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t i = n + 1; i-- > 0;) {
        for (std::size_t j = m + 1; j-- > 0;) {
            std::size_t best = i == n && j == m ? 0 : SIZE_MAX;
            best = matches(i, j) ? differences[i + 1][j + 1] : best;
            best = j < m ? std::min(best, differences[i][j + 1] + omissionCost[j]) : best;
            differences[i][j] = i < n ? std::min(best, differences[i + 1][j] + 1) : best;
        }
    }
    if (differences[0][0] == 0) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream report;
    report << "call sequence differs from the expected one (" << n << " actual, " << m << " expected):\n";
    for (std::size_t i = 0, j = 0; i < n || j < m;) {
        if (matches(i, j) && differences[i][j] == differences[i + 1][j + 1]) {
            ++i;
            ++j;
        } else if (j < m && differences[i][j] == differences[i][j + 1] + omissionCost[j]) {
            report << (omissionCost[j] != 0
                           ? "  missing  at expected #" + std::to_string(j) + ": " + expected[j] + "\n"
                           : "");
            ++j;
        } else {
            report << "  spurious at actual   #" << i << ": " << actual[i] << "\n";
            ++i;
        }
    }
    report << "actual sequence:\n";
    for (std::size_t k = 0; k < n; ++k) {
        report << "  #" << k << " " << actual[k] << "\n";
    }
    return ::testing::AssertionFailure() << report.str();
}
