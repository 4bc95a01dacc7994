#include "fw/Static.h"

#include "ports/Win32Constants.h"

IconHandle CStatic::SetIcon(IconHandle icon) {
    return static_cast<IconHandle>(SendMessage(STM_SETICON, icon));
}
