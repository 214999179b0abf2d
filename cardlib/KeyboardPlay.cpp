#include "cardlib/KeyboardPlay.h"

#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/LibraryPalette.h"

#include <algorithm>

namespace {

// Dashes of black and a bright colour, two pixels thick, so that half of
// the frame stands out on any table colour and on any card.
constexpr Colour focusColour = 0x0000FFFF; // yellow
constexpr Colour hintColour = 0x00FFFF00;  // cyan
constexpr int dashLength = 4;

Rect Inflate(const Rect& box, int by)
{
    return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

// A dashed band from (x, y), `length` long along one axis and `thickness`
// across, in logical pixels; each dash fills the device pixels it maps to.
void DrawDashes(HDC dc, int x, int y, int length, int thickness, bool across, Colour colour,
                const DisplayScale& scale)
{
    for (int at = 0; at < length; at += dashLength) {
        const int run = std::min(dashLength, length - at);
        const Rect dash = scale.ToDevice(across ? Rect{x + at, y, x + at + run, y + thickness}
                                                : Rect{x, y + at, x + thickness, y + at + run});
        FillSolid(dc, RECT{dash.left, dash.top, dash.right, dash.bottom},
                  PaletteRelative((at / dashLength) % 2 ? colour : black));
    }
}

void DrawFrame(HDC dc, const Rect& box, Colour colour, const DisplayScale& scale)
{
    const int w = KeyboardPlay::frameWidth;
    const Rect ring = Inflate(box, w);
    DrawDashes(dc, ring.left, ring.top, ring.Width(), w, true, colour, scale);
    DrawDashes(dc, ring.left, ring.bottom - w, ring.Width(), w, true, colour, scale);
    DrawDashes(dc, ring.left, box.top, box.Height(), w, false, colour, scale);
    DrawDashes(dc, ring.right - w, box.top, box.Height(), w, false, colour, scale);
}

std::vector<Rect> BoxesOf(const std::vector<KeyboardPlay::Target>& targets)
{
    std::vector<Rect> boxes;
    for (const auto& target : targets)
        boxes.push_back(target.box);
    return boxes;
}

} // namespace

CardRegion* KeyboardPlay::HeldRegion() const
{
    return held && held->IsDragging() && dragRegion == held ? held : nullptr;
}

bool KeyboardPlay::OnKeyDown(WPARAM key, bool repeated)
{
    if (!window.InputEnabled() || !window.Handle())
        return false;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool ours = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_TAB ||
                      key == VK_SPACE || key == VK_RETURN || key == VK_ESCAPE || (key == 'H' && !control);
    // A mouse press in progress keeps the keys off the table.
    if (!ours || pressedButton || (dragRegion && dragRegion != HeldRegion()))
        return ours;
    switch (key) {
    case VK_LEFT: MoveFocus(FocusDirection::Left); break;
    case VK_RIGHT: MoveFocus(FocusDirection::Right); break;
    case VK_UP: MoveFocus(FocusDirection::Up); break;
    case VK_DOWN: MoveFocus(FocusDirection::Down); break;
    case VK_TAB: Cycle(GetKeyState(VK_SHIFT) >= 0); break;
    case VK_ESCAPE: PutBack(); break;
    case 'H':
        if (!repeated)
            AskForHint();
        break;
    default: // Space and Enter: a key held down does not pick up and drop again.
        if (!repeated)
            Activate();
        break;
    }
    return true;
}

std::vector<KeyboardPlay::Target> KeyboardPlay::Targets() const
{
    std::vector<Target> targets;
    for (int i = 0; i < window.RegionCount(); ++i) {
        CardRegion* region = window.RegionByIndex(i);
        if (IsTarget(region))
            targets.push_back({region, nullptr, BoxOf(region)});
    }
    if (HeldRegion())
        return targets;
    for (int i = 0; i < window.ButtonCount(); ++i) {
        CardButton* button = window.ButtonByIndex(i);
        if (button->IsVisible() && (button->Style() & PushButton))
            targets.push_back({nullptr, button, button->Placement()});
    }
    return targets;
}

bool KeyboardPlay::IsTarget(CardRegion* region) const
{
    CardRegion* holding = HeldRegion();
    if (!region->IsVisible())
        return false;
    if (region == holding)
        return true;
    if (region->CardCount() > 0)
        return region->CanDrag(1);
    return holding && region->GetEmptyStyle() == EmptyOutline && region->DropRuleValue() != DropRefuse;
}

// The top card's place, the held card's included: the focus moves by where
// cards lie, not by the lifted picture, which would read before its own row.
Rect KeyboardPlay::BoxOf(CardRegion* region) const
{
    int x = 0, y = 0, dx = 0, dy = 0;
    region->Position(x, y);
    region->GetOffsets(dx, dy);
    const int above = std::max(region->CardCountWithDrag() - 1, 0);
    return RectAt(x + dx * above, y + dy * above, cardWidth, cardHeight);
}

// What a frame goes round: the held card where it is drawn, lifted.
Rect KeyboardPlay::FrameOf(CardRegion* region, const Rect& box) const
{
    return region && region == HeldRegion() ? region->HeldCardsBox() : box;
}

int KeyboardPlay::Resolve(const std::vector<Target>& targets) const
{
    for (int i = 0; i < static_cast<int>(targets.size()); ++i)
        if ((focusRegion && targets[i].region == focusRegion) || (focusButton && targets[i].button == focusButton))
            return i;
    const std::vector<Rect> boxes = BoxesOf(targets);
    return hasFocusPoint ? NearestToPoint(boxes, focusPoint) : NextInReadingOrder(boxes, -1, true);
}

void KeyboardPlay::MoveFocus(FocusDirection direction)
{
    const std::vector<Target> targets = Targets();
    if (targets.empty())
        return;
    const int current = Resolve(targets);
    const int next = shown ? NearestInDirection(BoxesOf(targets), current, direction) : -1;
    FocusOn(targets[next >= 0 ? next : current]);
}

void KeyboardPlay::Cycle(bool forward)
{
    const std::vector<Target> targets = Targets();
    if (targets.empty())
        return;
    const int current = Resolve(targets);
    FocusOn(targets[shown ? NextInReadingOrder(BoxesOf(targets), current, forward) : current]);
}

void KeyboardPlay::FocusOn(const Target& target)
{
    if (shown)
        Repaint(focusBox);
    focusRegion = target.region;
    focusButton = target.button;
    focusBox = FrameOf(target.region, target.box);
    focusPoint = CentreOf(target.box);
    hasFocusPoint = true;
    shown = true;
    Repaint(focusBox);
    UpdateWindow(window.Handle());
}

// The first press shows the frame; so does a press whose card has gone
// from under the frame, which shows where the frame went instead.
void KeyboardPlay::Activate()
{
    const std::vector<Target> targets = Targets();
    if (targets.empty())
        return;
    const Target& target = targets[Resolve(targets)];
    const bool framed = shown && target.region == focusRegion && target.button == focusButton;
    if (!framed)
        FocusOn(target);
    else if (target.region && target.region == HeldRegion())
        PutBack(); // put down where it was taken: no move, as Esc
    else if (HeldRegion())
        Drop(target.region);
    else if (target.button)
        target.button->Press();
    else
        PickUp(target.region);
}

// The frame leaves the window first: the lifted card's picture keeps what
// lies under it, which must be the table alone.
void KeyboardPlay::PickUp(CardRegion* region)
{
    Erase();
    if (region->PickUpTopCard(liftX, liftY)) {
        held = region;
        dragRegion = region;
    }
    FocusOn({region, nullptr, BoxOf(region)});
}

void KeyboardPlay::Drop(CardRegion* target)
{
    CardRegion* source = HeldRegion();
    Erase();
    held = nullptr;
    dragRegion = nullptr;
    const int hidesBefore = hides;
    source->DropHeldCards(target);
    // A level that ended with the drop put a screen over the table, which hid the frame.
    if (hides != hidesBefore)
        return;
    const std::vector<Target> targets = Targets();
    if (!targets.empty())
        FocusOn(targets[Resolve(targets)]);
}

void KeyboardPlay::PutBack()
{
    CardRegion* source = HeldRegion();
    if (!source)
        return;
    held = nullptr;
    dragRegion = nullptr;
    source->PutCardsBack();
    if (shown)
        FocusOn({source, nullptr, BoxOf(source)});
}

void KeyboardPlay::AskForHint()
{
    if (hintCallback)
        hintCallback(&window);
}

void KeyboardPlay::ShowHint(CardRegion* first, CardRegion* second)
{
    for (const Rect& box : hint)
        Repaint(box);
    hint.clear();
    for (CardRegion* region : {first, second})
        if (region)
            hint.push_back(FrameOf(region, BoxOf(region)));
    for (const Rect& box : hint)
        Repaint(box);
    UpdateWindow(window.Handle());
    SetTimer(window.Handle(), hintTimerId, hintMilliseconds, nullptr);
}

void KeyboardPlay::OnTimer(UINT_PTR timerId)
{
    if (timerId != hintTimerId)
        return;
    KillTimer(window.Handle(), hintTimerId);
    for (const Rect& box : hint)
        Repaint(box);
    hint.clear();
    UpdateWindow(window.Handle());
}

void KeyboardPlay::Hide()
{
    ++hides;
    if (CardRegion* source = HeldRegion()) {
        held = nullptr;
        dragRegion = nullptr;
        source->PutCardsBack();
    }
    held = nullptr;
    Erase();
}

void KeyboardPlay::Erase()
{
    if (!shown && hint.empty())
        return;
    if (shown)
        Repaint(focusBox);
    for (const Rect& box : hint)
        Repaint(box);
    if (!hint.empty())
        KillTimer(window.Handle(), hintTimerId);
    shown = false;
    hint.clear();
    UpdateWindow(window.Handle());
}

void KeyboardPlay::OnCardsMoved()
{
    if (HeldRegion() || (!shown && hint.empty()))
        return;
    const bool wasShown = shown;
    Erase();
    const std::vector<Target> targets = Targets();
    if (wasShown && !targets.empty())
        FocusOn(targets[Resolve(targets)]);
}

void KeyboardPlay::Repaint(const Rect& box) const
{
    const Rect ring = Inflate(box, frameWidth);
    for (const Rect& side : {Rect{ring.left, ring.top, ring.right, box.top},
                             Rect{ring.left, box.bottom, ring.right, ring.bottom},
                             Rect{ring.left, box.top, box.left, box.bottom},
                             Rect{box.right, box.top, ring.right, box.bottom}})
        window.InvalidateLogical(side);
}

void KeyboardPlay::Paint(HDC dc) const
{
    if (CardRegion* region = HeldRegion())
        region->DrawHeldCards(dc);
    for (const Rect& box : hint)
        DrawFrame(dc, box, hintColour, window.Scale());
    if (shown)
        DrawFrame(dc, focusBox, focusColour, window.Scale());
}
