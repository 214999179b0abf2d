#include "cardlib/core/PlatformServices.h"

namespace {
// Process-wide: null until a test installs its own services.
PlatformServices* installed = nullptr;
}

PlatformServices& Platform()
{
    return installed ? *installed : SystemPlatform();
}

ScopedPlatform::ScopedPlatform(PlatformServices& services)
    : previous(installed)
{
    installed = &services;
}

ScopedPlatform::~ScopedPlatform()
{
    installed = previous;
}
