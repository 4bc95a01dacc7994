#pragma once
// A settings file as a person reads and edits it: "[section]" lines, "name=value" lines below them,
// comments (lines starting with ';' or '#') and blank lines. Every line is kept as it was written
// when a value changes, comments included. Sections and names match without regard to case, as
// the registry's keys and values do.
#include <cstddef>
#include <string>
#include <vector>

class CIniDocument {
public:
    // A line longer than this means nothing (its value reads as missing) but is kept.
    static constexpr std::size_t MAX_LINE = 1024;

    // Lines are split at LF; a CR before it is dropped.
    static CIniDocument Parse(const std::wstring& text);
    // The lines, each ended with CR LF.
    std::wstring Text() const;

    // The value written after '=' on the section's first line of that name, without the blanks
    // around it; false when there is none. Lines above the first section belong to no section.
    bool Find(const std::wstring& section, const std::wstring& name, std::wstring& value) const;
    // Replaces the section's first line of that name and drops any later one, or adds the line at
    // the end of the section, or the section at the end of the file. False, and nothing changed,
    // for a section, name or value that could not be read back as written.
    bool Set(const std::wstring& section, const std::wstring& name, const std::wstring& value);

private:
    enum class Kind { Other, Section, Value };
    struct Line {
        std::wstring text;
        Kind kind = Kind::Other;
        std::wstring key; // the section's name, or the value's name
        std::wstring value;
    };

    static Line Interpret(const std::wstring& text);
    // The index of the section's line; npos when there is none.
    std::size_t FindSection(const std::wstring& section) const;
    // Past the section's last line.
    std::size_t SectionEnd(std::size_t nSection) const;

    std::vector<Line> m_lines;
};
