// The MP3 tag editor and the album page of the main window, driven through their
// handlers and the explorer selection, with the answers through the dialog seam.

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/ID3Tag.h"
#include "operations/fktMP3Tags.h"
#include "operations/fktUmbenennen.h"
#include "platform/Abort.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"
#include "support/StoredSettings.h"
#include "operations/fktAllgemein.h"
#include "platform/toolkit/StatusBar.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Tag {
    QByteArray title{}, artist{}, album{}, year{}, comment{};
    int track = -1; // -1: ID3v1.0
    int genre = 255;
};

QByteArray Tagged(const Tag &T)
{
    QByteArray block(128, ' ');
    block.replace(0, 3, "TAG");
    block.replace(3, T.title.size(), T.title);
    block.replace(33, T.artist.size(), T.artist);
    block.replace(63, T.album.size(), T.album);
    block.replace(93, T.year.size(), T.year);
    block.replace(97, T.comment.size(), T.comment);
    if (T.track >= 0) {
        block[125] = 0;
        block[126] = char(T.track);
    }
    block[127] = char(T.genre);
    return QByteArray(64, '\x55') + block;
}

class Mp3Editor : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        Sprache = 0;
        LanguageIndex = 0;
        Mp3TagChanged = false;
        RenameTargetFolder.clear();
        f = &window_.Create();
        Arbeitsverzeichnis = Root;
        Protokolldatei = "Protokoll.txt";
        ActiveExplorer = 1;
        f->DatUmbSpeedButton04->click(); // the MP3 view
    }
    void TearDown() override { EXPECT_EQ(modals_.pending(), 0u) << "a scripted answer was not asked for"; }

    QString Make(const QString &Name, const Tag &T) { return MakeTestFileBelow(dir_.path(), "files/" + Name, Tagged(T)); }
    QByteArray Read(const QString &Path) { return fs::readFile(Path).value_or("<missing>"); }
    static std::unique_ptr<TID3Tag> ReadTag(const QString &Path)
    {
        auto tag = std::make_unique<TID3Tag>();
        tag->setFileName(Path);
        return tag;
    }
    void Open()
    {
        ASSERT_TRUE(f->ShellTreeView01->setPath(Root + "files"));
        f->ShellListView01->Refresh();
    }
    int Row(const QString &Name)
    {
        for (int i = 0; i < f->ShellListView01->Count(); ++i)
            if (f->ShellListView01->Folders(i).PathName.endsWith("/" + Name))
                return i;
        ADD_FAILURE() << "no item " << Name.toStdString();
        return -1;
    }
    // Selects only Name, as a click does: the list's change handler shows it.
    void Select(const QString &Name) { f->ShellListView01->setItemIndex(Row(Name)); }
    const ModalRecord &LastBox() { return modals_.shown().back(); }

    QTemporaryDir dir_;
    QString Root;
    ScriptedModals modals_;
    MainWindowFixture window_;
    THauptForm *f = nullptr;
};

TEST_F(Mp3Editor, ShowsTheSelectedFile)
{
    Make("a.mp3", {"Song", "Band", "Album", "1999", "Nice", 7, 17});
    Make("b.MP3", {"Other"});
    Make("c.mp3", {"Plain", "", "", "", "", -1, 200});
    Open();
    Select("a.mp3");
    EXPECT_EQ(f->MP3Titel->Text(), "Song");
    EXPECT_EQ(f->MP3Interpret->Text(), "Band");
    EXPECT_EQ(f->MP3Album->Text(), "Album");
    EXPECT_EQ(f->MP3Jahr->Text(), "1999");
    EXPECT_EQ(f->MP3Kommentar->Text(), "Nice");
    EXPECT_EQ(f->MP3Genre01->currentText(), "Rock");
    EXPECT_EQ(f->MP3TrackUpDown->Position(), 7);
    EXPECT_EQ(f->MP3TagVersion->ItemIndex(), 1);
    EXPECT_TRUE(f->MP3Track->isEnabled());
    EXPECT_TRUE(f->MP3Titel->isEnabled());
    EXPECT_FALSE(f->MP3SpeedButton1->isEnabled());
    EXPECT_TRUE(f->MP3SpeedButton2->isEnabled());
    EXPECT_FALSE(Mp3TagChanged);

    Select("c.mp3");
    EXPECT_EQ(f->MP3TagVersion->ItemIndex(), 0);
    EXPECT_FALSE(f->MP3Track->isEnabled());
    EXPECT_EQ(f->MP3Genre01->currentText(), "Unknown");

    // Capitals in the extension: the editor is cleared and disabled; the handler goes on.
    Select("b.MP3");
    EXPECT_EQ(f->MP3Titel->Text(), "");
    EXPECT_FALSE(f->MP3Titel->isEnabled());
    EXPECT_EQ(f->MP3TagVersion->ItemIndex(), -1);
    EXPECT_FALSE(f->MP3SpeedButton1->isEnabled());
    EXPECT_EQ(f->ExplorerStatusBar01->Panel(1), FileSizeText(Root + "files/b.MP3"));
}

