#include "cardlib/CardButton.h"
#include "cardlib/CardWindow.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ButtonLabel, FormattedWithoutArgumentsAndCutToTheField)
{
    const std::string sixtyThree(63, 'x');
    const std::string longLabel = std::string(100, 'y');
    const std::string percents(300, '%');
    struct Case {
        std::string label;
        std::string text;
    };
    const Case cases[] = {
        {"next level", "next level"},
        {"100%%", "100%"},
        {"%%%%", "%%"},
        // A conversion would read an argument that is not there: printed as written.
        {"%d cards %s", "%d cards %s"},
        {"50%", "50%"},
        {"%", "%"},
        {"", ""},
        {sixtyThree, sixtyThree},
        {sixtyThree + "z", sixtyThree},
        {longLabel, std::string(63, 'y')},
        {percents, std::string(63, '%')},
        {std::string(2000, 'q'), std::string(63, 'q')},
    };
    for (const Case& c : cases) {
        char text[CardButton::maxTextLength + 1];
        std::memset(text, '#', sizeof(text));
        FormatButtonLabel(c.label.c_str(), text);
        EXPECT_EQ(std::string(text), c.text) << c.label.substr(0, 20);
    }
    char text[CardButton::maxTextLength + 1];
    FormatButtonLabel(nullptr, text);
    EXPECT_STREQ(text, "");
}

TEST(ButtonCreate, AtMostThirtyTwoButtonsEachPlacedAndColoured)
{
    TestTable table(200, 100);
    CardWindow& window = table.Window();
    for (int i = 0; i < 32; ++i)
        ASSERT_NE(window.CreateButton(i, i ? "b" : "100%%", i % 2 ? static_cast<unsigned>(PushButton) : 0u, true, i, 2 * i, 10 + i, 20), nullptr) << i;
    EXPECT_EQ(window.CreateButton(32, "one too many", PushButton, true, 0, 0, 10, 10), nullptr);
    EXPECT_EQ(window.ButtonCount(), 32);
    CardButton* fifth = window.ButtonByIndex(5);
    EXPECT_EQ(fifth->Placement(), (Rect{5, 10, 20, 30}));
    EXPECT_EQ(fifth->Id(), 5);
    EXPECT_EQ(fifth->Style(), static_cast<unsigned>(PushButton));
    EXPECT_FALSE(fifth->IsPressed());
    EXPECT_EQ(fifth->FaceColour(), 0x26621Fu) << "a push button's face is lighter than the table";
    EXPECT_EQ(window.ButtonByIndex(4)->FaceColour(), 0x02005000u) << "a label sits on the table colour";
    EXPECT_STREQ(window.ButtonByIndex(0)->Text(), "100%") << "formatted";
}

} // namespace
