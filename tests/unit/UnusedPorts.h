#pragma once
// Ports that the part under test has no business with: any use fails the test, naming the part
// ("start-up", "the selector").
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "ports/IRandomSource.h"
#include "ports/IShell.h"

class UnusedShell : public IShell {
public:
    explicit UnusedShell(const char* user) : m_user(user) {}

    std::intptr_t ShellExecute(WindowHandle, const std::wstring&, const std::wstring&, int) override {
        ADD_FAILURE() << m_user << " opened something through the shell";
        return 0;
    }
    std::wstring GetModuleFileName(std::uint32_t) override {
        ADD_FAILURE() << m_user << " asked for the module file name";
        return L"";
    }

private:
    const char* m_user;
};

class UnusedRandom : public IRandomSource {
public:
    explicit UnusedRandom(const char* user) : m_user(user) {}

    std::uint32_t NextSeed() override {
        ADD_FAILURE() << m_user << " asked for a random seed";
        return 0;
    }

private:
    const char* m_user;
};
