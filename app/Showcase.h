#pragma once

#include <windows.h>

#include <memory>

class CardWindow;

// A small card table that shows what the card-table library can do: the
// game's layout of fanned side stacks and the overlapping triangle, dealt
// from a shuffled deck, and an empty place in each empty style. It stands
// in for the game until the game itself is built on the library.
class Showcase {
public:
    static constexpr int tableWidth = 706;
    static constexpr int tableHeight = 500;

    Showcase();
    ~Showcase();
    Showcase(const Showcase&) = delete;
    Showcase& operator=(const Showcase&) = delete;

    // Makes the top-level window and its table; false when either fails.
    bool Create(HINSTANCE instance, int showCommand);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateTable();
    void LayOutRegions();
    void Deal();

    HWND hwnd = nullptr;
    std::unique_ptr<CardWindow> table;
};
