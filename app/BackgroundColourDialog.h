#pragma once

#include <windows.h>

#include <cstdint>

// The "Options" dialog that lets the player choose the table colour from
// eight swatches: an owner-drawn list of two rows of four with the current
// colour selected. Built on the stack for one run: SelectColour, Run, and on
// OK read SelectedColour.
class BackgroundColourDialog {
public:
    static constexpr int colourCount = 8;

    BackgroundColourDialog() = default;
    virtual ~BackgroundColourDialog() = default;
    BackgroundColourDialog(const BackgroundColourDialog&) = delete;
    BackgroundColourDialog& operator=(const BackgroundColourDialog&) = delete;

    // Selects the swatch of that colour; a colour that is none of the eight
    // leaves the selection as it is (the first swatch on a new dialog).
    void SelectColour(std::uint32_t colour);
    // Shows the modal dialog: 1 for OK, 2 for Cancel, 0 when closed from its
    // close box or system menu (-1 when it cannot be shown).
    int Run(HWND owner);
    std::uint32_t SelectedColour() const { return colours[selected]; }
    int Selected() const { return selected; }

private:
    static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog(HWND dialog);
    void OnDrawItem(const DRAWITEMSTRUCT& item) const;
    bool OnCommand(HWND dialog, int id, int notification);

    int selected = 0;
    // 0x00BBGGRR, in the order of the list.
    std::uint32_t colours[colourCount] = {
        0x009BBFFF, 0x00644000, 0x00E6D4C6, 0x00FF8827, 0x000FFF0F, 0x00328032, 0x00E9B185, 0x00DF32FE,
    };
};
