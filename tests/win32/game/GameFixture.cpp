#include "tests/win32/game/GameFixture.h"

#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/core/Random.h"
#include "res/ResourceIds.h"
#include "ui/core/CountdownMath.h"

#include <set>

namespace {

std::function<void()> pendingScript;
constexpr UINT runScript = WM_APP + 1;

LRESULT CALLBACK ScriptProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == runScript && pendingScript) {
        std::function<void()> script = std::move(pendingScript);
        pendingScript = nullptr;
        script();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND ScriptWindow()
{
    static HWND window = nullptr;
    if (!window) {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &ScriptProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "WexaGameScript";
        RegisterClassExA(&windowClass);
        window = CreateWindowExA(0, "WexaGameScript", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    return window;
}

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

bool EndIsPosted(HWND table)
{
    MSG message = {};
    return PeekMessageA(&message, table, WM_USER, WM_USER, PM_NOREMOVE) != FALSE;
}

void TickUntil(GameTableWindow& table, const std::function<bool()>& done)
{
    for (int ticks = 0; !done() && ticks < 5000; ++ticks)
        SendMessageA(table.Handle(), WM_TIMER, 0, 0);
}

} // namespace

void RunInsideNextLoop(std::function<void()> script)
{
    pendingScript = std::move(script);
    PostMessageA(ScriptWindow(), runScript, 0, 0);
}

void ClickScreenAway(GameTableWindow& table)
{
    TickUntil(table, [&] { return table.Transition().Phase() >= 1; });
    SendMessageA(table.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    TickUntil(table, [&] { return EndIsPosted(table.Handle()); });
}

void ClickNextScreenAway(GameTableWindow& table)
{
    RunInsideNextLoop([&table] { ClickScreenAway(table); });
}

void GameFixture::SetUp()
{
    HoldSeed(12345);
    game = std::make_unique<TriangleGame>();
    ASSERT_TRUE(game->Create(host.Handle()));
    game->SetDifficulty(difficultyNormal);
    MoveWindow(Table().Handle(), 0, 0, width, height, TRUE);
    host.Refresh();
}

void GameFixture::TearDown()
{
    game.reset();
    ReleaseSeed();
    pendingScript = nullptr;
    PumpMessages();
}

bool GameFixture::ButtonShown()
{
    return Table().FindButton(nextLevelButtonId)->IsVisible();
}

int GameFixture::Face(int id)
{
    CardRegion* region = Region(id);
    return region->CardCount() > 0 ? FaceValueOf(region->Cards()->At(0)) : 0;
}

bool GameFixture::IsOpen(int id)
{
    CardRegion* region = Region(id);
    if (!region->IsVisible() || region->CardCount() == 0 || region->IsDragging())
        return false;
    return id > triangleCount || game->IsUncovered(id);
}

std::pair<int, int> GameFixture::FindPair()
{
    for (int a = 1; a <= lastSideStack; ++a)
        for (int b = a + 1; b <= lastSideStack; ++b)
            if (IsOpen(a) && IsOpen(b) && Face(a) + Face(b) == 13)
                return {a, b};
    return {0, 0};
}

void GameFixture::StartGame(int answer)
{
    platform.messageBoxAnswer = answer;
    ClickNextScreenAway(Table());
    game->NewGame(false);
}

namespace {
// The middle of a place's top card (or of its first card when empty).
POINT TopCardMiddle(CardRegion* region)
{
    int x = 0, y = 0, dx = 0, dy = 0;
    region->Position(x, y);
    region->GetOffsets(dx, dy);
    const int above = region->CardCount() > 0 ? region->CardCount() - 1 : 0;
    return {x + dx * above + cardWidth / 2, y + dy * above + cardHeight / 2};
}
} // namespace

void GameFixture::Hold(int from)
{
    const POINT at = TopCardMiddle(Region(from));
    heldX = at.x;
    heldY = at.y;
    SendMessageA(Table().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(at.x, at.y));
    SendMessageA(Table().Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(at.x + 3, at.y + 4));
}

void GameFixture::MoveOver(int to)
{
    const POINT at = TopCardMiddle(Region(to));
    heldX = at.x;
    heldY = at.y;
    SendMessageA(Table().Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(at.x, at.y));
}

void GameFixture::Release()
{
    SendMessageA(Table().Handle(), WM_LBUTTONUP, 0, At(heldX, heldY));
}

void GameFixture::Drag(int from, int to)
{
    Hold(from);
    MoveOver(to);
    Release();
}

void GameFixture::TickClock()
{
    SendMessageA(Table().Clock().Window(), WM_TIMER, countdown::timerId, 0);
}

void GameFixture::TimeUp()
{
    platform.now += 200000;
    TickClock();
}

std::string GameFixture::TakeSounds()
{
    const std::pair<const void*, int> waves[] = {
        {GameBase::LoadWave(IDW_REFUSED), IDW_REFUSED}, {GameBase::LoadWave(IDW_PAIR), IDW_PAIR},
        {GameBase::LoadWave(IDW_REACHED), IDW_REACHED}, {GameBase::LoadWave(IDW_DEAL), IDW_DEAL},
        {GameBase::LoadWave(IDW_GAME_OVER), IDW_GAME_OVER}, {nullptr, 0}};
    std::string text;
    for (; soundsSeen < platform.memorySounds.size(); ++soundsSeen) {
        const FakePlatform::Sound& sound = platform.memorySounds[soundsSeen];
        for (const auto& wave : waves)
            if (wave.first == sound.wave)
                text += (text.empty() ? "" : " ") + (wave.second ? std::to_string(wave.second) : "stop") + "@" +
                        std::to_string(sound.flags);
    }
    return text;
}

std::string GameFixture::CardsAccounted()
{
    std::multiset<int> seen;
    for (int id = 1; id <= removedPileId; ++id) {
        CardRegion* region = Region(id);
        CardStack* cards = region->Cards();
        for (int i = 0; i < cards->Count(); ++i)
            seen.insert(static_cast<int>(cards->At(i).value));
        const int held = region->CardCountWithDrag() - region->CardCount();
        if (held != 0 && !region->IsDragging())
            return "region " + std::to_string(id) + " counts a held card without a drag";
        for (int i = 0; i < held; ++i)
            seen.insert(-1); // in hand: counted, its value checked when it lands
    }
    const int inHand = static_cast<int>(seen.count(-1));
    seen.erase(-1);
    for (int value : seen)
        if (value >= 48 || seen.count(value) != 1)
            return "card " + std::to_string(value) + " wrong";
    if (static_cast<int>(seen.size()) + inHand != dealtCards)
        return std::to_string(seen.size()) + " cards on the table and " + std::to_string(inHand) + " in hand";
    return "";
}
