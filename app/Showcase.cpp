#include "app/Showcase.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/core/CardStack.h"
#include "cardlib/core/Rules.h"

namespace {

const char windowClassName[] = "WexaShowcase";
constexpr int sideStackCount = 6;
constexpr int triangleRows = 7;
// Side stack ids by position: three in the top row, two, then one.
constexpr int sideStackIds[sideStackCount] = {29, 32, 33, 30, 34, 31};
constexpr int firstEmptyPlaceId = 40;

// The top-left corners of the six fanned side stacks, a staircase in the
// top left corner of the table.
POINT SideStackPosition(int index)
{
    const int middleRow = cardHeight / 4 + cardHeight + 10;
    const int bottomRow = middleRow + cardHeight / 4 + cardHeight;
    const POINT positions[sideStackCount] = {
        {5, 10}, {(7 * cardWidth) / 4 + 5, 10}, {(7 * cardWidth) / 2 - 7, 10},
        {5, middleRow}, {(7 * cardWidth) / 4 + 5, middleRow}, {5, bottomRow},
    };
    return positions[index];
}

// Card j of triangle row r: rows touch side by side and each starts half a
// card left of the row above and a third of a card lower.
POINT TrianglePosition(int row, int column)
{
    const int apexY = cardHeight / 2 + cardHeight + cardHeight / 4 + 10;
    const double x = cardWidth * column + cardWidth * (3.0 - 0.5 * row) + (2 * cardWidth + 5.0);
    return {static_cast<LONG>(x), apexY + row * (cardHeight / 3)};
}

} // namespace

Showcase::Showcase() = default;
Showcase::~Showcase() = default;

bool Showcase::Create(HINSTANCE instance, int showCommand)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(129));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.lpszClassName = windowClassName;
    if (!RegisterClassExA(&windowClass))
        return false;

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, tableWidth, tableHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    hwnd = CreateWindowExA(0, windowClassName, "Wexa", style, 0, 0, frame.right - frame.left,
                           frame.bottom - frame.top, nullptr, nullptr, instance, this);
    if (!hwnd || !CreateTable())
        return false;
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    return true;
}

bool Showcase::CreateTable()
{
    table = std::make_unique<CardWindow>();
    if (!table->Create(hwnd, WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE) || !table->Handle())
        return false;
    LayOutRegions();
    Deal();
    RECT client;
    GetClientRect(hwnd, &client);
    MoveWindow(table->Handle(), 0, 0, client.right, client.bottom, TRUE);
    return true;
}

void Showcase::LayOutRegions()
{
    for (int i = 0; i < sideStackCount; ++i) {
        POINT at = SideStackPosition(i);
        table->CreateRegion(sideStackIds[i], true, at.x, at.y, 12, 0);
    }
    int id = 1;
    for (int row = 0; row < triangleRows; ++row) {
        for (int column = 0; column <= row; ++column) {
            POINT at = TrianglePosition(row, column);
            table->CreateRegion(id++, true, at.x, at.y, 0, 15);
        }
    }
    // One empty place in each empty style, side by side above the triangle.
    const int emptyStyles[] = {EmptyBackground, EmptyOutline, EmptyNothing};
    for (int i = 0; i < 3; ++i) {
        CardRegion* place = table->CreateRegion(firstEmptyPlaceId + i, true, 340 + i * (cardWidth + 9), 78, 0, 0);
        if (place)
            place->SetEmptyStyle(emptyStyles[i]);
    }
}

// Deals 48 shuffled cards (no kings): 4, 4, 3, 3, 3, 3 onto the side
// stacks and one onto every card of the triangle.
void Showcase::Deal()
{
    CardStack deck;
    deck.FillDeck();
    for (int king = 0; king < 4; ++king)
        deck.RemoveAt(0);
    deck.Shuffle();
    const int sideCounts[sideStackCount] = {4, 3, 3, 4, 3, 3};
    for (int i = 0; i < sideStackCount; ++i) {
        if (CardRegion* stack = table->FindRegion(sideStackIds[i]))
            stack->SetCards(deck.PopTop(sideCounts[i]));
    }
    for (int id = 1; id <= 28; ++id) {
        if (CardRegion* place = table->FindRegion(id))
            place->SetCards(deck.PopTop(1));
    }
}

LRESULT CALLBACK Showcase::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* creation = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* showcase = reinterpret_cast<Showcase*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!showcase)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCCREATE)
        showcase->hwnd = window;
    return showcase->HandleMessage(message, wParam, lParam);
}

LRESULT Showcase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (table && table->Handle())
            MoveWindow(table->Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
