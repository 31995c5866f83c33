// The thumbnail view of view 10: tiles, their order and places, pictures that cannot be
// decoded, rebuilds asked for during a build, the size control and the tiles' events.

#include "localisation/fktSprache.h"
#include "localisation/fktSprache_Captions.h"
#include "platform/fs/FileSystem.h"
#include "platform/registry/TRegistry.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"
#include "shell/fktThumbs.h"
#include "support/FileOpener.h"
#include "support/FolderNames.h"
#include "support/JpegFixtures.h"
#include "support/MainWindowFixture.h"
#include "support/StoredSettings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

QByteArray Jpeg(int Width, int Height)
{
    return OneColourJpeg(Width, Height, JCS_RGB, {200, 120, 40});
}

class Thumbnails : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString Folder(const QString &Name)
    {
        const QString folder = dir_.path() + u'/' + Name;
        EXPECT_TRUE(fs::createFolders(folder));
        return folder;
    }
    // The window in view 10 with its scroll box Width wide (0: as laid out), the left
    // explorer on Folder.
    THauptForm &ShownOn(const QString &Folder, int Width = 500)
    {
        THauptForm &f = window_.Create();
        f.setWindowState(Qt::WindowNoState);
        f.resize(1200, 800);
        f.show();
        EXPECT_TRUE(f.ShellTreeView01->setPath(Folder));
        f.HMenuAnsichtThumbs->trigger();
        if (Width > 0)
            f.ThumbScrollBox->setFixedWidth(Width);
        QApplication::processEvents();
        BuildThumbnails(); // at that width
        return f;
    }
    std::vector<TrvImage *> Tiles() const
    {
        auto tiles = window_->ThumbScrollBox->widget()->findChildren<TrvImage *>(Qt::FindDirectChildrenOnly);
        std::vector<TrvImage *> sorted(tiles.begin(), tiles.end());
        std::sort(sorted.begin(), sorted.end(), [](TrvImage *a, TrvImage *b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return sorted;
    }
    QStringList TilePaths() const
    {
        QStringList paths;
        for (TrvImage *tile : Tiles())
            paths << tile->FilePath();
        return paths;
    }

    QTemporaryDir dir_;
    MainWindowFixture window_;
};

TEST(ScaleGraphicToFit, FitsTheBoxRoundingHalfToEven)
{
    const struct {
        QSize picture, fitted;
    } cases[] = {
        {{8, 5}, {100, 62}},   // 62.5
        {{16, 6}, {100, 38}},  // 37.5
        {{400, 200}, {100, 50}},
        {{200, 400}, {50, 100}},
        {{100, 100}, {100, 100}},
        {{5000, 2}, {100, 1}},  // never below one pixel
        {{1, 3000}, {1, 100}},
    };
    for (const auto &c : cases) {
        QImage picture(c.picture, QImage::Format_RGB32);
        picture.fill(Qt::red);
        EXPECT_EQ(ScaleGraphicToFit(picture, 100, 100).size(), c.fitted) << c.picture.width() << "x" << c.picture.height();
    }
}

TEST(ShortenPath, FoldersGiveWayFromTheLeftThenTheNameIsCut)
{
    const QFontMetrics metrics{QFont()};
    const QString path = QStringLiteral("/home/anna/Bilder/2024/a.jpg");
    const auto width = [&](const char *Text) { return metrics.horizontalAdvance(QLatin1String(Text)); };
    EXPECT_EQ(ShortenPath(path, metrics, width("/home/anna/Bilder/2024/a.jpg")), path);
    EXPECT_EQ(ShortenPath(path, metrics, width("/.../Bilder/2024/a.jpg")), "/.../Bilder/2024/a.jpg");
    EXPECT_EQ(ShortenPath(path, metrics, width("/.../a.jpg")), "/.../a.jpg");
    EXPECT_EQ(ShortenPath(path, metrics, width("a.jpg")), "a.jpg");
    EXPECT_EQ(ShortenPath(path, metrics, width("a.j...")), "a.j...");
    EXPECT_EQ(ShortenPath(path, metrics, 0), "...");
}

TEST_F(Thumbnails, JpegsOfTheListInRowsThatKeepToTheRowLimit)
{
    const QString folder = Folder("flach");
    MakeTestFileBelow(folder, "a.JPG", Jpeg(400, 200));
    MakeTestFileBelow(folder, "b.jpeg", Jpeg(200, 400));
    MakeTestFileBelow(folder, "c.png", "not taken");
    for (const char *name : {"d.jpg", "e.jpg", "f.jpg"})
        MakeTestFileBelow(folder, name, Jpeg(30, 30));
    THauptForm &f = ShownOn(folder);

    // 500 wide at size 100: row limit (475 div 102) x 100 = 400, so 4 a row.
    const std::vector<TrvImage *> tiles = Tiles();
    ASSERT_EQ(tiles.size(), 5u);
    const QPoint places[] = {{0, 0}, {102, 0}, {204, 0}, {306, 0}, {0, 102}};
    for (size_t i = 0; i < tiles.size(); ++i) {
        EXPECT_EQ(tiles[i]->pos(), places[i]) << i;
        EXPECT_EQ(tiles[i]->size(), QSize(100, 100));
        EXPECT_EQ(tiles[i]->alignment(), Qt::AlignCenter);
    }
    EXPECT_EQ(tiles[0]->pixmap().size(), QSize(100, 50));
    EXPECT_EQ(tiles[1]->pixmap().size(), QSize(50, 100));
    EXPECT_EQ(tiles[4]->pixmap().size(), QSize(100, 100)); // small pictures are enlarged
    EXPECT_EQ(f.ThumbsStatusBar->Panel(0), LoadLangString(8999) + "5");
    EXPECT_EQ(f.GrafikNamen.size(), 5);
    EXPECT_GE(f.ThumbScrollBox->widget()->height(), 202); // the content grows with the tiles
}

TEST_F(Thumbnails, RecursiveTakesJpgBeforeJpegHiddenFilesAndSkipsDotFolders)
{
    const QString root = Folder("baum");
    const QString b = MakeTestFileBelow(root, "b.jpg", Jpeg(10, 10));
    const QString hidden = MakeTestFileBelow(root, ".versteckt.jpg", Jpeg(10, 10));
    const QString a = MakeTestFileBelow(root, "a.JPEG", Jpeg(10, 10));
    const QString sub = MakeTestFileBelow(root, "unter/c.jpg", Jpeg(10, 10));
    const QString subJpeg = MakeTestFileBelow(root, "unter/d.jpeg", Jpeg(10, 10));
    MakeTestFileBelow(root, ".punkt/e.jpg", Jpeg(10, 10));
    THauptForm &f = ShownOn(root);
    f.ThumbsRekursiv->setChecked(true); // rebuilds
    EXPECT_EQ(f.GrafikNamen, QStringList({hidden, b, sub, a, subJpeg}));
    EXPECT_EQ(TilePaths(), f.GrafikNamen);
}

TEST_F(Thumbnails, UndecodableFileLeavesNoGapAndTheBoxEnabled)
{
    const QString folder = Folder("kaputt");
    const QByteArray good = Jpeg(64, 48);
    MakeTestFileBelow(folder, "1.jpg", good);
    MakeTestFileBelow(folder, "2.jpg", good.left(good.size() / 2)); // truncated
    MakeTestFileBelow(folder, "3.jpg", good);
    THauptForm &f = ShownOn(folder);
    const std::vector<TrvImage *> tiles = Tiles();
    ASSERT_EQ(tiles.size(), 2u);
    EXPECT_EQ(tiles[0]->pos(), QPoint(0, 0));
    EXPECT_EQ(tiles[1]->pos(), QPoint(102, 0));
    EXPECT_TRUE(tiles[1]->FilePath().endsWith("3.jpg"));
    EXPECT_EQ(f.ThumbsStatusBar->Panel(0), LoadLangString(8999) + "3"); // still counted
    EXPECT_TRUE(f.ThumbScrollBox->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Thumbnails, FolderChangeDuringABuildLeavesOnlyTheNewFolder)
{
    const QString first = Folder("erster");
    for (int i = 0; i < 12; ++i)
        MakeTestFileBelow(first, QStringLiteral("%1.jpg").arg(i), Jpeg(200, 150));
    const QString second = Folder("zweiter");
    const QString x = MakeTestFileBelow(second, "x.jpg", Jpeg(20, 20));
    const QString y = MakeTestFileBelow(second, "y.jpg", Jpeg(20, 20));
    THauptForm &f = ShownOn(dir_.path());
    int picturesSeen = 0;
    bool changed = false;
    // During the build's message loop, after its second picture, the left folder changes.
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!changed && f.ThumbsStatusBar->Panel(0) == LoadLangString(8999) + "2") {
            changed = true;
            picturesSeen = int(Tiles().size());
            f.ShellTreeView01->setPath(second);
        }
    });
    timer.start();
    ASSERT_TRUE(f.ShellTreeView01->setPath(first));
    timer.stop();
    ASSERT_TRUE(changed) << "the build let no message run";
    EXPECT_LE(picturesSeen, 2);
    EXPECT_EQ(TilePaths(), QStringList({x, y}));
    EXPECT_TRUE(f.ThumbScrollBox->isEnabled());
}

