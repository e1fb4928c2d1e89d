// GetOpenFileName and GetSaveFileName over QFileDialog (or the scripted answer in tests). The
// chosen path comes back in Windows form, on the drives of the drive model.
#include "commdlgerror.h"
#include <commdlg.h>
#include "qt/windows/latin1.h"
#include "qt/windows/qtapp.h"
#include "scripted.h"
#include "qt/windows/window.h"
#include "winport/paths.h"

#include <QFile>
#include <QFileDialog>
#include <cstddef>
#include <cstring>

namespace winport {
namespace {
    // The size of the structure before pvReserved, which older callers pass.
    const DWORD kOldStructSize = offsetof(OPENFILENAMEA, pvReserved);

    QString nativeQt(const std::string& native) { return QFile::decodeName(native.c_str()); }

    // "All Files\0*.*\0Text\0*.txt;*.log\0\0" as Qt name filters: "All Files (*.*)", ...
    QStringList nameFilters(LPCSTR filter)
    {
        QStringList out;
        for (const char* p = filter; p && *p;) {
            QString name = toQt(p);
            p += std::strlen(p) + 1;
            if (!*p)
                break;
            QString patterns = toQt(p).replace(';', ' ');
            p += std::strlen(p) + 1;
            out << name + " (" + patterns + ")";
        }
        return out;
    }

    bool showDialog(LPOPENFILENAMEA ofn, bool open, std::string* chosen)
    {
        ensureApplication();
        QWidget* parent = ofn->hwndOwner ? widgetOf(topLevelOf(ofn->hwndOwner)) : nullptr;
        QFileDialog dialog(parent, ofn->lpstrTitle ? toQt(ofn->lpstrTitle) : QString());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(open && (ofn->Flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                    : QFileDialog::AnyFile);
        if (!open && !(ofn->Flags & OFN_OVERWRITEPROMPT))
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        QStringList filters = nameFilters(ofn->lpstrFilter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            if (ofn->nFilterIndex >= 1 && ofn->nFilterIndex <= static_cast<DWORD>(filters.size()))
                dialog.selectNameFilter(filters[static_cast<int>(ofn->nFilterIndex) - 1]);
        }
        if (ofn->lpstrInitialDir && *ofn->lpstrInitialDir)
            dialog.setDirectory(nativeQt(toNativePath(ofn->lpstrInitialDir)));
        if (*ofn->lpstrFile)
            dialog.selectFile(nativeQt(toNativePath(ofn->lpstrFile)));
        if (ofn->lpstrDefExt && *ofn->lpstrDefExt)
            dialog.setDefaultSuffix(toQt(ofn->lpstrDefExt));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        *chosen = toWindowsPath(QFile::encodeName(dialog.selectedFiles().first()).toStdString());
        if (!filters.isEmpty())
            ofn->nFilterIndex
                = static_cast<DWORD>(filters.indexOf(dialog.selectedNameFilter()) + 1);
        return true;
    }

    size_t nameStart(const std::string& path) { return path.find_last_of('\\') + 1; }

    bool isDirectory(const std::string& path)
    {
        DWORD attributes = GetFileAttributes(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    // A scripted answer as the real dialog would give it back: in Windows form, with the default
    // extension, and only when it meets the dialog's existence checks.
    bool scriptedChoice(LPOPENFILENAMEA ofn, std::string* chosen)
    {
        *chosen = !chosen->empty() && (*chosen)[0] == '/' ? toWindowsPath(*chosen)
                                                          : fullWindowsPath(chosen->c_str());
        if (chosen->empty() || nameStart(*chosen) == chosen->size()) {
            reportScriptFailure("file dialog: no file name in the scripted answer");
            return false;
        }
        if (ofn->lpstrDefExt && *ofn->lpstrDefExt
            && chosen->find('.', nameStart(*chosen)) == std::string::npos)
            *chosen += std::string(".") + ofn->lpstrDefExt;
        std::string folder = chosen->substr(0, nameStart(*chosen));
        if ((ofn->Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !isDirectory(folder)) {
            reportScriptFailure("file dialog: the folder does not exist: " + folder);
            return false;
        }
        if ((ofn->Flags & OFN_FILEMUSTEXIST)
            && GetFileAttributes(chosen->c_str()) == INVALID_FILE_ATTRIBUTES) {
            reportScriptFailure("file dialog: the file does not exist: " + *chosen);
            return false;
        }
        return true;
    }

    // Writes the choice where the caller asked for it; the open dialog (and the save dialog
    // without OFN_NOCHANGEDIR) makes the file's folder the current directory.
    BOOL deliver(LPOPENFILENAMEA ofn, bool open, const std::string& chosen)
    {
        if (chosen.size() + 1 > ofn->nMaxFile) {
            setCommDlgError(FNERR_BUFFERTOOSMALL);
            if (ofn->nMaxFile >= sizeof(WORD)) {
                WORD needed = static_cast<WORD>(chosen.size() + 1);
                std::memcpy(ofn->lpstrFile, &needed, sizeof needed);
            }
            return FALSE;
        }
        std::memcpy(ofn->lpstrFile, chosen.c_str(), chosen.size() + 1);
        size_t name = nameStart(chosen);
        size_t dot = chosen.find_last_of('.');
        ofn->nFileOffset = static_cast<WORD>(name);
        ofn->nFileExtension
            = static_cast<WORD>(dot == std::string::npos || dot < name ? chosen.size()
                    : dot + 1 == chosen.size()                         ? 0
                                                                       : dot + 1);
        if (ofn->lpstrFileTitle && ofn->nMaxFileTitle > 0) {
            size_t n = std::min<size_t>(chosen.size() - name, ofn->nMaxFileTitle - 1);
            std::memcpy(ofn->lpstrFileTitle, chosen.c_str() + name, n);
            ofn->lpstrFileTitle[n] = '\0';
        }
        if (open || !(ofn->Flags & OFN_NOCHANGEDIR))
            SetCurrentDirectory(chosen.substr(0, name).c_str());
        return TRUE;
    }

    BOOL runFileDialog(LPOPENFILENAMEA ofn, bool open)
    {
        if (!ofn
            || (ofn->lStructSize != sizeof(OPENFILENAMEA) && ofn->lStructSize != kOldStructSize)) {
            setCommDlgError(CDERR_STRUCTSIZE);
            return FALSE;
        }
        if (!ofn->lpstrFile || ofn->nMaxFile == 0) {
            setCommDlgError(CDERR_INITIALIZATION);
            return FALSE;
        }
        setCommDlgError(0);
        bool ok = false;
        std::string chosen;
        if (takeFileAnswer(&ok, &chosen))
            ok = ok && scriptedChoice(ofn, &chosen);
        else
            ok = showDialog(ofn, open, &chosen);
        return ok ? deliver(ofn, open, chosen) : FALSE;
    }
}
}

BOOL GetOpenFileName(LPOPENFILENAMEA ofn) { return winport::runFileDialog(ofn, true); }

BOOL GetSaveFileName(LPOPENFILENAMEA ofn) { return winport::runFileDialog(ofn, false); }
