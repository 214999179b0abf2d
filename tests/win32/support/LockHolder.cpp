#include "tests/win32/support/LockHolder.h"

LockHolder::LockHolder(HANDLE lock)
    : target(lock), taken(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      letGo(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    thread = CreateThread(nullptr, 0, Hold, this, 0, nullptr);
    holding = thread && WaitForSingleObject(taken, 5000) == WAIT_OBJECT_0;
}

LockHolder::~LockHolder()
{
    SetEvent(letGo);
    if (thread) {
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
    }
    CloseHandle(taken);
    CloseHandle(letGo);
}

DWORD WINAPI LockHolder::Hold(void* parameter)
{
    auto* self = static_cast<LockHolder*>(parameter);
    if (WaitForSingleObject(self->target, 5000) != WAIT_OBJECT_0)
        return 1;
    SetEvent(self->taken);
    WaitForSingleObject(self->letGo, INFINITE);
    ReleaseMutex(self->target);
    return 0;
}
