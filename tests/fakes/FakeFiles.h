#pragma once
// Files in memory, and file dialogs that answer with the next name the test gave (or cancel).
#include <deque>
#include <map>
#include <string>

#include "ports/IFiles.h"

class FakeFiles : public IFiles {
public:
    bool GetOpenFileName(WindowHandle, const std::wstring&, const std::wstring&,
                         std::wstring& path) override {
        return Answer(path);
    }
    bool GetSaveFileName(WindowHandle, const std::wstring&, const std::wstring&,
                         std::wstring& path) override {
        return Answer(path);
    }
    bool ReadFile(const std::wstring& path, std::size_t maxBytes, std::string& bytes,
                  std::wstring& strError) override {
        const auto found = m_files.find(path);
        if (found == m_files.end()) {
            strError = L"The system cannot find the file specified.";
            return false;
        }
        bytes = found->second.substr(0, maxBytes + 1);
        return true;
    }
    bool WriteFile(const std::wstring& path, const std::string& bytes, std::wstring& strError) override {
        if (path == m_strReadOnly) {
            strError = L"Access is denied.";
            return false;
        }
        m_files[path] = bytes;
        return true;
    }
    std::wstring GetFullPathName(const std::wstring& path) override {
        return path.find(L':') == std::wstring::npos ? L"C:\\work\\" + path : path;
    }
    bool SendCopyData(WindowHandle, WindowHandle, std::uintptr_t, const std::wstring&, std::uint32_t,
                      LResult*) override {
        return false;
    }

    std::map<std::wstring, std::string> m_files;
    std::wstring m_strReadOnly;
    // The names the next dialogs return; an empty one is a cancel.
    std::deque<std::wstring> m_dialogAnswers;

private:
    bool Answer(std::wstring& path) {
        const std::wstring answer = m_dialogAnswers.empty() ? L"" : m_dialogAnswers.front();
        if (!m_dialogAnswers.empty()) {
            m_dialogAnswers.pop_front();
        }
        path = answer.empty() ? path : answer;
        return !answer.empty();
    }
};
