// The Qt application object behind every window, created on the first window call.
#pragma once

namespace winport {
// Makes sure a QApplication exists (headless hosts without a display get the offscreen platform).
void ensureApplication();
// True once the process said that nobody sees its windows (winport/headless.h).
bool headless();
}
