#include "fw/Edit.h"

#include "ports/Win32Constants.h"

void CEdit::SetSel(int start, int end) {
    SendMessage(EM_SETSEL, static_cast<WParam>(start), static_cast<LParam>(end));
}
