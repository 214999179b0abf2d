#include "cardlib/core/Animation.h"

#include <cmath>

namespace {
// One axis of a frame: truncated toward zero, then held at the destination
// once it would pass it. Yields whether this axis counts as arrived.
bool ClampAxis(double current, double velocity, int destination, int& pixel)
{
    pixel = static_cast<int>(current);
    if ((velocity < 0 && pixel < destination) || (velocity > 0 && pixel > destination)) {
        pixel = destination;
        return true;
    }
    return false;
}
} // namespace

AnimationFrame SlideDestination(int targetX, int targetY, int xOffset, int yOffset,
                                int targetCount, int movedCount)
{
    AnimationFrame destination{targetX + xOffset * targetCount, targetY + yOffset * targetCount};
    if (xOffset < 0)
        destination.x += (movedCount - 1) * xOffset;
    if (yOffset < 0)
        destination.y += (movedCount - 1) * yOffset;
    return destination;
}

std::vector<AnimationFrame> AnimationPath(int startX, int startY, int destinationX, int destinationY,
                                          double step)
{
    const double dx = static_cast<double>(destinationX) - startX;
    const double dy = static_cast<double>(destinationY) - startY;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (distance == 0.0 || !(step > 0.0))
        return {AnimationFrame{destinationX, destinationY}};

    const double vx = step / distance * dx;
    const double vy = step / distance * dy;
    double cx = startX;
    double cy = startY;
    std::vector<AnimationFrame> frames;
    for (;;) {
        cx += vx;
        cy += vy;
        AnimationFrame frame;
        const bool xArrived = ClampAxis(cx, vx, destinationX, frame.x);
        const bool yArrived = ClampAxis(cy, vy, destinationY, frame.y);
        frames.push_back(frame);
        if ((xArrived && yArrived) || (frame.x == destinationX && frame.y == destinationY))
            return frames;
    }
}
