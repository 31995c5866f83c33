// The collectors that fill the work lists: recursive search, explorer selection,
// explorer folder tree and file list, and the pruning of unchanged pairs.

#include "operations/fktAllgemein.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/Abort.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <unistd.h>

#include <memory>

namespace {

class Collectors : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        form_.Create();
        ActiveExplorer = 1;
        FilterMasksLeft.clear();
        FilterMasksRight.clear();
    }
    void TearDown() override
    {
        form_.reset();
    }
    void MakeFiles(const QStringList &paths)
    {
        for (const QString &p : paths) {
            const QString full = Root + p;
            ASSERT_TRUE(fs::createFolders(full.left(full.lastIndexOf('/'))));
            ASSERT_TRUE(fs::writeFileAtomic(full, "x"));
        }
    }
    QStringList Full(const QStringList &paths) const
    {
        QStringList r;
        for (const QString &p : paths)
            r << Root + p;
        return r;
    }
    // Runs fn, expecting the information box with text id and then the silent abort.
    void ExpectReportAndAbort(const std::function<void()> &fn, int id)
    {
        ScriptedModals modals;
        modals.answer(mrOk);
        EXPECT_THROW(fn(), EAbort);
        ASSERT_EQ(modals.shown().size(), 1u);
        const ModalRecord &r = modals.shown()[0];
        EXPECT_EQ(r.kind, QStringLiteral("MessageDlg"));
        EXPECT_EQ(r.text, LoadLangString(id));
        EXPECT_EQ(r.dlgType, mtInformation);
        EXPECT_EQ(r.buttonSet, mbOKOnly);
    }

    QTemporaryDir dir_;
    QString Root;
    MainWindowFixture form_;
};

TEST_F(Collectors, RecursiveSearchOrderHiddenFilesAndDotFolders)
{
    MakeFiles({"b.txt", "A.TXT", ".hidden.txt", "x.doc", "sub/c.txt", "sub/deeper/d.txt", "Sub2/e.txt",
               ".dotdir/f.txt", "sub/.g.txt"});
    // A link to a folder is not followed.
    ASSERT_EQ(symlink(fs::encodeName(Root + "sub").constData(), fs::encodeName(Root + "linked").constData()), 0);
    form_->AlteDateinamen = QStringList{"kept"};
    CollectFilesRecursive(Root + "*.txt");
    EXPECT_EQ(form_->AlteDateinamen,
              QStringList{"kept"} + Full({".hidden.txt", "A.TXT", "b.txt", "sub/.g.txt", "sub/c.txt",
                                          "sub/deeper/d.txt", "Sub2/e.txt"}));
}

TEST_F(Collectors, RecursiveSearchOfMissingFolderOrRelativeMaskFindsNothing)
{
    CollectFilesRecursive(Root + "missing/*.*");
    CollectFilesRecursive(QStringLiteral("*.*"));
    CollectFilesRecursive(QStringLiteral("relative/*.*"));
    EXPECT_TRUE(form_->AlteDateinamen.isEmpty());
}

TEST_F(Collectors, RecursiveSearchNameThatIsNotUtf8)
{
    const QString name = fs::decodeName(QByteArray("caf\xE9.txt"));
    ASSERT_TRUE(fs::writeFileAtomic(Root + name, "x"));
    CollectFilesRecursive(Root + "*.*");
    ASSERT_EQ(form_->AlteDateinamen.size(), 1);
    EXPECT_EQ(fs::encodeName(form_->AlteDateinamen[0]), fs::encodeName(Root) + "caf\xE9.txt");
}

TEST_F(Collectors, RecursiveSearchGuardsAgainstASecondBatch)
{
    MakeFiles({"a.txt", "s/b.txt"});
    bool secondEntered = true;
    bool sawRunning = false;
    // Runs while the search lets the message loop run.
    QTimer::singleShot(0, [&] {
        sawRunning = BatchGuard::Running();
        BatchGuard second;
        secondEntered = second.Entered();
    });
    for (int i = 0; i < 50 && !sawRunning; ++i) {
        form_->AlteDateinamen.clear();
        CollectFilesRecursive(Root + "*.txt");
        usleep(11000);
    }
    EXPECT_TRUE(sawRunning);
    EXPECT_FALSE(secondEntered);
    EXPECT_FALSE(BatchGuard::Running());
    BatchGuard afterwards;
    EXPECT_TRUE(afterwards.Entered());
}

TEST_F(Collectors, SelectedFilesOfTheActiveList)
{
    MakeFiles({"a.txt", "b.txt", "c.txt", "folder/x.txt"});
    TShellListView *left = form_->ShellListView01;
    TShellListView *right = form_->ShellListView02;
    left->setRoot(Root);
    right->setRoot(Root);
    ASSERT_EQ(left->Count(), 4); // folder first, then the files
    left->setSelected(3, true);
    left->setSelected(0, true); // a folder is passed over
    left->setSelected(1, true);
    right->setSelected(2, true);
    form_->NeueDateinamen = QStringList{"stale"};

    ActiveExplorer = 1; // selecting on the right made the right pair active
    CollectSelectedFiles();
    EXPECT_EQ(form_->AlteDateinamen, Full({"a.txt", "c.txt"}));
    EXPECT_TRUE(form_->NeueDateinamen.isEmpty());
    ActiveExplorer = 2;
    CollectSelectedFiles();
    EXPECT_EQ(form_->AlteDateinamen, Full({"b.txt"}));
}

