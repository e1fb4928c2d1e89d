// Repaints of top-level windows at the pace a person can see them.
#pragma once

class QWidget;

namespace winport {

// A top-level window repaints at most once per frame (about 16 ms): a repaint asked for sooner
// waits for the frame's end and then paints everything changed meanwhile, so the last state is
// always painted. Code that changes a window many times a millisecond (a progress bar stepped
// per block, texts set per file) pays for one paint per frame, not one per change.
void paceRepaints(QWidget* topLevel);

// Lets the window's next repaint through at once, whenever the last one was: UpdateWindow, the
// program's own request to see the window painted now (a result view showing its first rows while
// the rest are still being written). The frame starts again from that paint.
void paintNextAtOnce(QWidget* topLevel);

}
