// The icons page in the real window, offscreen: tiles from generated ICO and PE files,
// their places, the batch guard, closing during an extraction, and saving as numbered
// ICO and BMP files read back with Qt.

#include "localisation/fktSprache.h"
#include "localisation/fktSprache_Captions.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "operations/fktIcons.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/icons/ExtractIcon.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/EventHook.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/IconFiles.h"
#include "support/ScriptedModals.h"
#include "support/WindowPageTest.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace iconfiles;

namespace {

const QRgb Colours[] = {qRgb(200, 30, 30), qRgb(30, 200, 30), qRgb(30, 30, 200), qRgb(200, 200, 30),
                        qRgb(30, 200, 200), qRgb(200, 30, 200), qRgb(120, 120, 120), qRgb(250, 150, 50),
                        qRgb(50, 150, 250)};

// A program with one icon group per colour.
QByteArray Program(std::initializer_list<QRgb> Icons, bool Plus = false)
{
    std::vector<Group> groups;
    for (QRgb c : Icons)
        groups.push_back({{Dib(Picture(16, 16, c), 8), Dib(Picture(32, 32, c), 32)}, std::nullopt, quint16(groups.size() + 1)});
    return Pe(groups, Plus);
}

QByteArray IconFile(QRgb Colour)
{
    return Ico({Dib(Picture(32, 32, Colour), 32)});
}

class IconPage : public WindowPageTest {
protected:
    void SetUp() override
    {
        WindowPageTest::SetUp();
        if (HasFatalFailure())
            return;
        Arbeitsverzeichnis = Root + "work/";
        ASSERT_TRUE(fs::createFolders(Arbeitsverzeichnis));
        f->PageControl->setCurrentWidget(f->TabSheet05);
        f->GrafikSB01->click();
        ASSERT_EQ(f->GrafikNB01->currentIndex(), 0);
    }

