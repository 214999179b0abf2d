#pragma once

#include "cardlib/CardButton.h"
#include "cardlib/CardRegion.h"
#include "game/TriangleGame.h"
#include "tests/win32/ui/TableFixture.h"

#include <string>
#include <utility>

// The game with its button switch in the tests' reach.
struct TestGame : TriangleGame { using GameBase::ShowNextLevelButton; };

// The real game on a table of 706 x 500 (the main window's size for it),
// with a held seed, fake time and recorded sounds, driven by mouse messages.
class GameFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    GameTableWindow& Table() { return *game->Table(); }
    CardRegion* Region(int id) { return Table().FindRegion(id); }
    CardRegion* Pile() { return Region(removedPileId); }
    bool ButtonShown() { return Table().FindButton(nextLevelButtonId)->IsVisible(); }
    // Of the top card; 0 when none.
    int Face(int id) { return Region(id)->CardCount() > 0 ? FaceValueOf(Region(id)->Cards()->At(0)) : 0; }
    bool IsOpen(int id); // its top card may be picked up
    std::pair<int, int> FindPair(); // two open places adding up to 13; 0, 0 when none
    void ExpectPanels(int level, int remaining);

    // A new game; its introduction screen is clicked away.
    void StartGame(int answer = IDYES);
    void ClickScreenAway(); // from inside a screen's loop
    // The next screen is clicked away as soon as it waits.
    void ClickNextScreenAway() { RunInsideNextLoop([this] { ClickScreenAway(); }); }
    // Press on the top card of `from`, move over `to`'s top card, release.
    void Hold(int from);
    void MoveOver(int to);
    void Release() { SendMessageA(Table().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(heldX, heldY)); }
    void Drag(int from, int to) { Hold(from), MoveOver(to), Release(); }
    void ClickButton();
    void FocusOn(int id); // Tab until the frame stands on the place's card
    void TimeUp(); // the countdown runs out
    void TickClock();
    void Key(WPARAM key) { SendMessageA(Table().Handle(), WM_KEYDOWN, key, 1); }
    // Sounds played from memory since the last call: "116@23" (resource id
    // at flags), "stop@0" for the null sound.
    std::string TakeSounds();
    // Empty when each of the 48 cards lies once in the places or the hand.
    std::string CardsAccounted();

    FakePlatform platform;
    ScopedPlatform installed{platform};
    TestHost host{706, 500};
    std::unique_ptr<TestGame> game;

private:
    int heldX = 0;
    int heldY = 0;
};
