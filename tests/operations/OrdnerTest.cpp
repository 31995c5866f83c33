// The folder tools: folder series, the folder listing, folder sizes, the empty folders
// and their way to the trash, on real folders.

#include "operations/fktOrdner.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/Abort.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class FolderTools : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        form_.Create();
        ActiveExplorer = 1;
        ASSERT_TRUE(form_->ShellTreeView01->setPath(Root));
    }
    void TearDown() override
    {
        EXPECT_EQ(modals_.pending(), 0u) << "a scripted answer was not asked for";
        form_.reset();
    }

    void Folder(const QString &relative) { ASSERT_TRUE(fs::createFolders(Root + relative)); }
    void File(const QString &relative, const QByteArray &content = "x") { MakeTestFileBelow(Root.chopped(1), relative, content); }
    void Link(const QString &target, const QString &relative)
    {
        ASSERT_EQ(::symlink(fs::encodeName(target).constData(), fs::encodeName(Root + relative).constData()), 0);
    }
    // The empty folders below the root, relative to it.
    QStringList EmptyFolders()
    {
        ListEmptyFolders(Root);
        QStringList found;
        for (const QString &path : form_->AlteDateinamen)
            found << path.mid(Root.size());
        return found;
    }
    void Series(const QString &first, const QString &second, const QString &start, const QString &end, bool pad)
    {
        form_->OrdName01->setText(first);
        form_->OrdName02->setText(second);
        form_->OrdStartwert->setText(start);
        form_->OrdEndwert->setText(end);
        form_->OrdCheckBox1->setChecked(pad);
        form_->OrdnerSerieErstellen->click();
    }

    QString Root;
    MainWindowFixture form_;
    ScriptedModals modals_;

private:
    QTemporaryDir dir_;
};

TEST_F(FolderTools, Series)
{
    struct Case {
        const char *first, *second, *start, *end;
        bool pad;
        QStringList created;
    } cases[] = {
        {"Fotos", "", "8", "10", true, {"Fotos08", "Fotos09", "Fotos10"}},
        {"Fotos", "", "8", "10", false, {"Fotos10", "Fotos8", "Fotos9"}},
        {"Fotos", "", "5", "007", true, {"Fotos005", "Fotos006", "Fotos007"}},
        {"Fotos", "x", "5", "7", false, {"Fotos5x", "Fotos6x", "Fotos7x"}},
        {"a/b", "c\\d", "0", "0", false, {"ab0cd"}},
        {"Fotos", "", "3", "2", false, {}},     // end below start
        {"Fotos", "", "", "2", false, {}},      // emptied start
        {"Fotos", "", "0", "32768", false, {}}, // above the range
    };
    EXPECT_EQ(form_->OrdName01->Text(), LoadLangString(1860)); // "Fotos" in German
    int n = 0;
    for (const Case &c : cases) {
        const QString target = Root + QString::number(n++);
        ASSERT_TRUE(fs::createFolders(target));
        form_->OrdnerZielverzeichnis->setText(target); // without a trailing "/": inside it
        Series(c.first, c.second, c.start, c.end, c.pad);
        EXPECT_EQ(SortedNames(target), c.created) << c.first << " " << c.start << ".." << c.end;
    }
    EXPECT_TRUE(modals_.shown().empty());

    // Without a target folder: the left tree's folder.
    form_->OrdnerZielverzeichnis->setText("");
    Series("Neu", "", "1", "1", false);
    EXPECT_TRUE(fs::isFolder(Root + "Neu1"));
}

TEST_F(FolderTools, SeriesOverAFileReportsItAndGoesOn)
{
    File("Fotos9");
    modals_.answer(mrOk);
    Series("Fotos", "", "8", "10", false);
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(modals_.shown()[0].text, LoadLangString(9011) + '\r' + Root + "Fotos9\r" + LoadLangString(9012));
    EXPECT_EQ(modals_.shown()[0].dlgType, mtWarning);
    EXPECT_TRUE(fs::isFolder(Root + "Fotos8"));
    EXPECT_TRUE(fs::isFolder(Root + "Fotos10"));
    EXPECT_TRUE(fs::isRegularFile(Root + "Fotos9"));
}

TEST_F(FolderTools, ListingIsSortedPreOrderWithoutDotFolders)
{
    for (const char *f : {"b/y", "a/z", "a/.git/objects", "B2", ".hidden"})
        Folder(f);
    Link(Root + "a", "link");
    form_->AlteDateinamen = QStringList{"kept"};
    ListFoldersRecursive(Root.chopped(1));
    QStringList listed;
    for (const QString &path : form_->AlteDateinamen.mid(1))
        listed << path.mid(Root.size());
    EXPECT_EQ(form_->AlteDateinamen.value(0), "kept"); // the list is not cleared
    EXPECT_EQ(listed, (QStringList{"", "a/", "a/z/", "b/", "b/y/", "B2/"}));
}

