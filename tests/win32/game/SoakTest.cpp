#include "tests/win32/game/GameFixture.h"

#include "cardlib/GdiHolders.h"

#include <cstdint>
#include <random>
#include <vector>

namespace {

// An automatic player: legal pairs and placements found on the table,
// refused drops, undos, time running out and new games. After every
// action each card lies in exactly one place, the panels tell what was
// played, nothing holds the mouse and no drawing object is left behind.
class SoakTest : public GameFixture {
protected:
    int Pick(int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); }
    int Required() const { return game->CardsRequired(level); }
    int PickPlace(bool open)
    {
        std::vector<int> places;
        for (int id = 1; id <= lastSideStack; ++id)
            if (open ? IsOpen(id) : Region(id)->IsVisible() && Region(id)->CardCount() > 0)
                places.push_back(id);
        return places[Pick(static_cast<int>(places.size()))];
    }
    void LevelEnds(bool passed)
    {
        level = passed ? level + 1 : -1;
        (passed ? passes : overs) += 1;
    }
    void NewGame()
    {
        game->SetDifficulty(Pick(2) ? difficultyEasy : difficultyNormal);
        StartGame(IDYES);
        level = 1;
    }
    void PlayPair()
    {
        const auto [a, b] = FindPair();
        if (a == 0)
            return RefusedDrop();
        const bool last = Pile()->CardCount() == 46;
        ClickNextScreenAway();
        Drag(a, b);
        if (last)
            LevelEnds(true);
    }
    void RefusedDrop()
    {
        const int from = PickPlace(true), to = PickPlace(false);
        if (from == to || Face(from) + Face(to) == 13)
            return;
        TakeSounds();
        Drag(from, to);
        EXPECT_EQ(TakeSounds(), "115@23") << from << " on " << to;
    }
    // The level ends by the clock or the button.
    void EndLevel(bool byButton)
    {
        if (byButton && !ButtonShown())
            return;
        const bool passed = Pile()->CardCount() >= Required();
        ClickNextScreenAway();
        byButton ? ClickButton() : TimeUp();
        LevelEnds(passed);
    }
    void Act()
    {
        if (level < 0)
            return NewGame();
        // Per thousand: a level ends about once in a hundred actions.
        const int roll = Pick(1000);
        if (roll < 550)
            PlayPair();
        else if (roll < 750)
            RefusedDrop();
        else if (roll < 870)
            game->Undo();
        else if (roll < 950) {
            for (int id = firstSideStack; id <= lastSideStack; ++id)
                if (Region(id)->IsVisible() && Region(id)->CardCount() == 0)
                    return Drag(PickPlace(true), id); // a placement
        } else if (roll < 957)
            EndLevel(false);
        else if (roll < 960)
            NewGame();
        else
            EndLevel(true);
    }
    std::string Check()
    {
        const int remaining = level < 0 ? -1 : std::max(Required() - Pile()->CardCount(), 0);
        const bool panels = Table().LevelPanel().Value() == level && Table().CardsPanel().Value() == remaining;
        return CardsAccounted() + (panels ? "" : " panels") + (level < 0 && game->CanUndo() ? " undo" : "") +
               (GetCapture() ? " capture kept" : "") + (GdiObjectsOutstanding() != gdiObjects ? " GDI" : "");
    }

    std::minstd_rand random;
    int level = 1; // -1 once the game is over
    int passes = 0;
    int overs = 0;
    long gdiObjects = 0;
};

// 10,000 actions in four seeded runs of 2,500. Off screen: a hidden table
// skips the repaints and the slides' frames, and the state is what counts here.
TEST_F(SoakTest, EveryCardStaysInOnePlace)
{
    ShowWindow(host.Handle(), SW_HIDE);
    for (std::uint32_t seed : {2024u, 7u, 31337u, 99u}) {
        random.seed(seed);
        NewGame();
        if (seed == 2024u)
            gdiObjects = GdiObjectsOutstanding();
        for (int action = 0; action < 2500; ++action) {
            Act();
            ASSERT_EQ(Check(), "") << "seed " << seed << ", after action " << action << " in level " << level;
        }
    }
    EXPECT_GT(passes, 12);
    EXPECT_GT(overs, 12);
}

} // namespace