TEST_F(Mp3Editor, EditsAreSavedByTheButtonOrOnTheQuestion)
{
    const QString a = Make("a.mp3", {"Song", "Band"});
    const QString b = Make("b.mp3", {"Other", "Band"});
    const QString c = Make("c.mp3", {"Third"});
    Open();
    Select("a.mp3");
    f->MP3Titel->setText("Changed");
    EXPECT_TRUE(Mp3TagChanged);
    EXPECT_TRUE(f->MP3SpeedButton1->isEnabled());
    f->MP3SpeedButton1->click();
    EXPECT_EQ(ReadTag(a)->Title(), "Changed");
    EXPECT_FALSE(Mp3TagChanged);
    EXPECT_FALSE(f->MP3SpeedButton1->isEnabled());

    // Another file selected with edits: Yes saves them into the file shown so far.
    f->MP3Interpret->setText("New Band");
    modals_.answer(mrYes);
    Select("b.mp3");
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(LastBox().text, LoadLangString(9020));
    EXPECT_EQ(LastBox().dlgType, mtConfirmation);
    EXPECT_EQ(LastBox().buttonSet, mbYesNo);
    EXPECT_EQ(ReadTag(a)->Artist(), "New Band");
    EXPECT_EQ(ReadTag(b)->Artist(), "Band");
    EXPECT_EQ(f->MP3Titel->Text(), "Other");

    // No leaves the file as it was; while the question is open the editor takes no other file.
    f->MP3Titel->setText("Lost");
    modals_.answerWith([&](QDialog &, const ModalRecord &) {
        ShowMp3Tag(c);
        return int(mrNo);
    });
    Select("a.mp3");
    EXPECT_EQ(modals_.shown().size(), 2u);
    EXPECT_EQ(ReadTag(b)->Title(), "Other");
    EXPECT_EQ(f->MP3Titel->Text(), "Changed");
    EXPECT_EQ(f->ID3Tag->FileName(), a);
}

TEST_F(Mp3Editor, FailedSaveKeepsTheEdits)
{
    const QString a = Make("a.mp3", {"Song"});
    Open();
    Select("a.mp3");
    ASSERT_TRUE(fs::removeFile(a));
    f->MP3Titel->setText("Changed");
    modals_.answer(mrOk);
    f->MP3SpeedButton1->click();
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(LastBox().text, LoadLangString(9117) + '\r' + a);
    EXPECT_EQ(LastBox().dlgType, mtWarning);
    EXPECT_FALSE(fs::exists(a));
    EXPECT_TRUE(Mp3TagChanged);
    EXPECT_TRUE(f->MP3SpeedButton1->isEnabled());
}

