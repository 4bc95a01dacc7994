#pragma once
// A record of platform calls as text lines, one per call, and the comparison of such a record
// with the expected sequence, entry by entry. Fakes append to it; tests write the expectation as
// data, one line per call, in the order the system must see them.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

class CCallLog {
public:
    void Add(const std::string& line) { m_entries.push_back(line); }
    void Clear() { m_entries.clear(); }
    const std::vector<std::string>& Entries() const { return m_entries; }
    std::size_t Size() const { return m_entries.size(); }
    bool Empty() const { return m_entries.empty(); }
    // The entries whose line starts with one of the prefixes (e.g. {"PostMessage"}), in order.
    std::vector<std::string> Select(std::initializer_list<std::string> prefixes) const {
        std::vector<std::string> selected;
        for (const std::string& line : m_entries) {
            if (std::any_of(prefixes.begin(), prefixes.end(),
                            [&](const auto& prefix) { return line.rfind(prefix, 0) == 0; })) {
                selected.push_back(line);
            }
        }
        return selected;
    }
    std::size_t Count(const std::string& prefix) const { return Select({prefix}).size(); }

private:
    std::vector<std::string> m_entries;
};

// Formatting shared by the fakes, so that their lines read alike.
inline std::string Hex(std::uint64_t value, int minDigits = 1) { // "0x1C", Hex(5, 4) = "0x0005"
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%0*llX", minDigits, static_cast<unsigned long long>(value));
    return buffer;
}
inline std::string BoolText(bool value) {
    return value ? "TRUE" : "FALSE";
}
// A call as the window fakes log it: "Name(arg1, arg2)".
inline std::string Call(const std::string& name, std::initializer_list<std::string> args) {
    std::string line = name + "(";
    const char* separator = "";
    for (const std::string& arg : args) {
        line += separator + arg;
        separator = ", ";
    }
    return line + ")";
}
// UTF-8, for logging window texts; the fakes build only where wchar_t holds a whole code point.
inline std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t unit : text) {
        const auto code = static_cast<std::uint32_t>(unit);
        const int trailing = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        // A lead byte starts with as many one bits as the sequence has bytes: 110..., 1110..., 11110...
        out += static_cast<char>(
            trailing == 0 ? code : ((0xFF00 >> (trailing + 1)) & 0xFF) | (code >> (6 * trailing)));
        for (int k = trailing - 1; k >= 0; --k) {
            out += static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3F));
        }
    }
    return out;
}

// Compares actual with expected, line for line; a difference lists both, marking the lines that
// differ.
::testing::AssertionResult SequenceMatches(const std::vector<std::string>& actual,
                                           const std::vector<std::string>& expected);
inline ::testing::AssertionResult SequenceMatches(const CCallLog& log,
                                                  const std::vector<std::string>& expected) {
    return SequenceMatches(log.Entries(), expected);
}
