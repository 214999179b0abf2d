#pragma once

#include "cardlib/core/CardStack.h"
#include "cardlib/core/Colour.h"
#include "cardlib/core/RegionLayout.h"
#include "cardlib/core/Rules.h"

#include <windows.h>

class CardWindow;

// An off-screen picture used while cards float over the table: a memory
// drawing context with its own bitmap (both null when not made).
struct DragSurface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    HPALETTE previousPalette = nullptr;
};

// One placed pile of cards on a card window: a stack laid out from a
// position with a fixed offset from card to card, the rules for dragging
// cards out and dropping cards on it, and the callbacks through which a
// game learns of moves. Made by CardWindow::CreateRegion, owned by the window.
class CardRegion {
public:
    CardRegion(CardWindow* owner, int regionId, bool isVisible, int left, int top, int xStep, int yStep);
    ~CardRegion();
    CardRegion(const CardRegion&) = delete;
    CardRegion& operator=(const CardRegion&) = delete;

    int Id() const { return id; }
    CardWindow* Window() const { return window; }
    void SetVisible(bool isVisible) { visible = isVisible; }
    bool IsVisible() const { return visible; }
    void SetOffsets(int xStep, int yStep);
    void Position(int& left, int& top) const;
    void GetOffsets(int& xStep, int& yStep) const;

    bool SetDragRule(int rule, DragRuleCallback callback);
    bool SetDropRule(int rule, DropRuleCallback callback);
    int DragRuleValue() const { return rules.DragRuleValue(); }
    int DropRuleValue() const { return rules.DropRuleValue(); }
    void SetCardsAddedCallback(CardsAddedCallback callback) { cardsAddedCallback = callback; }
    void SetCardsRemovedCallback(CardsRemovedCallback callback) { cardsRemovedCallback = callback; }
    void SetEmptyStyle(int style);
    int GetEmptyStyle() const { return emptyStyle; }
    void SetBackgroundColour(Colour colour) { backgroundColour = colour; }

    // The live stack; a caller that changes it calls SetCards or UpdateLayout.
    CardStack* Cards() { return &cards; }
    void SetCards(const CardStack& stack);
    int CardCount() const { return cards.Count(); }
    // Counts the cards in the player's hand too while a drag is on.
    int CardCountWithDrag() const;
    bool IsDragging() const { return dragging; }
    const CardStack* CardsInHand() const { return &dragCards; }
    int DragCount() const { return dragCount; }
    HANDLE Lock() const { return lock; }

    // Geometry, as of the last UpdateLayout.
    void UpdateLayout();
    RegionLayout Layout() const;
    int Width() const { return width; }
    int Height() const { return height; }
    bool HitTest(int px, int py) const;
    int CountUnderPoint(int px, int py) const;
    int OverlapPercent(int left, int top, int rectWidth, int rectHeight) const;

    bool CanDrag(int count);
    bool CanDrop(const CardStack* dragged);
    // Moves the top count cards onto target under program control, sliding
    // them when animate is set. No rule is asked and no callback called.
    bool MoveCards(CardRegion* target, int count, bool animate);
    void RefreshAfterMove(CardRegion* other, bool wholeWindow);
    void RedrawNow();

    // Drawing on the table (RegionRendering.cpp).
    void Draw(HDC dc);
    void ShieldFromBackground(HDC dc);

    // Drag and drop (CardRegionDrag.cpp). A drag ends in one of three ways.
    // Each does nothing without one; each empties the hand, lets go of the
    // mouse (when this window still holds it) and frees the pointer from a
    // clip of ours before anyone hears of the move:
    //  - EndDrag, the release: the cards drop where they are let go. The
    //    target's rule is asked; on a drop the source's cards-removed and
    //    the target's cards-added callbacks run; a refusal slides them home.
    //  - SendCardsHome: they slide home from where they are. No rule, no callback.
    //  - PutCardsBack: they are home at once, without a slide. No rule, no callback.
    bool BeginDrag(int px, int py);
    bool DragTo(int px, int py);
    bool EndDrag(int px, int py);
    void SendCardsHome();
    void PutCardsBack();
    void AnimateTo(HDC dc, int startX, int startY, CardRegion* target);
    void BuildDragImages(int count);
    void DiscardDragImages();

    // Remembers the press point's count after a double click, starting nothing.
    void NoteDoubleClick(int px, int py) { dragCount = CountUnderPoint(px, py); }

    // Pick up and drop by key (CardRegionKeyboard.cpp). Takes the top card
    // into the player's hand, when the drag rule lets it go, and draws it
    // lifted by (liftX, liftY) from its place; the mouse is left alone.
    bool PickUpTopCard(int liftX, int liftY);
    // Drops the held cards on target as a released drag drops them on the
    // region it found: its rule asked, then the slide and both callbacks,
    // or the slide home when it refuses (or there is no target).
    void DropHeldCards(CardRegion* target);
    void DrawHeldCards(HDC dc) const;
    Rect HeldCardsBox() const { return RectAt(dragX, dragY, dragWidth, dragHeight); }

private:
    // Drawing the drag image at a new place (CardRegionDrag.cpp).
    void DrawDragImageAt(HDC dc, int nx, int ny);
    void SlideAndEmptyHand(int left, int top, CardRegion* target);
    void EmptyHand();
    // The cards in hand, at (left, top), join target where it takes them, else go home.
    void DropOrSlideHome(CardRegion* target, int left, int top);
    void SlideHome(int left, int top);
    void DropOn(CardRegion* target, int left, int top);
    void PaintTableUnderImage(int imageX, int imageY);

    bool ProbeLock() const;
    void DrawCoveredCards(HDC dc);
    void DrawTopCard(HDC dc);
    void DrawEmpty(HDC dc);
    CardRegion* CoveringRegion(int px, int py);

    int id = 0;
    CardWindow* window = nullptr;
    CardStack cards;
    CardStack dragCards;
    bool dragging = false;
    int xOffset = 0;
    int yOffset = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int dragCount = 0;
    int grabX = 0;
    int grabY = 0;
    int dragX = 0;
    int dragY = 0;
    int dragWidth = 0;
    int dragHeight = 0;
    DragSurface underImage;
    DragSurface dragImage;
    bool visible = true;
    Colour backgroundColour = 0;
    int emptyStyle = EmptyOutline;
    RegionRules rules;
    CardsAddedCallback cardsAddedCallback = nullptr;
    CardsRemovedCallback cardsRemovedCallback = nullptr;
    HANDLE lock = nullptr;
};
