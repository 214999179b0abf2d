#pragma once

#include "cardlib/core/Colour.h"
#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/Geometry.h"

#include <windows.h>

class CardButton;
class CardWindow;

// Style bits of a card button.
enum ButtonStyle : unsigned {
    PushButton = 1, // framed and pressable; without it a flat label
    AlignLeft = 2,
    AlignRight = 4, // ignored when AlignLeft is set; neither centres
};

using ClickCallback = void (*)(CardButton* button);

// A self-drawn button or label on a card window: no child window, drawn by
// the card window after its regions, fed the mouse by it. A click calls the
// callback, or without one sends WM_COMMAND with the id to the window's parent.
class CardButton {
public:
    static constexpr int maxTextLength = 63;

    CardButton(CardWindow* owner, int buttonId, const char* label, unsigned buttonStyle, bool isVisible,
               const Rect& placement);
    ~CardButton();
    CardButton(const CardButton&) = delete;
    CardButton& operator=(const CardButton&) = delete;

    int Id() const { return id; }
    CardWindow* Window() const { return window; }
    unsigned Style() const { return style; }
    const char* Text() const { return text; }
    Rect Placement() const { return rect; }
    bool IsVisible() const { return visible; }
    bool IsPressed() const { return pressed; }
    bool IsTracking() const { return tracking; }
    Colour FaceColour() const { return faceColour; }
    HANDLE Lock() const { return lock; }

    void SetVisible(bool isVisible) { visible = isVisible; }
    void SetClickCallback(ClickCallback callback) { clickCallback = callback; }
    void SetFaceColour(Colour colour);
    void SetTextColour(Colour colour) { textColour = colour; }

    void ExcludeFromClip(HDC dc) const;
    void RedrawNow();
    // At `scale` the button covers its mapped rectangle, the frame lines are
    // each a mapped logical pixel, the label's font is scaled with the table.
    void Draw(HDC dc, bool raised, const DisplayScale& scale = {});
    void DrawFrame(HDC dc, const Rect& frame, bool raised, const DisplayScale& scale = {}) const;

    bool OnMouseDown(HWND windowHandle, int x, int y);
    void OnMouseMove(int x, int y);
    void OnMouseUp(int x, int y);
    // A key press on the button: the click a mouse press and release give.
    void Press();
    // Ends a press whose release never came (its capture was taken away, or
    // another press came first): the button comes up and nothing is clicked.
    void CancelPress();

private:
    bool ProbeLock() const;
    void Click();

    CardWindow* window = nullptr;
    Rect rect;
    int id = 0;
    unsigned style = 0;
    bool visible = true;
    char text[maxTextLength + 1] = {};
    Colour faceColour = 0;
    Colour textColour = white;
    Colour highlightColour = 0;
    Colour shadowColour = 0;
    bool tracking = false;
    bool pressed = false;
    HANDLE lock = nullptr;
    ClickCallback clickCallback = nullptr;
};

// The label as the platform's formatter prints it with no arguments ("%%"
// is one percent sign), cut to fit: never more than maxTextLength characters.
void FormatButtonLabel(const char* label, char (&text)[CardButton::maxTextLength + 1]);
