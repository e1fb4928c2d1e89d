// GDI objects behind HFONT and HDC handles.
#pragma once

#include <windows.h>

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <memory>

class QPaintDevice;
class QPainter;
class QWidget;

namespace winport {
struct PrinterJob;

// The state behind an HDC: a window's (screen metrics, a painter while a paint event runs) or a
// printer's (the printer's metrics, a painter while a job runs).
struct DeviceContext {
    HWND hwnd = nullptr;
    QWidget* widget = nullptr;
    std::unique_ptr<QPainter> painter;
    HGDIOBJ font = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF backColor = RGB(255, 255, 255);
    int backMode = OPAQUE;
    QPoint origin; // the viewport origin, in device units
    std::shared_ptr<PrinterJob> printer; // printer device contexts only

    ~DeviceContext();
};
DeviceContext* findDc(HDC dc);
// Registers a device context and returns its handle.
HDC addDc(std::unique_ptr<DeviceContext> dc);
// The device whose metrics text takes on this context: the printer, or NULL for the screen.
QPaintDevice* metricDevice(const DeviceContext& dc);
// GetDeviceCaps of a printer device context.
int printerDeviceCaps(const DeviceContext& dc, int index);
// Ends a printer device context's running job: completed (its file kept) or aborted (nothing left
// behind). FALSE when there is no job or its output could not be completed.
bool endPrinterJob(DeviceContext& dc, bool complete);

// The Qt font for a log font (screen: 96 dpi, so one log unit is one pixel).
QFont fontFromLogFont(const LOGFONTA& logFont);
// The log font of a font handle (a stock font included); false for an unknown handle.
bool logFontOf(HFONT font, LOGFONTA* logFont);
// The Qt font of a handle; the default GUI font for NULL or an unknown handle.
QFont qtFontOf(HFONT font);
// The default GUI font's handle (8-point "MS Shell Dlg").
HFONT defaultGuiFont();
// A log font built from a Qt font (for font dialogs).
LOGFONTA logFontFromQt(const QFont& font);
}
