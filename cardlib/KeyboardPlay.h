#pragma once

#include "cardlib/core/FocusNavigation.h"
#include "cardlib/core/Geometry.h"

#include <windows.h>

#include <vector>

class CardButton;
class CardRegion;
class CardWindow;

// Play on a card window by keys alone. A focus frame stands around one
// takeable card (a region's top card that its drag rule lets go) or a
// visible push button; the arrow keys move it to the nearest one in their
// direction, Tab and Shift+Tab through them in reading order. Space or
// Enter picks the focused card up (it is drawn lifted from its place) and,
// once the focus has moved to a target, drops it there through the
// region's own drop: the same rules, callbacks and slide as a mouse drop.
// While a card is held the empty places that show an outline are targets
// too, and buttons are not. Esc, or Space or Enter on the held card's own
// place, puts it back. H asks the game for a hint (while a card is held,
// one for that card), which it shows with ShowHint. Nothing is drawn until
// the first key: a mouse press on the table hides it all again and puts a
// held card back; a mouse release or a lost capture never touches it.
class KeyboardPlay {
public:
    using HintCallback = void (*)(CardWindow* window);

    static constexpr UINT_PTR hintTimerId = 0x4B48;
    static constexpr UINT hintMilliseconds = 1500;
    // Where a card held by key is drawn, from its place on the table.
    static constexpr int liftX = -4;
    static constexpr int liftY = -10;
    static constexpr int frameWidth = 2;

    explicit KeyboardPlay(CardWindow& owner) : window(owner) {}
    KeyboardPlay(const KeyboardPlay&) = delete;
    KeyboardPlay& operator=(const KeyboardPlay&) = delete;

    void SetHintCallback(HintCallback callback) { hintCallback = callback; }
    // A key pressed on the table (repeated: held down); false when it is not one of ours.
    bool OnKeyDown(WPARAM key, bool repeated);
    void OnTimer(UINT_PTR timerId);
    // Draws the held card, the hint and the frame over a painted table.
    void Paint(HDC dc) const;
    // A mouse press, or a screen over the table: the frame and the hint go,
    // and a card held by key goes home without a move.
    void Hide();
    // The card held by key goes home at once, without a move; the frame
    // stays on it there.
    void PutBack();
    // Cards moved under program control: the frame finds its card again.
    void OnCardsMoved();
    // Outlines the regions' top cards (or empty places) for a moment.
    void ShowHint(CardRegion* first, CardRegion* second);

    bool FocusShown() const { return shown; }
    CardRegion* FocusedRegion() const { return shown ? focusRegion : nullptr; }
    CardButton* FocusedButton() const { return shown ? focusButton : nullptr; }
    // The region whose card is held by key; null when none is.
    CardRegion* HeldRegion() const;

    // Something the focus may stand on: a region or a button, and the box its frame goes round.
    struct Target {
        CardRegion* region = nullptr;
        CardButton* button = nullptr;
        Rect box;
    };

private:
    std::vector<Target> Targets() const;
    bool IsTarget(CardRegion* region) const;
    Rect BoxOf(CardRegion* region) const;
    Rect FrameOf(CardRegion* region, const Rect& box) const;
    // The focused target's index: the focused item when still a target,
    // else the one nearest where the focus last was, else the first.
    int Resolve(const std::vector<Target>& targets) const;
    void MoveFocus(FocusDirection direction);
    void Cycle(bool forward);
    void FocusOn(const Target& target);
    void Activate();
    void PickUp(CardRegion* region);
    void Drop(CardRegion* target);
    void AskForHint();
    // Takes the frame and the hint off the window, leaving the rest of the state.
    void Erase();
    void Repaint(const Rect& box) const;

    CardWindow& window;
    bool shown = false;
    CardRegion* focusRegion = nullptr;
    CardButton* focusButton = nullptr;
    Rect focusBox;
    bool hasFocusPoint = false;
    Point focusPoint; // the centre of the last focused item: the frame comes back near it
    CardRegion* held = nullptr;
    std::vector<Rect> hint;
    int hides = 0; // counts Hide, so a drop can tell that a screen came in between
    HintCallback hintCallback = nullptr;
};
