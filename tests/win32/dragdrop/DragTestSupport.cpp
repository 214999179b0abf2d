#include "tests/win32/dragdrop/DragTestSupport.h"

#include "cardlib/CardDrawing.h"
#include "cardlib/core/CardText.h"

#include <sstream>

std::vector<std::string>& CallbackLog()
{
    static std::vector<std::string> log;
    return log;
}

namespace {

// The answer RecordDropRule gives, per region id; tests use ids below 64.
bool dropAnswers[64] = {};

void LogRemoved(CardRegion* source, int count)
{
    CallbackLog().push_back("removed " + std::to_string(source->Id()) + ": " + std::to_string(count) + ", holds " +
                            std::to_string(source->CardCountWithDrag()));
}

void LogAdded(CardRegion* target, CardStack* cards)
{
    CallbackLog().push_back("added " + std::to_string(target->Id()) + ": " + StackText(*cards));
}

bool LogDropRule(CardRegion* target, const CardStack* dragged)
{
    CallbackLog().push_back("drop rule " + std::to_string(target->Id()) + ": " + StackText(*dragged));
    return dropAnswers[target->Id() & 63];
}

} // namespace

void RecordDropRule(CardRegion* region, bool accept)
{
    dropAnswers[region->Id() & 63] = accept;
    region->SetDropRule(DropAsk, LogDropRule);
}

CardRegion* DragScene::Region(int id, int x, int y, int xOffset, int yOffset, const char* cards, bool visible)
{
    CardRegion* region = table.Region(id, x, y, xOffset, yOffset, cards, visible);
    region->SetCardsRemovedCallback(LogRemoved);
    region->SetCardsAddedCallback(LogAdded);
    return region;
}

std::vector<FloatingCard> Fan(const char* cards, int x, int y, int xOffset, int yOffset)
{
    CardStack stack = ParseStack(cards);
    std::vector<FloatingCard> fan;
    for (int i = 0; i < stack.Count(); ++i)
        fan.push_back({static_cast<int>(stack.At(stack.Count() - 1 - i).value), x + xOffset * i, y + yOffset * i});
    return fan;
}

std::string DifferenceFromFreshPaint(TestTable& table, const MemorySurface& before,
                                     const std::vector<FloatingCard>& floating)
{
    MemorySurface expected(table.Width(), table.Height());
    BitBlt(expected.Context(), 0, 0, expected.Width(), expected.Height(), before.Context(), 0, 0, SRCCOPY);
    table.PaintInto(expected);
    for (const FloatingCard& card : floating)
        DrawCard(expected.Context(), card.x, card.y, card.cell);
    UpdateWindow(table.Handle());
    MemorySurface actual(table.Handle());
    const int count = expected.CountDifferences(actual);
    if (count == 0)
        return "";
    std::ostringstream where;
    where << count << " pixels differ:";
    for (int i = 0, described = 0; i < table.Width() * table.Height() && described < 5; ++i) {
        const int x = i % table.Width(), y = i / table.Width();
        if (expected.Pixel(x, y) != actual.Pixel(x, y) && ++described)
            where << " (" << x << ", " << y << ") is " << std::hex << actual.Pixel(x, y) << " not "
                  << expected.Pixel(x, y) << std::dec << ";";
    }
    return where.str();
}
