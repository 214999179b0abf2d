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

// The answer RecordingDropRule gives, per region id; tests use ids below 64.
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

void RecordRemoved(CardRegion* region)
{
    region->SetCardsRemovedCallback(LogRemoved);
}

void RecordAdded(CardRegion* region)
{
    region->SetCardsAddedCallback(LogAdded);
}

void RecordDropRule(CardRegion* region, bool accept)
{
    dropAnswers[region->Id() & 63] = accept;
    region->SetDropRule(DropAsk, LogDropRule);
}

void PaintExpected(TestTable& table, const MemorySurface& before, MemorySurface& expected,
                   const std::vector<FloatingCard>& floating)
{
    BitBlt(expected.Context(), 0, 0, expected.Width(), expected.Height(), before.Context(), 0, 0, SRCCOPY);
    table.PaintInto(expected);
    for (const FloatingCard& card : floating)
        DrawCard(expected.Context(), card.x, card.y, card.cell);
    GdiFlush();
}

void ReadWindow(TestTable& table, MemorySurface& surface)
{
    UpdateWindow(table.Handle());
    GdiFlush();
    surface.CopyFromWindow(table.Handle());
}

PictureDifference CompareWithWindow(TestTable& table, const MemorySurface& before,
                                    const std::vector<FloatingCard>& floating)
{
    MemorySurface expected(table.Width(), table.Height());
    PaintExpected(table, before, expected, floating);
    MemorySurface actual(table.Width(), table.Height());
    ReadWindow(table, actual);
    PictureDifference difference;
    difference.count = expected.CountDifferences(actual);
    std::ostringstream where;
    int described = 0;
    for (int y = 0; y < table.Height() && difference.count > 0 && described < 5; ++y) {
        for (int x = 0; x < table.Width() && described < 5; ++x) {
            if (expected.Pixel(x, y) == actual.Pixel(x, y))
                continue;
            ++described;
            where << " (" << x << ", " << y << ") is " << std::hex << actual.Pixel(x, y) << " not "
                  << expected.Pixel(x, y) << std::dec << ";";
        }
    }
    difference.where = where.str();
    return difference;
}

std::vector<FloatingCard> Fan(const std::vector<int>& cells, int x, int y, int xOffset, int yOffset)
{
    std::vector<FloatingCard> fan;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int step = static_cast<int>(i);
        fan.push_back({cells[i], x + xOffset * step, y + yOffset * step});
    }
    return fan;
}

std::vector<int> Cells(const CardStack& stack)
{
    std::vector<int> cells;
    for (int i = stack.Count() - 1; i >= 0; --i)
        cells.push_back(static_cast<int>(stack.At(i).value));
    return cells;
}
