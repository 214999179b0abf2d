#pragma once

#include <windows.h>

// Small owners that give GDI objects and drawing contexts back on every
// path. They count what they make and what the system confirms released
// (the platform's own count is not available under Wine), so tests can see
// that nothing is left behind: a bitmap still selected somewhere, for one,
// does not count as released.

void NoteGdiObjectMade();
void NoteGdiObjectReleased();
// Objects made through the holders and not (successfully) released yet.
long GdiObjectsOutstanding();

// A pen, brush, bitmap, palette or font that is deleted with its owner.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle made) : handle(made)
    {
        if (handle)
            NoteGdiObjectMade();
    }
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    void Reset(Handle made = nullptr)
    {
        if (handle && DeleteObject(handle))
            NoteGdiObjectReleased();
        handle = made;
        if (handle)
            NoteGdiObjectMade();
    }

private:
    Handle handle = nullptr;
};

// Selects an object into a context and puts the previous one back. A null
// object (one that could not be made) selects nothing, so the context keeps
// what it has.
class ScopedSelect {
public:
    ScopedSelect(HDC context, HGDIOBJ object)
        : dc(context), previous(object ? SelectObject(context, object) : nullptr)
    {
    }
    ~ScopedSelect()
    {
        if (previous)
            SelectObject(dc, previous);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
};

// A drawing context of a window (or of the screen for a null window).
class WindowContext {
public:
    explicit WindowContext(HWND window) : hwnd(window), dc(GetDC(window)) {}
    ~WindowContext()
    {
        if (dc)
            ReleaseDC(hwnd, dc);
    }
    WindowContext(const WindowContext&) = delete;
    WindowContext& operator=(const WindowContext&) = delete;

    HDC Get() const { return dc; }

private:
    HWND hwnd = nullptr;
    HDC dc = nullptr;
};

// BeginPaint and EndPaint around one WM_PAINT of a window.
class PaintContext {
public:
    explicit PaintContext(HWND window) : hwnd(window) { dc = BeginPaint(window, &paint); }
    ~PaintContext() { EndPaint(hwnd, &paint); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;

    HDC Get() const { return dc; }

private:
    HWND hwnd = nullptr;
    PAINTSTRUCT paint = {};
    HDC dc = nullptr;
};

// A memory drawing context compatible with another one, deleted with its owner.
class MemoryContext {
public:
    MemoryContext() = default;
    explicit MemoryContext(HDC reference) { Make(reference); }
    ~MemoryContext() { Reset(); }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;

    HDC Get() const { return dc; }
    void Make(HDC reference)
    {
        Reset();
        dc = CreateCompatibleDC(reference);
        if (dc)
            NoteGdiObjectMade();
    }
    void Reset()
    {
        if (dc && DeleteDC(dc))
            NoteGdiObjectReleased();
        dc = nullptr;
    }

private:
    HDC dc = nullptr;
};