TEST_F(Thumbnails, ClosingTheWindowEndsTheBuildAfterItsPicture)
{
    const QString folder = Folder("viele");
    for (int i = 0; i < 12; ++i)
        MakeTestFileBelow(folder, QStringLiteral("%1.jpg").arg(i), Jpeg(200, 150));
    THauptForm &f = ShownOn(dir_.path());
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (f.ThumbsStatusBar->Panel(0) == LoadLangString(8999) + "3")
            f.close();
    });
    timer.start();
    ASSERT_TRUE(f.ShellTreeView01->setPath(folder));
    timer.stop();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(Tiles().size(), 3u);
    EXPECT_TRUE(f.ThumbScrollBox->isEnabled());
}

TEST_F(Thumbnails, HandEditedSizeIsKeptWithinTheRange)
{
    StoreSettings([](TRegistry &reg) { reg.WriteInteger(QStringLiteral("ThumbsBreite"), 100000); });
    const QString folder = Folder("gross");
    MakeTestFileBelow(folder, "a.jpg", Jpeg(40, 40));
    ShownOn(folder, 800);
    EXPECT_EQ(ThumbsBreite, 100000); // the global keeps what was read
    const std::vector<TrvImage *> tiles = Tiles();
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_EQ(tiles[0]->size(), QSize(250, 100));
    EXPECT_EQ(window_->ThumbsUpDown01->Position(), 250);
}

