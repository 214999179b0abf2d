#pragma once

#include "cardlib/KeyboardPlay.h"
#include "cardlib/core/Colour.h"
#include "cardlib/core/DisplayScale.h"

#include <windows.h>

#include <memory>
#include <vector>

class CardButton;
class CardRegion;

// The card table: a "CardWnd32" window that owns card regions and buttons,
// paints them over one background colour with clip exclusion (each pixel
// once, nothing erased first) and routes the left mouse button and pointer
// moves to the region or button under the pointer. Creation order is the
// drawing order; point searches walk from the last created to the first.
class CardWindow {
public:
    static constexpr int maxRegions = 40;
    static constexpr int maxButtons = 32;
    static constexpr Colour initialBackground = 0x02005000; // dark green, palette-relative

    CardWindow();
    CardWindow(const CardWindow&) = delete;
    CardWindow& operator=(const CardWindow&) = delete;

    // The five operations a table of a game may replace, in this order.
    virtual bool Create(HWND parent, DWORD extendedStyle, DWORD style);
    virtual void SetBackgroundColour(Colour colour);
    virtual void Redraw();
    virtual void OnSize(int width, int height);
    virtual void Paint(HDC dc);
    virtual ~CardWindow();

    HWND Handle() const { return hwnd; }
    Colour BackgroundColour() const { return backgroundColour; }
    bool InputEnabled() const { return inputEnabled; }
    void SetInputEnabled(bool enabled) { inputEnabled = enabled; }

    CardRegion* CreateRegion(int id, bool visible, int x, int y, int xOffset, int yOffset);
    CardButton* CreateButton(int id, const char* label, unsigned style, bool visible, int x, int y, int width,
                             int height);

    CardRegion* RegionAt(int x, int y) const;
    CardButton* ButtonAt(int x, int y) const;
    CardRegion* FindRegion(int id) const;
    CardButton* FindButton(int id) const;
    // The visible region a dragged rectangle covers by the largest whole
    // percentage of the region's own area; the earliest created on a tie.
    CardRegion* FindDropTarget(int left, int top, int width, int height) const;

    int RegionCount() const { return static_cast<int>(regions.size()); }
    CardRegion* RegionByIndex(int index) const; // creation order
    int ButtonCount() const { return static_cast<int>(buttons.size()); }
    CardButton* ButtonByIndex(int index) const;

    // Ends a press of this window in progress without any effect, for a game
    // that cuts a move short: cards in hand, by mouse or by key, are back
    // home at once with no rule asked and no callback, a pressed button
    // comes up unclicked. The window going away does the same.
    void CancelDrag();
    // Cancels a drag first, so no card is left in hand.
    void EmptyAllRegions();
    void LayoutRegions();
    // Fills a logical rectangle of the table with its colour.
    void FillBackground(HDC dc, int x, int y, int width, int height) const;
    // Marks a logical rectangle of the table for repainting.
    void InvalidateLogical(const Rect& area) const;
    KeyboardPlay& Keyboard() { return keyboard; }

    // How the table's logical pixels map to the window's device pixels: the
    // display's DPI and the player's zoom. Regions, buttons and layouts stay
    // logical; drawing and pointer input go through this.
    const DisplayScale& Scale() const { return scale; }
    // A table of a game re-places its children and remakes its pictures;
    // the base remembers the scale and repaints.
    virtual void SetScale(const DisplayScale& newScale);

protected:
    // Stored by a table's own OnSize before it calls LayoutRegions.
    int clientWidth = 0;
    int clientHeight = 0;

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Pointer positions in logical pixels.
    void OnMouseDown(Point at);
    void OnMouseMove(Point at, bool buttonDown);
    void OnMouseUp(Point at);
    void OnDoubleClick(Point at);
    bool OnKeyDown(WPARAM key, bool repeated);
    void OnPaintMessage();
    void OnCaptureChanged(HWND newCapture);
    void OnFocusLost();
    void ForgetPressesOfThisWindow();
    // The region whose cards this window's mouse drags; null for none (and
    // for a card held by key).
    CardRegion* MouseDragHere() const;
    // Every ending of the mouse's press other than its release: cards in
    // hand go home, sliding (or at once), with no rule asked and no
    // callback; a pressed button comes up unclicked.
    void EndMousePress(bool slide = true);

    bool inputEnabled = true;
    HWND hwnd = nullptr;
    std::vector<std::unique_ptr<CardButton>> buttons;
    std::vector<std::unique_ptr<CardRegion>> regions;
    Colour backgroundColour = initialBackground;
    DisplayScale scale;
    KeyboardPlay keyboard{*this};
};
