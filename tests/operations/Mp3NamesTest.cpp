// MP3 names through the rename dispatcher and the preview, and the artist targets of
// the sorting action, on tagged files in a temporary folder.

#include "RenameFixture.h"

#include "operations/fktMP3Tags.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "support/FolderNames.h"

#include <QStackedWidget>
#include <QTemporaryDir>

namespace {

struct Tag {
    QByteArray artist, title;
    int track = -1; // -1: ID3v1.0
};

// Audio bytes and an ID3v1 block with Artist, Title and Track.
QByteArray Tagged(const Tag &T)
{
    QByteArray block(128, ' ');
    block.replace(0, 3, "TAG");
    block.replace(3, T.title.size(), T.title);
    block.replace(33, T.artist.size(), T.artist);
    if (T.track >= 0) {
        block[125] = 0;
        block[126] = char(T.track);
    }
    block[127] = char(255);
    return QByteArray(64, '\x55') + block;
}

class Mp3Names : public RenameFixture {
protected:
    void SetUp() override
    {
        RenameFixture::SetUp();
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        Arbeitsverzeichnis = Root;
        Protokolldatei = "Protokoll.txt";
        ActiveExplorer = 1;
        Form().DatUmbSpeedButton04->click(); // the MP3 view: DatUmb01 page 3
        ASSERT_EQ(Form().DatUmb01->currentIndex(), 3);
    }
    QString Make(const QString &Relative, const Tag &T)
    {
        return MakeTestFileBelow(dir_.path(), Relative, Tagged(T));
    }
    void SelectAllIn(const QString &Folder)
    {
        ASSERT_TRUE(Form().ShellTreeView01->setPath(Folder));
        Form().ShellListView01->Refresh();
        Form().ShellListView01->SelectAll();
    }
    // The rename action, answering its question with Yes; nothing to rename ends it silently.
    void Rename()
    {
        modals_.answer(mrYes);
        try {
            HMenuAktionenUmbenennenClick();
        } catch (const EAbort &) {
        }
    }
    QString Root;

private:
    QTemporaryDir dir_;
};

TEST_F(Mp3Names, SchemesInPlace)
{
    struct Case {
        int scheme;
        QStringList expected;
    } const cases[] = {
        {0, {"Band - 1.mp3", "Band - 2.mp3", "Band - Song.mp3", "Solo - Track.mp3", "Unbekannt - Lied.mp3",
             "notag.mp3", "v10.mp3"}},
        {1, {"1 - Band.mp3", "2 - Band.mp3", "Lied - Unbekannt.mp3", "Song - Band.mp3", "Track - Solo.mp3",
             "notag.mp3", "v10.mp3"}},
        // An ID3v1.0 tag gives no name in schemes 2 and 3, and draws no number.
        {2, {"3 - Band - Song.mp3", "4 - Band - 1.mp3", "5 - Band - 2.mp3", "6 - Unbekannt - Lied.mp3", "e.mp3",
             "notag.mp3", "v10.mp3"}},
        {3, {"3 - Song - Band.mp3", "4 - 1 - Band.mp3", "5 - 2 - Band.mp3", "6 - Lied - Unbekannt.mp3", "e.mp3",
             "notag.mp3", "v10.mp3"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.scheme);
        const QString folder = QString::number(c.scheme) + "/";
        Make(folder + "a.mp3", {"Band", "Song", 3});
        Make(folder + "b.mp3", {"Band", "", 4});
        Make(folder + "c.mp3", {"Band", "", 5});
        Make(folder + "d.mp3", {"", "Lied", 6});
        Make(folder + "e.mp3", {"Solo", "Track"});
        MakeTestFileBelow(Root.chopped(1), folder + "notag.mp3", QByteArray(300, 'x'));
        Make(folder + "v10.mp3", {"", ""});
        SelectAllIn(Root + folder);
        Form().MP3RadioGroup1->setItemIndex(c.scheme);
        Rename();
        EXPECT_EQ(SortedNames(Root + folder), c.expected);
    }
}

TEST_F(Mp3Names, TagTextCannotMakeFoldersOrBadNames)
{
    const QString folder = Root + "a=b/";
    Make("a=b/1.mp3", {"AC/DC", "Song"});
    Make("a=b/2.mp3", {"Who?", "Q: A\\B"});
    SelectAllIn(folder);
    Form().MP3RadioGroup1->setItemIndex(0);
    Rename();
    // Mode 0 keeps each file in its folder, even one whose name holds "=".
    EXPECT_EQ(SortedNames(folder), (QStringList{"ACDC - Song.mp3", "Who - Q AB.mp3"}));
    EXPECT_EQ(SortedNames(Root), (QStringList{"Protokoll.txt", "a=b"}));
}

// Modes 1 and 2 put every file directly into the target folder, without its sub-path.
TEST_F(Mp3Names, MoveGoesFlatIntoTheTarget)
{
    Make("src/x.mp3", {"Band", "One"});
    Make("src/sub/y.mp3", {"Band", "Two"});
    ASSERT_TRUE(fs::createFolders(Root + "target"));
    ASSERT_TRUE(Form().ShellTreeView01->setPath(Root + "src"));
    Form().DatUmbRekursiv->setChecked(true);
    Form().DatUmbRadioGroup01->setItemIndex(1);
    Form().DatUmbZielverzeichnis->setText(Root + "target");
    Rename();
    EXPECT_EQ(SortedNames(Root + "target"), (QStringList{"Band - One.mp3", "Band - Two.mp3"}));
    EXPECT_EQ(SortedNames(Root + "src/sub"), QStringList());
}

TEST_F(Mp3Names, TargetModeWithoutFolderIsReported)
{
    Make("src/x.mp3", {"Band", "One"});
    SelectAllIn(Root + "src");
    Form().DatUmbRadioGroup01->setItemIndex(1);
    Form().DatUmbZielverzeichnis->setText("");
    ExpectMessageAndAbort(HMenuAktionenUmbenennenClick, 9003);
    EXPECT_EQ(SortedNames(Root + "src"), QStringList{"x.mp3"});
}

TEST_F(Mp3Names, PreviewShowsTheNames)
{
    Make("src/x.mp3", {"Band", "One"});
    Make("src/y.mp3", {"", ""});
    SelectAllIn(Root + "src");
    Form().DatUmbVorschau->setDown(true);
    ShowRenamePreview();
    const TStringGrid *grid = Form().VorschauStringGrid01;
    ASSERT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(1, 1), "Band - One.mp3");
    EXPECT_EQ(grid->Cells(1, 2), "y.mp3");
    EXPECT_EQ(SortedNames(Root + "src"), (QStringList{"x.mp3", "y.mp3"}));
}

// The artist targets the sorting action carries out, on the work lists directly.
TEST_F(Mp3Names, ArtistFolders)
{
    const QString band1 = Make("src/a.mp3", {"Band", "One"});
    const QString band2 = Make("src/sub/b.mp3", {"Band", "Two"});
    const QString none = Make("src/c.mp3", {"", "Three"});
    const QString acdc = Make("src/d.mp3", {"AC/DC", "Four"});
    const QString dots = Make("src/e.mp3", {"..", "Five"});
    const QString slashes = Make("src/f.mp3", {"/\\", "Six"});
    const QString untagged = MakeTestFileBelow(Root.chopped(1), "src/g.mp3", "x");
    const QStringList files{band1, band2, none, acdc, dots, slashes, untagged};
    Form().DatUmbRadioGroup01->setItemIndex(1);
    Form().DatUmbZielverzeichnis->setText(Root + "Target");
    EXPECT_EQ(Run(SortMp3FilesByArtist, files),
              (QStringList{Root + "Target/Band/a.mp3", Root + "Target/Band/b.mp3", none, Root + "Target/ACDC/d.mp3",
                           dots, slashes, untagged}));
    EXPECT_EQ(RenameTargetFolder, Root + "Target/");

    Form().DatUmbZielverzeichnis->setText("");
    ExpectMessageAndAbort([&] { Run(SortMp3FilesByArtist, files); }, 9003);
}

} // namespace
