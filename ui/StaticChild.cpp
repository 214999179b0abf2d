#include "ui/StaticChild.h"

bool StaticChild::Create(HWND parent, DWORD style, int x, int y, int width, int height, void* object,
                         WNDPROC procedure, AfterDetach afterDetach)
{
    if (hwnd)
        return false;
    HWND made = CreateWindowExA(0, "STATIC", "", style, x, y, width, height, parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!made)
        return false;
    hwnd = made;
    owner = object;
    detachAs = afterDetach;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    staticProcedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    return true;
}

bool StaticChild::IsAttached() const
{
    return hwnd && owner && GetWindowLongPtrA(hwnd, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(owner);
}

void StaticChild::Detach()
{
    if (!IsAttached())
        return;
    if (detachAs == AfterDetach::RestoreStatic && staticProcedure)
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(staticProcedure));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
}
