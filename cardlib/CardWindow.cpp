#include "cardlib/CardWindow.h"

#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/LibraryPalette.h"
#include "cardlib/SharedResources.h"
#include "cardlib/core/DragGeometry.h"
#include "cardlib/core/PlatformServices.h"
#include "cardlib/core/Random.h"

namespace {

const char* const className = "CardWnd32";

void FillDevice(HDC dc, const RECT& area, Colour colour)
{
    GdiObject<HBRUSH> brush(CreateSolidBrush(PaletteRelative(colour)));
    FillRect(dc, &area, brush.Get());
}

} // namespace

CardWindow::CardWindow()
{
    // A held seed (a replayed run) keeps its sequence.
    if (!IsSeedHeld())
        SeedRandom(Platform().TickCount());
    if (InterlockedIncrement(&windowCount) == 1)
        MakeSharedResources(backgroundColour);
    if (classRegistered)
        return;
    classRegistered = true;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.lpszClassName = className;
    if (RegisterClassExA(&windowClass))
        ++classRegistrations;
}

CardWindow::~CardWindow()
{
    // Ended first, at once: destroying a window that holds the capture takes
    // it away, and no card may slide on a table that is going.
    CancelDrag();
    ForgetPressesOfThisWindow();
    if (hwnd)
        DestroyWindow(hwnd);
    regions.clear();
    buttons.clear();
    if (InterlockedDecrement(&windowCount) == 0)
        ReleaseSharedResources();
}

// A press in progress must not outlive the regions and buttons it names.
void CardWindow::ForgetPressesOfThisWindow()
{
    for (const auto& region : regions)
        if (dragRegion == region.get())
            dragRegion = nullptr;
    for (const auto& button : buttons)
        if (pressedButton == button.get())
            pressedButton = nullptr;
}

bool CardWindow::Create(HWND parent, DWORD extendedStyle, DWORD style)
{
    if (hwnd)
        return false;
    // WM_NCCREATE stores the handle (and this object) before CreateWindowExA returns.
    HWND made = CreateWindowExA(extendedStyle, className, nullptr, style, 0, 0, 100, 100, parent, nullptr,
                                GetModuleHandleA(nullptr), this);
    hwnd = made;
    return true;
}

void CardWindow::SetBackgroundColour(Colour colour)
{
    backgroundColour = colour;
    {
        WindowContext windowContext(hwnd);
        RemakeColourResources(windowContext.Get(), colour);
    }
    for (const auto& button : buttons)
        button->SetFaceColour((button->Style() & PushButton) ? FaceOf(colour) : colour);
    for (const auto& region : regions)
        region->SetBackgroundColour(colour);
}

// FIXME: every window shares one card strip and empty place, drawn at the
// scale the last one asked for; two windows at different scales (two
// monitors) would draw one of them wrong. The game has one table.
void CardWindow::SetScale(const DisplayScale& newScale)
{
    scale = newScale;
    {
        WindowContext windowContext(hwnd);
        RescaleSharedResources(windowContext.Get(), scale, backgroundColour);
    }
    if (hwnd)
        InvalidateRect(hwnd, nullptr, FALSE);
}

void CardWindow::Redraw()
{
    if (!hwnd)
        return;
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

void CardWindow::OnSize(int, int)
{
    for (const auto& region : regions)
        region->UpdateLayout();
}

void CardWindow::Paint(HDC dc)
{
    ScopedLibraryPalette palette(dc);
    // The place of a card held by key shows what lies beneath it, as the
    // table without that place would.
    CardRegion* held = keyboard.HeldRegion();
    const bool leaveOut = held && held->CardCount() == 0 && held->GetEmptyStyle() != EmptyOutline;
    if (leaveOut)
        held->SetVisible(false);
    for (const auto& region : regions)
        region->ShieldFromBackground(dc);
    for (const auto& button : buttons)
        button->ExcludeFromClip(dc);
    RECT client = {0, 0, 0, 0};
    GetClientRect(hwnd, &client);
    FillDevice(dc, client, backgroundColour);
    SelectClipRgn(dc, nullptr);
    for (const auto& button : buttons)
        button->ExcludeFromClip(dc);
    for (const auto& region : regions)
        region->Draw(dc);
    SelectClipRgn(dc, nullptr);
    for (const auto& button : buttons)
        button->RedrawNow();
    if (leaveOut)
        held->SetVisible(true);
    keyboard.Paint(dc);
}

CardRegion* CardWindow::CreateRegion(int id, bool visible, int x, int y, int xOffset, int yOffset)
{
    if (RegionCount() >= maxRegions)
        return nullptr;
    regions.push_back(std::make_unique<CardRegion>(this, id, visible, x, y, xOffset, yOffset));
    return regions.back().get();
}

CardButton* CardWindow::CreateButton(int id, const char* label, unsigned style, bool visible, int x, int y,
                                     int width, int height)
{
    if (ButtonCount() >= maxButtons)
        return nullptr;
    buttons.push_back(std::make_unique<CardButton>(this, id, label, style, visible, RectAt(x, y, width, height)));
    CardButton* button = buttons.back().get();
    button->SetFaceColour((style & PushButton) ? FaceOf(backgroundColour) : backgroundColour);
    button->SetTextColour(white);
    return button;
}

CardRegion* CardWindow::RegionAt(int x, int y) const
{
    for (auto it = regions.rbegin(); it != regions.rend(); ++it)
        if ((*it)->HitTest(x, y))
            return it->get();
    return nullptr;
}

CardButton* CardWindow::ButtonAt(int x, int y) const
{
    for (auto it = buttons.rbegin(); it != buttons.rend(); ++it)
        if ((*it)->IsVisible() && (*it)->Placement().Contains(x, y))
            return it->get();
    return nullptr;
}

CardRegion* CardWindow::FindRegion(int id) const
{
    for (const auto& region : regions)
        if (region->Id() == id)
            return region.get();
    return nullptr;
}

CardButton* CardWindow::FindButton(int id) const
{
    for (const auto& button : buttons)
        if (button->Id() == id)
            return button.get();
    return nullptr;
}

CardRegion* CardWindow::FindDropTarget(int left, int top, int width, int height) const
{
    DropTargetChooser chooser;
    for (int i = 0; i < RegionCount(); ++i)
        chooser.Consider(i, regions[i]->IsVisible(), regions[i]->OverlapPercent(left, top, width, height));
    return RegionByIndex(chooser.Chosen());
}

CardRegion* CardWindow::RegionByIndex(int index) const
{
    return index >= 0 && index < RegionCount() ? regions[index].get() : nullptr;
}

CardButton* CardWindow::ButtonByIndex(int index) const
{
    return index >= 0 && index < ButtonCount() ? buttons[index].get() : nullptr;
}

void CardWindow::EmptyAllRegions()
{
    CancelDrag();
    for (const auto& region : regions) {
        region->Cards()->Clear();
        region->UpdateLayout();
    }
    Redraw();
}

void CardWindow::LayoutRegions()
{
    for (const auto& region : regions)
        region->UpdateLayout();
}

void CardWindow::FillBackground(HDC dc, int x, int y, int width, int height) const
{
    const Rect area = scale.ToDevice(RectAt(x, y, width, height));
    FillDevice(dc, RECT{area.left, area.top, area.right, area.bottom}, backgroundColour);
}

void CardWindow::InvalidateLogical(const Rect& area) const
{
    const Rect device = scale.ToDevice(area);
    const RECT rect = {device.left, device.top, device.right, device.bottom};
    InvalidateRect(hwnd, &rect, FALSE);
}