TEST_F(FolderTools, SizesCountRegularFilesOnly)
{
    File("a.bin", QByteArray(100, 'a'));
    File(".hidden", QByteArray(10, 'h'));
    File("sub/b.bin", QByteArray(1000, 'b'));
    File(".dot/c.bin", QByteArray(5, 'c'));
    Folder("empty");
    Link(Root + "sub/b.bin", "link.bin");
    EXPECT_EQ(GetFolderSize(Root, false), 110);
    EXPECT_EQ(GetFolderSize(Root.chopped(1), true), 1110);
    EXPECT_EQ(GetFolderSize(Root + "empty", true), 0);
}

TEST_F(FolderTools, EmptyFoldersHoldNothingButFolders)
{
    Folder("A/B");
    File("A/zero", "");          // a zero-byte file is content
    File("top.txt");
    Folder("C/D/E");             // nested: each listed, parents first
    Folder("Git/.git");
    File("Git/.git/config", ""); // content below a dot-named folder
    Folder("Linked");
    Link(Root + "nowhere", "Linked/dangling");
    Folder("Fifo");
    ASSERT_EQ(::mkfifo(fs::encodeName(Root + "Fifo/pipe").constData(), 0600), 0);
    Folder("Hidden");
    File("Hidden/.secret", "s");
    Folder(".dot/inner");        // dot-named folders and what lies below them: never listed
    Folder("F/.g/h");            // F holds only folders: listed; .g and h not
    EXPECT_EQ(EmptyFolders(), (QStringList{"A/B", "C", "C/D", "C/D/E", "F"}));
    EXPECT_TRUE(IsEmptyFolderTree(Root + "C"));
    EXPECT_FALSE(IsEmptyFolderTree(Root + "A"));
    EXPECT_FALSE(IsEmptyFolderTree(Root + "Git"));
}

TEST_F(FolderTools, SystemFoldersAreNeverListed)
{
    ListEmptyFolders("/usr/");
    EXPECT_TRUE(form_->AlteDateinamen.isEmpty());
    // Through a link the real path counts.
    Link("/usr", "system");
    ListEmptyFolders(Root + "system");
    EXPECT_TRUE(form_->AlteDateinamen.isEmpty());
    // No walk enters /proc or /sys.
    EXPECT_EQ(GetFolderSize("/proc", true), 0);
    form_->AlteDateinamen.clear();
    ListFoldersRecursive("/sys");
    EXPECT_EQ(form_->AlteDateinamen, QStringList{"/sys/"});
}

class EmptyFolderDeletion : public FolderTools {
protected:
    QString Trash() const { return qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/"; }
    void Delete(int answer)
    {
        modals_.answer(answer);
        form_->DeleteEmptyFolders->click();
    }
};

TEST_F(EmptyFolderDeletion, NoneFoundIsReported)
{
    File("a.txt");
    Delete(mrOk);
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(modals_.shown()[0].text, LoadLangString(9090));
    EXPECT_EQ(modals_.shown()[0].dlgType, mtInformation);
}

TEST_F(EmptyFolderDeletion, YesMovesEachToTheTrashDeepestFirst)
{
    Folder("one/B");
    Folder("two/B");
    File("two/keep.txt");
    Delete(mrYes);
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(modals_.shown()[0].text, "3" + LoadLangString(9088) + '\r' + LoadLangString(9089));
    EXPECT_EQ(modals_.shown()[0].dlgType, mtConfirmation);
    EXPECT_EQ(modals_.shown()[0].buttonSet, mbYesNo);
    EXPECT_EQ(SortedNames(Root), QStringList{"two"});
    EXPECT_EQ(SortedNames(Root + "two"), QStringList{"keep.txt"});
    // one/B went before one, so "one" arrives holding nothing; each has its .trashinfo.
    EXPECT_EQ(SortedNames(Trash() + "files"), (QStringList{"B", "B.2", "one"}));
    EXPECT_EQ(SortedNames(Trash() + "info"), (QStringList{"B.2.trashinfo", "B.trashinfo", "one.trashinfo"}));
    EXPECT_TRUE(SortedNames(Trash() + "files/one").isEmpty());
}

TEST_F(EmptyFolderDeletion, NoKeepsEverything)
{
    Folder("A/B");
    modals_.answer(mrNo);
    EXPECT_THROW(form_->DeleteEmptyFoldersClick(), EAbort);
    EXPECT_TRUE(fs::isFolder(Root + "A/B"));
    EXPECT_FALSE(fs::exists(Trash()));
}

} // namespace
