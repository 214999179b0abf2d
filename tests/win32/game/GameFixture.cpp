#include "tests/win32/game/GameFixture.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/core/Random.h"
#include "res/ResourceIds.h"
#include "ui/core/CountdownMath.h"

void GameFixture::SetUp()
{
    HoldSeed(1);
    game = std::make_unique<TestGame>();
    ASSERT_TRUE(game->Create(host.Handle()));
    MoveWindow(Table().Handle(), 0, 0, 706, 500, TRUE);
}

void GameFixture::TearDown()
{
    RunInsideNextLoop(nullptr); // a script no screen took must not outlive the game
    PumpMessages();
    game.reset();
    ReleaseSeed();
    PumpMessages();
}

bool GameFixture::IsOpen(int id)
{
    return Region(id)->IsVisible() && Region(id)->CardCount() > 0 &&
           (id > triangleCount || game->IsUncovered(id));
}

std::pair<int, int> GameFixture::FindPair()
{
    int openFace[lastSideStack + 1] = {};
    for (int id = 1; id <= lastSideStack; ++id)
        openFace[id] = IsOpen(id) ? Face(id) : 0;
    for (int a = 1; a <= lastSideStack; ++a)
        for (int b = a + 1; b <= lastSideStack; ++b)
            if (openFace[a] && openFace[b] && openFace[a] + openFace[b] == 13)
                return {a, b};
    return {0, 0};
}

void GameFixture::ExpectPanels(int level, int remaining)
{
    EXPECT_EQ(Table().LevelPanel().Value(), level);
    EXPECT_EQ(Table().CardsPanel().Value(), remaining);
}

void GameFixture::ClickScreenAway()
{
    TicksUntilPhase(Table(), 1);
    Click(Table().Handle(), 10, 10);
    TicksUntilPhase(Table(), 99);
}

void GameFixture::StartGame(int answer)
{
    platform.messageBoxAnswer = answer;
    ClickNextScreenAway();
    game->NewGame(false);
}

void GameFixture::Hold(int from)
{
    MoveOver(from);
    SendMessageA(Table().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(heldX, heldY));
    SendMessageA(Table().Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(heldX + 3, heldY + 4));
}

// Over the middle of the place's top card (of its first card when empty).
void GameFixture::MoveOver(int to)
{
    int dx = 0, dy = 0;
    Region(to)->Position(heldX, heldY);
    Region(to)->GetOffsets(dx, dy);
    const int above = std::max(Region(to)->CardCount() - 1, 0);
    heldX += dx * above + cardWidth / 2;
    heldY += dy * above + cardHeight / 2;
    SendMessageA(Table().Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(heldX, heldY));
}

void GameFixture::ClickButton()
{
    const Rect place = Table().FindButton(nextLevelButtonId)->Placement();
    SendMessageA(Table().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(place.left + 4, place.top + 4));
    SendMessageA(Table().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(place.left + 4, place.top + 4));
}

void GameFixture::FocusOn(int id)
{
    for (int i = 0; i < 40 && Table().Keyboard().FocusedRegion() != Region(id); ++i)
        Key(VK_TAB);
    ASSERT_EQ(Table().Keyboard().FocusedRegion(), Region(id));
}

void GameFixture::TimeUp()
{
    platform.now += 200000;
    TickClock();
}

void GameFixture::TickClock() { SendMessageA(Table().Clock().Window(), WM_TIMER, countdown::timerId, 0); }

std::string GameFixture::TakeSounds()
{
    std::string text;
    for (const FakePlatform::Sound& sound : platform.memorySounds) {
        std::string name = "stop";
        for (int id : {IDW_REFUSED, IDW_PAIR, IDW_REACHED, IDW_DEAL, IDW_GAME_OVER})
            if (sound.wave == GameBase::LoadWave(id))
                name = std::to_string(id);
        text += (text.empty() ? "" : " ") + name + "@" + std::to_string(sound.flags);
    }
    platform.memorySounds.clear();
    return text;
}

std::string GameFixture::CardsAccounted()
{
    int seen[52] = {};
    int cards = 0;
    for (int id = 1; id <= removedPileId; ++id) {
        CardStack* stack = Region(id)->Cards();
        for (int i = 0; i < stack->Count(); ++i, ++cards)
            ++seen[stack->At(i).value % 52];
        cards += Region(id)->CardCountWithDrag() - stack->Count(); // in hand
    }
    for (int value = 0; value < 52; ++value)
        if (seen[value] > 1 || (value >= 48 && seen[value] != 0))
            return "card " + std::to_string(value) + " lies in " + std::to_string(seen[value]) + " places";
    return cards == dealtCards ? "" : std::to_string(cards) + " cards";
}