TEST_F(Thumbnails, SizeControlWritesBothSettings)
{
    THauptForm &f = ShownOn(Folder("leer"));
    EXPECT_EQ(f.ThumbsUpDown01->Position(), 100);
    f.ThumbsUpDown01->findChildren<QToolButton *>().first()->click(); // up
    EXPECT_EQ(ThumbsBreite, 101);
    EXPECT_EQ(ThumbsHoehe, 101);
    EXPECT_EQ(f.ThumbsEdit01->text(), "101");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("ThumbsBreite")), 101);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("ThumbsHoehe")), 101);
}

TEST_F(Thumbnails, TileShowsItsPathAndOpensOnADoubleClick)
{
    const QString folder = Folder("oeffnen");
    const QString picture = MakeTestFileBelow(folder, "bild.jpg", Jpeg(40, 30));
    THauptForm &f = ShownOn(folder);
    const std::vector<TrvImage *> tiles = Tiles();
    ASSERT_EQ(tiles.size(), 1u);
    TrvImage *tile = tiles[0];
    EXPECT_EQ(tile->FilePathShort(),
              ShortenPath(picture, f.ThumbsStatusBar->fontMetrics(), f.ThumbsStatusBar->width() - 100));

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tile, &move);
    EXPECT_EQ(f.ThumbsStatusBar->Panel(1), tile->FilePathShort());
    QMouseEvent around(QEvent::MouseMove, QPointF(300, 300), QPointF(300, 300), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
    QApplication::sendEvent(f.ThumbScrollBox->viewport(), &around);
    EXPECT_EQ(f.ThumbsStatusBar->Panel(1), "");

    FileOpener opener;
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(tile, &twice);
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0].toLocalFile(), picture);
}

TEST_F(Thumbnails, Screenshots)
{
    const QString out = qEnvironmentVariable("CORVEX_THUMBS_SCREENSHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "set CORVEX_THUMBS_SCREENSHOTS=<folder> to save view 10 with thumbnails";
    const QString folder = Folder("Urlaub");
    const QColor colours[] = {Qt::darkCyan, Qt::darkRed, Qt::darkGreen, Qt::darkYellow, Qt::darkBlue, Qt::gray};
    for (int i = 0; i < 9; ++i) {
        const QColor c = colours[i % 6];
        const QSize size = i % 3 == 0 ? QSize(300, 200) : i % 3 == 1 ? QSize(200, 300) : QSize(250, 250);
        MakeTestFileBelow(folder, QStringLiteral("Bild%1.jpg").arg(i + 1),
                          OneColourJpeg(size.width(), size.height(), JCS_RGB,
                                        {uchar(c.red()), uchar(c.green()), uchar(c.blue())}));
    }
    THauptForm &f = ShownOn(folder, 0);
    f.resize(1024, 700);
    QApplication::processEvents();
    for (int language : {0, 1}) {
        Sprache = language * 10000;
        LanguageIndex = std::uint8_t(language);
        ApplyLanguageCaptions();
        BuildThumbnails();
        const std::vector<TrvImage *> tiles = Tiles();
        ASSERT_EQ(tiles.size(), 9u);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tiles[1], &move);
        EXPECT_TRUE(f.grab().save(QDir(out).filePath(QStringLiteral("thumbs_%1.png").arg(language ? "en" : "de"))));
    }
    LanguageIndex = 0;
    Sprache = 0;
}

} // namespace
