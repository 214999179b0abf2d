#include "ui/StatusPanel.h"

#include "cardlib/PictureDrawing.h"
#include "res/ResourceIds.h"
#include "ui/Fonts.h"
#include "ui/ScaledArt.h"
#include "ui/core/PanelLayout.h"

#include <cstring>
#include <string>

bool StatusPanel::Create(HWND parent, int x, int y, int panelWidth, int panelHeight)
{
    if (!child.Create(parent, WS_CHILD | WS_VISIBLE, x, y, panelWidth, panelHeight, this,
                      &StatusPanel::WindowProcedure, StaticChild::AfterDetach::KeepProcedure))
        return false;
    height = panelHeight;
    width = panelWidth;
    MakePictureAndFonts();
    return true;
}

void StatusPanel::SetScale(const DisplayScale& tableScale)
{
    scale = tableScale;
    MakePictureAndFonts();
    Repaint();
}

void StatusPanel::MakePictureAndFonts()
{
    WindowContext screen(nullptr);
    HANDLE picture =
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PANEL), IMAGE_BITMAP, 0, 0, LR_LOADTRANSPARENT);
    image.Adopt(screen.Get(), static_cast<HBITMAP>(picture));
    pictureSize = {image.Width(), image.Height()};
    if (!scale.IsUnscaled()) {
        const Picture scaled = ScaledArt(IDB_PANEL, scale);
        if (image.Create(screen.Get(), scaled.width, scaled.height))
            DrawPicture(image.Context(), 0, 0, scaled);
    }
    labelFont.Reset(MakeFont("Verdana", scale.ToDevice(16), FW_BOLD));
    valueFont.Reset(MakeFont("Verdana", scale.ToDevice(22), FW_BOLD));
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
    InvalidateRect(Window(), nullptr, FALSE);
    UpdateWindow(Window());
}

void StatusPanel::Place(const Rect& pictureArea)
{
    WindowContext screen(nullptr);
    int labelWidth = 0;
    if (labelFont) {
        ScopedSelect selected(screen.Get(), labelFont.Get());
        SIZE measured = {};
        GetTextExtentPoint32A(screen.Get(), label, static_cast<int>(std::strlen(label)), &measured);
        labelWidth = measured.cx;
    }
    const Rect place = panel::WidenedForLabel(scale.ToDevice(pictureArea), labelWidth);
    pictureLeft = scale.ToDevice(pictureArea).left - place.left;
    MoveWindow(Window(), place.left, place.top, place.Width(), place.Height(), TRUE);
}

LRESULT CALLBACK StatusPanel::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* panelObject = StaticChild::ObjectOf<StatusPanel>(window);
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
        const Rect clip = scale.ToDevice(panel::PictureClip(pictureSize.cx, pictureSize.cy));
        oval.Reset(CreateRoundRectRgn(pictureLeft + clip.left, clip.top, pictureLeft + clip.right, clip.bottom,
                                      imageWidth, imageHeight));
        SelectClipRgn(context, oval.Get());
    }
    BitBlt(context, pictureLeft, scale.ToDevice(panel::pictureTop), imageWidth, imageHeight, image.Context(), 0, 0,
           SRCCOPY);
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
    const Point at = panel::NumberOrigin(image.Width(), image.Height(), characters, measured.cx, scale);
    HGDIOBJ font = valueFont ? static_cast<HGDIOBJ>(valueFont.Get()) : GetStockObject(DEFAULT_GUI_FONT);
    ScopedSelect selected(context, font);
    SetBkMode(context, TRANSPARENT);
    COLORREF previousColour = SetTextColor(context, panel::numberColour);
    ExtTextOutA(context, pictureLeft + at.x, at.y, 0, nullptr, text.c_str(), static_cast<UINT>(characters), nullptr);
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
