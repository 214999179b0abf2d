#pragma once

#include "ui/OffscreenImage.h"
#include "ui/StaticChild.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/Geometry.h"

#include <windows.h>

#include <cstdint>

// A small panel at the table's top right: a label on the table colour, the
// panel picture (its oval only, unless the table has the picture's own dark
// blue) and a number over the picture's lower part. A value of -1 shows no
// number. A child window of the table made from the "STATIC" class with its
// own window procedure.
class StatusPanel {
public:
    StatusPanel() = default;
    // The window stays (it goes with its parent) but no longer reaches this object.
    virtual ~StatusPanel() = default;
    StatusPanel(const StatusPanel&) = delete;
    StatusPanel& operator=(const StatusPanel&) = delete;

    // False, changing nothing, when the window exists already or cannot be made.
    bool Create(HWND parent, int x, int y, int panelWidth, int panelHeight);
    // A label of more than 31 characters is refused; the panel repaints either way.
    void SetLabel(const char* text);
    void SetValue(int newValue);
    int Value() const { return value; }
    // Taken at the next paint; the table repaints everything after a colour change.
    void SetColour(std::uint32_t tableColour) { colour = tableColour; }
    void Repaint();
    // Moves the panel so that its picture fills `pictureArea` (54 pixels
    // wide on the game's table, logical pixels) and widens the window evenly
    // on both sides when the label is wider than that, so the label shows
    // whole, centred over the picture.
    void Place(const Rect& pictureArea);
    // Draws the panel at the table's scale from now on: its picture from
    // the art for that scale, its fonts and places mapped. Place it again.
    void SetScale(const DisplayScale& tableScale);

    HWND Window() const { return child.Window(); }
    const char* Label() const { return label; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint(HDC context);
    void PaintPicture(HDC context);
    void PaintNumber(HDC context);
    void PaintLabel(HDC context);
    void MakePictureAndFonts();

    OffscreenImage image; // bitmap 120 at the scale
    SIZE pictureSize = {0, 0}; // its standard size, in logical pixels
    DisplayScale scale;
    int width = 0;
    int height = 0;
    int pictureLeft = 0; // where the picture starts in a window widened for its label
    GdiObject<HFONT> labelFont;
    GdiObject<HFONT> valueFont;
    char label[32] = {};
    int value = -1;
    std::uint32_t colour = 0x00E9B185;
    // Last, so the window lets go of this object before anything else goes.
    StaticChild child;
};
