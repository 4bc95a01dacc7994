#include "TapwellCase.h"

#include "Polling.h"
#include "TapwellRegistry.h"
#include "UserKeyboard.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const wchar_t APP_TITLE[] = L"" TAPWELL_APP_TITLE;
const DWORD LEFTOVER_TIMEOUT_MS = 10000;
} // namespace

void CTapwellCase::SetUp() {
    // A Tapwell left over from elsewhere would take part in the single-instance rule and the
    // instance count, and every case would then test something else.
    ASSERT_TRUE(WaitUntil([] { return TopLevelWindowsTitled(APP_TITLE).empty(); }, LEFTOVER_TIMEOUT_MS))
        << "another Tapwell is running";
    ResetTapwellRegistry();
}

void CTapwellCase::TearDown() {
    m_driver.EndAll();
    ReleaseKeysLeftDown();
}
