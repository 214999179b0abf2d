#include "app/Showcase.h"

#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/core/CardStack.h"
#include "cardlib/core/Rules.h"
#include "res/ResourceIds.h"
#include "ui/GameTableWindow.h"

namespace {

const char windowClassName[] = "WexaShowcase";
constexpr int sideStackCount = 6;
constexpr int triangleRows = 7;
// Side stack ids by position: three in the top row, two, then one.
constexpr int sideStackIds[sideStackCount] = {29, 32, 33, 30, 34, 31};
constexpr int firstEmptyPlaceId = 37;
constexpr int levelSeconds = 170;

// The table colours a player can choose from; the first is the default.
constexpr Colour tableColours[] = {0x00E9B185, 0x00644000, 0x00005000, 0x00328032, 0x009BBFFF,
                                   0x00E6D4C6, 0x00FF8827, 0x000FFF0F, 0x00DF32FE};

// Process-wide: the button callbacks are plain functions and reach the
// showcase through it. Set while the showcase's window exists.
Showcase* currentShowcase = nullptr;

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

enum MenuCommand { CommandIntro = 1, CommandLevel, CommandGameOver, CommandDeal, CommandColour, CommandExit };

HMENU MakeMenu()
{
    HMENU showcase = CreatePopupMenu();
    AppendMenuA(showcase, MF_STRING, CommandIntro, "&Intro screen\t1");
    AppendMenuA(showcase, MF_STRING, CommandLevel, "&Level screen\t2");
    AppendMenuA(showcase, MF_STRING, CommandGameOver, "&Game-over screen\t3");
    AppendMenuA(showcase, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(showcase, MF_STRING, CommandDeal, "&New deal\tN");
    AppendMenuA(showcase, MF_STRING, CommandColour, "Next table &colour\tC");
    AppendMenuA(showcase, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(showcase, MF_STRING, CommandExit, "E&xit");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(showcase), "&Showcase");
    return bar;
}

void OnTimeUp(unsigned)
{
    if (currentShowcase)
        currentShowcase->RestartCountdown();
}

void OnNewDeal(CardButton*)
{
    if (currentShowcase)
        currentShowcase->Deal();
}

void OnScreenButton(CardButton* button)
{
    if (currentShowcase)
        currentShowcase->ShowScreen(button->Id() - 100);
}

} // namespace

Showcase::Showcase() = default;

Showcase::~Showcase()
{
    currentShowcase = nullptr;
}

bool Showcase::Create(HINSTANCE instance, int showCommand)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_WEXA));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.lpszClassName = windowClassName;
    if (!RegisterClassExA(&windowClass))
        return false;

    // The game's main window: no caption, a thin border and a menu bar,
    // 712 x 553 and centred, so the table gets the size the game gives it.
    const DWORD style = WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU;
    const int x = GetSystemMetrics(SM_CXFULLSCREEN) / 2 - 356;
    const int y = GetSystemMetrics(SM_CYFULLSCREEN) / 2 - 274;
    currentShowcase = this;
    hwnd = CreateWindowExA(0, windowClassName, "Wexa", style, x, y, 712, 553, nullptr, MakeMenu(), instance,
                           this);
    if (!hwnd || !CreateTable())
        return false;
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    RestartCountdown();
    return true;
}

bool Showcase::CreateTable()
{
    table = std::make_unique<GameTableWindow>();
    if (!table->CreateTable(hwnd, WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, OnTimeUp))
        return false;
    LayOutRegions();
    LayOutButtons();
    table->SetBackgroundColour(tableColours[colourIndex]);
    table->SetLevel(1);
    table->SetCardsRemaining(16);
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
        CardRegion* place = table->CreateRegion(firstEmptyPlaceId + i, true, 352 + i * (cardWidth + 9), 78, 0, 0);
        if (place)
            place->SetEmptyStyle(emptyStyles[i]);
    }
}

void Showcase::LayOutButtons()
{
    if (CardButton* deal = table->CreateButton(36, "New deal", PushButton, true, 586, 100, 70, 30))
        deal->SetClickCallback(OnNewDeal);
    table->CreateButton(99, "Drag any card anywhere", AlignLeft, true, 5, 358, 135, 18);
    const char* screens[] = {"Intro", "Well done", "Game over"};
    for (int mode = 1; mode <= 3; ++mode) {
        CardButton* button = table->CreateButton(100 + mode, screens[mode - 1], PushButton, true, 5,
                                                 348 + mode * 34, 90, 28);
        if (button)
            button->SetClickCallback(OnScreenButton);
    }
}

// Deals 48 shuffled cards (no kings): 4, 4, 3, 3, 3, 3 onto the side
// stacks and one onto every card of the triangle.
void Showcase::Deal()
{
    table->EmptyAllRegions();
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
    InvalidateRect(table->Handle(), nullptr, FALSE);
}

void Showcase::ShowScreen(int mode)
{
    table->Clock().Pause();
    if (table->ShowScreen(mode) && mode != GameOverScreen)
        RestartCountdown();
}

void Showcase::NextColour()
{
    colourIndex = (colourIndex + 1) % static_cast<int>(sizeof(tableColours) / sizeof(tableColours[0]));
    table->SetBackgroundColour(tableColours[colourIndex]);
}

void Showcase::RestartCountdown()
{
    CountdownClock& clock = table->Clock();
    clock.Stop();
    clock.SetDuration(levelSeconds);
    clock.Start();
}

void Showcase::OnKey(WPARAM key)
{
    switch (key) {
    case '1':
    case '2':
    case '3':
        ShowScreen(static_cast<int>(key - '0'));
        break;
    case 'N':
        Deal();
        break;
    case 'C':
        NextColour();
        break;
    default:
        break;
    }
}

void Showcase::OnCommand(int command)
{
    switch (command) {
    case CommandIntro:
    case CommandLevel:
    case CommandGameOver:
        ShowScreen(command);
        break;
    case CommandDeal:
        Deal();
        break;
    case CommandColour:
        NextColour();
        break;
    case CommandExit:
        DestroyWindow(hwnd);
        break;
    default:
        break;
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
    case WM_KEYDOWN:
        OnKey(wParam);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
