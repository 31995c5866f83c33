#include "components/MenuStyler.h"

#include "Rgb.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

QColor Qc(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

QColor Palette(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active)
{
    return QApplication::palette().color(group, role);
}

// Restores the screen's own colour depth after a test.
struct HighColor {
    explicit HighColor(bool on) { SetHighColorDisplay(on); }
    ~HighColor() { SetHighColorDisplay(std::nullopt); }
};

TEST(MenuColours, HelpersKeepEveryChannelInRange)
{
    enum Helper { Darken, Lighten, Gray };
    struct Case {
        Helper helper;
        Rgb in;
        int amount;
        Rgb out;
    };
    const Case cases[] = {
        {Darken, {100, 100, 100}, 10, {90, 92, 90}},
        {Darken, {250, 250, 250}, -40, {255, 255, 255}},
        {Darken, {5, 0, 5}, 10, {0, 0, 0}},
        {Lighten, {102, 102, 102}, 50, {178, 178, 178}}, // 76.5 rounds to even
        {Lighten, {0, 0, 0}, 150, {255, 255, 255}},
        {Lighten, {0, 128, 255}, 75, {191, 223, 255}},
        {Lighten, {10, 10, 10}, -50, {0, 0, 0}},
        {Gray, {30, 60, 90}, 20, {80, 80, 80}},
        {Gray, {250, 250, 250}, 100, {240, 240, 240}},
        {Gray, {0, 0, 0}, -20, {0, 0, 0}},
    };
    for (const Case &c : cases) {
        const QColor in = Qc(c.in);
        const QColor out = c.helper == Darken ? DarkenColor(in, c.amount)
                           : c.helper == Lighten ? LightenColor(in, c.amount)
                                                 : GrayColor(in, c.amount);
        EXPECT_EQ(Of(out), c.out) << int(c.helper) << " " << c.in << " by " << c.amount;
    }
    EXPECT_EQ(Of(TextColorOn(QColor(0, 0, 128), Qt::black)), Of(LightenColor(QColor(0, 0, 128), 90)));
    EXPECT_EQ(Of(TextColorOn(QColor(240, 240, 240), Qt::black)), (Rgb{0, 0, 0}));
}

TEST(MenuColours, BitmapHelpersChangeEveryPixelAndTheShadowSkipsTheTransparentOne)
{
    QImage bitmap(3, 2, QImage::Format_ARGB32);
    bitmap.fill(QColor(30, 60, 90));
    bitmap.setPixelColor(0, 1, Qt::white); // bottom-left: the transparent colour
    QImage gray = bitmap;
    GrayBitmap(gray, 20);
    EXPECT_EQ(Of(gray.pixelColor(2, 0)), (Rgb{80, 80, 80}));
    EXPECT_EQ(Of(gray.pixelColor(0, 1)), (Rgb{240, 240, 240}));
    QImage light = bitmap;
    LightenBitmap(light, 150);
    EXPECT_EQ(Of(light.pixelColor(1, 1)), (Rgb{255, 255, 255}));

    QImage canvas(10, 10, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter p(&canvas);
        DrawShadow(bitmap, p, 4, Qt::red, 5);
    }
    EXPECT_EQ(Of(canvas.pixelColor(4, 5)), (Rgb{255, 0, 0}));
    EXPECT_EQ(Of(canvas.pixelColor(6, 6)), (Rgb{255, 0, 0}));
    EXPECT_EQ(Of(canvas.pixelColor(4, 6)), (Rgb{0, 0, 0})); // the transparent pixel
    EXPECT_EQ(Of(canvas.pixelColor(7, 5)), (Rgb{0, 0, 0}));
}

TEST(MenuColours, WorkingColoursByColourDepthAndSystemColours)
{
    QWidget owner;
    TMenuStyler styler(&owner);
    styler.Color = 0x010203;
    styler.SelectColor = clBlue;
    const QColor face = Palette(QPalette::Button), shadow = Palette(QPalette::Dark);
    const QColor highlight = Palette(QPalette::Highlight);
    {
        HighColor low(false);
        styler.SetUseSystemColors(false);
        TMenuColors c = styler.SetUpColors();
        EXPECT_FALSE(c.HighColor);
        EXPECT_EQ(Of(c.Background), (Rgb{3, 2, 1}));
        EXPECT_EQ(Of(c.LightSelection1), (Rgb{255, 255, 255}));
        EXPECT_EQ(Of(c.LightSelection2), (Rgb{192, 192, 192}));
        EXPECT_EQ(Of(c.Dark1), Of(shadow));
        EXPECT_EQ(Of(c.Dark2), Of(shadow));

        styler.SetUseSystemColors(true);
        c = styler.SetUpColors();
        EXPECT_EQ(Of(c.Background), (Rgb{255, 255, 255}));
        EXPECT_EQ(Of(c.IconBackground), Of(face));
        EXPECT_EQ(Of(c.Selection), (Rgb{255, 255, 255}));
        EXPECT_EQ(Of(c.SelectionBorder), Of(highlight));
        EXPECT_EQ(Of(c.Disabled), Of(shadow));
        EXPECT_EQ(Of(c.Separator), Of(shadow));
        EXPECT_EQ(Of(c.LightSelection1), (Rgb{255, 255, 255}));
        EXPECT_EQ(Of(c.LightSelection2), (Rgb{255, 255, 255}));
    }
    {
        HighColor high(true);
        styler.SetUseSystemColors(false);
        TMenuColors c = styler.SetUpColors();
        EXPECT_EQ(Of(c.LightSelection1), (Rgb{191, 191, 255}));
        EXPECT_EQ(Of(c.LightSelection2), (Rgb{128, 128, 255}));
        EXPECT_EQ(Of(c.Dark1), Of(DarkenColor(face, 90)));
        EXPECT_EQ(Of(c.Dark2), Of(DarkenColor(face, 76)));

        styler.SetUseSystemColors(true);
        c = styler.SetUpColors();
        EXPECT_EQ(Of(c.Background), Of(LightenColor(face, 86)));
        EXPECT_EQ(Of(c.IconBackground), Of(LightenColor(face, 16)));
        EXPECT_EQ(Of(c.Selection), Of(LightenColor(highlight, 68)));
        EXPECT_EQ(Of(c.MenuBar), Of(Palette(QPalette::Window)));
        EXPECT_EQ(Of(c.Disabled), Of(LightenColor(shadow, 10)));
        EXPECT_EQ(Of(c.Separator), Of(LightenColor(shadow, 25)));
        EXPECT_EQ(Of(c.LightSelection2), Of(LightenColor(highlight, 50)));
        EXPECT_EQ(Of(c.FontColor), Of(Palette(QPalette::WindowText)));
    }
}

// One pop-up item drawn into an image of its own.
QImage DrawnItem(const TMenuStyler &styler, QStyleOptionMenuItem item, QSize size = QSize(120, 20))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    item.rect = QRect(QPoint(), size);
    item.direction = Qt::LeftToRight;
    QPainter canvas(&image);
    styler.drawControl(QStyle::CE_MenuItem, &item, &canvas);
    return image;
}

