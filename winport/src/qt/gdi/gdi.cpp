// Fonts and device contexts. Fonts are log fonts turned into Qt fonts on use; a device context
// measures with its selected font and draws through a QPainter while a paint event runs.
#include "gdi.h"
#include "qt/windows/latin1.h"
#include "qt/windows/qtapp.h"
#include "qt/windows/window.h"
#include "base/textbuffer.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <utility>

namespace winport {
namespace {
    const int kScreenDpi = 96;

    std::unordered_map<HGDIOBJ, LOGFONTA>& fonts()
    {
        static std::unordered_map<HGDIOBJ, LOGFONTA> table;
        return table;
    }
    uintptr_t g_nextObject = 0x20000;

    HGDIOBJ newHandle()
    {
        HGDIOBJ h = reinterpret_cast<HGDIOBJ>(g_nextObject);
        g_nextObject += 4;
        return h;
    }

    LOGFONTA makeLogFont(LONG height, LONG weight, BYTE pitch, const char* face)
    {
        LOGFONTA lf {};
        lf.lfHeight = height;
        lf.lfWeight = weight;
        lf.lfCharSet = ANSI_CHARSET;
        lf.lfPitchAndFamily = pitch;
        std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
        return lf;
    }

    // Stock fonts: handles that DeleteObject leaves alone.
    struct Stock {
        int index;
        HGDIOBJ handle;
    };
    std::vector<Stock>& stock()
    {
        static std::vector<Stock> list = [] {
            std::vector<Stock> s;
            auto add = [&s](int index, const LOGFONTA& lf) {
                HGDIOBJ h = newHandle();
                fonts()[h] = lf;
                s.push_back(Stock { index, h });
            };
            add(DEFAULT_GUI_FONT,
                makeLogFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg"));
            add(SYSTEM_FONT, makeLogFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System"));
            add(ANSI_VAR_FONT,
                makeLogFont(12, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"));
            add(ANSI_FIXED_FONT,
                makeLogFont(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier New"));
            add(SYSTEM_FIXED_FONT,
                makeLogFont(15, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier New"));
            add(DEVICE_DEFAULT_FONT,
                makeLogFont(16, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "System"));
            return s;
        }();
        return list;
    }
    bool isStock(HGDIOBJ h)
    {
        for (const Stock& s : stock()) {
            if (s.handle == h)
                return true;
        }
        return false;
    }

    std::unordered_map<HDC, std::unique_ptr<DeviceContext>> g_dcs;
    uintptr_t g_nextDc = 0x30000;

    HDC newDc(HWND hwnd, QWidget* widget)
    {
        auto dc = std::make_unique<DeviceContext>();
        dc->hwnd = hwnd;
        dc->widget = widget;
        return addDc(std::move(dc));
    }

    QColor colorOf(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

    QFont dcFont(const DeviceContext& dc) { return qtFontOf(static_cast<HFONT>(dc.font)); }

    QFontMetrics metricsOf(const DeviceContext& dc, const QFont& font)
    {
        QPaintDevice* device = metricDevice(dc);
        return device ? QFontMetrics(font, device) : QFontMetrics(font);
    }
}

DeviceContext::~DeviceContext()
{
    if (printer)
        endPrinterJob(*this, false);
    painter.reset();
}

HDC addDc(std::unique_ptr<DeviceContext> dc)
{
    HDC h = reinterpret_cast<HDC>(g_nextDc);
    g_nextDc += 4;
    if (!dc->font)
        dc->font = GetStockObject(SYSTEM_FONT);
    g_dcs[h] = std::move(dc);
    return h;
}

DeviceContext* findDc(HDC dc)
{
    auto it = g_dcs.find(dc);
    return it == g_dcs.end() ? nullptr : it->second.get();
}

namespace {
    // Sets one drawing state of a device context and returns the one it had; `failure` when the
    // handle names no device context.
    template <class T> T exchangeState(HDC dc, T DeviceContext::*state, T value, T failure)
    {
        DeviceContext* d = findDc(dc);
        return d ? std::exchange(d->*state, value) : failure;
    }
}

QFont fontFromLogFont(const LOGFONTA& lf)
{
    ensureApplication();
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, lf.lfFaceName, LF_FACESIZE);
    QFont font(toQt(face));
    switch (lf.lfPitchAndFamily & 0xF0) {
    case FF_MODERN:
        font.setStyleHint(QFont::Monospace);
        break;
    case FF_ROMAN:
        font.setStyleHint(QFont::Serif);
        break;
    case FF_SWISS:
        font.setStyleHint(QFont::SansSerif);
        break;
    default:
        break;
    }
    if ((lf.lfPitchAndFamily & 0x3) == FIXED_PITCH)
        font.setFixedPitch(true);
    // Whole-pixel glyph advances, as GDI gives them: the extent of n characters of a fixed-pitch
    // font is then n times its average width, and measured text is as wide as drawn text.
    font.setHintingPreference(QFont::PreferFullHinting);
    if (lf.lfHeight < 0) {
        font.setPixelSize(static_cast<int>(-lf.lfHeight));
    } else if (lf.lfHeight > 0) {
        // A positive height is the cell height (ascent + descent): scale the em to fit it.
        QFont probe(font);
        probe.setPixelSize(static_cast<int>(lf.lfHeight));
        int cell = QFontMetrics(probe).height();
        int em = cell > 0 ? static_cast<int>(std::lround(double(lf.lfHeight) * lf.lfHeight / cell))
                          : static_cast<int>(lf.lfHeight);
        font.setPixelSize(std::max(1, em));
    } else {
        font.setPixelSize(13);
    }
    font.setWeight(
        static_cast<QFont::Weight>(lf.lfWeight > 0 ? std::min<LONG>(lf.lfWeight, 900) : FW_NORMAL));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    if (lf.lfWidth != 0) {
        int natural = QFontMetrics(font).averageCharWidth();
        LONG width = lf.lfWidth < 0 ? -lf.lfWidth : lf.lfWidth;
        if (natural > 0)
            font.setStretch(std::clamp(static_cast<int>(width * 100 / natural), 1, 4000));
    }
    return font;
}

bool logFontOf(HFONT font, LOGFONTA* logFont)
{
    stock();
    auto it = fonts().find(font);
    if (it == fonts().end())
        return false;
    if (logFont)
        *logFont = it->second;
    return true;
}

QFont qtFontOf(HFONT font)
{
    LOGFONTA lf;
    if (!font || !logFontOf(font, &lf))
        logFontOf(defaultGuiFont(), &lf);
    return fontFromLogFont(lf);
}

HFONT defaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

LOGFONTA logFontFromQt(const QFont& font)
{
    QFontInfo info(font);
    int pixels = font.pixelSize() > 0
        ? font.pixelSize()
        : static_cast<int>(std::lround(font.pointSizeF() * kScreenDpi / 72.0));
    LOGFONTA lf = makeLogFont(-pixels, static_cast<LONG>(font.weight()),
        static_cast<BYTE>(info.fixedPitch() ? FIXED_PITCH : VARIABLE_PITCH),
        fromQt(info.family()).c_str());
    lf.lfItalic = font.italic();
    lf.lfUnderline = font.underline();
    lf.lfStrikeOut = font.strikeOut();
    return lf;
}

void applyFont(HWND hwnd)
{
    Window* w = findWindow(hwnd);
    if (!w || !w->widget)
        return;
    QFont font = qtFontOf(w->font);
    w->widget->setFont(font);
}
}

using namespace winport;

HFONT CreateFontIndirect(const LOGFONTA* logFont)
{
    if (!logFont)
        return nullptr;
    HGDIOBJ h = newHandle();
    fonts()[h] = *logFont;
    return static_cast<HFONT>(h);
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
    DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
    DWORD quality, DWORD pitchAndFamily, LPCSTR faceName)
{
    LOGFONTA lf {};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic);
    lf.lfUnderline = static_cast<BYTE>(underline);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

int GetObject(HGDIOBJ object, int size, LPVOID buffer)
{
    LOGFONTA lf;
    if (!logFontOf(static_cast<HFONT>(object), &lf))
        return 0;
    if (!buffer)
        return sizeof(LOGFONTA);
    int n = std::min<int>(size, sizeof(LOGFONTA));
    if (n <= 0)
        return 0;
    std::memcpy(buffer, &lf, static_cast<size_t>(n));
    return n;
}

DWORD GetObjectType(HGDIOBJ object)
{
    return logFontOf(static_cast<HFONT>(object), nullptr) ? OBJ_FONT : 0;
}

BOOL DeleteObject(HGDIOBJ object)
{
    if (!object || isStock(object))
        return object != nullptr;
    return fonts().erase(object) > 0;
}

HGDIOBJ GetStockObject(int index)
{
    for (const Stock& s : stock()) {
        if (s.index == index)
            return s.handle;
    }
    return nullptr;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    DeviceContext* d = findDc(dc);
    if (!d || !logFontOf(static_cast<HFONT>(object), nullptr))
        return nullptr;
    HGDIOBJ previous = d->font;
    d->font = object;
    return previous;
}

HDC GetDC(HWND hwnd)
{
    ensureApplication();
    if (hwnd && !IsWindow(hwnd))
        return nullptr;
    return newDc(hwnd, widgetOf(hwnd));
}

int ReleaseDC(HWND, HDC dc) { return g_dcs.erase(dc) > 0 ? 1 : 0; }

BOOL SetViewportOrgEx(HDC dc, int x, int y, LPPOINT previous)
{
    DeviceContext* d = findDc(dc);
    if (!d)
        return FALSE;
    if (previous)
        *previous = POINT { d->origin.x(), d->origin.y() };
    d->origin = QPoint(x, y);
    return TRUE;
}

BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, LPPOINT previous)
{
    DeviceContext* d = findDc(dc);
    return d && SetViewportOrgEx(dc, d->origin.x() + dx, d->origin.y() + dy, previous);
}

BOOL GetViewportOrgEx(HDC dc, LPPOINT origin)
{
    DeviceContext* d = findDc(dc);
    if (!d || !origin)
        return FALSE;
    *origin = POINT { d->origin.x(), d->origin.y() };
    return TRUE;
}

HDC CreateCompatibleDC(HDC) { return GetDC(nullptr); }

BOOL DeleteDC(HDC dc) { return g_dcs.erase(dc) > 0; }

int GetDeviceCaps(HDC dc, int index)
{
    DeviceContext* d = findDc(dc);
    if (dc && !d)
        return 0;
    if (d && d->printer)
        return printerDeviceCaps(*d, index);
    ensureApplication();
    QScreen* screen = QGuiApplication::primaryScreen();
    QSize size = screen ? screen->size() : QSize(800, 600);
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return kScreenDpi;
    case HORZRES:
        return size.width();
    case VERTRES:
        return size.height();
    case HORZSIZE:
        return size.width() * 254 / (kScreenDpi * 10);
    case VERTSIZE:
        return size.height() * 254 / (kScreenDpi * 10);
    case BITSPIXEL:
        return 32;
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    default:
        return 0;
    }
}

BOOL GetTextMetrics(HDC dc, LPTEXTMETRICA tm)
{
    DeviceContext* d = findDc(dc);
    if (!d || !tm)
        return FALSE;
    QFont font = dcFont(*d);
    QFontMetrics m = metricsOf(*d, font);
    QFontInfo info(font);
    std::memset(tm, 0, sizeof(*tm));
    tm->tmHeight = m.height();
    tm->tmAscent = m.ascent();
    tm->tmDescent = m.descent();
    tm->tmInternalLeading = std::max(0, m.height() - info.pixelSize());
    tm->tmExternalLeading = std::max(0, m.leading());
    tm->tmAveCharWidth = m.averageCharWidth();
    tm->tmMaxCharWidth = m.maxWidth();
    tm->tmWeight = font.weight();
    tm->tmDigitizedAspectX = GetDeviceCaps(dc, LOGPIXELSX);
    tm->tmDigitizedAspectY = GetDeviceCaps(dc, LOGPIXELSY);
    tm->tmFirstChar = 0x20;
    tm->tmLastChar = 0xFF;
    tm->tmDefaultChar = 0x1F;
    tm->tmBreakChar = 0x20;
    tm->tmItalic = font.italic();
    tm->tmUnderlined = font.underline();
    tm->tmStruckOut = font.strikeOut();
    // As in Windows, the "fixed pitch" bit is set for variable-pitch fonts.
    tm->tmPitchAndFamily = info.fixedPitch() ? 0 : TMPF_FIXED_PITCH;
    tm->tmCharSet = ANSI_CHARSET;
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, LPSIZE size)
{
    DeviceContext* d = findDc(dc);
    if (!d || !size || (!text && length > 0) || length < 0)
        return FALSE;
    QFontMetrics m = metricsOf(*d, dcFont(*d));
    size->cx = m.horizontalAdvance(toQt(text, length));
    size->cy = m.height();
    return TRUE;
}

BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length)
{
    DeviceContext* d = findDc(dc);
    if (!d || !d->painter || (!text && length > 0))
        return FALSE;
    QFont font = dcFont(*d);
    QFontMetrics m = metricsOf(*d, font);
    QString s = toQt(text, length);
    QPainter& p = *d->painter;
    p.setFont(font);
    x += d->origin.x();
    y += d->origin.y();
    if (d->backMode == OPAQUE)
        p.fillRect(QRect(x, y, m.horizontalAdvance(s), m.height()), colorOf(d->backColor));
    p.setPen(colorOf(d->textColor));
    p.drawText(QPoint(x, y + m.ascent()), s);
    return TRUE;
}

int GetTextFace(HDC dc, int size, LPSTR faceName)
{
    DeviceContext* d = findDc(dc);
    LOGFONTA lf;
    if (!d || !logFontOf(static_cast<HFONT>(d->font), &lf))
        return 0;
    int n = static_cast<int>(strnlen(lf.lfFaceName, LF_FACESIZE));
    if (!faceName)
        return n + 1;
    if (size <= 0)
        return 0;
    return static_cast<int>(copyTruncated(
        std::string(lf.lfFaceName, static_cast<size_t>(n)), faceName, static_cast<size_t>(size)));
}

COLORREF SetTextColor(HDC dc, COLORREF color)
{
    return exchangeState(dc, &DeviceContext::textColor, color, COLORREF(0xFFFFFFFF));
}

COLORREF SetBkColor(HDC dc, COLORREF color)
{
    return exchangeState(dc, &DeviceContext::backColor, color, COLORREF(0xFFFFFFFF));
}

int SetBkMode(HDC dc, int mode)
{
    if (mode != OPAQUE && mode != TRANSPARENT)
        return 0;
    return exchangeState(dc, &DeviceContext::backMode, mode, 0);
}

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    // Rounds half away from zero, as Windows does.
    long long product = static_cast<long long>(number) * numerator;
    long long divisor = denominator;
    bool negative = (product < 0) != (divisor < 0);
    long long quotient = (std::llabs(product) + std::llabs(divisor) / 2) / std::llabs(divisor);
    if (negative)
        quotient = -quotient;
    if (quotient > INT32_MAX || quotient < INT32_MIN)
        return -1;
    return static_cast<int>(quotient);
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint)
{
    if (!paint || !IsWindow(hwnd))
        return nullptr;
    std::memset(paint, 0, sizeof(*paint));
    HDC dc = newDc(hwnd, widgetOf(hwnd));
    DeviceContext* d = findDc(dc);
    PaintScope* scope = PaintScope::s_current;
    if (scope && scope->hwnd == hwnd && scope->widget) {
        d->painter = std::make_unique<QPainter>(scope->widget);
        paint->rcPaint = RECT { scope->rect.left(), scope->rect.top(), scope->rect.right() + 1,
            scope->rect.bottom() + 1 };
    }
    paint->hdc = dc;
    paint->fErase = TRUE;
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint)
{
    if (!paint)
        return FALSE;
    g_dcs.erase(paint->hdc);
    return TRUE;
}
