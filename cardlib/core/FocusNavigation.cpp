#include "cardlib/core/FocusNavigation.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <tuple>

namespace {

// Ordered top first, then left: the order ties are broken in.
bool ReadsBefore(const Rect& a, const Rect& b)
{
    return std::tie(a.top, a.left) < std::tie(b.top, b.left);
}

// The best-scored item, the lower score winning and ties going to the item
// that reads first; -1 when `score` rules every item out (negative).
template <typename Score>
int Best(const std::vector<Rect>& items, Score score)
{
    int best = -1;
    long long bestScore = 0;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const long long s = score(items[i]);
        if (s < 0)
            continue;
        if (best < 0 || s < bestScore || (s == bestScore && ReadsBefore(items[i], items[best]))) {
            best = i;
            bestScore = s;
        }
    }
    return best;
}

} // namespace

Point CentreOf(const Rect& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int NearestInDirection(const std::vector<Rect>& items, int from, FocusDirection direction)
{
    if (from < 0 || from >= static_cast<int>(items.size()))
        return -1;
    const Point origin = CentreOf(items[from]);
    return Best(items, [&](const Rect& item) -> long long {
        const Point at = CentreOf(item);
        const int dx = at.x - origin.x;
        const int dy = at.y - origin.y;
        int along = 0;
        int across = 0;
        switch (direction) {
        case FocusDirection::Left: along = -dx, across = dy; break;
        case FocusDirection::Right: along = dx, across = dy; break;
        case FocusDirection::Up: along = -dy, across = dx; break;
        case FocusDirection::Down: along = dy, across = dx; break;
        }
        if (along <= 0)
            return -1;
        return along + 2LL * std::abs(across);
    });
}

int NextInReadingOrder(const std::vector<Rect>& items, int from, bool forward)
{
    const int count = static_cast<int>(items.size());
    if (count == 0)
        return -1;
    std::vector<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return ReadsBefore(items[a], items[b]); });
    const auto found = std::find(order.begin(), order.end(), from);
    if (found == order.end())
        return forward ? order.front() : order.back();
    const int place = static_cast<int>(found - order.begin());
    return order[(place + (forward ? 1 : count - 1)) % count];
}

int NearestToPoint(const std::vector<Rect>& items, Point point)
{
    return Best(items, [&](const Rect& item) -> long long {
        const Point at = CentreOf(item);
        const long long dx = at.x - point.x;
        const long long dy = at.y - point.y;
        return dx * dx + dy * dy;
    });
}
