// The thread's posted-message queue, drained by the Qt event loop.
#pragma once

#include <windows.h>

#include <QEvent>
#include <QPointer>
#include <memory>

namespace winport {
// A Qt input event taken out of Qt's delivery and kept with its Win32 message, so that the
// control can still act on it natively if the message reaches the default procedure.
struct NativeInput {
    QPointer<QObject> target;
    std::unique_ptr<QEvent> event;
};

void postInput(const MSG& msg, std::shared_ptr<NativeInput> native);
// Dispatches a message with the native event behind it (may be null).
LRESULT dispatchWithNative(const MSG& msg, NativeInput* native);
void forgetQueuedMessages(HWND hwnd);
void cancelWindowTimers(HWND hwnd);
// Time and cursor position stamped on messages.
DWORD messageTime();
POINT cursorPoint();
// Runs the Qt event loop for the given time, dispatching posted messages on the way.
void pumpEvents(int milliseconds);
}
