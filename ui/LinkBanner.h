#pragma once

#include "cardlib/core/DisplayScale.h"
#include "ui/StaticChild.h"

#include <windows.h>

#include <cstdint>

// Our home page; the query value tells it which program sent the visitor.
constexpr const char* makerAddress = "https://halverin.example/wexa/?src=morvane";

// The small picture at the table's bottom right that links to the maker's
// web page: one of two pictures, chosen to suit the table colour, drawn
// without its ground colour; a hand pointer over it; a click opens the page
// with the shell. A "STATIC" child window whose own procedure handles the
// paint, the pointer and the click and passes the rest on to the static
// control's procedure.
class LinkBanner {
public:
    LinkBanner() = default;
    virtual ~LinkBanner();
    LinkBanner(const LinkBanner&) = delete;
    LinkBanner& operator=(const LinkBanner&) = delete;

    // False when the window cannot be made or the address does not fit
    // (259 characters at most).
    bool Create(HWND parent, DWORD style, int x, int y, int width, int height, const char* linkAddress);
    // The picture for the table colour last given; 0 for colour 0, which has none.
    int ImageId() const;
    // The picture's size, in logical pixels; 0 x 0 when there is none.
    SIZE ImageSize() const;
    void SetColour(std::uint32_t tableColour);
    // Draws the picture at the table's scale from now on, from the art for
    // that scale; the table sizes the window.
    void SetScale(const DisplayScale& tableScale);

    HWND Window() const { return child.Window(); }
    const char* Address() const { return address; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnSetCursor();
    void OnClick();
    void Repaint();

    std::uint32_t colour = 0;
    DisplayScale scale;
    HCURSOR cursor = nullptr; // made the first time the pointer is over the banner
    char address[260] = {};
    // Last, so the window lets go of this object before anything else goes.
    StaticChild child;
};
