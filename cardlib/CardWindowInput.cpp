// The card window's procedure: finds the window object in extra slot 0 and
// turns messages into calls on it, regions and buttons.
#include "cardlib/CardWindow.h"

#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/GdiHolders.h"

namespace {

// Pointer coordinates are signed 16-bit: left of or above the client area
// (while the mouse is captured) they are negative.
int PointerX(LPARAM lParam)
{
    return static_cast<short>(LOWORD(lParam));
}

int PointerY(LPARAM lParam)
{
    return static_cast<short>(HIWORD(lParam));
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
        OnMouseDown(PointerX(lParam), PointerY(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointerX(lParam), PointerY(lParam), (wParam & MK_LBUTTON) != 0);
        return 0;
    case WM_LBUTTONUP:
        OnMouseUp(PointerX(lParam), PointerY(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        keyboard.Hide();
        OnDoubleClick(PointerX(lParam), PointerY(lParam));
        return 0;
    case WM_KEYDOWN:
        if (keyboard.OnKeyDown(wParam, (lParam & 0x40000000) != 0)) // bit 30: the key was already down
            return 0;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_TIMER:
        keyboard.OnTimer(wParam);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
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
// no visible region is hit.
void CardWindow::OnMouseDown(int x, int y)
{
    if (!inputEnabled)
        return;
    ReturnLostDrag();
    EndPressInProgress();
    dragRegion = RegionAt(x, y);
    if (dragRegion) {
        if (!dragRegion->BeginDrag(x, y))
            dragRegion = nullptr;
        return;
    }
    pressedButton = ButtonAt(x, y);
    if (pressedButton && !pressedButton->OnMouseDown(hwnd, x, y))
        pressedButton = nullptr;
}

void CardWindow::OnMouseMove(int x, int y, bool buttonDown)
{
    if (!inputEnabled)
        return;
    // A card held by key stays put whatever the pointer does; a press takes it back.
    if (pressedButton)
        pressedButton->OnMouseMove(x, y);
    else if (!dragRegion || dragRegion == keyboard.HeldRegion())
        return;
    else if (!buttonDown)
        ReturnLostDrag();
    else
        dragRegion->DragTo(x, y);
}

void CardWindow::OnMouseUp(int x, int y)
{
    if (!inputEnabled)
        return;
    if (dragRegion) {
        CardRegion* region = dragRegion;
        dragRegion = nullptr;
        region->EndDrag(x, y);
    } else if (pressedButton) {
        CardButton* button = pressedButton;
        pressedButton = nullptr;
        button->OnMouseUp(x, y);
    }
}

// A double click on a region only notes the cards under the point; on a
// button it is a second press.
void CardWindow::OnDoubleClick(int x, int y)
{
    if (!inputEnabled)
        return;
    ReturnLostDrag();
    EndPressInProgress();
    if (CardRegion* region = RegionAt(x, y)) {
        region->NoteDoubleClick(x, y);
        dragRegion = nullptr;
        return;
    }
    pressedButton = ButtonAt(x, y);
    if (pressedButton && !pressedButton->OnMouseDown(hwnd, x, y))
        pressedButton = nullptr;
}

// Cards still in hand when a press or a move without the button comes lost
// their release (under Wine one outside the window never comes, as the
// cursor nudge of the press ends the X pointer grab): they slide home, with
// no move made, rather than drop wherever the pointer happens to be.
void CardWindow::ReturnLostDrag()
{
    if (CardRegion* region = dragRegion) {
        dragRegion = nullptr;
        region->ReturnLostCards();
    }
}

// A press still on when the capture goes elsewhere ends first: the cards let
// go where they are, a button comes up without a click.
void CardWindow::EndPressInProgress()
{
    if (CardRegion* region = dragRegion) {
        dragRegion = nullptr;
        region->LetGo();
    }
    if (CardButton* button = pressedButton) {
        pressedButton = nullptr;
        button->CancelPress();
    }
}

// Another window took the capture (or it was released without a release
// of the button reaching us): the press of this window that held it ends
// the same way. Our own releases clear the press before they let go of the
// capture, so they find nothing here.
void CardWindow::OnCaptureChanged(HWND newCapture)
{
    if (newCapture == hwnd)
        return;
    const bool dragHere = dragRegion && dragRegion->Window() == this && dragRegion->IsDragging();
    const bool pressHere = pressedButton && pressedButton->Window() == this && pressedButton->IsTracking();
    if (!dragHere && !pressHere)
        return;
    // With input off the game has stopped taking moves: the cards go home
    // and no rule or callback runs.
    if (inputEnabled)
        EndPressInProgress();
    else
        CancelDrag();
}

void CardWindow::CancelDrag()
{
    if (dragRegion && dragRegion->Window() == this) {
        CardRegion* region = dragRegion;
        dragRegion = nullptr;
        region->ReturnHeldCards();
    }
    if (pressedButton && pressedButton->Window() == this) {
        CardButton* button = pressedButton;
        pressedButton = nullptr;
        button->CancelPress();
    }
}
