#include "cardlib/core/ButtonFrame.h"

std::array<FramePart, 7> ButtonFrame(const Rect& button, bool raised)
{
    using C = FrameColour;
    const int l = button.left, t = button.top, r = button.right - 1, b = button.bottom - 1;
    if (raised)
        return {{{{l, t, r, t + 1}, C::Highlight},
                 {{l, t + 1, l + 1, b}, C::Highlight},
                 {{r, t, r + 1, b}, C::Black},
                 {{l, b, r + 1, b + 1}, C::Black},
                 {{l + 1, b - 1, r - 1, b}, C::Shadow},
                 {{r - 1, t + 1, r, b}, C::Shadow},
                 {{l + 1, t + 1, r - 1, b - 1}, C::Face}}};
    return {{{{r, t + 1, r + 1, b}, C::Highlight},
             {{l + 1, b, r + 1, b + 1}, C::Highlight},
             {{l, t + 1, l + 1, b + 1}, C::Black},
             {{l, t, r + 1, t + 1}, C::Black},
             {{l + 2, t + 1, r, t + 2}, C::Shadow},
             {{l + 1, t + 1, l + 2, b}, C::Shadow},
             {{l + 2, t + 2, r, b}, C::Face}}};
}
