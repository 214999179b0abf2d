#pragma once

#include <windows.h>

// Holds a lock (a mutex handle) on another thread for as long as it lives,
// the way code outside the user-interface thread keeps a region or a button
// out of the player's hands.
class LockHolder {
public:
    explicit LockHolder(HANDLE lock);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    // Whether the other thread got the lock.
    bool Holding() const { return holding; }

private:
    static DWORD WINAPI Hold(void* parameter);

    HANDLE target = nullptr;
    HANDLE taken = nullptr;
    HANDLE letGo = nullptr;
    HANDLE thread = nullptr;
    bool holding = false;
};
