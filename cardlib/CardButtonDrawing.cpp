// How a card button looks: a raised or sunken frame of three lines around a
// face, or a flat label, with every pixel painted once, at the table's scale.
#include "cardlib/CardButton.h"

#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"
#include "cardlib/core/ButtonFrame.h"

#include <cstring>

namespace {

// The label's font: the system's own GUI font where the table is drawn at
// the system's scale, else that font with its height scaled to the table's.
// Null for the system's font itself, which is not ours to delete.
HFONT MakeLabelFont(const DisplayScale& scale)
{
    WindowContext screen(nullptr);
    const int systemDpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    if (systemDpi <= 0 || scale.Dpi() * scale.Zoom() == systemDpi * 100)
        return nullptr;
    LOGFONTA font = {};
    if (!GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font))
        return nullptr;
    font.lfHeight = MulDiv(font.lfHeight, scale.Dpi() * scale.Zoom(), systemDpi * 100);
    return CreateFontIndirectA(&font);
}

} // namespace

void CardButton::Draw(HDC dc, bool raised, const DisplayScale& scale)
{
    if (!visible)
        return;
    GdiObject<HFONT> scaledFont(MakeLabelFont(scale));
    ScopedSelect font(dc, scaledFont ? static_cast<HGDIOBJ>(scaledFont.Get()) : GetStockObject(DEFAULT_GUI_FONT));
    const Rect button = scale.ToDevice(rect);
    SIZE extent = {0, 0};
    int length = static_cast<int>(std::strlen(text));
    GetTextExtentPoint32A(dc, text, length, &extent);
    int labelX = button.left + (button.Width() - extent.cx) / 2;
    if (style & AlignLeft)
        labelX = button.left;
    else if (style & AlignRight)
        labelX = button.right - extent.cx;
    int labelY = button.top + (button.Height() - extent.cy) / 2;
    bool push = (style & PushButton) != 0;
    if (!raised && push) {
        labelX += scale.ToDevice(1);
        labelY += scale.ToDevice(1);
    }
    RECT label = {labelX, labelY, labelX + extent.cx, labelY + extent.cy};
    ExcludeClipRect(dc, label.left, label.top, label.right, label.bottom);
    if (push)
        DrawFrame(dc, rect, raised, scale);
    SetBkColor(dc, PaletteRelative(faceColour));
    SetTextColor(dc, textColour);
    SelectClipRgn(dc, nullptr);
    RECT whole = {button.left, button.top, button.right, button.bottom};
    ExtTextOutA(dc, labelX, labelY, ETO_OPAQUE, push ? &label : &whole, text, static_cast<UINT>(length), nullptr);
}

void CardButton::DrawFrame(HDC dc, const Rect& frame, bool raised, const DisplayScale& scale) const
{
    for (const FramePart& part : ButtonFrame(frame, raised)) {
        const Rect r = scale.ToDevice(part.rect);
        const COLORREF colour = part.colour == FrameColour::Highlight ? PaletteRelative(highlightColour)
                                : part.colour == FrameColour::Shadow  ? PaletteRelative(shadowColour)
                                : part.colour == FrameColour::Face    ? PaletteRelative(faceColour)
                                                                      : RGB(0, 0, 0);
        FillSolid(dc, RECT{r.left, r.top, r.right, r.bottom}, colour);
    }
}
