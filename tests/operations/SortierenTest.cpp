// Sorting files into folders from the sort page: the five criteria, the question, the
// moves and copies, the undo log and the undo, on real files.

#include "operations/fktSortieren.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "operations/fktAttribute.h"
#include "platform/Abort.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/UndoLogFolder.h"
#include "support/FolderNames.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QComboBox>
#include <QDate>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

enum Criterion { Initial, ContainedText, FileType, FileSize, FileDate };

class Sorting : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        Src = Root + "src/";
        ASSERT_TRUE(fs::createFolders(Src));
        form_.Create();
        LogPath = UseUndoLogBelow(Root);
        ASSERT_FALSE(LogPath.isEmpty());
        Datum = 0;
        ActiveExplorer = 1;
        ASSERT_TRUE(form_->ShellTreeView01->setPath(Src));
        form_->PageControl->setCurrentWidget(form_->TabSheet03);
    }
    void TearDown() override
    {
        EXPECT_EQ(modals_.pending(), 0u) << "a scripted answer was not asked for";
        form_.reset();
    }

    QString File(const QString &relative, const QByteArray &content = "x")
    {
        return MakeTestFileBelow(Src.chopped(1), relative, content);
    }
    // Selects the named entries of the left list (all files when none are named).
    void Select(const QStringList &names = {})
    {
        TShellListView *list = form_->ShellListView01;
        list->Refresh();
        std::vector<int> rows;
        for (int row = 0; row < list->Count(); ++row)
            if (names.isEmpty() ? !list->Folders(row).IsFolder : names.contains(list->Folders(row).Name))
                rows.push_back(row);
        list->SelectRows(rows);
    }
    void Criterion(int index) { form_->SortRadioGroup1->setItemIndex(index); }
    // The sort action with the question answered Answer (none when the action ends
    // before it), and with the report of failed files after the batch when FailureBox;
    // true when it ended in the silent abort.
    bool Sort(std::optional<int> answer = mrYes, bool FailureBox = false)
    {
        const size_t before = modals_.shown().size();
        if (answer)
            modals_.answer(*answer);
        if (FailureBox)
            modals_.answer(mrOk);
        bool aborted = false;
        try {
            HMenuAktionenSortierenClick();
        } catch (const EAbort &) {
            aborted = true;
        }
        const size_t after = FailureBox ? 1 : 0;
        if (FailureBox && modals_.shown().size() > before) {
            EXPECT_EQ(modals_.shown().back().dlgType, mtError);
        }
        if (answer) {
            EXPECT_GT(modals_.shown().size(), before + after);
            if (modals_.shown().size() <= before + after)
                return aborted;
            const ModalRecord &question = modals_.shown()[modals_.shown().size() - 1 - after];
            EXPECT_EQ(question.dlgType, mtWarning);
            EXPECT_EQ(question.buttonSet, mbYesNo);
            EXPECT_TRUE(question.text.startsWith(LoadLangString(9016))) << question.text.toStdString();
        }
        return aborted;
    }
    QByteArray Log() const { return fs::readFile(LogPath).value_or("<missing>"); }
    QByteArray Content(const QString &path) const { return fs::readFile(path).value_or("<missing>"); }
    TMenuItem *Undo() const { return form_->HMenuDateiRueckgaengig; }

    QString Root, Src, LogPath;
    MainWindowFixture form_;
    ScriptedModals modals_;

private:
    QTemporaryDir dir_;
};

TEST_F(Sorting, InitialsWithRangeAndMinimumLength)
{
    for (const char *name : {"12.txt", "123.txt", "Abc.txt", ".profile"})
        File(name);
    Select();
    Criterion(Initial);
    EXPECT_EQ(form_->SortNotebook1->currentIndex(), 3);
    form_->SortRadioGroup3->setItemIndex(1);
    form_->SortComboBox3->setCurrentText("0");
    form_->SortComboBox4->setCurrentText("9");
    form_->SortMindestLaengeUpDown->setPosition(3);
    EXPECT_FALSE(Sort());
    EXPECT_EQ(SortedNames(Src), (QStringList{".profile", "1", "12.txt", "Abc.txt"}));
    EXPECT_EQ(SortedNames(Src + "1"), QStringList{"123.txt"});
    EXPECT_EQ(Log(), (Src + "123.txt\r\n" + Src + "1/123.txt\r\n").toUtf8());
}

