#include "tests/win32/dragdrop/DragTestSupport.h"

#include "cardlib/CardDrawing.h"
#include "cardlib/core/CardText.h"

std::vector<std::string>& CallbackLog()
{
    static std::vector<std::string> log;
    return log;
}

namespace {

void LogRemoved(CardRegion* source, int count)
{
    CallbackLog().push_back("removed " + std::to_string(source->Id()) + ": " + std::to_string(count) + ", holds " +
                            std::to_string(source->CardCountWithDrag()));
}

void LogAdded(CardRegion* target, CardStack* cards)
{
    CallbackLog().push_back("added " + std::to_string(target->Id()) + ": " + StackText(*cards) +
                            (GetCapture() == target->Window()->Handle() ? " captured" : ""));
}

} // namespace

CardRegion* DragScene::Region(int id, int x, int y, int xOffset, int yOffset, const char* cards, bool visible)
{
    CardRegion* region = table.Region(id, x, y, xOffset, yOffset, cards, visible);
    region->SetCardsRemovedCallback(LogRemoved);
    region->SetCardsAddedCallback(LogAdded);
    return region;
}

std::vector<FloatingCard> Held(const char* card, int x, int y)
{
    return {{static_cast<int>(ParseStack(card).At(0).value), x, y}};
}

int DifferencesFromFreshPaint(TestTable& table, const MemorySurface& before,
                              const std::vector<FloatingCard>& floating)
{
    MemorySurface expected(before.Width(), before.Height());
    BitBlt(expected.Context(), 0, 0, expected.Width(), expected.Height(), before.Context(), 0, 0, SRCCOPY);
    table.Window().Paint(expected.Context());
    for (const FloatingCard& card : floating)
        DrawCard(expected.Context(), card.x, card.y, card.cell, table.Window().Scale());
    UpdateWindow(table.Handle());
    return expected.CountDifferences(MemorySurface(table.Handle()));
}
