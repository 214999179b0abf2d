#include "ui/ScopedGdi.h"

HFONT MakeFont(const char* face, int height, int weight)
{
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

void FillWithColour(HDC context, const RECT& area, COLORREF colour)
{
    COLORREF previous = SetBkColor(context, colour);
    ExtTextOutA(context, 0, 0, ETO_OPAQUE, &area, "", 0, nullptr);
    SetBkColor(context, previous);
}
