// The folder rename rules: the rules on prepared batches, the gathering of the folders,
// and the whole road through the rename action and its preview on real folders.

#include "RenameFixture.h"

#include "operations/fktAllgemein.h"
#include "operations/fktOrdner.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "support/FolderNames.h"
#include "support/UndoLogFolder.h"

#include <QTabWidget>
#include <QTemporaryDir>

namespace {

class FolderRules : public RenameFixture {
protected:
    // Runs the rule of RadioGroupOrdU1 on the given paths below "/base/" (as the
    // preparation leaves them) and returns the new paths below the base.
    QStringList Rule(int Rule, const QStringList &Relative)
    {
        FolderRenameBase = "/base/";
        Form().RadioGroupOrdU1->setItemIndex(Rule);
        QStringList old;
        for (const QString &r : Relative)
            old << FolderRenameBase + r;
        Form().AlteDateinamen = old;
        Form().NeueDateinamen = Relative;
        ApplyFolderRenameRule();
        QStringList result;
        for (const QString &path : std::as_const(Form().NeueDateinamen)) {
            EXPECT_TRUE(path.startsWith(FolderRenameBase)) << path.toStdString();
            result << path.mid(FolderRenameBase.size());
        }
        return result;
    }
};

TEST_F(FolderRules, CutInsertAndShortenCountCharacters)
{
    struct Case {
        const char *what;
        std::function<void(THauptForm &)> set;
        int rule;
        QString name, expected;
    };
    const auto cut = [](int p, int c, int side) {
        return [=](THauptForm &f) {
            f.OrdnerZKPosition02UpDown->setPosition(p);
            f.OrdnerZKEntUpDown->setPosition(c);
            f.RadioGroupOrdU4->setItemIndex(side);
        };
    };
    const auto insert = [](const QString &text, int n, int side) {
        return [=](THauptForm &f) {
            f.EditOrdU3->setText(text);
            f.OrdnerZKPositionUpDown->setPosition(n);
            f.RadioGroupOrdU3->setItemIndex(side);
        };
    };
    const auto shorten = [](int n, int side) {
        return [=](THauptForm &f) {
            f.OrdnerAnzEntUpDown->setPosition(n);
            f.RadioGroupOrdU5->setItemIndex(side);
        };
    };
    const Case cases[] = {
        {"cut from the start P1 C2", cut(1, 2, 0), 2, "Archiv", "chiv"},
        {"cut from the start P5 C2", cut(5, 2, 0), 2, "Archiv", "Arch"},
        {"cut from the start P5 C3 does not fit", cut(5, 3, 0), 2, "Archiv", "Archiv"},
        {"cut from the end P3 C1", cut(3, 1, 1), 2, "Archiv", "Arciv"},
        {"cut the whole name keeps it", cut(1, 6, 0), 2, "Archiv", "Archiv"},
        {"cut counts characters", cut(1, 1, 0), 2, QString::fromUtf8("\xF0\x9F\x98\x80x"), "x"},
        {"insert at 10 into six characters", insert("X", 10, 0), 1, "Archiv", "Archiv"},
        {"insert at 2 from the start", insert("XY", 2, 0), 1, "Archiv", "ArXYchiv"},
        {"insert at 2 from the end", insert("XY", 2, 1), 1, "Archiv", "ArchXYiv"},
        {"insert text loses its separators", insert("/a\\", 0, 0), 1, "Archiv", "aArchiv"},
        {"shorten to 4 from the end", shorten(4, 1), 4, "Archiv", "Arch"},
        {"shorten to 4 from the start", shorten(4, 0), 4, "Archiv", "chiv"},
        {"a name of four stays", shorten(4, 1), 4, "Abcd", "Abcd"},
        {"shorten to 0 renames nothing", shorten(0, 1), 4, "Archiv", "Archiv"},
    };
    for (const Case &c : cases) {
        c.set(Form());
        EXPECT_EQ(Rule(c.rule, {c.name}), QStringList{c.expected}) << c.what;
    }
}

TEST_F(FolderRules, ReplaceAndLetterCaseChangeTheLastComponentOnly)
{
    Form().EditOrdU1->setText("ch");
    Form().EditOrdU2->setText("/x\\");
    EXPECT_EQ(Rule(0, {"Archiv", "ach/chor/"}), (QStringList{"Arxiv", "ach/xor"}));
    Form().EditOrdU1->setText("Archiv");
    Form().EditOrdU2->setText("");
    EXPECT_EQ(Rule(0, {"Archiv"}), QStringList{"Archiv"}) << "an empty name leaves the folder";
    Form().EditOrdU2->setText("..");
    EXPECT_EQ(Rule(0, {"Archiv"}), QStringList{"Archiv"});

    const struct {
        int mode;
        const char *expected;
    } cases[] = {{0, "sub1/Ab cD"}, {1, "sub1/Ab CD"}, {2, "sub1/AB CD"}, {3, "sub1/ab cd"}, {4, "sub1/AB Cd"}};
    for (const auto &c : cases) {
        Form().RadioGroupOrdU2->setItemIndex(c.mode);
        EXPECT_EQ(Rule(3, {"sub1/ab cD/"}), QStringList{c.expected}) << c.mode;
    }
}

TEST_F(FolderRules, SplitTakesWholeComponents)
{
    Form().NeueDateinamen = {"sub1/sub2/", "sub1/", "sub1/sub2"};
    const FolderPathParts deep = SplitFolderPath(0);
    EXPECT_EQ(deep.Parent, "sub1/");
    EXPECT_EQ(deep.Name, "sub2");
    const FolderPathParts top = SplitFolderPath(1);
    EXPECT_EQ(top.Parent, "");
    EXPECT_EQ(top.Name, "sub1");
    EXPECT_EQ(SplitFolderPath(2).Name, "sub2");
}

TEST_F(FolderRules, MessagesEndTheAction)
{
    QTemporaryDir dir;
    ASSERT_TRUE(Form().ShellTreeView01->setPath(dir.path()));
    ActiveExplorer = 1;
    ExpectMessageAndAbort(PrepareFolderRenameLists, 9059);
    Form().EditOrdU1->setText("");
    ExpectMessageAndAbort([&] { Rule(0, {"a"}); }, LoadLangString(9008) + "\r" + LoadLangString(9009));
}

// ---- The road on real folders ----

class FolderRoad : public RenameFixture {
protected:
    void SetUp() override
    {
        RenameFixture::SetUp();
        ASSERT_TRUE(dir_.isValid());
        Base = dir_.path() + "/base/";
        ASSERT_TRUE(fs::createFolders(Base));
        Log = UseUndoLogBelow(dir_.path() + "/");
        ASSERT_FALSE(Log.isEmpty());
        Form().PageControl->setCurrentWidget(Form().TabSheet04);
        ActiveExplorer = 1;
    }
    void Show() { ASSERT_TRUE(Form().ShellTreeView01->setPath(Base)); }
    void UpperCaseRecursively()
    {
        Form().OrdnerRekursiv->setChecked(true);
        Form().RadioGroupOrdU1->setItemIndex(3);
        Form().RadioGroupOrdU2->setItemIndex(2);
    }
    void SelectAll()
    {
        Form().ShellListView01->Refresh();
        Form().ShellListView01->SelectAll();
    }
    // The rename action that asks nothing.
    void RenameSilently()
    {
        const size_t before = modals_.shown().size();
        EXPECT_THROW(HMenuAktionenUmbenennenClick(), EAbort);
        EXPECT_EQ(modals_.shown().size(), before);
        EXPECT_EQ(fs::readFile(Log).value_or(""), OldUndoLog) << "the last undo log stays";
    }

