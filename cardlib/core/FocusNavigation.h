#pragma once

#include "cardlib/core/Geometry.h"

#include <vector>

// Moving a keyboard focus between the things a player can take on a card
// table, by where they lie. Items are their rectangles on the table;
// answers are indexes into the list, -1 for none.

enum class FocusDirection { Left, Right, Up, Down };

// The nearest item whose centre lies beyond the centre of item `from` in
// the direction: the distance along the direction plus twice the distance
// across it, so that an item straight ahead beats a nearer one off to the
// side. Ties go to the item nearer the top, then the one nearer the left.
int NearestInDirection(const std::vector<Rect>& items, int from, FocusDirection direction);

// The item after (or before) `from` in reading order, top to bottom and
// then left to right, wrapping round at the ends. From -1 (no item yet):
// the first item, or the last going backwards.
int NextInReadingOrder(const std::vector<Rect>& items, int from, bool forward);

// The item whose centre lies nearest the point; ties go top-left first.
int NearestToPoint(const std::vector<Rect>& items, Point point);

// The centre of a rectangle, rounded toward its top-left corner.
Point CentreOf(const Rect& rect);
