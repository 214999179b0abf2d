#pragma once

#include <windows.h>

// Owners for the drawing objects the table window's children make while they
// paint: each gives its object back on every path out of the paint.

// A pen, brush, font, bitmap or region, deleted with its owner.
template <typename Handle>
class ScopedGdiObject {
public:
    ScopedGdiObject() = default;
    explicit ScopedGdiObject(Handle made) : handle(made) {}
    ~ScopedGdiObject() { Reset(); }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    void Reset(Handle made = nullptr)
    {
        if (handle)
            DeleteObject(handle);
        handle = made;
    }

private:
    Handle handle = nullptr;
};

// Selects an object into a context for a scope and puts the previous one back.
class ScopedSelection {
public:
    ScopedSelection(HDC context, HGDIOBJ object) : dc(context), previous(object ? SelectObject(context, object) : nullptr) {}
    ~ScopedSelection()
    {
        if (previous)
            SelectObject(dc, previous);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
};

// A drawing context of a window (of the screen for no window), released
// with its owner.
class ScopedWindowContext {
public:
    explicit ScopedWindowContext(HWND window) : hwnd(window), dc(GetDC(window)) {}
    ~ScopedWindowContext()
    {
        if (dc)
            ReleaseDC(hwnd, dc);
    }
    ScopedWindowContext(const ScopedWindowContext&) = delete;
    ScopedWindowContext& operator=(const ScopedWindowContext&) = delete;

    HDC Get() const { return dc; }

private:
    HWND hwnd = nullptr;
    HDC dc = nullptr;
};

// BeginPaint and EndPaint around a window's paint.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : hwnd(window) { dc = BeginPaint(window, &paint); }
    ~ScopedPaint() { EndPaint(hwnd, &paint); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;

    HDC Get() const { return dc; }

private:
    HWND hwnd = nullptr;
    PAINTSTRUCT paint = {};
    HDC dc = nullptr;
};

// A memory context compatible with another one, deleted with its owner.
class ScopedMemoryContext {
public:
    explicit ScopedMemoryContext(HDC reference) : dc(CreateCompatibleDC(reference)) {}
    ~ScopedMemoryContext()
    {
        if (dc)
            DeleteDC(dc);
    }
    ScopedMemoryContext(const ScopedMemoryContext&) = delete;
    ScopedMemoryContext& operator=(const ScopedMemoryContext&) = delete;

    HDC Get() const { return dc; }

private:
    HDC dc = nullptr;
};

// A font of the screens and panels: the given face, cell height and weight,
// upright, no decorations, default character set, precision and quality.
HFONT MakeFont(const char* face, int height, int weight);

// Fills a rectangle with a colour through an opaque text output of no text,
// without making a brush.
void FillWithColour(HDC context, const RECT& area, COLORREF colour);
