#pragma once

#include <cstdint>

// The few things the library and the game ask of the operating system that
// tests must be able to control: time, sleeping, sounds, message boxes and
// the shell. Production binds them to the system (SystemPlatform, defined in
// the Windows layer); tests install their own with ScopedPlatform.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // Milliseconds since the system started; wraps after about 49.7 days.
    virtual std::uint32_t TickCount() = 0;
    // Milliseconds the system has been awake: like the tick count, but time
    // asleep or hibernating is left out where the system can tell. Wraps too.
    virtual std::uint32_t AwakeTickCount() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // A WAVE image in memory, played with sndPlaySound's flags (SND_ASYNC,
    // SND_NODEFAULT, SND_MEMORY, SND_LOOP, SND_NOSTOP); null stops any sound.
    virtual bool PlaySoundFromMemory(const void* wave, unsigned flags) = 0;
    // A "WAVE" resource of the program's own module, played asynchronously.
    virtual bool PlaySoundFromResource(int resourceId) = 0;

    // A message box owned by a window (an HWND, or null for none); yields
    // the button the user chose.
    virtual int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned flags) = 0;
    // The shell's "open" action on a document or web address.
    virtual bool OpenWithShell(const char* address) = 0;
};

// The system's unbiased interrupt time (100-nanosecond units since start,
// time asleep left out) as milliseconds that wrap like the tick count.
std::uint32_t AwakeMilliseconds(std::uint64_t interruptTime);

// The services in force: the installed ones, else the system's.
PlatformServices& Platform();

// The system's services. Defined by the Windows layer; a native test binary
// defines it to return its own fake.
PlatformServices& SystemPlatform();

// Installs services for the lifetime of this object and puts the previous
// ones back afterwards.
class ScopedPlatform {
public:
    explicit ScopedPlatform(PlatformServices& services);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    PlatformServices* previous = nullptr;
};
