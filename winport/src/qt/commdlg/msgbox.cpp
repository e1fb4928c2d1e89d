// Message boxes: the Win32 types and answers over QMessageBox (or the scripted answer).
#include "qt/windows/latin1.h"
#include "qt/windows/qtapp.h"
#include "scripted.h"
#include "qt/windows/window.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace {
struct Button {
    int id;
    QMessageBox::StandardButton qt;
};

std::vector<Button> buttonsOf(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return { { IDOK, QMessageBox::Ok }, { IDCANCEL, QMessageBox::Cancel } };
    case MB_ABORTRETRYIGNORE:
        return { { IDABORT, QMessageBox::Abort }, { IDRETRY, QMessageBox::Retry },
            { IDIGNORE, QMessageBox::Ignore } };
    case MB_YESNOCANCEL:
        return { { IDYES, QMessageBox::Yes }, { IDNO, QMessageBox::No },
            { IDCANCEL, QMessageBox::Cancel } };
    case MB_YESNO:
        return { { IDYES, QMessageBox::Yes }, { IDNO, QMessageBox::No } };
    case MB_RETRYCANCEL:
        return { { IDRETRY, QMessageBox::Retry }, { IDCANCEL, QMessageBox::Cancel } };
    default:
        return { { IDOK, QMessageBox::Ok } };
    }
}

QMessageBox::Icon iconOf(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
}

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    winport::ensureApplication();
    if (!caption)
        caption = "Error";
    std::vector<Button> buttons = buttonsOf(type);
    int answer = 0;
    if (winport::takeMessageBoxAnswer(owner, caption, text, type, &answer)) {
        if (answer == 0)
            return 0;
        for (const Button& b : buttons) {
            if (b.id == answer)
                return answer;
        }
        winport::reportScriptFailure("scripted answer " + std::to_string(answer)
            + " is not a button of the message box \"" + caption + "\"");
        return 0;
    }
    QWidget* parent = owner ? winport::widgetOf(winport::topLevelOf(owner)) : nullptr;
    QMessageBox box(iconOf(type), winport::toQt(caption), winport::toQt(text ? text : ""),
        QMessageBox::NoButton, parent);
    for (const Button& b : buttons)
        box.addButton(b.qt);
    size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    if (defaultIndex < buttons.size())
        box.setDefaultButton(buttons[defaultIndex].qt);
    // Closing the box answers Cancel where there is one, otherwise the only button.
    for (const Button& b : buttons) {
        if (b.id == IDCANCEL || buttons.size() == 1)
            box.setEscapeButton(b.qt);
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const Button& b : buttons) {
        if (clicked && box.standardButton(clicked) == b.qt)
            return b.id;
    }
    return buttons.size() == 1 ? buttons.front().id : IDCANCEL;
}

BOOL MessageBeep(UINT)
{
    winport::ensureApplication();
    QApplication::beep();
    return TRUE;
}
