#include "app/HelpViewer.h"

#include "app/HelpPage.h"
#include "cardlib/DisplayDpi.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/SystemLibraries.h"
#include "res/ResourceIds.h"

#include <cstring>

namespace {

// Rich text read from the page resource in the pieces the control asks for.
struct PageReader {
    const char* next = nullptr;
    DWORD left = 0;
};

DWORD CALLBACK ReadPage(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given)
{
    auto* reader = reinterpret_cast<PageReader*>(cookie);
    DWORD count = reader->left < static_cast<DWORD>(wanted) ? reader->left : static_cast<DWORD>(wanted);
    std::memcpy(buffer, reader->next, count);
    reader->next += count;
    reader->left -= count;
    *given = static_cast<LONG>(count);
    return 0;
}

LRESULT SendText(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(control, message, wParam, lParam);
}

// The band's inner margins at 96 DPI, as on the HTML page; they grow with
// the display's scale, as the text does.
constexpr int bandPaddingX = 16;
constexpr int bandPaddingY = 10;

int LineHeight(HDC dc, HFONT font)
{
    ScopedSelect selected(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

} // namespace

bool ShowHelp(HWND owner)
{
    if (ShowHelpPage(owner, IDH_HELP_PAGE)) {
        return true;
    }
    HelpViewer viewer;
    return viewer.Run(owner);
}

bool HelpViewer::Run(HWND owner)
{
    // The newer control first; the older one is on every system that lacks it.
    richEditLibrary = LoadSystemLibrary(L"msftedit.dll");
    richEditClass = L"RICHEDIT50W";
    if (richEditLibrary == nullptr) {
        richEditLibrary = LoadSystemLibrary(L"riched20.dll");
        richEditClass = L"RichEdit20W";
    }
    if (richEditLibrary == nullptr) {
        return false;
    }
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_HELP_VIEWER), owner,
                                     DialogProcedure, reinterpret_cast<LPARAM>(this));
    FreeLibrary(richEditLibrary);
    richEditLibrary = nullptr;
    titleFont.Reset();
    makerFont.Reset();
    return result == IDCANCEL;
}

INT_PTR CALLBACK HelpViewer::DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<HelpViewer*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        if (!reinterpret_cast<HelpViewer*>(lParam)->OnInitDialog(dialog)) {
            EndDialog(dialog, -1);
        }
        // The focus is on "Close", where Esc and Enter end the viewer.
        return FALSE;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (self != nullptr && header->idFrom == IDC_HELP_TEXT && header->code == EN_LINK) {
            self->OnLink(*reinterpret_cast<const ENLINK*>(lParam));
            return TRUE;
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_PAINT: {
        PaintContext paint(dialog);
        if (self != nullptr) {
            self->PaintBand(paint.Get());
        }
        return TRUE;
    }
    case WM_PRINTCLIENT:
        if (self != nullptr) {
            self->PaintBand(reinterpret_cast<HDC>(wParam));
        }
        return TRUE;
    case WM_CLOSE:
        // Also what the text control sends on Esc.
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

bool HelpViewer::OnInitDialog(HWND dialog)
{
    window = dialog;
    RECT client{};
    RECT button{};
    GetClientRect(dialog, &client);
    GetWindowRect(GetDlgItem(dialog, IDCANCEL), &button);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
    int margin = client.right - button.right;
    // Writable while the band is lifted out; read-only from then on.
    text = CreateWindowExW(WS_EX_CLIENTEDGE, richEditClass, L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE, margin, margin,
                           client.right - 2 * margin, button.top - 2 * margin, dialog,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_HELP_TEXT)), GetModuleHandleA(nullptr),
                           nullptr);
    if (text == nullptr || !LoadPage() || !LiftBand()) {
        return false;
    }
    SendText(text, EM_SETREADONLY, TRUE, 0);
    MoveWindow(text, margin, bandHeight + margin, client.right - 2 * margin,
               button.top - bandHeight - 2 * margin, TRUE);
    MarkContents();
    SendText(text, EM_SETEVENTMASK, 0, ENM_LINK);
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    return true;
}

bool HelpViewer::LoadPage()
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_HELP_TEXT), MAKEINTRESOURCEA(10)); // RT_RCDATA
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* page = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (page == nullptr) {
        return false;
    }
    PageReader reader{static_cast<const char*>(page), SizeofResource(module, found)};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
    stream.pfnCallback = ReadPage;
    SendText(text, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0 && SendText(text, WM_GETTEXTLENGTH, 0, 0) > 0;
}

