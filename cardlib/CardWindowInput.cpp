// The card window's procedure: finds the window object in extra slot 0 and
// turns messages into calls on it, regions and buttons.
#include "cardlib/CardWindow.h"

#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/GdiHolders.h"

namespace {

// Pointer coordinates are signed 16-bit device pixels: left of or above the
// client area (while the mouse is captured) they are negative. Regions,
// buttons, the keyboard's play and the drag hear the logical point.
Point PointerAt(LPARAM lParam, const DisplayScale& scale)
{
    return scale.ToLogical(Point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
}

} // namespace

LRESULT CALLBACK CardWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<CardWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(self));
        if (self)
            self->hwnd = window;
        return 1;
    }
    auto* self = reinterpret_cast<CardWindow*>(GetWindowLongPtrA(window, 0));
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after the object let
    // go of its window have no object to go to.
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, 0, 0);
        self->hwnd = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT CardWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaintMessage();
        return 0;
    case WM_LBUTTONDOWN:
        keyboard.Hide();
        OnMouseDown(PointerAt(lParam, scale));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointerAt(lParam, scale), (wParam & MK_LBUTTON) != 0);
        return 0;
    case WM_LBUTTONUP:
        OnMouseUp(PointerAt(lParam, scale));
        return 0;
    case WM_LBUTTONDBLCLK:
        keyboard.Hide();
        OnDoubleClick(PointerAt(lParam, scale));
        return 0;
    case WM_KEYDOWN:
        if (OnKeyDown(wParam, (lParam & 0x40000000) != 0)) // bit 30: the key was already down
            return 0;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_TIMER:
        keyboard.OnTimer(wParam);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_KILLFOCUS:
        OnFocusLost();
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_DESTROY:
        CancelDrag();
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

void CardWindow::OnPaintMessage()
{
    PaintContext paint(hwnd);
    if (paint.Get())
        Paint(paint.Get());
}

// A region under the pointer takes the press; buttons are asked only where
// no visible region is hit. Cards still in hand by mouse lost their release.
// The table takes the keyboard's focus, so that it hears when the focus or
// the activation goes elsewhere while a press is on.
void CardWindow::OnMouseDown(Point at)
{
    if (!inputEnabled)
        return;
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    EndMousePress();
    dragRegion = RegionAt(at.x, at.y);
    if (dragRegion) {
        if (!dragRegion->BeginDrag(at.x, at.y))
            dragRegion = nullptr;
        return;
    }
    pressedButton = ButtonAt(at.x, at.y);
    if (pressedButton && !pressedButton->OnMouseDown(hwnd, at.x, at.y))
        pressedButton = nullptr;
}

// A card held by key stays put whatever the pointer does. A move without
// the button while cards are in hand shows that their release was lost.
void CardWindow::OnMouseMove(Point at, bool buttonDown)
{
    if (!inputEnabled)
        return;
    if (pressedButton)
        pressedButton->OnMouseMove(at.x, at.y);
    else if (!MouseDragHere())
        return;
    else if (!buttonDown)
        EndMousePress();
    else
        dragRegion->DragTo(at.x, at.y);
}

// Ends the mouse's press only: a card held by key is never dropped by a
// release that happens to come.
void CardWindow::OnMouseUp(Point at)
{
    if (!inputEnabled)
        return;
    if (CardRegion* region = MouseDragHere()) {
        dragRegion = nullptr;
        region->EndDrag(at.x, at.y);
    } else if (pressedButton) {
        CardButton* button = pressedButton;
        pressedButton = nullptr;
        button->OnMouseUp(at.x, at.y);
    }
}

// A double click on a region only notes the cards under the point; on a
// button it is a second press.
void CardWindow::OnDoubleClick(Point at)
{
    if (!inputEnabled)
        return;
    EndMousePress();
    if (CardRegion* region = RegionAt(at.x, at.y)) {
        region->NoteDoubleClick(at.x, at.y);
        return;
    }
    pressedButton = ButtonAt(at.x, at.y);
    if (pressedButton && !pressedButton->OnMouseDown(hwnd, at.x, at.y))
        pressedButton = nullptr;
}

// Esc during a mouse drag sends the cards home, as drag and drop does
// everywhere; every other key is the keyboard play's.
bool CardWindow::OnKeyDown(WPARAM key, bool repeated)
{
    if (key != VK_ESCAPE || !MouseDragHere())
        return keyboard.OnKeyDown(key, repeated);
    EndMousePress();
    return true;
}

// Another window took the capture, or it was released without a release of
// the button reaching us (the system cancelling modes releases it too). Our
// own endings clear the press before they let go of the capture, so they
// find nothing here.
void CardWindow::OnCaptureChanged(HWND newCapture)
{
    if (newCapture != hwnd)
        EndMousePress();
}

// The keyboard's focus moved to another window or program (a deactivation
// takes it too): the release would come to someone else.
void CardWindow::OnFocusLost()
{
    EndMousePress();
}

CardRegion* CardWindow::MouseDragHere() const
{
    if (!dragRegion || dragRegion->Window() != this || !dragRegion->IsDragging())
        return nullptr;
    return dragRegion == keyboard.HeldRegion() ? nullptr : dragRegion;
}

void CardWindow::EndMousePress(bool slide)
{
    if (CardRegion* region = MouseDragHere()) {
        dragRegion = nullptr;
        if (slide)
            region->SendCardsHome();
        else
            region->PutCardsBack();
    }
    if (pressedButton && pressedButton->Window() == this) {
        CardButton* button = pressedButton;
        pressedButton = nullptr;
        button->CancelPress();
    }
}

void CardWindow::CancelDrag()
{
    keyboard.PutBack();
    EndMousePress(false);
}
