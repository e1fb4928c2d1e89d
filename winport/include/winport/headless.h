// Processes whose windows nobody sees: an unattended command-line run.
#pragma once

#include "winport/export.h"

namespace winport {
// Says, before the first window, that no person will see this process's windows. They live on
// a platform without a screen or font files, where text is measured in plain boxes, and their
// surfaces are never painted: painting and glyphs are what only a person would see. Everything
// else stays: texts, states and messages of every window, and an image taken of a window, which
// paints it on request.
WINPORT_API void setHeadless();
}