// The page opens with the band's two lines, title and maker. They leave the
// text and keep their fonts; the title's colour becomes the band's ground.
bool HelpViewer::LiftBand()
{
    wchar_t head[256] = {};
    TEXTRANGEW range{CHARRANGE{0, static_cast<LONG>(sizeof head / sizeof head[0] - 1)}, head};
    SendText(text, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    std::wstring lines = head;
    auto titleEnd = lines.find(L'\r');
    auto makerEnd = titleEnd == std::wstring::npos ? titleEnd : lines.find(L'\r', titleEnd + 1);
    if (titleEnd == 0 || makerEnd == std::wstring::npos || makerEnd == titleEnd + 1) {
        return false;
    }
    bandTitle = lines.substr(0, titleEnd);
    bandMaker = lines.substr(titleEnd + 1, makerEnd - titleEnd - 1);
    titleFont.Reset(LineFont(0, static_cast<LONG>(titleEnd), &bandColour));
    makerFont.Reset(LineFont(static_cast<LONG>(titleEnd + 1), static_cast<LONG>(makerEnd), nullptr));
    if (!titleFont || !makerFont) {
        return false;
    }
    WindowContext dc(window);
    titleHeight = LineHeight(dc.Get(), titleFont.Get());
    bandHeight = 2 * AtWindowDpi(window, bandPaddingY) + titleHeight + LineHeight(dc.Get(), makerFont.Get());
    CHARRANGE band{0, static_cast<LONG>(makerEnd + 1)};
    SendText(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&band));
    SendText(text, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    return true;
}

// A font like the one of the text in [start, end), and that text's colour.
HFONT HelpViewer::LineFont(LONG start, LONG end, COLORREF* colour) const
{
    CHARRANGE range{start, end};
    SendText(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendText(text, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    if (colour != nullptr) {
        *colour = (format.dwEffects & CFE_AUTOCOLOR) != 0 ? GetSysColor(COLOR_HIGHLIGHT) : format.crTextColor;
    }
    LOGFONTW font{};
    // The size is in twips, 1440 to the inch.
    font.lfHeight = -MulDiv(format.yHeight, GetDeviceCaps(WindowContext(window).Get(), LOGPIXELSY), 1440);
    font.lfWeight = (format.dwEffects & CFE_BOLD) != 0 ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, format.szFaceName, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

void HelpViewer::PaintBand(HDC dc) const
{
    RECT band{};
    GetClientRect(window, &band);
    band.bottom = bandHeight;
    int saved = SaveDC(dc);
    SetBkColor(dc, bandColour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &band, L"", 0, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    SelectObject(dc, titleFont.Get());
    const int paddingX = AtWindowDpi(window, bandPaddingX), paddingY = AtWindowDpi(window, bandPaddingY);
    TextOutW(dc, paddingX, paddingY, bandTitle.c_str(), static_cast<int>(bandTitle.size()));
    SelectObject(dc, makerFont.Get());
    TextOutW(dc, paddingX, paddingY + titleHeight, bandMaker.c_str(), static_cast<int>(bandMaker.size()));
    RestoreDC(dc, saved);
}

std::wstring HelpViewer::LineText(int line) const
{
    wchar_t buffer[128] = {};
    buffer[0] = static_cast<wchar_t>(sizeof buffer / sizeof buffer[0] - 1);
    auto length = SendText(text, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer));
    std::wstring result(buffer, static_cast<size_t>(length));
    while (!result.empty() && (result.back() == L'\r' || result.back() == L'\n')) {
        result.pop_back();
    }
    return result;
}

// The page's contents are the lines after the one that reads "Contents", up
// to the first empty line; each names the title of a section below. They
// become links here, since rich text has no portable way to mark them.
void HelpViewer::MarkContents()
{
    auto lines = static_cast<int>(SendText(text, EM_GETLINECOUNT, 0, 0));
    int line = 0;
    while (line < lines && LineText(line) != L"Contents") {
        ++line;
    }
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_LINK;
    format.dwEffects = CFE_LINK;
    for (++line; line < lines; ++line) {
        std::wstring entry = LineText(line);
        auto start = static_cast<LONG>(SendText(text, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
        sectionsStart = start;
        if (entry.empty()) {
            break;
        }
        CHARRANGE range{start, start + static_cast<LONG>(entry.size())};
        SendText(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        SendText(text, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    }
    CHARRANGE top{0, 0};
    SendText(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&top));
}

// A click on a contents entry brings the section of that title to the top:
// the first line below the contents that holds nothing but the title.
void HelpViewer::OnLink(const ENLINK& link)
{
    if (link.msg != WM_LBUTTONUP) {
        return;
    }
    wchar_t title[128] = {};
    if (link.chrg.cpMax - link.chrg.cpMin >= static_cast<LONG>(sizeof title / sizeof title[0])) {
        return;
    }
    TEXTRANGEW range{link.chrg, title};
    SendText(text, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    FINDTEXTEXW find{};
    find.chrg = CHARRANGE{sectionsStart, -1};
    find.lpstrText = title;
    while (SendText(text, EM_FINDTEXTEXW, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&find)) >= 0) {
        auto line = static_cast<int>(SendText(text, EM_EXLINEFROMCHAR, 0, find.chrgText.cpMin));
        if (LineText(line) == title) {
            // By pixels: the page's lines differ in height, so counting lines would fall short.
            POINT scroll{};
            SendText(text, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
            POINTL at{};
            SendText(text, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), find.chrgText.cpMin);
            scroll.y += at.y;
            SendText(text, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
            CHARRANGE caret{find.chrgText.cpMin, find.chrgText.cpMin};
            SendText(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
            return;
        }
        find.chrg.cpMin = find.chrgText.cpMax;
    }
}