TEST_F(Sorting, InitialsFolderIsTheLowerCaseLetterAndATypedFromIsUpperCased)
{
    for (const char *name : {"apple.txt", "Avocado.txt", "banana.txt", "Zebra.jpg", ".profile"})
        File(name);
    Select();
    Criterion(Initial);
    form_->SortRadioGroup3->setItemIndex(1);
    form_->SortComboBox3->setCurrentText("a");
    form_->SortComboBox4->setCurrentText("a");
    EXPECT_FALSE(Sort());
    EXPECT_EQ(SortedNames(Src), (QStringList{".profile", "Zebra.jpg", "a", "banana.txt"}));
    EXPECT_EQ(SortedNames(Src + "a"), (QStringList{"Avocado.txt", "apple.txt"}));

    // All initials, the whole tree: a dot-file stays where it is (its category "."
    // names no folder), the files in a already lie in their folder.
    form_->SortRadioGroup3->setItemIndex(0);
    form_->SortRekursiv->setChecked(true);
    EXPECT_FALSE(Sort());
    EXPECT_FALSE(Log().contains("apple"));
    EXPECT_EQ(SortedNames(Src), (QStringList{".profile", "a", "b", "z"}));
}

TEST_F(Sorting, ContainedTextIsCaseSensitive)
{
    for (const char *name : {"Urlaub2004.jpg", "urlaub.jpg", "Url.jpg"})
        File(name);
    Select();
    Criterion(ContainedText);
    EXPECT_EQ(form_->SortNotebook1->currentIndex(), 1);
    form_->SortEdit1->setText("Urlaub");
    EXPECT_FALSE(Sort());
    EXPECT_EQ(SortedNames(Src), (QStringList{"Url.jpg", "Urlaub", "urlaub.jpg"}));
    EXPECT_EQ(SortedNames(Src + "Urlaub"), QStringList{"Urlaub2004.jpg"});
}

TEST_F(Sorting, ContainedTextThatNamesNoFolderMovesNothing)
{
    File("a..b.txt");
    File("x/y.txt");
    Criterion(ContainedText);
    for (const char *text : {"..", "/", "."}) {
        Select();
        form_->SortEdit1->setText(text);
        EXPECT_TRUE(Sort(std::nullopt)) << text; // nothing left: ends silently, no question
        EXPECT_EQ(SortedNames(Src), (QStringList{"a..b.txt", "x"})) << text;
        EXPECT_EQ(SortedNames(Root), (QStringList{"src", "work"}));
    }
    // An empty text places every file in the root.
    EXPECT_EQ(Log(), OldUndoLog);
    form_->SortRekursiv->setChecked(true);
    form_->SortEdit1->setText("");
    EXPECT_FALSE(Sort());
    EXPECT_EQ(SortedNames(Src), (QStringList{"a..b.txt", "x", "y.txt"}));
}

TEST_F(Sorting, TypesCutToSixLettersAndFilesWithoutExtensionGoToTheRoot)
{
    for (const char *name : {"x.JPEG", "y.jpeg", "film.torrent", "readme", "sub/notes"})
        File(name);
    Criterion(FileType);
    EXPECT_EQ(form_->SortNotebook1->currentIndex(), 0);
    form_->SortRekursiv->setChecked(true);
    EXPECT_FALSE(Sort());
    EXPECT_EQ(SortedNames(Src), (QStringList{"jpeg", "notes", "readme", "sub", "torren"}));
    EXPECT_EQ(SortedNames(Src + "jpeg"), (QStringList{"x.JPEG", "y.jpeg"}));
    // readme lay in the root already: no pair of it is logged.
    EXPECT_FALSE(Log().contains("readme"));
    EXPECT_TRUE(Log().contains((Src + "notes").toUtf8()));

    // Sorting again finds every file in its place: nothing is asked, nothing logged.
    const QByteArray log = Log();
    EXPECT_TRUE(Sort(std::nullopt));
    EXPECT_EQ(Log(), log);
}

TEST_F(Sorting, SizeClassBothBoundsIncluded)
{
    File("1023.bin", QByteArray(1023, 'a'));
    File("1024.bin", QByteArray(1024, 'b'));
    File("mega.bin", QByteArray(1048576, 'c'));
    File("over.bin", QByteArray(1048577, 'd'));
    Select();
    Criterion(FileSize);
    EXPECT_EQ(form_->SortNotebook1->currentIndex(), 2);
    form_->SortUntergrenze->setText("1");
    form_->SortComboBox1->setCurrentIndex(1);
    form_->SortObergrenze->setText("1");
    form_->SortComboBox2->setCurrentIndex(2);
    EXPECT_FALSE(Sort());
    EXPECT_EQ(SortedNames(Src), (QStringList{"1023.bin", "1024", "over.bin"}));
    EXPECT_EQ(SortedNames(Src + "1024"), (QStringList{"1024.bin", "mega.bin"}));
}

