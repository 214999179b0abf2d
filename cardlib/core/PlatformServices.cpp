#include "cardlib/core/PlatformServices.h"

namespace {
// Process-wide: null until a test installs its own services.
PlatformServices* installed = nullptr;
}

PlatformServices& Platform()
{
    return installed ? *installed : SystemPlatform();
}

std::uint32_t AwakeMilliseconds(std::uint64_t interruptTime)
{
    // Divided in 64 bits first: the units pass 32 bits after seven minutes.
    return static_cast<std::uint32_t>(interruptTime / 10000u);
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