// The rename rule reads the tags with a component of its own: the editor still names
// the file it shows, and its save changes only that file.
TEST_F(Mp3Editor, AfterARenameBatchTheSaveChangesOnlyTheShownFile)
{
    const QString shown = Make("Band - Song.mp3", {"Song", "Band"});
    Make("x.mp3", {"One", "Other"});
    Make("y.mp3", {"Two", "Other"});
    Open();
    f->ShellListView01->SelectAll(); // the first of them is shown
    ASSERT_EQ(f->ID3Tag->FileName(), shown);
    modals_.answer(mrYes);
    HMenuAktionenUmbenennenClick();
    EXPECT_EQ(SortedNames(Root + "files"), (QStringList{"Band - Song.mp3", "Other - One.mp3", "Other - Two.mp3"}));
    const QByteArray one = Read(Root + "files/Other - One.mp3");
    const QByteArray two = Read(Root + "files/Other - Two.mp3");
    Select("Band - Song.mp3");
    f->MP3Kommentar->setText("edited");
    f->MP3SpeedButton1->click();
    EXPECT_EQ(ReadTag(shown)->Comment(), "edited");
    EXPECT_EQ(Read(Root + "files/Other - One.mp3"), one);
    EXPECT_EQ(Read(Root + "files/Other - Two.mp3"), two);
}

TEST_F(Mp3Editor, RemovingTags)
{
    const QString a = Make("a.mp3", {"A"});
    const QString b = Make("b.mp3", {"B"});
    Open();
    f->ShellListView01->SelectAll();
    modals_.answer(mrNo);
    f->MP3SpeedButton2->click();
    EXPECT_EQ(LastBox().text, LoadLangString(9018));
    EXPECT_EQ(LastBox().dlgType, mtConfirmation);
    EXPECT_TRUE(ReadTag(a)->TagPresent);
    modals_.answer(mrYes);
    f->MP3SpeedButton2->click();
    EXPECT_EQ(Read(a), QByteArray(64, '\x55'));
    EXPECT_EQ(Read(b), QByteArray(64, '\x55'));
    EXPECT_EQ(f->MP3Titel->Text(), ""); // the selected file shown again, now without a tag
    EXPECT_EQ(f->ID3Tag->FileName(), a);
}

TEST_F(Mp3Editor, AlbumTags)
{
    const QString a = Make("1.mp3", {"x", "y", "", "", "", 9});
    const QString b = Make("2.mp3", {});
    const QString c = MakeTestFileBelow(dir_.path(), "files/3.mp3", QByteArray(10, 'a'));
    ASSERT_TRUE(fs::createFolders(Root + "files/x.2020"));
    Open();
    // Selected in another order than the list's, a folder among them.
    for (const char *name : {"3.mp3", "x.2020", "1.mp3", "2.mp3"})
        f->ShellListView01->setSelected(Row(name), true);
    f->MP3Album02->setText("Album");
    f->MP3Interpret02->setText("Band");
    f->MP3TitelMemo02->setPlainText("One\nTwo\nThree\nFour\n");
    f->MP3Jahr02->setText("2001");
    f->MP3Genre02->setEditText("rock");
    f->MP3Kommentar02->setText("c");
    ASSERT_EQ(f->MP3TagVersion02->ItemIndex(), 1);
    f->MP3SpeedButton3->click();
    const QString files[] = {a, b, c};
    const char *titles[] = {"One", "Two", "Three"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto tag = ReadTag(files[i]);
        EXPECT_EQ(tag->Title(), titles[i]);
        EXPECT_EQ(tag->Artist(), "Band");
        EXPECT_EQ(tag->Album(), "Album");
        EXPECT_EQ(tag->Year(), "2001");
        EXPECT_EQ(tag->Genre(), "Rock");
        EXPECT_EQ(tag->Track(), QString::number(i + 1));
    }
    EXPECT_EQ(Read(c).left(10), QByteArray(10, 'a'));
    EXPECT_EQ(SortedNames(Root + "files/x.2020"), QStringList());
    EXPECT_TRUE(modals_.shown().empty());

    // One artist per line; V1.0 writes no track.
    f->MP3InterpretCB->setChecked(true);
    EXPECT_TRUE(f->MP3InterpretMemo02->isVisibleTo(f));
    EXPECT_FALSE(f->MP3Interpret02->isVisibleTo(f));
    f->MP3InterpretMemo02->setPlainText("P\nQ\nR");
    f->MP3TagVersion02->setItemIndex(0);
    f->MP3SpeedButton3->click();
    EXPECT_EQ(ReadTag(b)->Artist(), "Q");
    EXPECT_TRUE(ReadTag(b)->NoTrack());
}

