// Reading texts are checked by their characters only: Calculate accepts digits, points and minus
// signs; OK accepts digits and points, so the host is told only about non-negative readings.
#include "dialogs/mfcdateselmeterreading.h"

#include "book/bookdecimal.h"
#include "dialogs/mfcdatecalendar.h"
#include "resources/resource.h"

#include <cstring>

namespace {

const char kZeroReading[] = "0.0000";
// Reading fields are read up to this many characters.
const int kReadingBuffer = 256;

CString fieldText(HWND dialog, int id)
{
    char text[kReadingBuffer] = {};
    ::GetDlgItemTextA(dialog, id, text, kReadingBuffer);
    return CString(text);
}

bool onlyCharacters(const CString& text, const char* allowed)
{
    return std::strspn(text.GetString(), allowed) == static_cast<size_t>(text.GetLength());
}

void resetReadings()
{
    cstrMfcMeterReading = kZeroReading;
    cstrMfcMeterReadingLast = kZeroReading;
    cstrMfcMeterReadingVolume = kZeroReading;
}

} // namespace

CTime ctMfcDateMeterReading;
CString cstrMfcMeterReading(kZeroReading);
CString cstrMfcMeterReadingLast(kZeroReading);
CString cstrMfcMeterReadingVolume(kZeroReading);
MONTHDAYSTATE mdsMfcMeterReading[12] = {};

CTime mfcDateGetMeterReading() { return ctMfcDateMeterReading; }
CString mfcMeterReadingGet() { return cstrMfcMeterReading; }
CString mfcMeterReadingLastGet() { return cstrMfcMeterReadingLast; }
CString mfcMeterReadingVolumeGet() { return cstrMfcMeterReadingVolume; }

BEGIN_MESSAGE_MAP(mfcDateSelMeterReading, CDialog)
ON_BN_CLICKED(IDC_BUTTON_CALC, OnButtonCalc)
ON_BN_CLICKED(IDC_CHECK_EDITSTARTMETERREADING, OnCheckEditstartmeterreading)
ON_NOTIFY(MCN_GETDAYSTATE, IDC_MONTHCALENDAR1, OnGetdaystateMonthcalendar1)
ON_NOTIFY(MCN_SELCHANGE, IDC_MONTHCALENDAR1, OnSelchangeMonthcalendar1)
ON_NOTIFY(MCN_SELECT, IDC_MONTHCALENDAR1, OnSelectMonthcalendar1)
END_MESSAGE_MAP()

mfcDateSelMeterReading::mfcDateSelMeterReading(HWND target)
    : hwndTarget(target)
{
}

mfcDateSelMeterReading::mfcDateSelMeterReading(CWnd* parent)
    : mfcDateSelMeterReading(static_cast<HWND>(nullptr))
{
    mfcMeterCreate(IDD_MFCDATESELMETERREADING, parent, nullptr);
}

mfcDateSelMeterReading::mfcDateSelMeterReading(CWnd* parent, HWND target, CTime date)
    : mfcDateSelMeterReading(target)
{
    ctMfcDateMeterReading = date;
    mfcMeterCreate(IDD_MFCDATESELMETERREADING, parent, &date);
}

BOOL mfcDateSelMeterReading::mfcMeterCreate(UINT templateId, CWnd* parent, const CTime* date)
{
    resetReadings();
    return mfcdatecalendar::open(*this, templateId, parent, date);
}

BOOL mfcDateSelMeterReading::OnInitDialog()
{
    CDialog::OnInitDialog();
    cstrMfcMeterReading = kZeroReading;
    SetDlgItemText(IDC_EDIT_CURRENTMETERREADING, cstrMfcMeterReading);
    SetDlgItemText(IDC_EDIT_STARTMETERREADING, cstrMfcMeterReadingLast);
    SetDlgItemText(IDC_EDIT_STARTUOMVOLUME, cstrMfcMeterReadingVolume);
    mfcMeterSetEditLastMeterReading(TRUE);
    return OnInitDialogFinish();
}

BOOL mfcDateSelMeterReading::OnInitDialogFinish() { return TRUE; }

void mfcDateSelMeterReading::mfcMeterReadingSet(CString text)
{
    if (m_hWnd)
        SetDlgItemText(IDC_EDIT_CURRENTMETERREADING, text);
    cstrMfcMeterReading = text;
}

void mfcDateSelMeterReading::mfcMeterReadingLastSet(CString text)
{
    if (m_hWnd)
        SetDlgItemText(IDC_EDIT_STARTMETERREADING, text);
    cstrMfcMeterReadingLast = text;
}