TEST_F(Sorting, SizeBoundsThatEndTheActionCreateNothing)
{
    File("a.bin", "abc");
    Criterion(FileSize);
    struct Case {
        const char *lower, *upper;
        bool message;
    } cases[] = {{"5", "4", true}, {"", "4", false}, {"4", "", false}};
    for (const Case &c : cases) {
        Select();
        form_->SortUntergrenze->setText(c.lower);
        form_->SortObergrenze->setText(c.upper);
        const size_t before = modals_.shown().size();
        if (c.message)
            modals_.answer(mrOk);
        EXPECT_TRUE(Sort(std::nullopt));
        ASSERT_EQ(modals_.shown().size(), before + (c.message ? 1 : 0));
        if (c.message) {
            EXPECT_EQ(modals_.shown().back().text, LoadLangString(9010));
            EXPECT_EQ(modals_.shown().back().dlgType, mtInformation);
        }
        EXPECT_EQ(SortedNames(Src), QStringList{"a.bin"});
    }
}

TEST_F(Sorting, SizesAndBoundsBeyondTwoGigabytes)
{
    const QString big = File("big.iso", "");
    ASSERT_EQ(::truncate(fs::encodeName(big).constData(), 3LL << 30), 0);
    File("small.iso", "s");
    Select();
    Criterion(FileSize);
    form_->SortUntergrenze->setText("2048");
    form_->SortComboBox1->setCurrentIndex(2);
    form_->SortObergrenze->setText("32767");
    form_->SortComboBox2->setCurrentIndex(2);
    EXPECT_FALSE(Sort());
    EXPECT_EQ(SortedNames(Src), (QStringList{"2147483648", "small.iso"}));
    EXPECT_EQ(fs::fileSize(Src + "2147483648/big.iso"), 3LL << 30);
}

TEST_F(Sorting, SizeFolderBlockedByAFileIsReportedAndNothingIsLogged)
{
    File("1024", "a file in the way");
    File("k.bin", QByteArray(2000, 'k'));
    Select({"k.bin"});
    Criterion(FileSize);
    form_->SortUntergrenze->setText("1");
    form_->SortComboBox1->setCurrentIndex(1);
    form_->SortObergrenze->setText("1");
    form_->SortComboBox2->setCurrentIndex(2);
    modals_.answer(mrOk); // the warning; the preparation goes on to the question
    EXPECT_FALSE(Sort(mrYes, true));
    ASSERT_EQ(modals_.shown().size(), 3u); // the warning, the question, the failed file
    const ModalRecord &warning = modals_.shown()[0];
    EXPECT_EQ(warning.text, LoadLangString(9011) + '\r' + Src + "1024/\r" + LoadLangString(9012));
    EXPECT_EQ(warning.dlgType, mtWarning);
    EXPECT_EQ(warning.buttonSet, mbOKOnly);
    EXPECT_TRUE(modals_.shown()[2].text.startsWith(LoadLangString(9130) + "1\r"));
    EXPECT_TRUE(modals_.shown()[2].text.endsWith("\r    " + Src + "k.bin")) << modals_.shown()[2].text.toStdString();
    EXPECT_EQ(SortedNames(Src), (QStringList{"1024", "k.bin"}));
    EXPECT_EQ(Log(), "");
}

TEST_F(Sorting, DateFoldersByDatumAndNoLeavesThemEmpty)
{
    const QString file = File("photo.jpg");
    const double march7 = QDate(1899, 12, 30).daysTo(QDate(2004, 3, 7)) + 0.5;
    ASSERT_TRUE(SetFileTimes(file, march7, march7, march7));
    Criterion(FileDate);
    Datum = 0;
    Select();
    EXPECT_TRUE(Sort(mrNo));
    EXPECT_EQ(SortedNames(Src), (QStringList{"07-03-2004", "photo.jpg"}));
    EXPECT_TRUE(SortedNames(Src + "07-03-2004").isEmpty());
    EXPECT_EQ(Log(), OldUndoLog);

    Datum = 1;
    Select({"photo.jpg"});
    EXPECT_FALSE(Sort());
    EXPECT_EQ(SortedNames(Src + "03-07-2004"), QStringList{"photo.jpg"});
}