TEST_F(Mp3Editor, AlbumTagsMessages)
{
    const QString one = Make("1.mp3", {});
    Make("2.mp3", {});
    const QByteArray before = Read(one);
    Open();
    const auto expect = [&](const QString &text) {
        modals_.answer(mrOk);
        f->MP3SpeedButton3->click();
        EXPECT_EQ(LastBox().text, text);
        EXPECT_EQ(LastBox().dlgType, mtInformation);
    };
    expect(LoadLangString(9000));
    f->ShellListView01->SelectAll();
    f->MP3TitelMemo02->setPlainText("One\n"); // a final line break starts no line
    expect(LoadLangString(9021) + '\r' + LoadLangString(9022));
    f->MP3TitelMemo02->setPlainText("One\nTwo");
    f->MP3InterpretCB->setChecked(true);
    f->MP3InterpretMemo02->setPlainText("A");
    expect(LoadLangString(9085) + '\r' + LoadLangString(9086));
    EXPECT_EQ(Read(one), before) << "nothing is written after a message";

    f->MP3EintraegeLoeschen->click();
    EXPECT_EQ(f->MP3TitelMemo02->toPlainText(), "");
    EXPECT_EQ(f->MP3InterpretMemo02->toPlainText(), "");
}

// Writing album tags and removing tags go on past files that fail, and report them
// once after the batch in place of a warning per file.
TEST_F(Mp3Editor, TagBatchesReportTheFailedFilesOnce)
{
    QStringList gone;
    for (const char *name : {"1.mp3", "2.mp3", "3.mp3"})
        gone << Make(name, {"x"});
    const QString kept = Make("4.mp3", {"x"});
    Open();
    f->ShellListView01->SelectAll();
    for (const QString &path : gone)
        ASSERT_TRUE(fs::removeFile(path));
    const QString report = LoadLangString(9130) + "3\r" + LoadLangString(9134) + "\r    " + gone.join("\r    ");

    f->MP3TitelMemo02->setPlainText("A\nB\nC\nD");
    modals_.answer(mrOk);
    f->MP3SpeedButton3->click();
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(LastBox().dlgType, mtError);
    EXPECT_EQ(LastBox().text.toStdString(), report.toStdString());
    EXPECT_EQ(ReadTag(kept)->Title(), "D");

    modals_.answer(mrYes);
    modals_.answer(mrOk);
    f->MP3SpeedButton2->click();
    ASSERT_EQ(modals_.shown().size(), 3u);
    EXPECT_EQ(LastBox().text.toStdString(), report.toStdString());
    EXPECT_FALSE(ReadTag(kept)->TagPresent);
}

TEST_F(Mp3Editor, YearFieldsTakeDigitsOnly)
{
    Make("a.mp3", {"A"});
    Open();
    Select("a.mp3");
    for (TEdit *year : {f->MP3Jahr, f->MP3Jahr02}) {
        year->clear();
        QTest::keyClicks(year, "19a8");
        EXPECT_EQ(year->Text(), "198");
        QTest::keyClick(year, Qt::Key_Backspace);
        EXPECT_EQ(year->Text(), "19");
        year->insert("x0"); // pasted text too
        EXPECT_EQ(year->Text(), "19");
        year->insert("99");
        EXPECT_EQ(year->Text(), "1999");
    }
}

TEST_F(Mp3Editor, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_MP3_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_MP3_SCREENSHOTS=<folder> to save the MP3 view and the album page";
    Make("Song.mp3", {"Song", "Band", "Album", "1999", "Nice", 7, 17});
    for (int language : {0, 10000}) {
        window_.reset();
        StoreSettings([&](TRegistry &reg) { reg.WriteInteger(QStringLiteral("Sprache"), language); });
        f = &window_.Create();
        f->setWindowState(Qt::WindowNoState);
        f->resize(1024, 700);
        f->show();
        f->DatUmbSpeedButton04->click();
        Open();
        Select("Song.mp3");
        f->MP3TitelMemo02->setPlainText("One\nTwo\nThree");
        QApplication::processEvents();
        EXPECT_TRUE(f->grab().save(QDir(folder).filePath(QStringLiteral("mp3-%1.png").arg(language ? "en" : "de"))));
    }
}

} // namespace
