#include "cardlib/CardButton.h"
#include "cardlib/CardWindow.h"
#include "tests/win32/support/TestTable.h"

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
                 {std::string(300, '%'), std::string(63, '%')},
                 {std::string(2000, 'q'), std::string(63, 'q')}};
    char text[CardButton::maxTextLength + 1];
    for (const auto& c : cases) {
        FormatButtonLabel(c.label.c_str(), text);
        EXPECT_EQ(std::string(text), c.text) << c.label.substr(0, 20);
    }
    FormatButtonLabel(nullptr, text);
    EXPECT_STREQ(text, "");
}

TEST(ButtonCreate, AtMostThirtyTwoButtonsEachPlacedAndColoured)
{
    TestTable table(200, 100);
    CardWindow& window = table.Window();
    for (int i = 0; i < 32; ++i)
        ASSERT_NE(window.CreateButton(i, "100%%", i % 2 ? static_cast<unsigned>(PushButton) : 0u, true, i, 2 * i,
                                      10 + i, 20),
                  nullptr)
            << i;
    EXPECT_EQ(window.CreateButton(32, "one too many", PushButton, true, 0, 0, 10, 10), nullptr);
    EXPECT_EQ(window.ButtonCount(), 32);
    CardButton* fifth = window.ButtonByIndex(5);
    EXPECT_EQ(fifth->Placement(), (Rect{5, 10, 20, 30}));
    EXPECT_EQ(fifth->Id(), 5);
    EXPECT_EQ(fifth->FaceColour(), 0x26621Fu) << "a push button's face is lighter than the table";
    EXPECT_EQ(window.ButtonByIndex(4)->FaceColour(), 0x02005000u) << "a label sits on the table colour";
    EXPECT_STREQ(fifth->Text(), "100%") << "formatted";
}

} // namespace