TEST(MenuDrawing, IconColumnSelectionSeparatorCheckMarkAndGradient)
{
    HighColor high(true);
    QWidget owner;
    TMenuStyler styler(&owner);
    styler.SetUseSystemColors(false);
    styler.Color = 0xF0F0F0;
    styler.IconBackColor = 0x00A0A0;     // (160,160,0)
    styler.SelectColor = 0xFFC080;       // (128,192,255)
    styler.SelectBorderColor = 0x800000; // (0,0,128)
    styler.SeparatorColor = 0x008000;    // (0,128,0)
    styler.CheckedColor = 0x0000FF;      // (255,0,0)
    styler.SetActive(true);

    QStyleOptionMenuItem item;
    item.text = QStringLiteral("Item");
    item.state = QStyle::State_Enabled;
    QImage image = DrawnItem(styler, item);
    EXPECT_EQ(Of(image.pixelColor(2, 10)), (Rgb{160, 160, 0}));   // icon column
    EXPECT_EQ(Of(image.pixelColor(23, 10)), (Rgb{160, 160, 0}));
    EXPECT_EQ(Of(image.pixelColor(24, 10)), (Rgb{240, 240, 240})); // text part
    EXPECT_EQ(Of(image.pixelColor(118, 10)), (Rgb{240, 240, 240}));

    item.state |= QStyle::State_Selected;
    image = DrawnItem(styler, item);
    EXPECT_EQ(Of(image.pixelColor(0, 1)), (Rgb{0, 0, 128}));     // the frame, 1 pixel in at the top
    EXPECT_EQ(Of(image.pixelColor(0, 0)), (Rgb{160, 160, 0}));   // above it
    EXPECT_EQ(Of(image.pixelColor(110, 10)), (Rgb{128, 192, 255}));

    QStyleOptionMenuItem separator;
    separator.menuItemType = QStyleOptionMenuItem::Separator;
    separator.state = QStyle::State_Enabled;
    image = DrawnItem(styler, separator, QSize(120, 4));
    EXPECT_EQ(Of(image.pixelColor(24 + 7, 2)), (Rgb{0, 128, 0}));
    EXPECT_EQ(Of(image.pixelColor(119, 2)), (Rgb{0, 128, 0}));
    EXPECT_EQ(Of(image.pixelColor(24 + 6, 2)), (Rgb{240, 240, 240}));
    EXPECT_EQ(Of(image.pixelColor(40, 1)), (Rgb{240, 240, 240}));

    // A checked item without an image: a square in the checked colour, centred in the column.
    item.state = QStyle::State_Enabled;
    item.checkType = QStyleOptionMenuItem::NonExclusive;
    item.checked = true;
    image = DrawnItem(styler, item);
    EXPECT_EQ(Of(image.pixelColor(7, 6)), (Rgb{255, 0, 0}));
    EXPECT_EQ(Of(image.pixelColor(16, 15)), (Rgb{255, 0, 0}));
    EXPECT_EQ(Of(image.pixelColor(6, 6)), (Rgb{160, 160, 0}));
    EXPECT_EQ(Of(image.pixelColor(12, 7)), Of(LightenColor(QColor(128, 192, 255), 75))); // its fill

    // The gradient runs from the icon side: 3 per strip across the column and 5 more, then 1.
    styler.Gradient = true;
    item.checked = false;
    image = DrawnItem(styler, item);
    const QColor icon(160, 160, 0);
    EXPECT_EQ(Of(image.pixelColor(0, 0)), Of(icon));
    EXPECT_EQ(Of(image.pixelColor(1, 0)), Of(LightenColor(icon, 3)));
    EXPECT_EQ(Of(image.pixelColor(29, 0)), Of(LightenColor(icon, 87)));
    EXPECT_EQ(Of(image.pixelColor(30, 0)), Of(LightenColor(icon, 88)));
    EXPECT_EQ(Of(image.pixelColor(119, 0)), Of(LightenColor(icon, 96)));
}

