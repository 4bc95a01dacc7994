#pragma once
// A record of platform calls as text lines, one per call, and the comparison of such a record
// with the expected sequence, entry by entry. Fakes append to it; tests write the expectation as
// data, one line per call, in the order the system must see them.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

class CCallLog {
public:
    void Add(const std::string& line);
    void Clear();

    const std::vector<std::string>& Entries() const { return m_entries; }
    std::size_t Size() const { return m_entries.size(); }
    bool Empty() const { return m_entries.empty(); }
    // The entries whose line starts with one of the prefixes (e.g. {"PostMessage"}), in order.
    std::vector<std::string> Select(std::initializer_list<std::string> prefixes) const;
    // Number of entries starting with prefix.
    std::size_t Count(const std::string& prefix) const;

private:
    std::vector<std::string> m_entries;
};

// Formatting shared by the fakes, so that their lines read alike.
std::string Hex(std::uint64_t value, int minDigits = 1); // "0x1C", Hex(5, 4) = "0x0005"
std::string Narrow(const std::wstring& text);            // UTF-8, for logging window texts
std::string BoolText(bool value);                        // "TRUE" / "FALSE"
// A call as the window fakes log it: "Name(arg1, arg2)".
std::string Call(const std::string& name, std::initializer_list<std::string> args);
// The name a constant is logged under: its entry in names, or fallback when it has none.
struct ConstantName {
    std::uint32_t value;
    const char* name;
};
std::string NameOf(std::uint32_t value, std::initializer_list<ConstantName> names,
                   const std::string& fallback);

// Compares actual with expected. In an expected line a field (words are separated by spaces) of
// "*" matches any one field, and a line starting with "? " may be absent. On a difference it lists
// every expected line that is missing (with its position in expected) and every actual line that
// is spurious (with its position in actual), aligned so that there are as few of them as possible,
// followed by the whole actual sequence.
::testing::AssertionResult SequenceMatches(const std::vector<std::string>& actual,
                                           const std::vector<std::string>& expected);
::testing::AssertionResult SequenceMatches(const CCallLog& log, const std::vector<std::string>& expected);
// One line against one expected line, with the "*" fields of SequenceMatches (not its "? ").
bool LineMatches(const std::string& actual, const std::string& expected);
