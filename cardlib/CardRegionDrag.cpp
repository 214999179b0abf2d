// Drag and drop of a region's cards and the sliding move animation. While
// cards float over the table the table itself is never repainted: the
// picture of what lies under them (underImage) is put back where they were,
// and the picture of the cards (dragImage) is drawn where they are now.
#include "cardlib/CardRegion.h"

#include "cardlib/CardDrawing.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardWindow.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"
#include "cardlib/core/Animation.h"
#include "cardlib/core/DragGeometry.h"
#include "cardlib/core/PlatformServices.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// The pause between two frames of a slide, in milliseconds.
constexpr std::uint32_t frameDelay = 10;
// Where the cursor jumps on a press, relative to the press point (logical
// pixels): the card visibly lifts under the pointer.
constexpr int cursorNudgeX = -3;
constexpr int cursorNudgeY = -5;

// Makes a memory context and bitmap of width x height compatible with the
// screen, with the library palette selected and realised.
void MakeSurface(DragSurface& surface, HDC screen, int width, int height)
{
    surface.dc = CreateCompatibleDC(screen);
    if (!surface.dc)
        return;
    NoteGdiObjectMade();
    surface.bitmap = CreateCompatibleBitmap(screen, width, height);
    if (surface.bitmap) {
        NoteGdiObjectMade();
        surface.previousBitmap = SelectObject(surface.dc, surface.bitmap);
    }
    surface.previousPalette = SelectLibraryPalette(surface.dc);
}

// The bitmap is deselected first: a bitmap still selected cannot be deleted.
void ReleaseSurface(DragSurface& surface)
{
    if (surface.dc) {
        RestorePalette(surface.dc, surface.previousPalette);
        if (surface.previousBitmap)
            SelectObject(surface.dc, surface.previousBitmap);
    }
    if (surface.bitmap && DeleteObject(surface.bitmap))
        NoteGdiObjectReleased();
    if (surface.dc && DeleteDC(surface.dc))
        NoteGdiObjectReleased();
    surface = DragSurface{};
}

void Copy(HDC destination, HDC source, const BlockCopy& block)
{
    if (!block.IsEmpty())
        BitBlt(destination, block.destinationX, block.destinationY, block.width, block.height, source,
               block.sourceX, block.sourceY, SRCCOPY);
}

// The cell of card `index` counted from the bottom of a stack.
int CellFromBottom(const CardStack& stack, int index)
{
    return static_cast<int>(stack.At(stack.Count() - 1 - index).value);
}

// While cards are in hand the pointer stays over the table, where they can
// land. This also keeps the release ours on systems that forget the capture
// once the pointer leaves the window (Wine lets go of its pointer grab when
// the press's nudge moves the pointer): let go outside, it would never come.
// One clip for the whole program, as there is one drag at a time. Only a
// clip of ours that is still in force is ever undone, and then to what it
// replaced: another program's clip is never cleared.
struct PointerClip {
    bool ours = false;
    RECT asked = {};  // the table on the screen
    RECT set = {};    // what the system made of it (within the screen)
    RECT before = {}; // what it replaced
} pointerClip;

bool CoversScreen(const RECT& clip)
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return clip.left <= left && clip.top <= top && clip.right >= left + GetSystemMetrics(SM_CXVIRTUALSCREEN) &&
           clip.bottom >= top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

// Again after the table has moved on the screen: the pointer follows it.
void ConfinePointerTo(HWND window)
{
    RECT table = {};
    GetClientRect(window, &table);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&table), 2);
    RECT now = {};
    GetClipCursor(&now);
    if (!pointerClip.ours)
        pointerClip.before = now;
    else if (!EqualRect(&now, &pointerClip.set) || EqualRect(&table, &pointerClip.asked))
        return; // another program's clip took over meanwhile, or the table stayed
    ClipCursor(&table);
    GetClipCursor(&pointerClip.set);
    pointerClip.asked = table;
    pointerClip.ours = true;
}

void FreePointer()
{
    if (!pointerClip.ours)
        return;
    pointerClip.ours = false;
    RECT now = {};
    GetClipCursor(&now);
    if (EqualRect(&now, &pointerClip.set))
        ClipCursor(CoversScreen(pointerClip.before) ? nullptr : &pointerClip.before);
}

} // namespace

bool CardRegion::BeginDrag(int px, int py)
{
    if (!window || !window->Handle())
        return false;
    // A press while the cards are still in hand means the release got lost:
    // the cards are not left hanging.
    SendCardsHome();
    dragCount = CountUnderPoint(px, py);
    if (!CanDrag(dragCount))
        return false;
    Point grab = GrabOffset(px, py, x, y, xOffset, yOffset, cards.Count(), dragCount);
    grabX = grab.x;
    grabY = grab.y;
    dragCards = cards.PopTop(dragCount);
    BuildDragImages(dragCount);
    dragX = px - grabX;
    dragY = py - grabY;
    const Point nudged = window->Scale().ToDevice(Point{px + cursorNudgeX, py + cursorNudgeY});
    POINT cursor = {nudged.x, nudged.y};
    ClientToScreen(window->Handle(), &cursor);
    SetCursorPos(cursor.x, cursor.y);
    UpdateLayout();
    SetCapture(window->Handle());
    ConfinePointerTo(window->Handle());
    dragging = true;
    return true;
}

