#include "tests/support/FakePlatform.h"

// Native test binaries have no operating system behind the seam: unless a
// test installs its own, everything goes to this quiet fake.
PlatformServices& SystemPlatform()
{
    static FakePlatform services;
    return services;
}