    // The icons of every file below Folder.
    void Extract(const QString &Folder)
    {
        ASSERT_TRUE(f->ShellTreeView01->setPath(Folder));
        ActiveExplorer = 1;
        f->GrafikRekursiv->setChecked(true);
        f->GrafikBitBtn01->click();
    }
    // Left, top and the colour in the middle of each tile.
    struct Tile {
        int X, Y;
        QRgb Colour;
        bool operator==(const Tile &) const = default;
    };
    std::vector<Tile> Tiles() const
    {
        std::vector<Tile> tiles;
        for (const TrvIcon *t : IconTiles()) {
            EXPECT_EQ(t->size(), QSize(32, 32));
            tiles.push_back({t->x(), t->y(), t->Icon().pixel(16, 16)});
        }
        return tiles;
    }
    QString IconsFolder() const { return Arbeitsverzeichnis + "Icons/"; }
};

TEST_F(IconPage, TilesFillRowsOfEightInFileOrder)
{
    MakeTestFileBelow(Root + "two", "a.exe", Program({Colours[0], Colours[1], Colours[2]}));
    MakeTestFileBelow(Root + "two", "b.ico", IconFile(Colours[3]));
    Extract(Root + "two");
    EXPECT_EQ(Tiles(), (std::vector<Tile>{{2, 2, Colours[0]}, {36, 2, Colours[1]}, {70, 2, Colours[2]},
                                          {104, 2, Colours[3]}}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(BatchGuard::Running());

    // Nine icons, one of them in a PE32+ file: the ninth starts the second row. The
    // first result is discarded.
    MakeTestFileBelow(Root + "nine", "a.dll", Program({Colours[0], Colours[1], Colours[2], Colours[3]}));
    MakeTestFileBelow(Root + "nine", "b.exe", Program({Colours[4], Colours[5], Colours[6], Colours[7]}, true));
    MakeTestFileBelow(Root + "nine", "c.ico", IconFile(Colours[8]));
    Extract(Root + "nine");
    const std::vector<Tile> tiles = Tiles();
    ASSERT_EQ(tiles.size(), 9u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(tiles[std::size_t(i)], (Tile{2 + 34 * i, 2, Colours[i]})) << i;
    EXPECT_EQ(tiles[8], (Tile{2, 36, Colours[8]}));
    EXPECT_GE(f->ScrollBoxIcons->widget()->height(), 36 + 32) << "the tiles' area grows with them";
    EXPECT_EQ(f->ScrollBoxIcons->size(), QSize(295, 165));
}

TEST_F(IconPage, UnreadableIconsAndFilesWithoutIconsAddNoTile)
{
    QByteArray broken = IconFile(Colours[1]);
    Put32(broken, 18, 0x7FFFFFF0); // its image lies beyond the file
    MakeTestFileBelow(Root + "f", "a.ico", IconFile(Colours[0]));
    MakeTestFileBelow(Root + "f", "b.ico", broken);
    MakeTestFileBelow(Root + "f", "c.elf", QByteArray("\x7F" "ELF", 4) + QByteArray(100, '\0'));
    MakeTestFileBelow(Root + "f", "d.ico", IconFile(Colours[2]));
    Extract(Root + "f");
    EXPECT_EQ(Tiles(), (std::vector<Tile>{{2, 2, Colours[0]}, {36, 2, Colours[2]}}));

    // No file: the collector's message; the old tiles are gone.
    ASSERT_TRUE(fs::createFolders(Root + "empty"));
    modals.answer(mrOk);
    Extract(Root + "empty");
    ASSERT_EQ(modals.shown().size(), 1u);
    EXPECT_EQ(modals.shown()[0].text, LoadLangString(9052));
    EXPECT_TRUE(Tiles().empty());
}

TEST_F(IconPage, TheButtonsDoNothingWhileABatchRuns)
{
    MakeTestFileBelow(Root + "f", "a.ico", IconFile(Colours[0]));
    Extract(Root + "f");
    ASSERT_EQ(Tiles().size(), 1u);
    {
        BatchGuard other;
        ASSERT_TRUE(other.Entered());
        f->GrafikBitBtn01->click();
        f->GrafikBitBtn02->click();
        f->GrafikBitBtn03->click();
    }
    EXPECT_EQ(Tiles().size(), 1u);
    EXPECT_FALSE(fs::exists(IconsFolder()));
}

TEST_F(IconPage, ClosingTheWindowEndsTheExtractionAfterTheCurrentTile)
{
    MakeTestFileBelow(Root + "f", "a.dll", Program({Colours[0], Colours[1], Colours[2], Colours[3]}));
    f->show();
    bool closedDuring = false;
    // The first tile asks for the close; it comes when the extraction lets messages run.
    new EventHook(f->ScrollBoxIcons->widget(), [&](QEvent *event) {
        if (event->type() == QEvent::ChildAdded && !closedDuring)
            QTimer::singleShot(0, f, [&] { closedDuring = !f->close(); });
        return false;
    });
    Extract(Root + "f");
    EXPECT_TRUE(closedDuring) << "the close waits for the extraction";
    EXPECT_EQ(Tiles().size(), 1u);
    EXPECT_TRUE(f->isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(f->isVisible()) << "the window closes once the extraction has ended";
}

TEST_F(IconPage, SavedFilesTakeFreeNumbersAndReadBackAsTheTiles)
{
    MakeTestFileBelow(Root + "f", "a.exe", Program({Colours[0], Colours[1], Colours[2]}));
    Extract(Root + "f");
    const QList<TrvIcon *> tiles = IconTiles();
    ASSERT_EQ(tiles.size(), 3);

    // 1.ico exists: tile 0 takes 0, tile 1 moves on to 2, tile 2 to 3.
    MakeTestFileBelow(IconsFolder(), "1.ico", "mine");
    f->GrafikBitBtn02->click();
    EXPECT_EQ(SortedNames(IconsFolder()), (QStringList{"0.ico", "1.ico", "2.ico", "3.ico"}));
    EXPECT_EQ(fs::readFile(IconsFolder() + "1.ico"), QByteArray("mine"));
    const std::vector<std::pair<QString, int>> saved = {{"0.ico", 0}, {"2.ico", 1}, {"3.ico", 2}};
    for (const auto &[name, tile] : saved) {
        const QImage back = QImage(IconsFolder() + name).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(back, tiles[tile]->Icon()) << name.toStdString() << " read by Qt";
        EXPECT_EQ(ExtractIconA(IconsFolder() + name, 0), tiles[tile]->Icon()) << name.toStdString() << " read by us";
    }
    EXPECT_EQ(qAlpha(QImage(IconsFolder() + "0.ico").pixel(0, 0)), 0) << "transparency kept";

    // Bitmaps: a dangling link 1.bmp is passed over and its target not created; 24 bits
    // on white.
    ASSERT_TRUE(fs::createFolders(IconsFolder()));
    ASSERT_EQ(symlink(fs::encodeName(Root + "target.bmp").constData(), fs::encodeName(IconsFolder() + "1.bmp").constData()), 0);
    f->GrafikBitBtn03->click();
    EXPECT_EQ(BatchCount, 3);
    EXPECT_FALSE(fs::exists(Root + "target.bmp"));
    for (const auto &[name, tile] : std::vector<std::pair<QString, int>>{{"0.bmp", 0}, {"2.bmp", 1}, {"3.bmp", 2}}) {
        const std::optional<QByteArray> bytes = fs::readFile(IconsFolder() + name);
        ASSERT_TRUE(bytes && bytes->size() > 30) << name.toStdString();
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes->constData() + 28), 24) << name.toStdString() << ": bits per pixel";
        const QImage back = QImage::fromData(*bytes, "BMP");
        ASSERT_EQ(back.size(), QSize(32, 32));
        const QImage &icon = tiles[tile]->Icon();
        EXPECT_EQ(back.pixel(0, 0), qRgb(255, 255, 255)) << "the transparent pixel on white";
        EXPECT_EQ(back.pixel(1, 0), icon.pixel(1, 0));
        EXPECT_EQ(back.pixel(16, 16), icon.pixel(16, 16));
    }
    EXPECT_TRUE(modals.shown().empty());
}

TEST_F(IconPage, SavingWithNoTilesCreatesOnlyTheFolder)
{
    f->GrafikBitBtn02->click();
    EXPECT_TRUE(fs::isFolder(IconsFolder()));
    EXPECT_TRUE(SortedNames(IconsFolder()).isEmpty());
    f->GrafikBitBtn03->click();
    EXPECT_EQ(BatchCount, 0);
    EXPECT_TRUE(modals.shown().empty());
}

TEST_F(IconPage, AFailedWriteEndsTheSavingWithAnErrorNamingTheFile)
{
    MakeTestFileBelow(Root + "f", "a.exe", Program({Colours[0], Colours[1]}));
    Extract(Root + "f");
    // The folder "Icons" is one where no file can be created, not even by root.
    ASSERT_EQ(symlink("/proc/self/fdinfo", fs::encodeName(Arbeitsverzeichnis + "Icons").constData()), 0);
    modals.answer(mrOk);
    f->GrafikBitBtn02->click();
    ASSERT_EQ(modals.shown().size(), 1u) << "one box, then the saving ends";
    const ModalRecord &box = modals.shown()[0];
    EXPECT_EQ(box.kind, "MessageDlg");
    EXPECT_EQ(box.dlgType, mtError);
    EXPECT_TRUE(box.text.startsWith(IconsFolder() + "0.ico\r")) << box.text.toStdString();
    EXPECT_GT(box.text.size(), (IconsFolder() + "0.ico\r").size()) << "with the system's reason";

    // "Icons" is a file: the folder cannot be made.
    ASSERT_TRUE(fs::removeFile(Arbeitsverzeichnis + "Icons"));
    MakeTestFileBelow(Arbeitsverzeichnis, "Icons", "a file");
    modals.answer(mrOk);
    f->GrafikBitBtn03->click();
    ASSERT_EQ(modals.shown().size(), 2u);
    EXPECT_TRUE(modals.shown()[1].text.startsWith(IconsFolder() + "\r")) << modals.shown()[1].text.toStdString();
    EXPECT_EQ(fs::readFile(Arbeitsverzeichnis + "Icons"), QByteArray("a file"));
}

TEST_F(IconPage, TheBufferLivesWithTheWindow)
{
    ASSERT_NE(IconBuffer, nullptr);
    MakeTestFileBelow(Root + "f", "a.ico", IconFile(Colours[0]));
    Extract(Root + "f");
    EXPECT_EQ(IconBuffer->pixel(16, 16), Colours[0]) << "the last icon passed through it";
    window_.reset();
    EXPECT_EQ(IconBuffer, nullptr);
}

// ---- Screenshots ----

TEST_F(IconPage, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_SCREENSHOTS=<folder> to save the icons page in German and English";
    std::vector<Group> groups;
    for (int i = 0; i < 12; ++i) {
        QImage picture(48, 48, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(Colours[i % 9]));
        painter.setPen(QPen(Qt::black, 2));
        if (i % 2)
            painter.drawEllipse(4, 4, 40, 40);
        else
            painter.drawRoundedRect(6, 6, 36, 36, 8, 8);
        painter.end();
        groups.push_back({{i % 3 ? Dib(picture, 32) : Png(picture)}, std::nullopt, quint16(i + 1)});
    }
    MakeTestFileBelow(Root + "shots", "tools.dll", Pe(groups));
    f->setWindowState(Qt::WindowNoState);
    f->resize(1024, 700);
    f->show();
    Extract(Root + "shots");
    for (const auto &[language, name] : std::vector<std::pair<int, QString>>{{0, "icons_de.png"}, {10000, "icons_en.png"}}) {
        Sprache = language;
        LanguageIndex = language / 10000;
        ApplyLanguageCaptions();
        f->PageControl->setCurrentWidget(f->TabSheet05);
        f->GrafikSB01->click();
        QApplication::processEvents();
        EXPECT_TRUE(f->grab().save(QDir(folder).filePath(name)));
    }
    Sprache = 0;
    LanguageIndex = 0;
}

} // namespace
