#include "cardlib/core/Rules.h"

bool RegionRules::SetDragRule(int rule, DragRuleCallback callback)
{
    if (rule < DragNone || rule > DragAsk)
        return false;
    dragRule = rule;
    if (rule == DragAsk)
        dragRuleCallback = callback;
    return true;
}

bool RegionRules::SetDropRule(int rule, DropRuleCallback callback)
{
    if (rule < DropRefuse || rule > DropAsk)
        return false;
    dropRule = rule;
    if (rule == DropAsk)
        dropRuleCallback = callback;
    return true;
}

bool RegionRules::CanDrag(CardRegion* region, int count, bool lockFree) const
{
    if (count < 1 || !lockFree)
        return false;
    switch (dragRule) {
    case DragNone:
        return false;
    case DragTopCard:
        return count == 1;
    case DragAny:
        return true;
    case DragAsk:
        return dragRuleCallback != nullptr && dragRuleCallback(region, count);
    default:
        return false;
    }
}

bool RegionRules::CanDrop(CardRegion* region, const CardStack* dragged, bool lockFree) const
{
    if (!lockFree)
        return false;
    switch (dropRule) {
    case DropRefuse:
        return false;
    case DropAccept:
        return true;
    case DropAsk:
        return dropRuleCallback != nullptr && dropRuleCallback(region, dragged);
    default:
        return false;
    }
}

int ValidEmptyStyle(int style)
{
    return style >= EmptyBackground && style <= EmptyNothing ? style : EmptyBackground;
}
