// Prints the layouts that a run started with a held seed deals, one deal
// after another, so that tests of the program can pick their moves:
//   deal_layout SEED [DEALS]
// Each deal starts with "deal N", then one line per place, "ID: CARDS"
// bottom first in the text form (side stacks 29..34, then 1..28).
#include "cardlib/core/CardText.h"
#include "cardlib/core/PlatformServices.h"
#include "cardlib/core/Random.h"
#include "game/core/GameIds.h"
#include "game/core/TriangleLayout.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
// With a held seed nothing asks for the time; the tool has no other services.
class NoPlatform final : public PlatformServices {
public:
    std::uint32_t TickCount() override { return 0; }
    std::uint32_t AwakeTickCount() override { return 0; }
    void Sleep(std::uint32_t) override {}
    bool PlaySoundFromMemory(const void*, unsigned) override { return false; }
    bool PlaySoundFromResource(int) override { return false; }
    int ShowMessageBox(void*, const char*, const char*, unsigned) override { return 0; }
    bool OpenWithShell(const char*) override { return false; }
};

void PrintPlace(int id, const CardStack& cards)
{
    std::printf("%d: %s\n", id, StackText(cards).c_str());
}
} // namespace

PlatformServices& SystemPlatform()
{
    static NoPlatform platform;
    return platform;
}

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: deal_layout SEED [DEALS]\n");
        return 2;
    }
    HoldSeed(static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)));
    const int deals = argc == 3 ? std::atoi(argv[2]) : 1;
    for (int deal = 1; deal <= deals; ++deal) {
        const std::array<CardStack, 36> places = DealtLayout(ShuffledDeck());
        std::printf("deal %d\n", deal);
        for (int id = firstSideStack; id <= lastSideStack; ++id)
            PrintPlace(id, places[id]);
        for (int id = 1; id <= triangleCount; ++id)
            PrintPlace(id, places[id]);
    }
    return 0;
}
