#include "fakes/CallLog.h"

#include <algorithm>
#include <cstdint>
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

std::string Call(const std::string& name, std::initializer_list<std::string> args) {
    std::string line = name + "(";
    bool first = true;
    for (const std::string& arg : args) {
        line += (first ? "" : ", ") + arg;
        first = false;
    }
    return line + ")";
}

std::string NameOf(std::uint32_t value, std::initializer_list<ConstantName> names,
                   const std::string& fallback) {
    for (const ConstantName& entry : names) {
        if (entry.value == value) {
            return entry.name;
        }
    }
    return fallback;
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

namespace {

constexpr char OPTIONAL_MARK[] = "? ";
constexpr std::size_t OPTIONAL_MARK_SIZE = sizeof OPTIONAL_MARK - 1;

bool IsOptional(const std::string& expected) {
    return expected.compare(0, OPTIONAL_MARK_SIZE, OPTIONAL_MARK) == 0;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        fields.push_back(word);
    }
    return fields;
}

} // namespace

bool LineMatches(const std::string& actual, const std::string& expected) {
    if (actual == expected) {
        return true;
    }
    const std::vector<std::string> actualFields = Fields(actual);
    const std::vector<std::string> expectedFields = Fields(expected);
    if (actualFields.size() != expectedFields.size()) {
        return false;
    }
    for (std::size_t k = 0; k < actualFields.size(); ++k) {
        if (expectedFields[k] != "*" && expectedFields[k] != actualFields[k]) {
            return false;
        }
    }
    return true;
}

::testing::AssertionResult SequenceMatches(const std::vector<std::string>& actual,
                                           const std::vector<std::string>& expected) {
    const std::size_t n = actual.size();
    const std::size_t m = expected.size();
    std::vector<std::string> pattern(expected);
    for (std::string& line : pattern) {
        if (IsOptional(line)) {
            line.erase(0, OPTIONAL_MARK_SIZE);
        }
    }
    // differences[i][j]: the fewest missing and spurious lines that align actual from i with
    // expected from j, an optional line costing nothing when left out. One extra or missing call is
    // so reported as just that, not as a mismatch of everything after it.
    std::vector<std::vector<std::size_t>> differences(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t i = n + 1; i-- > 0;) {
        for (std::size_t j = m + 1; j-- > 0;) {
            if (i == n && j == m) {
                continue;
            }
            std::size_t best = SIZE_MAX;
            if (i < n && j < m && LineMatches(actual[i], pattern[j])) {
                best = differences[i + 1][j + 1];
            }
            if (j < m) {
                best = std::min(best, differences[i][j + 1] + (IsOptional(expected[j]) ? 0 : 1));
            }
            if (i < n) {
                best = std::min(best, differences[i + 1][j] + 1);
            }
            differences[i][j] = best;
        }
    }
    if (differences[0][0] == 0) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream report;
    report << "call sequence differs from the expected one (" << actual.size() << " actual, "
           << expected.size() << " expected):\n";
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && LineMatches(actual[i], pattern[j]) &&
            differences[i][j] == differences[i + 1][j + 1]) {
            ++i;
            ++j;
        } else if (j < m && differences[i][j] == differences[i][j + 1] + (IsOptional(expected[j]) ? 0 : 1)) {
            if (!IsOptional(expected[j])) {
                report << "  missing  at expected #" << j << ": " << expected[j] << "\n";
            }
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
