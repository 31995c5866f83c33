// The preview pane of view mode 1: pictures placed in the 150 x 150 square, files that
// cannot be decoded, and media files in the player.

#include "platform/fs/FileSystem.h"
#include "platform/toolkit/MediaPlayer.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/MainWindowFixture.h"
#include "support/SilentWav.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ExplorerPreview : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path();
        form_.Create();
    }
    QString Write(const QString &name, const QByteArray &bytes)
    {
        const QString path = Root + "/" + name;
        EXPECT_TRUE(fs::writeFileAtomic(path, bytes));
        return path;
    }
    static QByteArray Encoded(QSize size, const char *format)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, format));
        return bytes;
    }
    // Shows the file by selecting it in the left list.
    void SelectInLeftList(const QString &name)
    {
        TShellListView *list = form_->ShellListView01;
        if (list->Root() != Root) {
            ASSERT_TRUE(form_->ShellTreeView01->setPath(Root));
        }
        list->Refresh();
        for (int i = 0; i < list->Count(); ++i)
            if (list->Folders(i).Name == name) {
                list->setItemIndex(i);
                return;
            }
        FAIL() << name.toStdString() << " not listed";
    }
    bool PictureShown() const
    {
        return !form_->ExplorerImage01->pixmap().isNull() && form_->ExplorerImage01->isVisibleTo(form_.get());
    }
    QTemporaryDir dir_;
    QString Root;
    MainWindowFixture form_;
};

TEST_F(ExplorerPreview, PicturesAreFittedIntoTheSquare)
{
    const struct {
        const char *name;
        QSize size;
        QRect shown;
    } cases[] = {
        {"breit.png", {300, 150}, {0, 38, 150, 75}},    // top 37.5 to the even neighbour
        {"hoch.png", {100, 200}, {38, 0, 75, 150}},
        {"quadrat.bmp", {40, 40}, {0, 0, 150, 150}},    // small pictures are enlarged
        {"kamera.jpg", {1600, 1200}, {0, 19, 150, 112}}, // 112.5 to 112, read reduced
        {"streifen.jpg", {1000, 10}, {0, 74, 150, 2}},
    };
    for (const auto &c : cases) {
        const QString name = QString::fromUtf8(c.name);
        Write(name, Encoded(c.size, name.endsWith(".jpg") ? "JPG" : name.endsWith(".bmp") ? "BMP" : "PNG"));
        SelectInLeftList(name);
        EXPECT_EQ(form_->ExplorerImage01->geometry(), c.shown) << c.name;
        EXPECT_TRUE(PictureShown()) << c.name;
    }
}

TEST_F(ExplorerPreview, WhatCannotBeDecodedLeavesThePreviewEmpty)
{
    const QByteArray jpeg = Encoded({300, 150}, "JPG");
    Write("gut.jpg", jpeg);
    Write("abgeschnitten.jpg", jpeg.left(jpeg.size() * 2 / 3));
    Write("text.txt", "kein Bild");
    Write("ohne_endung", "");
    for (const char *broken : {"abgeschnitten.jpg", "text.txt", "ohne_endung"}) {
        SelectInLeftList("gut.jpg");
        ASSERT_TRUE(PictureShown());
        SelectInLeftList(QString::fromUtf8(broken));
        EXPECT_TRUE(form_->ExplorerImage01->pixmap().isNull()) << broken;
        EXPECT_TRUE(form_->ExplorerImage01->isVisibleTo(form_.get())) << broken;
    }
    // Nothing selected: the preview is cleared.
    SelectInLeftList("gut.jpg");
    form_->ShellListView01->ClearSelection();
    EXPECT_TRUE(form_->ExplorerImage01->pixmap().isNull());
}

TEST_F(ExplorerPreview, NothingHappensWhileThePaneIsHidden)
{
    Write("bild.png", Encoded({50, 50}, "PNG"));
    form_->ExplorerVorschau->hide();
    SelectInLeftList("bild.png");
    EXPECT_TRUE(form_->ExplorerImage01->pixmap().isNull());
}

TEST_F(ExplorerPreview, MediaFilesGoToThePlayer)
{
    TMediaPlayer *player = form_->ExplorerMediaPlayer;
    const QString mpeg = Write("clip.MPEG", QByteArray(64, '\0'));
    Write("clip.mpe", QByteArray(64, '\0'));
    SelectInLeftList("clip.mpe"); // not a media extension: the picture branch
    EXPECT_TRUE(player->FileName().isEmpty());
    EXPECT_FALSE(player->IsOpen());
    EXPECT_TRUE(form_->ExplorerImage01->pixmap().isNull());

    SelectInLeftList("clip.MPEG");
    EXPECT_EQ(player->FileName(), mpeg);
    EXPECT_TRUE(player->IsOpen());
    EXPECT_EQ(player->DisplayRect(), QRect(0, 0, 150, 150));

    // Losing the selection closes the file.
    form_->ShellListView01->ClearSelection();
    EXPECT_TRUE(player->FileName().isEmpty());
    EXPECT_FALSE(player->IsOpen());
    EXPECT_EQ(player->Mode(), TMediaPlayer::mpNotReady);

    // A media file that cannot be opened leaves the player without a file.
    form_->ShowExplorerPreview(Root + "/fehlt.wav");
    EXPECT_TRUE(player->FileName().isEmpty());
    EXPECT_FALSE(player->IsOpen());
}

TEST_F(ExplorerPreview, TheEndOfTheMediaStopsAndRewindsThePlayer)
{
    Write("stille.wav", SilentWav(200));
    SelectInLeftList("stille.wav");
    TMediaPlayer *player = form_->ExplorerMediaPlayer;
    ASSERT_TRUE(player->IsOpen());
    player->Play();
    ASSERT_EQ(player->Mode(), TMediaPlayer::mpPlaying);
    emit player->OnNotify(); // as the player reports the end of the media
    EXPECT_EQ(player->Mode(), TMediaPlayer::mpStopped);
    EXPECT_TRUE(player->IsOpen());
    EXPECT_EQ(player->FileName(), Root + "/stille.wav");
}

} // namespace
