#include "components/Gfvcl.h"

#include "Rgb.h"

#include <QApplication>
#include <QPalette>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

Rgb At(const QImage &image, int x, int y)
{
    return Of(image.pixelColor(x, y));
}

std::unique_ptr<TGradientFill> Fill(int w, int h, TColor begin, TColor end, TFillDirection direction, int colors)
{
    auto fill = std::make_unique<TGradientFill>();
    fill->resize(w, h);
    fill->SetBeginColor(begin);
    fill->SetEndColor(end);
    fill->SetFillDirection(direction);
    fill->SetNumberOfColors(std::uint8_t(colors));
    return fill;
}

// The first row (or column) of every band, read off the image.
std::vector<int> BandStarts(const QImage &image, bool vertical)
{
    std::vector<int> starts{0};
    const int extent = vertical ? image.height() : image.width();
    for (int i = 1; i < extent; ++i) {
        const QPoint here = vertical ? QPoint(0, i) : QPoint(i, 0), before = vertical ? QPoint(0, i - 1) : QPoint(i - 1, 0);
        if (image.pixel(here) != image.pixel(before))
            starts.push_back(i);
    }
    return starts;
}

TEST(GradientFill, DefaultsRunFromBlueToBlackInSixteenBandsOver105Rows)
{
    TGradientFill fill;
    EXPECT_EQ(fill.size(), QSize(105, 105));
    EXPECT_FALSE(fill.AutoSize());
    EXPECT_EQ(fill.BeginColor(), clBlue);
    EXPECT_EQ(fill.EndColor(), clBlack);
    EXPECT_EQ(fill.FillDirection(), fdTopToBottom);
    EXPECT_EQ(fill.NumberOfColors(), 16);

    const QImage image = fill.PaintGradient();
    for (int y = 0; y <= 6; ++y)
        EXPECT_EQ(At(image, 50, y), (Rgb{0, 0, 255})) << "row " << y;
    for (int y = 7; y <= 12; ++y)
        EXPECT_EQ(At(image, 104, y), (Rgb{0, 0, 238})) << "row " << y;
    for (int y = 98; y <= 104; ++y)
        EXPECT_EQ(At(image, 0, y), (Rgb{0, 0, 0})) << "row " << y;
    EXPECT_EQ(BandStarts(image, true).size(), 16u);
}

TEST(GradientFill, NumberOfColorsBelowOneIsTakenAsOne)
{
    TGradientFill fill;
    fill.SetNumberOfColors(0);
    EXPECT_EQ(fill.NumberOfColors(), 1);
    fill.SetNumberOfColors(255);
    EXPECT_EQ(fill.NumberOfColors(), 255);
}

