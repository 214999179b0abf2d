#include "ui/StatusPanel.h"

#include "res/ResourceIds.h"
#include "ui/Fonts.h"
#include "ui/core/PanelLayout.h"

#include <cstring>
#include <string>

StatusPanel::~StatusPanel()
{
    if (hwnd && GetWindowLongPtrA(hwnd, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this))
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
}

bool StatusPanel::Create(HWND parent, int x, int y, int panelWidth, int panelHeight)
{
    if (hwnd)
        return false;
    HINSTANCE module = GetModuleHandleA(nullptr);
    HWND made = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, x, y, panelWidth, panelHeight, parent,
                                nullptr, module, nullptr);
    if (!made)
        return false;
    hwnd = made;
    height = panelHeight;
    width = panelWidth;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StatusPanel::WindowProcedure));
    HANDLE picture = LoadImageA(module, MAKEINTRESOURCEA(IDB_PANEL), IMAGE_BITMAP, 0, 0, LR_LOADTRANSPARENT);
    WindowContext screen(nullptr);
    image.Adopt(screen.Get(), static_cast<HBITMAP>(picture));
    labelFont.Reset(MakeFont("Verdana", 16, FW_BOLD));
    valueFont.Reset(MakeFont("Verdana", 22, FW_BOLD));
    return true;
}

void StatusPanel::SetLabel(const char* text)
{
    if (panel::FitsLabel(text))
        std::memcpy(label, text, std::strlen(text) + 1);
    Repaint();
}

void StatusPanel::SetValue(int newValue)
{
    value = newValue;
    Repaint();
}

void StatusPanel::Repaint()
{
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

LRESULT CALLBACK StatusPanel::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* panelObject = reinterpret_cast<StatusPanel*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!panelObject)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_SIZE:
        panelObject->width = LOWORD(lParam);
        panelObject->height = HIWORD(lParam);
        return 0;
    case WM_PAINT: {
        PaintContext paint(window);
        panelObject->OnPaint(paint.Get());
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void StatusPanel::OnPaint(HDC context)
{
    PaintPicture(context);
    PaintNumber(context);
    PaintLabel(context);
}

void StatusPanel::PaintPicture(HDC context)
{
    if (!image.IsMade())
        return;
    const int imageWidth = image.Width();
    const int imageHeight = image.Height();
    GdiObject<HRGN> oval;
    if (panel::ClipsPicture(colour)) {
        const Rect clip = panel::PictureClip(imageWidth, imageHeight);
        oval.Reset(CreateRoundRectRgn(clip.left, clip.top, clip.right, clip.bottom, imageWidth, imageHeight));
        SelectClipRgn(context, oval.Get());
    }
    BitBlt(context, 0, panel::pictureTop, imageWidth, imageHeight, image.Context(), 0, 0, SRCCOPY);
    SelectClipRgn(context, nullptr);
}

void StatusPanel::PaintNumber(HDC context)
{
    const std::string text = panel::ValueText(value);
    if (text.empty())
        return;
    const int characters = static_cast<int>(text.size());
    // Measured in the context's own font, before the number's font is chosen.
    SIZE measured = {};
    GetTextExtentPoint32A(context, text.c_str(), characters, &measured);
    const Point at = panel::NumberOrigin(image.Width(), image.Height(), characters, measured.cx);
    HGDIOBJ font = valueFont ? static_cast<HGDIOBJ>(valueFont.Get()) : GetStockObject(DEFAULT_GUI_FONT);
    ScopedSelect selected(context, font);
    SetBkMode(context, TRANSPARENT);
    COLORREF previousColour = SetTextColor(context, panel::numberColour);
    ExtTextOutA(context, at.x, at.y, 0, nullptr, text.c_str(), static_cast<UINT>(characters), nullptr);
    SetTextColor(context, previousColour);
    SetBkMode(context, OPAQUE);
}

void StatusPanel::PaintLabel(HDC context)
{
    HGDIOBJ font = labelFont ? static_cast<HGDIOBJ>(labelFont.Get()) : GetStockObject(DEFAULT_GUI_FONT);
    ScopedSelect selected(context, font);
    const int length = static_cast<int>(std::strlen(label));
    SIZE measured = {};
    GetTextExtentPoint32A(context, label, length, &measured);
    const Rect band = panel::LabelBand(width, measured.cy);
    const Point at = panel::LabelOrigin(width, measured.cx, measured.cy);
    const RECT ground{band.left, band.top, band.right, band.bottom};
    SetBkColor(context, colour);
    SetTextColor(context, panel::labelColour);
    ExtTextOutA(context, at.x, at.y, ETO_OPAQUE, &ground, label, static_cast<UINT>(length), nullptr);
}
