#include "TapwellCase.h"

#include "Polling.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "UserKeyboard.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
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

CTapwellInstance* CTapwellCase::StartEndlessLetterRun(const std::wstring& strDelayMs) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    if (!pTapwell || !pTapwell->FillInRun(KEY_LETTER_A, strDelayMs, L"0") || !m_driver.StartRecorder() ||
        pTapwell->Form().Click(IDC_START_KEYPRESSING) != ActionResult::Done) {
        ADD_FAILURE() << "the run did not start";
        return nullptr;
    }
    return pTapwell;
}

std::optional<DWORD> CTapwellCase::RunScript(const std::wstring& strArguments) {
    CChildProcess* pScript = m_driver.LaunchTapwell(strArguments);
    return pScript && pScript->WaitForExit(EXIT_TIMEOUT_MS) ? pScript->ExitCode() : std::nullopt;
}
