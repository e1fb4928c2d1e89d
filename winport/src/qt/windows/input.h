// Qt input turned into Win32 messages: one application-wide event filter.
#pragma once

#include <windows.h>

namespace winport {
struct NativeInput;

void installInputFilter();

// Marks the current input dispatch as having reached the default procedure (the control may
// then act on the Qt event itself).
void inputReachedDefault(HWND hwnd, UINT message);

// One input message being dispatched; tells afterwards whether it reached the default procedure.
class InputScope {
public:
    InputScope(HWND hwnd, UINT message);
    ~InputScope();
    InputScope(const InputScope&) = delete;
    InputScope& operator=(const InputScope&) = delete;
    bool reachedDefault() const { return m_reached; }

private:
    friend void inputReachedDefault(HWND, UINT);
    HWND m_hwnd;
    UINT m_message;
    bool m_reached = false;
    InputScope* m_previous;
};

// While a PeekMessage/GetMessage with a window filter pumps events, input for that window goes
// into the queue as messages and all other input is held back until the event loop runs again.
class CaptureScope {
public:
    explicit CaptureScope(HWND hwnd);
    ~CaptureScope();
    CaptureScope(const CaptureScope&) = delete;
    CaptureScope& operator=(const CaptureScope&) = delete;

private:
    HWND m_previous;
    bool m_active;
};

bool hasHeldInput();
void replayHeldInput();
// Delivers a kept Qt event to its widget without turning it into messages again.
void deliverNative(NativeInput& native);

// Mouse hooks (WH_MOUSE): true when a hook swallowed the message.
bool runMouseHooks(UINT message, POINT screenPoint, HWND hwnd, UINT hitTest);
// Mouse tracking: the mouse moved over hwnd (NULL: over no window of ours).
void mouseMovedOver(HWND hwnd, POINT clientPoint, WPARAM keys);
}
