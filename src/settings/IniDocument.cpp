#include "settings/IniDocument.h"

#include <cwctype>

namespace {

constexpr wchar_t BLANKS[] = L" \t";

std::wstring Trim(const std::wstring& text) {
    const std::size_t nFirst = text.find_first_not_of(BLANKS);
    if (nFirst == std::wstring::npos) {
        return std::wstring();
    }
    return text.substr(nFirst, text.find_last_not_of(BLANKS) - nFirst + 1);
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool HasLineBreak(const std::wstring& text) {
    return text.find_first_of(L"\r\n") != std::wstring::npos;
}

} // namespace

CIniDocument::Line CIniDocument::Interpret(const std::wstring& text) {
    Line line;
    line.text = text;
    const std::wstring trimmed = Trim(text);
    if (text.size() > MAX_LINE || trimmed.empty() || trimmed[0] == L';' || trimmed[0] == L'#') {
        return line;
    }
    if (trimmed[0] == L'[') {
        if (trimmed.back() == L']') {
            line.kind = Kind::Section;
            line.key = Trim(trimmed.substr(1, trimmed.size() - 2));
        }
        return line;
    }
    const std::size_t nEquals = trimmed.find(L'=');
    if (nEquals != std::wstring::npos && nEquals > 0) {
        line.kind = Kind::Value;
        line.key = Trim(trimmed.substr(0, nEquals));
        line.value = Trim(trimmed.substr(nEquals + 1));
    }
    return line;
}

CIniDocument CIniDocument::Parse(const std::wstring& text) {
    CIniDocument document;
    std::size_t nStart = 0;
    while (nStart < text.size()) {
        std::size_t nEnd = text.find(L'\n', nStart);
        if (nEnd == std::wstring::npos) {
            nEnd = text.size();
        }
        std::wstring line = text.substr(nStart, nEnd - nStart);
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
        document.m_lines.push_back(Interpret(line));
        nStart = nEnd + 1;
    }
    return document;
}

std::wstring CIniDocument::Text() const {
    std::wstring text;
    for (const Line& line : m_lines) {
        text += line.text + L"\r\n";
    }
    return text;
}

std::size_t CIniDocument::FindSection(const std::wstring& section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && SameName(m_lines[i].key, section)) {
            return i;
        }
    }
    return std::wstring::npos;
}

std::size_t CIniDocument::SectionEnd(std::size_t nSection) const {
    std::size_t i = nSection + 1;
    while (i < m_lines.size() && m_lines[i].kind != Kind::Section) {
        ++i;
    }
    return i;
}

bool CIniDocument::Find(const std::wstring& section, const std::wstring& name, std::wstring& value) const {
    const std::size_t nSection = FindSection(section);
    if (nSection == std::wstring::npos) {
        return false;
    }
    for (std::size_t i = nSection + 1; i < SectionEnd(nSection); ++i) {
        if (m_lines[i].kind == Kind::Value && SameName(m_lines[i].key, name)) {
            value = m_lines[i].value;
            return true;
        }
    }
    return false;
}

bool CIniDocument::Set(const std::wstring& section, const std::wstring& name, const std::wstring& value) {
    const Line line = Interpret(name + L'=' + value);
    if (section.empty() || Trim(section) != section || section.find(L']') != std::wstring::npos ||
        HasLineBreak(section) || HasLineBreak(line.text) || line.kind != Kind::Value || line.key != name ||
        line.value != value) {
        return false;
    }
    std::size_t nSection = FindSection(section);
    if (nSection == std::wstring::npos) {
        if (!m_lines.empty() && !Trim(m_lines.back().text).empty()) {
            m_lines.push_back(Line());
        }
        m_lines.push_back(Interpret(L'[' + section + L']'));
        nSection = m_lines.size() - 1;
    }
    bool bReplaced = false;
    for (std::size_t i = nSection + 1; i < SectionEnd(nSection);) {
        if (m_lines[i].kind == Kind::Value && SameName(m_lines[i].key, name)) {
            if (bReplaced) {
                m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            m_lines[i] = line;
            bReplaced = true;
        }
        ++i;
    }
    if (!bReplaced) {
        // After the section's last value, before the blank lines and comments that end it.
        std::size_t nAt = SectionEnd(nSection);
        while (nAt > nSection + 1 && m_lines[nAt - 1].kind == Kind::Other) {
            --nAt;
        }
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(nAt), line);
    }
    return true;
}
