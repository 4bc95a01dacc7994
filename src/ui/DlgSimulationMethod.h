#pragma once
// The modal dialog that chooses how single keys are simulated ("Normal" or "Brute") and the pause
// between a key's down and up events. It touches no settings: its opener fills the members before
// running it and stores them when it ends with IDOK.
#include <cstdint>

#include "fw/Dialog.h"

class CDlgSimulationMethod : public CDialog {
public:
    static constexpr std::uint32_t MAX_KEY_DOWN_UP_DELAY = 9999999;

    CDlgSimulationMethod(CWnd* pParent, const WindowPorts& windows);

    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

    // Index of the checked radio button: 0 "Normal", 1 "Brute", -1 neither.
    int m_nMethod = -1;
    std::uint32_t m_nKeyDownUpDelay = 0;
};
