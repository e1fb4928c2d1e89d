// CGdiObject and CFont: owners of GDI handles (the handle is deleted with the object).
#pragma once

#include "winport/export.h"
#include "wingdi.h"

class CDC;

class WINPORT_API CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const;
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int size, LPVOID buffer) const;
};

class WINPORT_API CFont : public CGdiObject {
public:
    CFont() = default;

    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    // A temporary wrapper that lives as long as the font handle (not owning it).
    static CFont* FromHandle(HFONT font);

    BOOL CreateFontIndirect(const LOGFONTA* logFont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
        BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
        BYTE quality, BYTE pitchAndFamily, LPCSTR faceName);
    // A font of pointSize tenths of a point for the device (the screen when dc is NULL).
    BOOL CreatePointFont(int pointSize, LPCSTR faceName, CDC* dc = nullptr);
    // As CreatePointFont with the log font's lfHeight in tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONTA* logFont, CDC* dc = nullptr);
    int GetLogFont(LOGFONTA* logFont) const;
};
