#include "game/core/Hint.h"

#include "game/core/GameIds.h"

bool IsTakeable(const TableModel& table, int id)
{
    const Place& place = table[id];
    if (!place.visible || place.cards == 0)
        return false;
    return id > triangleCount || IsUncovered(table, id);
}

HintMove ChooseHint(const TableModel& table)
{
    for (int a = 1; a <= lastSideStack; ++a)
        for (int b = a + 1; b <= lastSideStack && IsTakeable(table, a); ++b)
            if (IsTakeable(table, b) && table[a].topFace + table[b].topFace == 13)
                return {a, b};
    int placeholder = 0;
    for (int id = firstSideStack; id <= lastSideStack && placeholder == 0; ++id)
        if (table[id].visible && table[id].cards == 0)
            placeholder = id;
    for (int id = 1; id <= lastSideStack && placeholder != 0; ++id)
        if (IsTakeable(table, id))
            return {id, placeholder};
    return {};
}

HintMove ChooseHintFor(const TableModel& table, int held, int face)
{
    for (const bool partner : {true, false})
        for (int id = 1; id <= lastSideStack; ++id) {
            const bool takes =
                id <= triangleCount ? TriangleAccepts(table, id, face) : SideStackAccepts(table, id, face);
            if (takes && id != held && table[id].visible && (table[id].cards > 0) == partner)
                return {held, id};
        }
    return {};
}
