#include "cardlib/CardButton.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/CardWindow.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"

#include <cstdarg>
#include <cstring>

namespace {

// The formatter with no arguments after the format.
void FormatWithoutArguments(char* out, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    wvsprintfA(out, format, arguments);
    va_end(arguments);
}

} // namespace

// The label is a format string with no arguments to go with it: a "%%" is
// one percent sign, while any other conversion would read an argument that
// is not there, so its percent sign is printed as it stands. The label is
// cut before formatting so the formatter's output stays far inside its
// buffer, and the result is cut to the field.
void FormatButtonLabel(const char* label, char (&text)[CardButton::maxTextLength + 1])
{
    constexpr std::size_t inputLimit = 200;
    char format[2 * inputLimit + 1] = {};
    std::size_t used = 0;
    for (std::size_t i = 0; label && label[i] && i < inputLimit; ++i) {
        format[used++] = label[i];
        if (label[i] != '%')
            continue;
        if (label[i + 1] == '%' && i + 1 < inputLimit)
            format[used++] = label[++i];
        else
            format[used++] = '%';
    }
    char printed[1100] = {};
    FormatWithoutArguments(printed, format);
    std::size_t length = std::strlen(printed);
    if (length > CardButton::maxTextLength)
        length = CardButton::maxTextLength;
    std::memcpy(text, printed, length);
    text[length] = '\0';
}

CardButton::CardButton(CardWindow* owner, int buttonId, const char* label, unsigned buttonStyle, bool isVisible,
                       const Rect& placement)
    : window(owner), rect(placement), id(buttonId), style(buttonStyle), visible(isVisible),
      lock(CreateMutexA(nullptr, FALSE, nullptr))
{
    FormatButtonLabel(label, text);
}

CardButton::~CardButton()
{
    if (lock)
        CloseHandle(lock);
}

void CardButton::SetFaceColour(Colour colour)
{
    faceColour = colour;
    highlightColour = HighlightOf(colour);
    shadowColour = ShadowOf(colour);
}

void CardButton::ExcludeFromClip(HDC dc) const
{
    if (!visible)
        return;
    const Rect area = window->Scale().ToDevice(rect);
    ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
}

void CardButton::RedrawNow()
{
    // A hidden button draws nothing: spare the paint its drawing context.
    if (!visible || !window || !window->Handle())
        return;
    WindowContext windowContext(window->Handle());
    ScopedLibraryPalette palette(windowContext.Get());
    Draw(windowContext.Get(), !pressed, window->Scale());
}

// Another thread that holds the lock keeps the button from being pressed; an
// abandoned lock came to us with the wait and is given back, refusing once.
bool CardButton::ProbeLock() const
{
    DWORD result = WaitForSingleObject(lock, 0);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED)
        ReleaseMutex(lock);
    return result == WAIT_OBJECT_0;
}

bool CardButton::OnMouseDown(HWND windowHandle, int, int)
{
    if (!(style & PushButton) || !ProbeLock())
        return false;
    tracking = true;
    pressed = true;
    RedrawNow();
    SetCapture(windowHandle);
    return true;
}

void CardButton::OnMouseMove(int x, int y)
{
    if (!tracking)
        return;
    bool over = rect.Contains(x, y);
    if (over == pressed)
        return;
    pressed = over;
    RedrawNow();
}

void CardButton::OnMouseUp(int x, int y)
{
    if (!tracking)
        return;
    tracking = false;
    pressed = false;
    if (style & PushButton) {
        RedrawNow();
        ReleaseCapture();
    }
    if (window && window->ButtonAt(x, y) == this)
        Click();
}

void CardButton::CancelPress()
{
    if (!tracking)
        return;
    tracking = false;
    pressed = false;
    RedrawNow();
    // Still ours when the release went astray; a window that took the
    // capture away keeps it.
    if (window && window->Handle() && GetCapture() == window->Handle())
        ReleaseCapture();
}

void CardButton::Press()
{
    if ((style & PushButton) && ProbeLock())
        Click();
}

void CardButton::Click()
{
    if (clickCallback) {
        clickCallback(this);
        return;
    }
    HWND cardWindow = window->Handle();
    SendMessageA(GetParent(cardWindow), WM_COMMAND, static_cast<WPARAM>(id & 0xFFFF),
                 reinterpret_cast<LPARAM>(cardWindow));
}
