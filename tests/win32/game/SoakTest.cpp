#include "tests/win32/game/GameFixture.h"

#include "cardlib/CardButton.h"
#include "cardlib/CardRegion.h"
#include "cardlib/GdiHolders.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int soakActions = 10000;

// An automatic player: legal pairs and placements found on the table,
// refused drops, undos, time running out, new games and drags cut short by
// the end of a level, from a fixed seed. After every action each card lies
// in exactly one place, the panels say what the player has done, and no
// drawing object is left behind.
class SoakTest : public GameFixture {
protected:
    int Pick(int n)
    {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(n));
    }
    int Removed() { return Region(removedPileId)->CardCount(); }
    int Required() const { return std::min(14 + 2 * level, 48); }
    std::vector<int> Places(bool open)
    {
        std::vector<int> places;
        for (int id = 1; id <= lastSideStack; ++id)
            if (open ? IsOpen(id) : Region(id)->IsVisible() && Region(id)->CardCount() > 0)
                places.push_back(id);
        return places;
    }
    // The level ends: passed when enough cards are gone.
    void LevelEnds(bool passed)
    {
        over = !passed;
        level = passed ? level + 1 : -1;
    }
    void NewGame()
    {
        game->SetDifficulty(Pick(2) ? difficultyEasy : difficultyNormal);
        StartGame(IDYES);
        level = 1;
        over = false;
    }
    void PlayPair()
    {
        const auto [a, b] = FindPair();
        if (a == 0)
            return RefusedDrop();
        ClickNextScreenAway(Table()); // the 48th card ends the level at once
        const bool last = Removed() == 46;
        Drag(a, b);
        if (last)
            LevelEnds(true);
    }
    void RefusedDrop()
    {
        const std::vector<int> open = Places(true), targets = Places(false);
        const int from = open[Pick(static_cast<int>(open.size()))];
        const int to = targets[Pick(static_cast<int>(targets.size()))];
        if (from == to || Face(from) + Face(to) == 13)
            return;
        TakeSounds();
        const int removed = Removed();
        Drag(from, to);
        EXPECT_EQ(TakeSounds(), "115@23") << from << " on " << to;
        EXPECT_EQ(Removed(), removed);
    }
    void Placement()
    {
        for (int id = firstSideStack; id <= lastSideStack; ++id)
            if (Region(id)->IsVisible() && Region(id)->CardCount() == 0) {
                const std::vector<int> open = Places(true);
                return Drag(open[Pick(static_cast<int>(open.size()))], id);
            }
    }
    // Time runs out, with a card in hand when `held` names its place.
    void EndByTime(int held)
    {
        if (held > 0)
            Hold(held);
        const bool passed = Removed() >= Required();
        ClickNextScreenAway(Table());
        TimeUp();
        LevelEnds(passed);
        if (held > 0)
            Release();
    }
    void ClickButton()
    {
        const bool passed = Removed() >= Required();
        const Rect place = Table().FindButton(nextLevelButtonId)->Placement();
        ClickNextScreenAway(Table());
        SendMessageA(Table().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(place.left + 4, place.top + 4));
        SendMessageA(Table().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(place.left + 4, place.top + 4));
        LevelEnds(passed);
    }
    void Act()
    {
        if (over)
            return NewGame();
        // Per thousand: a level ends about once in a hundred actions.
        const int roll = Pick(1000);
        if (roll < 550)
            PlayPair();
        else if (roll < 750)
            RefusedDrop();
        else if (roll < 870)
            game->Undo();
        else if (roll < 950)
            Placement();
        else if (roll < 954)
            EndByTime(Places(true)[0]);
        else if (roll < 957)
            EndByTime(-1);
        else if (roll < 960)
            NewGame();
        else if (ButtonShown())
            ClickButton();
        else
            PlayPair();
    }
    std::string Check()
    {
        std::string fault = CardsAccounted();
        const int remaining = over ? -1 : std::max(Required() - Removed(), 0);
        if (Table().LevelPanel().Value() != level || Table().CardsPanel().Value() != remaining)
            fault += " panels " + std::to_string(Table().LevelPanel().Value()) + "/" +
                     std::to_string(Table().CardsPanel().Value()) + " for level " + std::to_string(level);
        if (over && game->CanUndo())
            fault += " undo after game over";
        if (GetCapture() != nullptr)
            fault += " capture kept";
        if (GdiObjectsOutstanding() != gdiObjects)
            fault += " drawing objects " + std::to_string(GdiObjectsOutstanding() - gdiObjects);
        return fault;
    }

    std::uint32_t state = 2024;
    int level = 1;
    bool over = false;
    long gdiObjects = 0;
};

TEST_F(SoakTest, TenThousandActionsKeepEveryCardInOnePlace)
{
    // Off screen: the state is what counts here, and hidden windows skip the repaints.
    ShowWindow(host.Handle(), SW_HIDE);
    NewGame();
    gdiObjects = GdiObjectsOutstanding();
    int levelsPassed = 0, gamesOver = 0;
    for (int action = 0; action < soakActions; ++action) {
        const int before = level;
        Act();
        levelsPassed += level > before && before > 0;
        gamesOver += over && before > 0;
        const std::string fault = Check();
        ASSERT_EQ(fault, "") << "after action " << action;
    }
    EXPECT_GT(levelsPassed, 10);
    EXPECT_GT(gamesOver, 10);
    std::printf("soak: %d actions, %d levels passed, %d games over\n", soakActions, levelsPassed, gamesOver);
}

} // namespace
