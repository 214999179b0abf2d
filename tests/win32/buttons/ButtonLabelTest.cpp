#include "cardlib/CardButton.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Labels are printed without arguments: a conversion that would read one is
// kept as written, and nothing runs past the 63-character field.
TEST(ButtonLabel, FormattedWithoutArgumentsAndCutToTheField)
{
    const std::string sixtyThree(63, 'x');
    const struct {
        std::string label, text;
    } cases[] = {{"100%%", "100%"},
                 {"%d cards %s", "%d cards %s"},
                 {"50%", "50%"},
                 {sixtyThree + "z", sixtyThree},
                 {std::string(300, '%'), std::string(63, '%')}};
    char text[CardButton::maxTextLength + 1];
    for (const auto& c : cases) {
        FormatButtonLabel(c.label.c_str(), text);
        EXPECT_EQ(std::string(text), c.text) << c.label.substr(0, 20);
    }
    FormatButtonLabel(nullptr, text);
    EXPECT_STREQ(text, "");
}

} // namespace
