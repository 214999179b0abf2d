#pragma once

#include "cardlib/core/PlatformServices.h"

#include <cstdint>
#include <string>
#include <vector>

// Platform services under a test's control: a tick count that moves only
// when told to (or by every Sleep), and a record of everything asked for.
class FakePlatform final : public PlatformServices {
public:
    std::uint32_t now = 1000;
    std::vector<std::uint32_t> sleeps;
    std::vector<const void*> memorySounds;
    std::vector<int> resourceSounds;
    struct Message {
        std::string text;
        std::string caption;
        unsigned flags;
    };
    std::vector<Message> messages;
    std::vector<std::string> opened;
    int messageBoxAnswer = 1;

    std::uint32_t TickCount() override { return now; }
    void Sleep(std::uint32_t milliseconds) override
    {
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }
    bool PlaySoundFromMemory(const void* wave) override
    {
        memorySounds.push_back(wave);
        return true;
    }
    bool PlaySoundFromResource(int resourceId) override
    {
        resourceSounds.push_back(resourceId);
        return true;
    }
    int ShowMessageBox(const char* text, const char* caption, unsigned flags) override
    {
        messages.push_back({text ? text : "", caption ? caption : "", flags});
        return messageBoxAnswer;
    }
    bool OpenWithShell(const char* address) override
    {
        opened.emplace_back(address ? address : "");
        return true;
    }
};
