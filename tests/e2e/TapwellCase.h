#pragma once
// The fixture of every end-to-end case: a clean start (no Tapwell running, no settings stored) and
// an end that leaves nothing running, whether the case passed or failed.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TapwellDriver.h"

class CTapwellCase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Tapwell pressing the letter key without end into the focused recorder, at this delay in
    // milliseconds (empty: the one on the form); nullptr, with a failure, when a step did not happen.
    CTapwellInstance* StartEndlessLetterRun(const std::wstring& strDelayMs);
    // Tapwell.exe with the arguments, run as a script runs it: its exit code once it has ended;
    // nothing when it did not start or end in time.
    std::optional<DWORD> RunScript(const std::wstring& strArguments);

    CTapwellDriver m_driver;
};
