#include "fakes/CallLog.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

void CCallLog::Add(const std::string& line) {
    m_entries.push_back(line);
}

void CCallLog::Clear() {
    m_entries.clear();
}

std::vector<std::string> CCallLog::Select(std::initializer_list<std::string> prefixes) const {
    std::vector<std::string> selected;
    for (const std::string& entry : m_entries) {
        for (const std::string& prefix : prefixes) {
            if (entry.compare(0, prefix.size(), prefix) == 0) {
                selected.push_back(entry);
                break;
            }
        }
    }
    return selected;
}

std::size_t CCallLog::Count(const std::string& prefix) const {
    return static_cast<std::size_t>(
        std::count_if(m_entries.begin(), m_entries.end(), [&](const std::string& entry) {
            return entry.compare(0, prefix.size(), prefix) == 0;
        }));
}

std::string Hex(std::uint64_t value, int minDigits) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%0*llX", minDigits, static_cast<unsigned long long>(value));
    return buffer;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t code = static_cast<std::uint32_t>(text[i]);
        if (sizeof(wchar_t) == 2 && code >= 0xD800 && code < 0xDC00 && i + 1 < text.size()) {
            const std::uint32_t low = static_cast<std::uint32_t>(text[i + 1]);
            if (low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

std::string BoolText(bool value) {
    return value ? "TRUE" : "FALSE";
}

::testing::AssertionResult SequenceMatches(const std::vector<std::string>& actual,
                                           const std::vector<std::string>& expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }

    // Longest common subsequence table, so that one extra or missing call is reported as just that,
    // not as a mismatch of everything after it.
    const std::size_t n = actual.size();
    const std::size_t m = expected.size();
    std::vector<std::vector<std::size_t>> common(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            common[i][j] = actual[i] == expected[j] ? common[i + 1][j + 1] + 1
                                                    : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }

    std::ostringstream report;
    report << "call sequence differs from the expected one (" << actual.size() << " actual, "
           << expected.size() << " expected):\n";
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && actual[i] == expected[j]) {
            ++i;
            ++j;
        } else if (j < m && (i == n || common[i][j + 1] >= common[i + 1][j])) {
            report << "  missing  at expected #" << j << ": " << expected[j] << "\n";
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

::testing::AssertionResult SequenceMatches(const CCallLog& log, const std::vector<std::string>& expected) {
    return SequenceMatches(log.Entries(), expected);
}
