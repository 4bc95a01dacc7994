#pragma once
// The fixture of every end-to-end case: a clean start (no Tapwell running, no settings stored) and
// an end that leaves nothing running, whether the case passed or failed.
#include <gtest/gtest.h>

#include "TapwellDriver.h"

class CTapwellCase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CTapwellDriver m_driver;
};