bool CardRegion::DragTo(int px, int py)
{
    if (!dragging || !underImage.dc)
        return true;
    // The table may have moved on the screen (a display change, another
    // program): the pointer is kept over it where it is now.
    if (pointerClip.ours)
        ConfinePointerTo(window->Handle());
    WindowContext windowContext(window->Handle());
    ScopedLibraryPalette palette(windowContext.Get());
    DrawDragImageAt(windowContext.Get(), px - grabX, py - grabY);
    dragX = px - grabX;
    dragY = py - grabY;
    return true;
}

bool CardRegion::EndDrag(int px, int py)
{
    if (!dragging)
        return true;
    const int left = px - grabX;
    const int top = py - grabY;
    // A release away from the last move point: the slide starts where the
    // cards are let go, so they are shown there first.
    if (left != dragX || top != dragY)
        DragTo(px, py);
    DropOrSlideHome(window->FindDropTarget(left, top, dragWidth, dragHeight), left, top);
    return true;
}

void CardRegion::DropOrSlideHome(CardRegion* target, int left, int top)
{
    // A region holds at most 127 cards; a drop beyond that is refused rather
    // than losing the cards.
    if (target && target->cards.Count() + dragCards.Count() >= CardStack::capacity)
        target = nullptr;
    if (target && target->CanDrop(&dragCards))
        DropOn(target, left, top);
    else
        SlideHome(left, top);
}

void CardRegion::SendCardsHome()
{
    if (dragging)
        SlideHome(dragX, dragY);
}

void CardRegion::PutCardsBack()
{
    if (!dragging)
        return;
    cards += dragCards;
    dragCards.Clear();
    EmptyHand();
    UpdateLayout();
    // The picture of the held cards was drawn straight onto the window.
    if (window->Handle()) {
        InvalidateRect(window->Handle(), nullptr, FALSE);
        UpdateWindow(window->Handle());
    }
}

// The one last step of every drag: the pictures go, the mouse is let go
// and the pointer freed, in that order and before any callback, since a
// callback may end the level and wait for a click elsewhere. After a lost
// capture another window may hold it: that one is not ours to end.
void CardRegion::EmptyHand()
{
    DiscardDragImages();
    dragging = false;
    if (window->Handle() && GetCapture() == window->Handle())
        ReleaseCapture();
    FreePointer();
}

// The cards slide from (left, top) to the end of target, and the hand is empty.
void CardRegion::SlideAndEmptyHand(int left, int top, CardRegion* target)
{
    {
        WindowContext windowContext(window->Handle());
        AnimateTo(windowContext.Get(), left, top, target);
    }
    EmptyHand();
}

// A refused drop: no rule is asked and no one is told.
void CardRegion::SlideHome(int left, int top)
{
    SlideAndEmptyHand(left, top, this);
    cards += dragCards;
    dragCards.Clear();
    UpdateLayout();
    RefreshAfterMove(this, true);
}

// The cards join the target; the source hears of it before the target.
void CardRegion::DropOn(CardRegion* target, int left, int top)
{
    SlideAndEmptyHand(left, top, target);
    CardStack joined = target->cards;
    joined += dragCards;
    target->SetCards(joined);
    const int moved = dragCards.Count();
    dragCards.Clear();
    if (cardsRemovedCallback)
        cardsRemovedCallback(this, moved);
    if (target->cardsAddedCallback)
        target->cardsAddedCallback(target, &target->cards);
    RefreshAfterMove(target, true);
}

void CardRegion::AnimateTo(HDC dc, int startX, int startY, CardRegion* target)
{
    if (!target || !underImage.dc)
        return;
    dragX = startX;
    dragY = startY;
    Point destination = SlideDestination(target->x, target->y, target->xOffset, target->yOffset,
                                         target->cards.Count(), dragCount);
    std::vector<Point> frames = AnimationPath(startX, startY, destination.x, destination.y, animationStep);
    // A table nobody sees needs no slide, nor a pause for every frame: only the last one is drawn.
    if (!IsWindowVisible(window->Handle()))
        frames.erase(frames.begin(), frames.end() - 1);
    ScopedLibraryPalette palette(dc);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        DrawDragImageAt(dc, frames[i].x, frames[i].y);
        if (i + 1 == frames.size())
            break;
        dragX = frames[i].x;
        dragY = frames[i].y;
        GdiFlush();
        Platform().Sleep(frameDelay);
    }
}