TEST_F(Sorting, SameNamesFromSubFoldersAllArriveAndTheUndoRestoresThem)
{
    File("one/x.txt", "first");
    File("two/x.txt", "second");
    File("x.txt", "root");
    ASSERT_TRUE(fs::createFolders(Src + "txt"));
    File("txt/x.txt", "already sorted");
    Criterion(FileType);
    form_->SortRekursiv->setChecked(true);
    EXPECT_FALSE(Sort());
    EXPECT_EQ(SortedNames(Src + "txt"), (QStringList{"x.txt", "x_1.txt", "x_2.txt", "x_3.txt"}));
    EXPECT_EQ(Content(Src + "txt/x.txt"), "already sorted");
    // In the order collected: the root's files, then each sub-folder's.
    EXPECT_EQ(Content(Src + "txt/x_1.txt"), "root");
    EXPECT_EQ(Content(Src + "txt/x_2.txt"), "first");
    EXPECT_EQ(Content(Src + "txt/x_3.txt"), "second");
    EXPECT_EQ(Log(), (Src + "x.txt\r\n" + Src + "txt/x_1.txt\r\n" + Src + "one/x.txt\r\n" + Src
                      + "txt/x_2.txt\r\n" + Src + "two/x.txt\r\n" + Src + "txt/x_3.txt\r\n")
                         .toUtf8());
    EXPECT_TRUE(Undo()->isEnabled());
    EXPECT_EQ(Undo()->Tag, 0);
    EXPECT_EQ(Undo()->text(), LoadLangString(802));
    EXPECT_EQ(Undo()->statusTip(), LoadLangString(807));
    EXPECT_EQ(form_->TB01Rueckgaengig->toolTip(), LoadLangString(802));

    Undo()->trigger();
    EXPECT_EQ(Content(Src + "one/x.txt"), "first");
    EXPECT_EQ(Content(Src + "two/x.txt"), "second");
    EXPECT_EQ(Content(Src + "x.txt"), "root");
    EXPECT_EQ(SortedNames(Src + "txt"), QStringList{"x.txt"});
}

TEST_F(Sorting, CopyModeWritesAnEmptyLogAndDisablesTheUndo)
{
    File("a.txt", "A");
    File("sub/b.doc", "B");
    Criterion(FileType);
    form_->SortRadioGroup2->setItemIndex(1);
    form_->SortRekursiv->setChecked(true);
    EXPECT_FALSE(Sort());
    EXPECT_EQ(modals_.shown().back().text, LoadLangString(9016) + '\r' + LoadLangString(9002));
    EXPECT_EQ(Content(Src + "txt/a.txt"), "A");
    EXPECT_EQ(Content(Src + "doc/b.doc"), "B");
    EXPECT_EQ(Content(Src + "a.txt"), "A");
    EXPECT_EQ(Content(Src + "sub/b.doc"), "B");
    EXPECT_EQ(Log(), "");
    EXPECT_FALSE(Undo()->isEnabled());
    EXPECT_FALSE(form_->TB01Rueckgaengig->isEnabled());
}

TEST_F(Sorting, NoChangesNoFileAndATargetFolderElsewhere)
{
    File("a.txt", "A");
    const QString target = Root + "sorted";
    form_->SortZielverzeichnis->setText(target);
    Criterion(Initial);
    Select();
    EXPECT_TRUE(Sort(mrNo));
    EXPECT_EQ(SortedNames(Src), QStringList{"a.txt"});
    EXPECT_EQ(Log(), OldUndoLog);

    // The question answered Yes through the menu item.
    Select();
    modals_.answer(mrYes);
    form_->HMenuAktionenSortieren->trigger();
    EXPECT_EQ(Content(target + "/a/a.txt"), "A");
    EXPECT_EQ(Log(), (Src + "a.txt\r\n" + target + "/a/a.txt\r\n").toUtf8());
}

TEST_F(Sorting, NothingSelectedIsReported)
{
    File("a.txt");
    form_->ShellListView01->Refresh();
    modals_.answer(mrOk);
    EXPECT_TRUE(Sort(std::nullopt));
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(modals_.shown()[0].text, LoadLangString(9000));
}

} // namespace
