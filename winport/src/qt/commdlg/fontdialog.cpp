// ChooseFont over QFontDialog (or the scripted answer).
#include "commdlgerror.h"
#include <commdlg.h>
#include "qt/gdi/gdi.h"
#include "qt/windows/latin1.h"
#include "qt/windows/qtapp.h"
#include "scripted.h"
#include "qt/windows/window.h"

#include <QFontDialog>
#include <QFontInfo>
#include <cmath>
#include <cstring>

BOOL ChooseFont(LPCHOOSEFONTA choose)
{
    if (!choose || choose->lStructSize != sizeof(CHOOSEFONTA)) {
        winport::setCommDlgError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    if (!choose->lpLogFont) {
        winport::setCommDlgError(CDERR_INITIALIZATION);
        return FALSE;
    }
    winport::setCommDlgError(0);
    winport::ensureApplication();
    bool ok = false;
    LOGFONTA chosen {};
    int tenths = 0;
    if (!winport::takeFontAnswer(&ok, &chosen, &tenths)) {
        QFont initial = (choose->Flags & CF_INITTOLOGFONTSTRUCT)
            ? winport::fontFromLogFont(*choose->lpLogFont)
            : winport::qtFontOf(nullptr);
        // The dialog lists real families: start it from the family the face resolves to.
        initial.setFamily(QFontInfo(initial).family());
        QFontDialog::FontDialogOptions options = QFontDialog::DontUseNativeDialog;
        if (choose->Flags & CF_FIXEDPITCHONLY)
            options |= QFontDialog::MonospacedFonts;
        if (choose->Flags & CF_SCALABLEONLY)
            options |= QFontDialog::ScalableFonts;
        QWidget* parent = choose->hwndOwner
            ? winport::widgetOf(winport::topLevelOf(choose->hwndOwner))
            : nullptr;
        QFont font = QFontDialog::getFont(&ok, initial, parent, QStringLiteral("Font"), options);
        if (ok) {
            chosen = winport::logFontFromQt(font);
            double points
                = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
            tenths = static_cast<int>(std::lround(points * 10));
            chosen.lfHeight = -MulDiv(tenths, 96, 720);
        }
    }
    if (!ok)
        return FALSE;
    *choose->lpLogFont = chosen;
    choose->iPointSize = tenths;
    choose->nFontType = static_cast<WORD>(choose->hDC ? PRINTER_FONTTYPE : SCREEN_FONTTYPE);
    return TRUE;
}