    QString Base, Log;

private:
    QTemporaryDir dir_;
};

TEST_F(FolderRoad, RecursiveUpperCaseAndUndo)
{
    ASSERT_TRUE(fs::createFolders(Base + "a/b"));
    Show();
    UpperCaseRecursively();
    modals_.answer(mrYes);
    HMenuAktionenUmbenennenClick();
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(modals_.shown().back().dlgType, mtWarning);
    EXPECT_EQ(SortedNames(Base), QStringList{"A"});
    EXPECT_EQ(SortedNames(Base + "A"), QStringList{"B"});
    EXPECT_EQ(Form().HMenuDateiRueckgaengig->Tag, 2);

    Form().HMenuDateiRueckgaengig->trigger();
    EXPECT_EQ(SortedNames(Base), QStringList{"a"});
    EXPECT_EQ(SortedNames(Base + "a"), QStringList{"b"});
}

TEST_F(FolderRoad, NothingToRenameAsksNothing)
{
    // A recursive gathering without sub-folders.
    Show();
    UpperCaseRecursively();
    RenameSilently();

    // A rule that changes no name.
    ASSERT_TRUE(fs::createFolders(Base + "ab"));
    Show();
    Form().OrdnerRekursiv->setChecked(false);
    SelectAll();
    Form().RadioGroupOrdU1->setItemIndex(0);
    Form().EditOrdU1->setText("zz");
    RenameSilently();
    EXPECT_EQ(SortedNames(Base), QStringList{"ab"});
}

TEST_F(FolderRoad, ReplacementTextCreatesNoFolder)
{
    ASSERT_TRUE(fs::createFolders(Base + "ab"));
    Show();
    SelectAll();
    Form().RadioGroupOrdU1->setItemIndex(0);
    Form().EditOrdU1->setText("b");
    Form().EditOrdU2->setText("/c");
    modals_.answer(mrYes);
    HMenuAktionenUmbenennenClick();
    EXPECT_EQ(SortedNames(Base), QStringList{"ac"});
}

TEST_F(FolderRoad, RecursivePreviewShowsWholeNames)
{
    ASSERT_TRUE(fs::createFolders(Base + "a/b"));
    Show();
    UpperCaseRecursively();
    Form().OrdnerVorschauSB->setDown(true);
    ShowRenamePreview();
    TStringGrid *grid = Form().VorschauStringGrid01;
    ASSERT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(0, 1), "a");
    EXPECT_EQ(grid->Cells(1, 1), "A");
    EXPECT_EQ(grid->Cells(0, 2), "b");
    EXPECT_EQ(grid->Cells(1, 2), "B");
    EXPECT_EQ(SortedNames(Base), QStringList{"a"}) << "the preview renames nothing";
}

} // namespace
