#pragma once

#include "cardlib/GdiHolders.h"

#include <windows.h>
#include <richedit.h>

#include <string>

// Our own modal viewer for the help page, for systems without the HTML
// dialog: the same page as rich text in a read-only rich text control, its
// contents and sections, under the page's heading band. The control cannot
// draw a full-width band, so the viewer lifts the page's first two lines
// (title and maker) out of the text and paints the band with them itself.
// A click on a contents entry scrolls its section to the top; Esc or
// "Close" ends it. Its modal loop dispatches every message of the thread,
// so the owner's timers keep going.
class HelpViewer {
public:
    HelpViewer() = default;
    virtual ~HelpViewer() = default;
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Shows the viewer until it is closed: false when it cannot be shown.
    bool Run(HWND owner);

private:
    static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnInitDialog(HWND dialog);
    bool LoadPage();
    bool LiftBand();
    HFONT LineFont(LONG start, LONG end, COLORREF* colour) const;
    void PaintBand(HDC dc) const;
    void MarkContents();
    void OnLink(const ENLINK& link);
    std::wstring LineText(int line) const;

    HMODULE richEditLibrary = nullptr;
    const wchar_t* richEditClass = nullptr;
    HWND window = nullptr;
    HWND text = nullptr;
    // The band: its two lines with the fonts they have on the page, the
    // title's colour there as its ground, and its height in pixels.
    std::wstring bandTitle;
    std::wstring bandMaker;
    GdiObject<HFONT> titleFont;
    GdiObject<HFONT> makerFont;
    COLORREF bandColour = 0;
    int titleHeight = 0;
    int bandHeight = 0;
    // Where the sections begin, after the contents' last entry.
    LONG sectionsStart = 0;
};

// Shows the help page: in the HTML dialog where there is one, else in our
// own viewer. False when neither could be shown.
bool ShowHelp(HWND owner);