TEST_F(Collectors, SelectionOfFoldersOnlyOrNothingIsReported)
{
    MakeFiles({"folder/x.txt"});
    form_->ShellListView01->setRoot(Root);
    ExpectReportAndAbort([] { CollectSelectedFiles(); }, 9000);
    form_->ShellListView01->setSelected(0, true);
    ExpectReportAndAbort([] { CollectSelectedFiles(); }, 9000);
    EXPECT_TRUE(form_->AlteDateinamen.isEmpty());
}

TEST_F(Collectors, FolderFilesByTheMasksOfTheFilter)
{
    MakeFiles({"a.jpg", "b.JPEG", "c.txt", "sub/d.jpg"});
    ASSERT_TRUE(form_->ShellTreeView01->setPath(Root));
    FilterMasksLeft = QStringList{"*.jpg", "*.jpeg", "*.JPG"};
    QString folder;
    CollectFolderFiles(folder);
    EXPECT_EQ(folder, Root);
    // In mask order; a file that two masks match is there twice.
    EXPECT_EQ(form_->AlteDateinamen, Full({"a.jpg", "sub/d.jpg", "b.JPEG", "a.jpg", "sub/d.jpg"}));

    ASSERT_TRUE(form_->ShellTreeView02->setPath(Root + "sub"));
    FilterMasksRight = QStringList{"*.*"};
    ActiveExplorer = 2;
    CollectFolderFiles(folder);
    EXPECT_EQ(folder, Root + "sub/");
    EXPECT_EQ(form_->AlteDateinamen, Full({"sub/d.jpg"}));
}

TEST_F(Collectors, FolderFilesNothingFound)
{
    MakeFiles({"c.txt"});
    ASSERT_TRUE(form_->ShellTreeView01->setPath(Root));
    FilterMasksLeft = QStringList{"*.jpg"};
    QString folder = "unchanged";
    ExpectReportAndAbort([&] { CollectFolderFiles(folder); }, 9052);
    EXPECT_EQ(folder, "unchanged");
    // No filter chosen yet, or a mask that would leave the folder.
    FilterMasksLeft = QStringList{};
    ExpectReportAndAbort([&] { CollectFolderFiles(folder); }, 9052);
    FilterMasksLeft = QStringList{"../*.*"};
    ExpectReportAndAbort([&] { CollectFolderFiles(folder); }, 9052);
    EXPECT_TRUE(form_->AlteDateinamen.isEmpty());
}

TEST_F(Collectors, FileListRowsAndBatchCount)
{
    TStringGrid *grid = form_->DLStringGrid;
    grid->setRowCount(4);
    grid->setCells(1, 0, "/p/a");
    grid->setCells(1, 2, "/p/c");
    grid->setCells(1, 3, "/p/d");
    QString folder = "x";
    CollectFileListFiles(folder);
    EXPECT_EQ(form_->AlteDateinamen, (QStringList{"/p/a", "/p/c", "/p/d"})); // the empty row is passed over
    EXPECT_EQ(BatchCount, 3);
    EXPECT_EQ(folder, QString());
}

TEST_F(Collectors, FileListEmptyOrWithEmptyFirstRow)
{
    TStringGrid *grid = form_->DLStringGrid;
    QString folder;
    BatchCount = 7;
    ExpectReportAndAbort([&] { CollectFileListFiles(folder); }, 9052);
    EXPECT_EQ(BatchCount, 0);
    grid->setRowCount(3);
    grid->setCells(1, 1, "/p/b");
    BatchCount = 7;
    ExpectReportAndAbort([&] { CollectFileListFiles(folder); }, 9052);
    EXPECT_EQ(BatchCount, 0);
    EXPECT_TRUE(form_->AlteDateinamen.isEmpty());
}

TEST_F(Collectors, DropUnchangedNames)
{
    form_->AlteDateinamen = QStringList{"/a/1", "/a/2", "/a/x", "/a/4"};
    form_->NeueDateinamen = QStringList{"/a/1", "/a/two", "/a/X", "/a/4"};
    DropUnchangedNames();
    EXPECT_EQ(form_->AlteDateinamen, (QStringList{"/a/2", "/a/x"})); // a case change stays
    EXPECT_EQ(form_->NeueDateinamen, (QStringList{"/a/two", "/a/X"}));

    form_->AlteDateinamen = QStringList{"/a/1", "/a/2"};
    form_->NeueDateinamen = form_->AlteDateinamen;
    ScriptedModals modals; // nothing may be shown
    EXPECT_THROW(DropUnchangedNames(), EAbort);
    EXPECT_TRUE(form_->AlteDateinamen.isEmpty());
    EXPECT_TRUE(form_->NeueDateinamen.isEmpty());
    EXPECT_TRUE(modals.shown().empty());
}

} // namespace