void mfcDateSelMeterReading::mfcMeterEnableLastMeterReading(BOOL enable)
{
    if (m_hWnd)
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_EDIT_STARTMETERREADING), enable);
    mfcMeterSetEditLastMeterReading(enable);
}

void mfcDateSelMeterReading::mfcMeterSetEditLastMeterReading(BOOL edit)
{
    if (!m_hWnd)
        return;
    CheckDlgButton(IDC_CHECK_EDITSTARTMETERREADING, edit ? BST_CHECKED : BST_UNCHECKED);
    OnCheckEditstartmeterreading();
}

void mfcDateSelMeterReading::OnCheckEditstartmeterreading()
{
    HWND start = ::GetDlgItem(m_hWnd, IDC_EDIT_STARTMETERREADING);
    if (!start)
        return;
    if (IsDlgButtonChecked(IDC_CHECK_EDITSTARTMETERREADING) == BST_CHECKED) {
        ::EnableWindow(start, TRUE);
        ::SetFocus(start);
        ::SendMessage(start, EM_SETSEL, 0, -1);
    } else {
        ::EnableWindow(start, FALSE);
    }
}

long mfcDateSelMeterReading::FormatDecimalPlace(
    CString* text, int width, int, int precision, unsigned int fieldWidth, double* value)
{
    return bookdecimal::formatDecimalPlace(text, width, precision, fieldWidth, value);
}

double mfcDateSelMeterReading::mfcMeterReadingCalcVolumeGet()
{
    double volume = bookdecimal::leadingNumber(cstrMfcMeterReading)
        - bookdecimal::leadingNumber(cstrMfcMeterReadingLast);
    // A field width of 1 never pads, so the text is the bare number (OK checks its characters).
    CString text;
    FormatDecimalPlace(&text, 1, 0, 4, 1, &volume);
    cstrMfcMeterReadingVolume = text;
    if (m_hWnd)
        SetDlgItemText(IDC_EDIT_STARTUOMVOLUME, text);
    return volume;
}

void mfcDateSelMeterReading::OnButtonCalc()
{
    CString start = fieldText(m_hWnd, IDC_EDIT_STARTMETERREADING);
    if (start.IsEmpty())
        cstrMfcMeterReadingLast = kZeroReading;
    else if (onlyCharacters(start, "0123456789.-"))
        cstrMfcMeterReadingLast = start;
    SetDlgItemText(IDC_EDIT_STARTMETERREADING, cstrMfcMeterReadingLast);
    mfcMeterReadingCalcVolumeGet();
}

void mfcDateSelMeterReading::OnOK()
{
    bConfirmed = TRUE;
    OnButtonCalc();
    mfcdatecalendar::selectedDay(m_hWnd, &ctMfcDateMeterReading);

    struct Field {
        int id;
        CString* variable;
        bool emptyIsInvalid;
    };
    const Field fields[] = {
        { IDC_EDIT_CURRENTMETERREADING, &cstrMfcMeterReading, true },
        { IDC_EDIT_STARTMETERREADING, &cstrMfcMeterReadingLast, false },
        { IDC_EDIT_STARTUOMVOLUME, &cstrMfcMeterReadingVolume, true },
    };
    bool invalid = false;
    for (const Field& field : fields) {
        CString text = fieldText(m_hWnd, field.id);
        if (text.IsEmpty()) {
            *field.variable = kZeroReading;
            invalid = invalid || field.emptyIsInvalid;
        } else if (!onlyCharacters(text, "0123456789.")) {
            invalid = true;
        } else if (!invalid) {
            *field.variable = text;
        }
    }
    if (!invalid)
        mfcdatecalendar::notify(hwndTarget, ::GetDlgItem(m_hWnd, IDOK));
}

void mfcDateSelMeterReading::OnCancel()
{
    bConfirmed = FALSE;
    ctMfcDateMeterReading = CTime();
    resetReadings();
    CDialog::OnCancel();
}

void mfcDateSelMeterReading::OnGetdaystateMonthcalendar1(NMHDR* header, LRESULT* result)
{
    mfcdatecalendar::clearDayStates(header, mdsMfcMeterReading);
    *result = 0;
}

void mfcDateSelMeterReading::OnSelchangeMonthcalendar1(NMHDR*, LRESULT* result)
{
    mfcdatecalendar::selectedDay(m_hWnd, &ctMfcDateMeterReading);
    *result = 0;
}

void mfcDateSelMeterReading::OnSelectMonthcalendar1(NMHDR* header, LRESULT* result)
{
    OnSelchangeMonthcalendar1(header, result);
}