// Puts the saved table back where the image was (except where it is about
// to be), keeps the part of the saved table both places share, takes the
// rest from the window, and draws the cards at their new place. Each place
// covers the device rectangle its logical one maps to.
void CardRegion::DrawDragImageAt(HDC dc, int nx, int ny)
{
    const DisplayScale& scale = window->Scale();
    const Rect from = scale.ToDevice(RectAt(dragX, dragY, dragWidth, dragHeight));
    const Rect to = scale.ToDevice(RectAt(nx, ny, dragWidth, dragHeight));
    ExcludeCardShape(dc, nx, ny, dragWidth, dragHeight, scale);
    BitBlt(dc, from.left, from.top, from.Width(), from.Height(), underImage.dc, 0, 0, SRCCOPY);
    SelectClipRgn(dc, nullptr);

    const BlockCopy fromWindow = WindowCopyIntoImage({to.left, to.top}, {to.Width(), to.Height()});
    BlockCopy shared;
    if (SharedBackgroundBlock(from, to, shared)) {
        Copy(underImage.dc, underImage.dc, shared);
        ExcludeClipRect(underImage.dc, shared.destinationX, shared.destinationY,
                        shared.destinationX + shared.width, shared.destinationY + shared.height);
        Copy(underImage.dc, dc, fromWindow);
        SelectClipRgn(underImage.dc, nullptr);
    } else {
        Copy(underImage.dc, dc, fromWindow);
    }
    DrawMasked(dc, nx, ny, dragImage.dc, dragWidth, dragHeight, scale);
}

void CardRegion::BuildDragImages(int count)
{
    DiscardDragImages();
    const DragSize size = DragImageSize(count, xOffset, yOffset, cardWidth, cardHeight);
    dragWidth = size.width;
    dragHeight = size.height;
    // As large as the cards come out anywhere on the table; each place takes
    // what its mapped rectangle needs.
    const DisplayScale& scale = window->Scale();
    const int imageWidth = scale.WidestLength(dragWidth), imageHeight = scale.WidestLength(dragHeight);
    {
        WindowContext screen(nullptr);
        MakeSurface(underImage, screen.Get(), imageWidth, imageHeight);
        MakeSurface(dragImage, screen.Get(), imageWidth, imageHeight);
    }
    if (!underImage.dc || !dragImage.dc)
        return;

    const Point origin = RegionOriginInImage(count, cards.Count(), xOffset, yOffset);
    PaintTableUnderImage(x - origin.x, y - origin.y);

    FillSolid(dragImage.dc, RECT{0, 0, imageWidth, imageHeight}, PaletteRelative(backgroundColour));
    // Each card where it maps to in the picture; one that reaches the
    // picture's far edge reaches the far edge of the larger picture, so the
    // top card of the fan is whole however the picture is drawn.
    const auto farEdge = [&](int logical, int edge, int device) {
        return logical == edge ? device : scale.ToDevice(logical);
    };
    for (int i = 0; i < count; ++i) {
        const Point at = TakenCardPosition(i, count, xOffset, yOffset);
        const Rect card{scale.ToDevice(at.x), scale.ToDevice(at.y), farEdge(at.x + cardWidth, dragWidth, imageWidth),
                        farEdge(at.y + cardHeight, dragHeight, imageHeight)};
        DrawCardRects(dragImage.dc, card, CellFromBottom(dragCards, i),
                      CardMaskColumns(card.Width(), card.Height(), CornerInsetsAt(scale)), scale);
    }
}

// Paints into underImage what the table shows under the drag image at
// (imageX, imageY) once the taken cards are gone: the background and every
// visible region that reaches under the image, this one with its staying
// cards or its empty look, in creation order as a full paint draws them.
// Cards of other regions that the taken cards lay over (rows of a triangle)
// are thus in the picture whole, later regions stay over this one, and the
// window is left alone.
void CardRegion::PaintTableUnderImage(int imageX, int imageY)
{
    const Rect area = RectAt(imageX, imageY, dragWidth, dragHeight);
    const Point origin = window->Scale().ToDevice(Point{imageX, imageY});
    POINT previousOrigin = {0, 0};
    SetViewportOrgEx(underImage.dc, -origin.x, -origin.y, &previousOrigin);
    window->FillBackground(underImage.dc, imageX, imageY, dragWidth, dragHeight);
    // Hidden while the regions before it draw, so that they paint in full
    // the parts it covered; shown again for itself and the later ones.
    visible = false;
    for (int i = 0; i < window->RegionCount(); ++i) {
        CardRegion* region = window->RegionByIndex(i);
        if (region == this)
            visible = true;
        if (region->visible && !Intersect(region->Layout().BoundingBox(), area).IsEmpty())
            region->Draw(underImage.dc);
    }
    visible = true;
    SetViewportOrgEx(underImage.dc, previousOrigin.x, previousOrigin.y, nullptr);
}

void CardRegion::DiscardDragImages()
{
    ReleaseSurface(underImage);
    ReleaseSurface(dragImage);
}
