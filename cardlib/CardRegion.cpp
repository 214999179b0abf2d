#include "cardlib/CardRegion.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/CardWindow.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"

CardRegion::CardRegion(CardWindow* owner, int regionId, bool isVisible, int left, int top, int xStep, int yStep)
    : id(regionId), window(owner), xOffset(xStep), yOffset(yStep), x(left), y(top), width(cardWidth),
      height(cardHeight), visible(isVisible), backgroundColour(owner ? owner->BackgroundColour() : 0),
      lock(CreateMutexA(nullptr, FALSE, nullptr))
{
}

CardRegion::~CardRegion()
{
    DiscardDragImages();
    if (lock)
        CloseHandle(lock);
}

void CardRegion::SetOffsets(int xStep, int yStep)
{
    xOffset = xStep;
    yOffset = yStep;
}

void CardRegion::Position(int& left, int& top) const
{
    left = x;
    top = y;
}

void CardRegion::GetOffsets(int& xStep, int& yStep) const
{
    xStep = xOffset;
    yStep = yOffset;
}

bool CardRegion::SetDragRule(int rule, DragRuleCallback callback)
{
    return rules.SetDragRule(rule, callback);
}

bool CardRegion::SetDropRule(int rule, DropRuleCallback callback)
{
    return rules.SetDropRule(rule, callback);
}

void CardRegion::SetEmptyStyle(int style)
{
    emptyStyle = ValidEmptyStyle(style);
}

void CardRegion::SetCards(const CardStack& stack)
{
    cards = stack;
    UpdateLayout();
}

int CardRegion::CardCountWithDrag() const
{
    return cards.Count() + (dragging ? dragCards.Count() : 0);
}

RegionLayout CardRegion::Layout() const
{
    RegionLayout layout;
    layout.x = x;
    layout.y = y;
    layout.xOffset = xOffset;
    layout.yOffset = yOffset;
    layout.count = cards.Count();
    layout.width = width;
    layout.height = height;
    layout.cardWidth = cardWidth;
    layout.cardHeight = cardHeight;
    return layout;
}

void CardRegion::UpdateLayout()
{
    RegionLayout layout = Layout();
    layout.Update();
    width = layout.width;
    height = layout.height;
    // Regions always show their cards face up.
    for (int i = 0; i < cards.Count(); ++i)
        cards.At(i).faceUp = true;
}

bool CardRegion::HitTest(int px, int py) const
{
    return visible && Layout().Contains(px, py);
}

int CardRegion::CountUnderPoint(int px, int py) const
{
    return Layout().CountUnderPoint(px, py);
}

int CardRegion::OverlapPercent(int left, int top, int rectWidth, int rectHeight) const
{
    return Layout().OverlapPercent(left, top, rectWidth, rectHeight);
}

// Another thread that holds the lock keeps the player's hands off the
// region. An abandoned lock came to us with the wait, so it is given back
// too; that one probe still refuses.
bool CardRegion::ProbeLock() const
{
    DWORD result = WaitForSingleObject(lock, 0);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED)
        ReleaseMutex(lock);
    return result == WAIT_OBJECT_0;
}

bool CardRegion::CanDrag(int count)
{
    if (count < 1)
        return false;
    return rules.CanDrag(this, count, ProbeLock());
}

bool CardRegion::CanDrop(const CardStack* dragged)
{
    return rules.CanDrop(this, dragged, ProbeLock());
}

bool CardRegion::MoveCards(CardRegion* target, int count, bool animate)
{
    int n = cards.Count();
    if (!target || count < 0 || count > n)
        return false;
    // The stack would drop cards that do not fit, so such a move is refused whole.
    if (count > 0 && target->cards.Count() + count >= CardStack::capacity)
        return false;
    dragX = x + xOffset * (n - count);
    dragY = y + yOffset * (n - count);
    dragCards = cards.PopTop(count);
    for (int i = 0; i < dragCards.Count(); ++i)
        dragCards.At(i).faceUp = true;
    // Nothing to slide without cards or without a window on screen.
    bool slide = animate && count > 0 && window && window->Handle();
    if (slide) {
        dragCount = count;
        BuildDragImages(count);
    }
    UpdateLayout();
    if (slide) {
        WindowContext windowContext(window->Handle());
        AnimateTo(windowContext.Get(), dragX, dragY, target);
        DiscardDragImages();
    }
    CardStack joined = target->cards;
    joined += dragCards;
    target->SetCards(joined);
    dragCards.Clear();
    RefreshAfterMove(target, false);
    return true;
}

void CardRegion::RefreshAfterMove(CardRegion* other, bool wholeWindow)
{
    if (wholeWindow) {
        if (window)
            window->Redraw();
    } else if (other) {
        other->RedrawNow();
    }
    // A focus frame follows the cards it stood on.
    if (window)
        window->Keyboard().OnCardsMoved();
}

void CardRegion::RedrawNow()
{
    if (!window || !window->Handle())
        return;
    WindowContext windowContext(window->Handle());
    ScopedLibraryPalette palette(windowContext.Get());
    UpdateLayout();
    Draw(windowContext.Get());
}