// A window with one menu, styled with a font of its own.
class Measuring : public testing::Test {
protected:
    void SetUp() override
    {
        menu = window.menuBar()->addMenu(QStringLiteral("&File"));
        styler = new TMenuStyler(&window);
        styler->SetUseSystemColors(false);
        styler->SetFont(font);
        styler->SetActive(true);
    }
    int Advance(const QString &text) const { return QFontMetrics(font).horizontalAdvance(text); }
    QRect Geometry(QAction *action)
    {
        menu->adjustSize(); // lays the items out
        return menu->actionGeometry(action);
    }

    QFont font = QFont(QStringLiteral("DejaVu Sans"), 9);
    QMainWindow window;
    QMenu *menu = nullptr;
    TMenuStyler *styler = nullptr;
};

TEST_F(Measuring, ASeparatorIsFourHighAndAShortcutWidensByItsTextAndWWW)
{
    QAction *save = menu->addAction(QStringLiteral("&Save"));
    save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(menu->style(), styler);
    EXPECT_EQ(Geometry(save).width(), Advance(QStringLiteral("&SaveCtrl+SWWW")) - Advance(QStringLiteral("&")) + 24 + 10);
    QAction *separator = menu->addSeparator();
    menu->addAction(QStringLiteral("Close")); // a menu drops a separator at its end
    EXPECT_EQ(Geometry(separator).height(), 4);
    const int textHeight = QFontMetrics(font).height();
    EXPECT_EQ(Geometry(save).height(), std::max(textHeight + int(std::nearbyint(0.75 * textHeight)), 20));
}

TEST_F(Measuring, AFontFourteenPixelsHighGivesItemsTwentyFourHigh)
{
    std::optional<QFont> fourteen;
    for (int pixels = 8; pixels <= 20 && !fourteen; ++pixels) {
        QFont candidate = font;
        candidate.setPixelSize(pixels);
        if (QFontMetrics(candidate).height() == 14)
            fourteen = candidate;
    }
    if (!fourteen)
        GTEST_SKIP() << "no font size of this system is 14 pixels high";
    styler->SetFont(*fourteen);
    font = *fourteen;
    menu->setFont(font);
    QAction *open = menu->addAction(QStringLiteral("Open"));
    EXPECT_EQ(Geometry(open).height(), 24); // 14 + 10.5 rounded to even
    // An image of 16 pixels needs 20: the text's 24 stays.
    open->setIcon(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon));
    EXPECT_EQ(Geometry(open).height(), 24);
    // The menu bar's items have no icon column.
    QStyleOptionMenuItem top;
    top.text = QStringLiteral("&File");
    EXPECT_EQ(styler->MeasureItem(top, true), QSize(Advance(QStringLiteral("&File")) - Advance(QStringLiteral("&")) + 10, 24));
}

TEST_F(Measuring, MenusAndItemsAddedLaterAreStyledWithAutoDetect)
{
    styler->AutoDetect = true;
    styler->SetActive(true);
    QMenu *later = window.menuBar()->addMenu(QStringLiteral("Later"));
    auto *popup = new QMenu(&window);
    QApplication::processEvents();
    EXPECT_EQ(later->style(), styler);
    EXPECT_EQ(popup->style(), styler);
    QMenu *sub = menu->addMenu(QStringLiteral("Sub")); // a sub-menu's parent is its menu
    QApplication::processEvents();
    EXPECT_EQ(sub->style(), styler);
    later->addAction(QStringLiteral("First"));
    QAction *added = later->addSeparator();
    later->addAction(QStringLiteral("Last"));
    later->adjustSize();
    EXPECT_EQ(later->actionGeometry(added).height(), 4);

    styler->SetActive(false);
    EXPECT_NE(later->style(), styler);
    EXPECT_NE(menu->style(), styler);
}

} // namespace
