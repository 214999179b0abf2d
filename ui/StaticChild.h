#pragma once

#include <windows.h>

// A child window of the platform's "STATIC" class whose messages go to a
// procedure of ours; the procedure finds its object in the window's user
// data (ObjectOf). The window goes with its parent, usually after the
// object: on destruction the holder detaches it, so that its last messages
// never reach the object that is gone.
class StaticChild {
public:
    // What a detached window does with its messages.
    enum class AfterDetach {
        KeepProcedure,   // ours stays and, finding no object, does the default
        RestoreStatic,   // the static control's own procedure takes them again
    };

    StaticChild() = default;
    ~StaticChild() { Detach(); }
    StaticChild(const StaticChild&) = delete;
    StaticChild& operator=(const StaticChild&) = delete;

    // Makes the window with `style` at the given place, stores `object` as
    // its user data and then puts `procedure` in, so the procedure finds
    // the object from its first message on. False, changing nothing, when
    // this holder has a window already or the platform refuses one.
    bool Create(HWND parent, DWORD style, int x, int y, int width, int height, void* object,
                WNDPROC procedure, AfterDetach afterDetach);
    // Gives the window back as AfterDetach says, if it still names our object.
    void Detach();

    HWND Window() const { return hwnd; }
    // The static control's own procedure, for the messages ours passes on.
    WNDPROC StaticProcedure() const { return staticProcedure; }
    // Whether the window still reaches our object.
    bool IsAttached() const;

    template <typename Object>
    static Object* ObjectOf(HWND window)
    {
        return reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }

private:
    HWND hwnd = nullptr;
    void* owner = nullptr;
    WNDPROC staticProcedure = nullptr;
    AfterDetach detachAs = AfterDetach::KeepProcedure;
};
