#pragma once

#include "game/TriangleGame.h"
#include "tests/support/FakePlatform.h"
#include "tests/win32/support/TestTable.h"
#include "ui/GameTableWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

// The real game on a table of 706 x 500 (the main window's size for it),
// with a held seed, fake time and recorded sounds, driven by mouse messages.
class GameFixture : public testing::Test {
protected:
    static constexpr int width = 706;
    static constexpr int height = 500;

    void SetUp() override;
    void TearDown() override;

    GameTableWindow& Table() { return *game->Table(); }
    CardRegion* Region(int id) { return Table().FindRegion(id); }
    bool ButtonShown();
    // Face value of a place's top card; 0 when it has none.
    int Face(int id);
    // A place whose top card the player may pick up.
    bool IsOpen(int id);
    // Two open places whose top cards add up to 13 (0, 0 when there are none).
    std::pair<int, int> FindPair();

    // Starts a new game, clicking its introduction screen away.
    void StartGame(int answer = IDYES);
    // Press on the top card of `from`, move over `to`'s top card, release.
    void Hold(int from);
    void MoveOver(int to);
    void Release();
    void Drag(int from, int to);
    // Lets the clock run out; `then` runs inside the screen that follows.
    void TimeUp();
    void TickClock();

    // The sounds played from memory since the last call, as "wave@flags" with
    // the wave named by its resource (115, 116, 119, 137, 138), "stop" for null.
    std::string TakeSounds();
    // Each of the 48 cards exactly once across the places and the hand, no king.
    std::string CardsAccounted();

    FakePlatform platform;
    ScopedPlatform installed{platform};
    TestHost host{width, height};
    std::unique_ptr<TriangleGame> game;
    int heldX = 0;
    int heldY = 0;

private:
    std::size_t soundsSeen = 0;
};

// Runs `script` inside the next message loop (a screen's), once.
void RunInsideNextLoop(std::function<void()> script);
// Ticks a screen through its wipe, clicks it and ticks until it ends.
void ClickScreenAway(GameTableWindow& table);
// The next screen is clicked away as soon as it waits.
void ClickNextScreenAway(GameTableWindow& table);
