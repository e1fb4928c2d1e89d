// Processes whose windows nobody can see: a command-line run on the offscreen platform.
#pragma once

#include "winport/export.h"

namespace winport {
// Says, before the first window is shown, that no person will see this process's windows. Their
// surfaces are then never painted: painting is the part of a change only a person would see.
// Everything else stays as it is: texts, positions, states and messages of every window, and an
// image taken of a window, which paints it on request.
WINPORT_API void setHeadless();
}
