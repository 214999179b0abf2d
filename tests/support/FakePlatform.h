#pragma once

#include "cardlib/core/PlatformServices.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Platform services under a test's control: a tick count that moves only
// when told to (or by every Sleep), the time asleep in it left out of the awake count, and a record of everything asked for.
// A test may look at the screen at each pause of an animation (onSleep,
// told the number of pauses so far) or when the shell is asked to open.
class FakePlatform final : public PlatformServices {
public:
    std::uint32_t now = 1000;
    std::uint32_t asleep = 0; // of `now`, the time the system slept
    std::vector<std::uint32_t> sleeps;
    struct Sound {
        const void* wave;
        unsigned flags;
    };
    std::vector<Sound> memorySounds;
    std::vector<int> resourceSounds;
    struct Message {
        std::string text;
        std::string caption;
        unsigned flags;
        void* owner;
    };
    std::vector<Message> messages;
    std::vector<std::string> opened;
    int messageBoxAnswer = 1;
    std::function<void(int)> onSleep;
    std::function<void()> onOpen;

    std::uint32_t TickCount() override { return now; }
    std::uint32_t AwakeTickCount() override { return now - asleep; }
    void Sleep(std::uint32_t milliseconds) override
    {
        sleeps.push_back(milliseconds);
        now += milliseconds;
        if (onSleep)
            onSleep(static_cast<int>(sleeps.size()));
    }
    bool PlaySoundFromMemory(const void* wave, unsigned flags) override
    {
        memorySounds.push_back({wave, flags});
        return true;
    }
    bool PlaySoundFromResource(int resourceId) override
    {
        resourceSounds.push_back(resourceId);
        return true;
    }
    int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned flags) override
    {
        messages.push_back({text ? text : "", caption ? caption : "", flags, owner});
        return messageBoxAnswer;
    }
    bool OpenWithShell(const char* address) override
    {
        opened.emplace_back(address ? address : "");
        if (onOpen)
            onOpen();
        return true;
    }
};
