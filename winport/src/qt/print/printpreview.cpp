// The print preview window: a QPrintPreviewWidget whose pages are drawn by the view's own print
// job onto a device context over the preview's printer, with page, zoom, print and close
// commands.
#include "printpreview.h"
#include "qt/gdi/gdi.h"
#include "qt/windows/qtapp.h"
#include "qt/commdlg/scripted.h"
#include "qt/windows/window.h"
#include "printers.h"

#include <QDialog>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <winport/testing.h>

namespace winport {
namespace {
    class PreviewWindow : public QDialog, public testing::PrintPreviewDriver {
    public:
        PreviewWindow(
            QWidget* parent, const PrinterJob& job, const std::function<void(HDC)>& render)
            : QDialog(parent)
            , m_printer(QPrinter::HighResolution)
            , m_render(render)
            , m_name(job.name)
            , m_mode(job.mode)
        {
            setWindowTitle(QStringLiteral("Print Preview"));
            resize(800, 900);
            m_printer.setResolution(job.printer->resolution());
            m_printer.setFullPage(false);
            m_printer.setPageLayout(job.printer->pageLayout());
            m_preview = new QPrintPreviewWidget(&m_printer, this);
            auto* bar = new QToolBar(this);
            bar->addAction(QStringLiteral("&Print..."), this, [this] { Print(); });
            bar->addAction(QStringLiteral("&Next Page"), this, [this] { NextPage(); });
            bar->addAction(QStringLiteral("Pre&v Page"), this, [this] { PreviousPage(); });
            bar->addAction(QStringLiteral("Zoom &In"), this, [this] { ZoomIn(); });
            bar->addAction(QStringLiteral("Zoom &Out"), this, [this] { ZoomOut(); });
            bar->addAction(QStringLiteral("&Close"), this, [this] { Close(); });
            m_status = new QLabel(this);
            bar->addWidget(m_status);
            auto* layout = new QVBoxLayout(this);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(bar);
            layout->addWidget(m_preview);
            QObject::connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
                [this](QPrinter* printer) { drawPages(printer); });
            QObject::connect(
                m_preview, &QPrintPreviewWidget::previewChanged, this, [this] { showStatus(); });
            m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
            m_preview->fitInView();
        }

        bool printRequested() const { return m_print; }

        int PageCount() const override { return m_preview->pageCount(); }
        int CurrentPage() const override { return m_preview->currentPage(); }
        void NextPage() override
        {
            m_preview->setCurrentPage(std::min(PageCount(), CurrentPage() + 1));
            showStatus();
        }
        void PreviousPage() override
        {
            m_preview->setCurrentPage(std::max(1, CurrentPage() - 1));
            showStatus();
        }
        void ZoomIn() override { m_preview->zoomIn(); }
        void ZoomOut() override { m_preview->zoomOut(); }
        void Print() override
        {
            m_print = true;
            accept();
        }
        void Close() override { reject(); }
        bool SavePagePng(const char* path) override
        {
            return m_preview->grab().save(QString::fromLocal8Bit(path), "PNG");
        }
        bool SaveWindowPng(const char* path) override
        {
            return grab().save(QString::fromLocal8Bit(path), "PNG");
        }

    private:
        void drawPages(QPrinter* printer)
        {
            HDC dc = createPreviewDc(printer, m_name, m_mode);
            m_render(dc);
            DeleteDC(dc);
        }
        void showStatus()
        {
            m_status->setText(
                QStringLiteral("  Page %1 of %2").arg(CurrentPage()).arg(PageCount()));
        }

        QPrinter m_printer;
        QPrintPreviewWidget* m_preview;
        QLabel* m_status;
        std::function<void(HDC)> m_render;
        std::string m_name;
        DEVMODEA m_mode;
        bool m_print = false;
    };
}

bool runPrintPreview(
    HWND owner, HDC printerDc, const std::function<void(HDC)>& render, bool* printRequested)
{
    *printRequested = false;
    PrinterJob* job = printerJobOf(printerDc);
    if (!job)
        return false;
    ensureApplication();
    std::function<void(testing::PrintPreviewDriver&)> script;
    bool scripted = takePreviewScript(&script);
    if (scripted && !script)
        return false;
    QWidget* parent = owner ? widgetOf(topLevelOf(owner)) : nullptr;
    PreviewWindow window(parent, *job, render);
    // The pages are drawn once the window is up, when the preview has its final geometry.
    window.show();
    window.findChild<QPrintPreviewWidget*>()->updatePreview();
    if (scripted) {
        script(window);
        window.close();
    } else {
        window.exec();
    }
    *printRequested = window.printRequested();
    return true;
}
}
