#include "app/BackgroundColourDialog.h"

#include "cardlib/DisplayDpi.h"
#include "res/ResourceIds.h"

namespace {

// The inner margins of a swatch at 96 DPI: the frame that shows the
// selection. They grow with the display's scale, as the dialog does.
constexpr int frameLeft = 4;
constexpr int frameTop = 3;
constexpr int frameRight = 4;
constexpr int frameBottom = 4;

// Two rows of four: the sizes come from the list's outer rectangle, less
// its border and a little room.
SIZE SwatchSize(HWND list)
{
    RECT rect{};
    GetWindowRect(list, &rect);
    return SIZE{(rect.right - rect.left - AtWindowDpi(list, 6)) / 4,
                (rect.bottom - rect.top - AtWindowDpi(list, 8)) / 2};
}

void CentreOnScreen(HWND dialog)
{
    RECT rect{};
    GetWindowRect(dialog, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    MoveWindow(dialog, GetSystemMetrics(SM_CXFULLSCREEN) / 2 - width / 2,
               GetSystemMetrics(SM_CYFULLSCREEN) / 2 - height / 2, width, height, TRUE);
}

// Fills a rectangle with a colour the way a text cell is filled: no brush to make.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
}

} // namespace

void BackgroundColourDialog::SelectColour(std::uint32_t colour)
{
    for (int i = 0; i < colourCount; ++i) {
        if (colours[i] == colour) {
            selected = i;
            return;
        }
    }
}

int BackgroundColourDialog::Run(HWND owner)
{
    return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), owner,
                                            DialogProcedure, reinterpret_cast<LPARAM>(this)));
}

INT_PTR CALLBACK BackgroundColourDialog::DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<BackgroundColourDialog*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG:
        self = reinterpret_cast<BackgroundColourDialog*>(lParam);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        self->OnInitDialog(dialog);
        return TRUE;
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlID != IDC_COLOUR_LIST) {
            return FALSE;
        }
        // Sent while the list is being made, before WM_INITDIALOG: needs no object.
        SIZE swatch = SwatchSize(GetDlgItem(dialog, IDC_COLOUR_LIST));
        item->itemWidth = static_cast<UINT>(swatch.cx);
        item->itemHeight = static_cast<UINT>(swatch.cy);
        return TRUE;
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (self == nullptr || item->CtlID != IDC_COLOUR_LIST) {
            return FALSE;
        }
        self->OnDrawItem(*item);
        return TRUE;
    }
    case WM_COMMAND:
        return self != nullptr && self->OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

void BackgroundColourDialog::OnInitDialog(HWND dialog)
{
    CentreOnScreen(dialog);
    HWND list = GetDlgItem(dialog, IDC_COLOUR_LIST);
    // The list's own column width knows nothing of the swatches.
    SendMessageA(list, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(SwatchSize(list).cx), 0);
    for (int i = 0; i < colourCount; ++i) {
        auto index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), i);
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void BackgroundColourDialog::OnDrawItem(const DRAWITEMSTRUCT& item) const
{
    switch (item.itemAction) {
    case ODA_DRAWENTIRE:
    case ODA_SELECT: {
        bool isSelected = (item.itemState & ODS_SELECTED) != 0;
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(isSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        // Data that names no colour (the focus item of an empty list) keeps only its ground.
        if (item.itemData < static_cast<ULONG_PTR>(colourCount)) {
            const HWND list = item.hwndItem;
            RECT inner{item.rcItem.left + AtWindowDpi(list, frameLeft), item.rcItem.top + AtWindowDpi(list, frameTop),
                       item.rcItem.right - AtWindowDpi(list, frameRight),
                       item.rcItem.bottom - AtWindowDpi(list, frameBottom)};
            COLORREF previous = GetBkColor(item.hDC);
            FillSolid(item.hDC, inner, colours[item.itemData]);
            SetBkColor(item.hDC, previous);
        }
        break;
    }
    case ODA_FOCUS:
        if (!(item.itemState & ODS_NOFOCUSRECT)) {
            DrawFocusRect(item.hDC, &item.rcItem);
        }
        break;
    default:
        break;
    }
}

bool BackgroundColourDialog::OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDOK: {
        auto current = SendDlgItemMessageA(dialog, IDC_COLOUR_LIST, LB_GETCURSEL, 0, 0);
        if (current >= 0 && current < colourCount) {
            selected = static_cast<int>(current);
        }
        EndDialog(dialog, IDOK);
        return true;
    }
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return true;
    case IDC_COLOUR_LIST:
        // A double click on a swatch chooses it, as OK does.
        if (notification == LBN_DBLCLK) {
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
        return true;
    default:
        return false;
    }
}
