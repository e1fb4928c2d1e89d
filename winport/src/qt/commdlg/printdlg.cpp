// PrintDlg over a small Qt dialog (or the scripted answer): printer, the "PDF" printer's file,
// orientation, page range.
#include "qt/commdlg/commdlgerror.h"
#include "qt/windows/latin1.h"
#include "qt/windows/qtapp.h"
#include "qt/commdlg/scripted.h"
#include "qt/windows/window.h"
#include "qt/print/printers.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <commdlg.h>

namespace {
using winport::PrintAnswer;

// Asks the user; false when cancelled.
bool askUser(const PRINTDLGA& request, bool landscape, PrintAnswer* answer)
{
    QWidget* parent
        = request.hwndOwner ? winport::widgetOf(winport::topLevelOf(request.hwndOwner)) : nullptr;
    QDialog dialog(parent);
    bool setup = (request.Flags & PD_PRINTSETUP) != 0;
    dialog.setWindowTitle(setup ? QStringLiteral("Print Setup") : QStringLiteral("Print"));
    auto* form = new QFormLayout(&dialog);
    auto* printers = new QComboBox(&dialog);
    for (const std::string& name : winport::printerNames())
        printers->addItem(winport::toQt(name));
    printers->setCurrentText(winport::toQt(winport::defaultPrinterName()));
    form->addRow(QStringLiteral("&Printer:"), printers);

    auto* fileRow = new QHBoxLayout;
    auto* file = new QLineEdit(&dialog);
    const char* env = std::getenv("TESSILO_PRINT_TO");
    file->setText(env ? QString::fromLocal8Bit(env) : QString());
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), &dialog);
    fileRow->addWidget(file);
    fileRow->addWidget(browse);
    // A row of a layout gets a plain label; the mnemonic needs the line edit as its buddy.
    auto* fileLabel = new QLabel(QStringLiteral("PDF &file:"), &dialog);
    fileLabel->setBuddy(file);
    form->addRow(fileLabel, fileRow);
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
        QString chosen = QFileDialog::getSaveFileName(&dialog, QStringLiteral("Print to File"),
            file->text(), QStringLiteral("PDF Files (*.pdf)"));
        if (!chosen.isEmpty())
            file->setText(chosen);
    });
    auto showFile = [&] {
        bool pdf = printers->currentText() == QLatin1String(winport::kPdfPrinter);
        file->setEnabled(pdf);
        browse->setEnabled(pdf);
    };
    QObject::connect(printers, &QComboBox::currentTextChanged, &dialog, showFile);
    showFile();

    auto* portrait = new QRadioButton(QStringLiteral("P&ortrait"), &dialog);
    auto* landscapeButton = new QRadioButton(QStringLiteral("&Landscape"), &dialog);
    (landscape ? landscapeButton : portrait)->setChecked(true);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait);
    orientation->addWidget(landscapeButton);
    form->addRow(QStringLiteral("Orientation:"), orientation);

    QSpinBox* from = nullptr;
    QSpinBox* to = nullptr;
    if (!setup && !(request.Flags & PD_NOPAGENUMS)) {
        int min = std::max<int>(1, request.nMinPage);
        int max = request.nMaxPage >= min ? request.nMaxPage : 0xFFFF;
        from = new QSpinBox(&dialog);
        to = new QSpinBox(&dialog);
        from->setRange(min, max);
        to->setRange(min, max);
        from->setValue(std::max<int>(min, request.nFromPage));
        to->setValue(request.nToPage >= min ? request.nToPage : max);
        auto* pages = new QHBoxLayout;
        pages->addWidget(from);
        pages->addWidget(new QLabel(QStringLiteral("to"), &dialog));
        pages->addWidget(to);
        form->addRow(QStringLiteral("Pages:"), pages);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    answer->ok = true;
    answer->printer = winport::fromQt(printers->currentText());
    answer->output = file->isEnabled() ? winport::fromQt(file->text()) : std::string();
    answer->landscape = landscapeButton->isChecked();
    if (from && (from->value() != from->minimum() || to->value() != to->maximum())) {
        answer->fromPage = from->value();
        answer->toPage = std::max(from->value(), to->value());
    }
    return true;
}
}

BOOL PrintDlg(LPPRINTDLGA request)
{
    if (!request || request->lStructSize != sizeof(PRINTDLGA)) {
        winport::setCommDlgError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    winport::setCommDlgError(0);
    winport::ensureApplication();
    auto* mode = static_cast<DEVMODEA*>(request->hDevMode);
    bool landscape
        = mode && (mode->dmFields & DM_ORIENTATION) && mode->dmOrientation == DMORIENT_LANDSCAPE;
    PrintAnswer answer;
    if (request->Flags & PD_RETURNDEFAULT) {
        answer.ok = true;
        answer.landscape = landscape;
    } else if (!winport::takePrintAnswer(&answer) && !askUser(*request, landscape, &answer)) {
        return FALSE;
    }
    if (!answer.ok)
        return FALSE;
    std::string name = answer.printer.empty() ? winport::defaultPrinterName()
                                              : winport::findPrinter(answer.printer.c_str());
    if (name.empty()) {
        winport::setCommDlgError(PDERR_PRINTERNOTFOUND);
        return FALSE;
    }
    DEVMODEA chosen = winport::defaultDevMode(name);
    chosen.dmOrientation = answer.landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    if (mode && (mode->dmFields & DM_PAPERSIZE))
        chosen.dmPaperSize = mode->dmPaperSize;
    if (mode)
        *mode = chosen;
    request->Flags &= ~static_cast<DWORD>(PD_PAGENUMS);
    if (answer.fromPage > 0) {
        request->Flags |= PD_PAGENUMS;
        request->nFromPage = static_cast<WORD>(answer.fromPage);
        request->nToPage = static_cast<WORD>(answer.toPage);
    }
    if (request->Flags & PD_RETURNDC) {
        request->hDC = winport::createPrinterDc(
            name, &chosen, answer.output.empty() ? nullptr : answer.output.c_str());
    }
    return TRUE;
}
