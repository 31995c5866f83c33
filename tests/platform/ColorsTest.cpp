#include "platform/toolkit/Colors.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

TEST(Colors, NumbersAreBlueGreenRedAndSystemColoursComeFromThePalette)
{
    struct Case {
        TColor number;
        QColor color;
    };
    const QPalette palette = QApplication::palette();
    const Case cases[] = {
        {clBlue, QColor(0, 0, 255)},
        {clRed, QColor(255, 0, 0)},
        {clSilver, QColor(192, 192, 192)},
        {0x030201, QColor(1, 2, 3)},
        {clBtnFace, palette.color(QPalette::Button)},
        {clHighlight, palette.color(QPalette::Highlight)},
        {clMenuText, palette.color(QPalette::WindowText)},
        {clSystemColor | 99, QColor(Qt::black)},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ColorToQColor(c.number).rgb(), c.color.rgb()) << std::hex << c.number;
        if (!(c.number & clSystemColor)) {
            EXPECT_EQ(ColorFromQColor(c.color), c.number);
        }
    }
}

TEST(Colors, HighColourCanBeSetAndGivenBack)
{
    const bool screen = HighColorDisplay();
    SetHighColorDisplay(!screen);
    EXPECT_EQ(HighColorDisplay(), !screen);
    SetHighColorDisplay(std::nullopt);
    EXPECT_EQ(HighColorDisplay(), screen);
}

} // namespace