TEST(GradientFill, BandsFollowTheRoundedShares)
{
    const auto four = Fill(3, 10, clWhite, clBlack, fdTopToBottom, 4);
    EXPECT_EQ(BandStarts(four->PaintGradient(), true), (std::vector<int>{0, 3, 5, 8}));

    // Three bands over 90 columns: the middle band is halfway, rounded away from zero.
    const auto silver = Fill(90, 2, clWhite, clSilver, fdLeftToRight, 3);
    const QImage toSilver = silver->PaintGradient();
    EXPECT_EQ(At(toSilver, 0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(At(toSilver, 45, 1), (Rgb{223, 223, 223}));
    EXPECT_EQ(At(toSilver, 89, 0), (Rgb{192, 192, 192}));
    const auto grey = Fill(90, 2, clWhite, 0xC2C2C2, fdLeftToRight, 3);
    EXPECT_EQ(At(grey->PaintGradient(), 45, 0), (Rgb{224, 224, 224}));
}

TEST(GradientFill, ReversedDirectionsStartFromTheEndColour)
{
    struct Case {
        TFillDirection direction;
        int colors;
        QPoint first, last; // pixels of the first and the last band
        Rgb firstColor, lastColor;
    };
    const Rgb white{255, 255, 255}, silver{192, 192, 192};
    const Case cases[] = {
        {fdRightToLeft, 255, {0, 5}, {99, 5}, silver, white},
        {fdLeftToRight, 255, {0, 5}, {99, 5}, white, silver},
        {fdBottomToTop, 255, {5, 0}, {5, 99}, silver, white},
        {fdTopToBottom, 255, {5, 0}, {5, 99}, white, silver},
        {fdBottomToTop, 1, {5, 0}, {5, 99}, silver, silver}, // one band: all EndColor
        {fdTopToBottom, 1, {5, 0}, {5, 99}, white, white},   // one band: all BeginColor
        {fdLeftToRight, 0, {0, 5}, {99, 5}, white, white},   // no colours count as one
    };
    for (const Case &c : cases) {
        const auto fill = Fill(100, 100, clWhite, clSilver, c.direction, c.colors);
        const QImage image = fill->PaintGradient();
        EXPECT_EQ(At(image, c.first.x(), c.first.y()), c.firstColor) << int(c.direction) << "/" << c.colors;
        EXPECT_EQ(At(image, c.last.x(), c.last.y()), c.lastColor) << int(c.direction) << "/" << c.colors;
    }
}

TEST(GradientFill, SystemColoursComeFromThePaletteAndEmptyAreasPaintNothing)
{
    const auto fill = Fill(10, 10, clBtnFace, clHighlight, fdTopToBottom, 2);
    const QImage image = fill->PaintGradient();
    EXPECT_EQ(image.pixelColor(0, 0).rgb(), QApplication::palette().color(QPalette::Button).rgb());
    EXPECT_EQ(image.pixelColor(0, 9).rgb(), QApplication::palette().color(QPalette::Highlight).rgb());

    fill->resize(0, 10);
    EXPECT_TRUE(fill->PaintGradient().isNull());
    fill->resize(10, 0);
    EXPECT_TRUE(fill->PaintGradient().isNull());
    fill->grab(); // paints without an area to fill
}

TEST(GradientFill, AButtonOnItIsDrawnAboveAndTakesItsClicksTheRestReportsMoves)
{
    QWidget window;
    window.resize(200, 100);
    auto *fill = TGradientFill::WhiteToSilver(&window, QStringLiteral("Fill"), fdLeftToRight);
    fill->setGeometry(0, 0, 200, 100);
    auto *button = new QPushButton(QStringLiteral("OK"), fill);
    button->setGeometry(60, 30, 80, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QImage shown = window.grab().toImage();
    const QImage gradient = fill->PaintGradient();
    EXPECT_NE(shown.pixel(100, 50), gradient.pixel(100, 50)); // the button, not the gradient
    EXPECT_EQ(shown.pixel(10, 10), gradient.pixel(10, 10));

    QSignalSpy clicked(button, &QPushButton::clicked);
    QSignalSpy moved(fill, &TGradientFill::OnMouseMove);
    // Through the window, as the pointer reaches the controls.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_EQ(clicked.count(), 1);
    QTest::mouseMove(window.windowHandle(), QPoint(10, 12));
    ASSERT_GE(moved.count(), 1);
    EXPECT_EQ(moved.last().at(0).toInt(), 10);
    EXPECT_EQ(moved.last().at(1).toInt(), 12);
}

// Saves the program's gradient panels side by side (CORVEX_GRADIENT_PNG=<file>).
TEST(GradientFill, Screenshot)
{
    const QString path = qEnvironmentVariable("CORVEX_GRADIENT_PNG");
    if (path.isEmpty())
        GTEST_SKIP() << "set CORVEX_GRADIENT_PNG=<file> to save the gradient panels";
    QWidget window;
    window.resize(430, 160);
    TGradientFill::WhiteToSilver(&window, {}, fdLeftToRight)->setGeometry(5, 5, 300, 30);
    TGradientFill::WhiteToSilver(&window, {}, fdTopToBottom)->setGeometry(5, 40, 150, 115);
    TGradientFill::WhiteToSilver(&window, {}, fdRightToLeft)->setGeometry(160, 40, 145, 115);
    auto defaults = new TGradientFill(&window);
    defaults->move(315, 5);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.grab().save(path));
}

} // namespace
