// The rename executors for files and folders, the undo log they write and the undo.

#include "operations/fktAllgemein.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAttribute.h"
#include "platform/Abort.h"
#include "platform/fs/Attributes.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/UndoLogFolder.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>

#include <memory>

namespace {

class Executors : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        Files = Root + "a/";
        ASSERT_TRUE(fs::createFolders(Files));
        form_.Create();
        LogPath = UseUndoLogBelow(Root);
        ASSERT_FALSE(LogPath.isEmpty());
    }
    void TearDown() override
    {
        EXPECT_EQ(modals_.pending(), 0u) << "a scripted answer was not asked for";
        form_.reset();
    }

    void MakeFile(const QString &path, const QByteArray &content)
    {
        ASSERT_TRUE(fs::writeFileAtomic(path, content)) << path.toStdString();
    }
    QByteArray Content(const QString &path) const { return fs::readFile(path).value_or("<missing>"); }
    QByteArray Log() const { return fs::readFile(LogPath).value_or("<missing>"); }
    TMenuItem *Undo() const { return form_->HMenuDateiRueckgaengig; }

    void Batch(const QStringList &oldPaths, const QStringList &newPaths)
    {
        form_->AlteDateinamen = oldPaths;
        form_->NeueDateinamen = newPaths;
    }
    // Runs the file executor in a target mode, answering Yes, and expects the number of
    // failed files in the one report after the batch.
    void RunFiles(int mode, int failures = 0)
    {
        form_->DatUmbRadioGroup01->setItemIndex(mode);
        const size_t before = modals_.shown().size();
        modals_.answer(mrYes);
        if (failures > 0)
            modals_.answer(mrOk);
        ExecuteFileRename();
        ASSERT_EQ(modals_.shown().size(), before + 1 + (failures > 0 ? 1 : 0));
        if (failures > 0) {
            const ModalRecord &report = modals_.shown().back();
            EXPECT_EQ(report.dlgType, mtError);
            EXPECT_EQ(report.buttonSet, mbOKOnly);
            EXPECT_TRUE(report.text.startsWith(LoadLangString(9130) + QString::number(failures) + '\r'))
                << report.text.toStdString();
        }
        const ModalRecord &question = modals_.shown()[before];
        EXPECT_EQ(question.dlgType, mtWarning);
        EXPECT_EQ(question.buttonSet, mbYesNo);
        const QString expected = mode == 2 ? LoadLangString(9001) + '\r' + LoadLangString(9002)
                                           : LoadLangString(9001) + '\r' + LoadLangString(9014) + '\r' + LoadLangString(9015);
        EXPECT_EQ(question.text, expected);
    }
    const ModalRecord &Shown(size_t i) const { return modals_.shown().at(i); }
    void RunUndo()
    {
        ASSERT_TRUE(Undo()->isEnabled());
        UndoLastAction();
        EXPECT_FALSE(Undo()->isEnabled());
        EXPECT_FALSE(form_->TB01Rueckgaengig->isEnabled());
    }

    QTemporaryDir dir_;
    QString Root, Files, LogPath;
    MainWindowFixture form_;
    ScriptedModals modals_;
};

TEST_F(Executors, RenameInPlaceWritesTheExactLogAndUndoes)
{
    MakeFile(Files + "t.txt", "T");
    Batch({Files + "t.txt"}, {Files + "u.txt"});
    RunFiles(0);
    EXPECT_EQ(Content(Files + "u.txt"), "T");
    EXPECT_FALSE(fs::exists(Files + "t.txt"));
    EXPECT_EQ(Log(), (Files + "t.txt\r\n" + Files + "u.txt\r\n").toUtf8());
    EXPECT_TRUE(Undo()->isEnabled());
    EXPECT_TRUE(form_->TB01Rueckgaengig->isEnabled());
    EXPECT_EQ(Undo()->Tag, 0);
    EXPECT_EQ(Undo()->text(), LoadLangString(801));
    EXPECT_EQ(Undo()->statusTip(), LoadLangString(806));
    EXPECT_EQ(form_->TB01Rueckgaengig->toolTip(), LoadLangString(801));

    RunUndo();
    EXPECT_EQ(Content(Files + "t.txt"), "T");
    EXPECT_FALSE(fs::exists(Files + "u.txt"));
    EXPECT_EQ(Log(), (Files + "t.txt\r\n" + Files + "u.txt\r\n").toUtf8()); // left as it is
}

TEST_F(Executors, TwoPairsOntoOneNameReportTheSecond)
{
    MakeFile(Files + "1.txt", "one");
    MakeFile(Files + "2.txt", "two");
    Batch({Files + "1.txt", Files + "2.txt"}, {Files + "n.txt", Files + "n.txt"});
    RunFiles(0, 1);
    EXPECT_EQ(Shown(1).text, LoadLangString(9130) + "1\r" + LoadLangString(9132) + "\r    " + Files + "2.txt");
    EXPECT_EQ(Content(Files + "n.txt"), "one");
    EXPECT_EQ(Content(Files + "2.txt"), "two");
    EXPECT_EQ(Log(), (Files + "1.txt\r\n" + Files + "n.txt\r\n").toUtf8());

    RunUndo();
    EXPECT_EQ(Content(Files + "1.txt"), "one");
    EXPECT_EQ(Content(Files + "2.txt"), "two");
    EXPECT_FALSE(fs::exists(Files + "n.txt"));
}

TEST_F(Executors, SwapLosesNoFile)
{
    MakeFile(Files + "a", "A");
    MakeFile(Files + "b", "B");
    Batch({Files + "a", Files + "b"}, {Files + "b", Files + "a"});
    RunFiles(0, 2);
    EXPECT_EQ(Content(Files + "a"), "A");
    EXPECT_EQ(Content(Files + "b"), "B");
    EXPECT_EQ(Log(), QByteArray());
}

TEST_F(Executors, UndoOfAChainRestoresItWhole)
{
    MakeFile(Files + "a", "A");
    MakeFile(Files + "b", "B");
    Batch({Files + "b", Files + "a"}, {Files + "c", Files + "b"});
    RunFiles(0);
    EXPECT_EQ(Content(Files + "c"), "B");
    EXPECT_EQ(Content(Files + "b"), "A");
    RunUndo();
    EXPECT_EQ(Content(Files + "a"), "A");
    EXPECT_EQ(Content(Files + "b"), "B");
    EXPECT_FALSE(fs::exists(Files + "c"));
}

TEST_F(Executors, RefusedTargetsAreReportedAndNotLogged)
{
    const QStringList bad = {"relative/x", Files, Files + ".", Files + "..", Files + "x\ny", Files + "x\r"};
    QStringList olds;
    for (int i = 0; i < bad.size(); ++i) {
        MakeFile(Files + QString::number(i), "k");
        olds << Files + QString::number(i);
    }
    MakeFile(Files + "ok", "ok");
    Batch(olds + QStringList{Files + "ok", Files + "gone"}, bad + QStringList{Files + "sub/new", Files + "g2"});
    RunFiles(0, int(bad.size()) + 1); // the refused targets and the missing source
    for (int i = 0; i < bad.size(); ++i)
        EXPECT_EQ(Content(Files + QString::number(i)), "k");
    EXPECT_EQ(Content(Files + "sub/new"), "ok"); // the missing folder was made
    EXPECT_EQ(Log(), (Files + "ok\r\n" + Files + "sub/new\r\n").toUtf8());
}

// The undo log holds one value per line: a pair whose old path holds CR or LF is not
// carried out but reported, and the log stays valid for the others.
TEST_F(Executors, OldPathsWithLineBreaksAreReportedAndNotMoved)
{
    MakeFile(Files + "x\ny", "X");
    MakeFile(Files + "t.txt", "T");
    Batch({Files + "x\ny", Files + "t.txt"}, {Files + "z", Files + "u.txt"});
    RunFiles(0, 1);
    EXPECT_EQ(Shown(1).text,
              LoadLangString(9130) + "1\r" + TFailedFiles::CauseText(EINVAL) + "\r    " + Files + "x\ny");
    EXPECT_EQ(Content(Files + "x\ny"), "X");
    EXPECT_FALSE(fs::exists(Files + "z"));
    EXPECT_EQ(Log(), (Files + "t.txt\r\n" + Files + "u.txt\r\n").toUtf8());
    RunUndo();
    EXPECT_EQ(Content(Files + "t.txt"), "T");

    ASSERT_TRUE(fs::createFolders(Files + "d\re"));
    form_->AlteDateinamen = QStringList{Files + "d\re"};
    form_->NeueDateinamen = QStringList{Files + "e"};
    modals_.answer(mrYes);
    modals_.answer(mrOk);
    ExecuteFolderRename();
    EXPECT_EQ(modals_.shown().back().text,
              LoadLangString(9130) + "1\r" + TFailedFiles::CauseText(EINVAL) + "\r    " + Files + "d\re");
    EXPECT_TRUE(fs::isFolder(Files + "d\re"));
    EXPECT_FALSE(fs::exists(Files + "e"));
    EXPECT_EQ(Log(), QByteArray());
}

TEST_F(Executors, AnsweringNoChangesNothing)
{
    MakeFile(Files + "t.txt", "T");
    Batch({Files + "t.txt"}, {Files + "u.txt"});
    form_->DatUmbRadioGroup01->setItemIndex(0);
    modals_.answer(mrNo);
    ExecuteFileRename();
    EXPECT_TRUE(fs::exists(Files + "t.txt"));
    EXPECT_FALSE(fs::exists(Files + "u.txt"));
    EXPECT_EQ(Log(), OldUndoLog);
    EXPECT_FALSE(Undo()->isEnabled());

    form_->AlteDateinamen = QStringList{Files};
    form_->NeueDateinamen = QStringList{Root + "renamed"};
    modals_.answer(mrNo);
    ExecuteFolderRename();
    EXPECT_TRUE(fs::isFolder(Files));
    EXPECT_EQ(Log(), OldUndoLog);
    EXPECT_FALSE(Undo()->isEnabled());
}

TEST_F(Executors, CopyBatchWritesAnEmptyLogAndDisablesUndo)
{
    MakeFile(Files + "t.txt", "T");
    Undo()->setEnabled(true);
    Batch({Files + "t.txt"}, {Root + "target/sub/t.txt"});
    RunFiles(2);
    EXPECT_EQ(Content(Files + "t.txt"), "T");
    EXPECT_EQ(Content(Root + "target/sub/t.txt"), "T");
    EXPECT_EQ(Log(), QByteArray());
    EXPECT_FALSE(Undo()->isEnabled());
    EXPECT_FALSE(form_->TB01Rueckgaengig->isEnabled());

    // A second copy onto the same name fails and is reported.
    RunFiles(2, 1);
    EXPECT_EQ(Content(Root + "target/sub/t.txt"), "T");
}

TEST_F(Executors, MoveAcrossFileSystems)
{
    QTemporaryDir other(QStringLiteral("/dev/shm/corvex-XXXXXX"));
    struct stat a{}, b{};
    if (!other.isValid() || stat(fs::encodeName(Root).constData(), &a) != 0 ||
        stat(fs::encodeName(other.path()).constData(), &b) != 0 || a.st_dev == b.st_dev)
        GTEST_SKIP() << "no second file system";
    MakeFile(Files + "t.txt", "T");
    const QString target = other.path() + "/moved/t.txt";
    Batch({Files + "t.txt"}, {target});
    RunFiles(1);
    EXPECT_EQ(Content(target), "T");
    EXPECT_FALSE(fs::exists(Files + "t.txt"));
    RunUndo();
    EXPECT_EQ(Content(Files + "t.txt"), "T");
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(Executors, NameThatIsNotUtf8IsRenamedAndUndone)
{
    const QString name = fs::decodeName(QByteArray("caf\xE9.txt"));
    const QString renamed = fs::decodeName(QByteArray("caf\xE9-2.txt"));
    MakeFile(Files + name, "C");
    Batch({Files + name}, {Files + renamed});
    RunFiles(0);
    EXPECT_EQ(Content(Files + renamed), "C");
    EXPECT_EQ(Log(), fs::encodeName(Files) + "caf\xE9.txt\r\n" + fs::encodeName(Files) + "caf\xE9-2.txt\r\n");
    RunUndo();
    EXPECT_EQ(Content(Files + name), "C");
    EXPECT_FALSE(fs::exists(Files + renamed));
}

TEST_F(Executors, TrueTypePageGivesEqualFontNamesAFreeName)
{
    MakeFile(Files + "f1.ttf", "1");
    MakeFile(Files + "f2.ttf", "2");
    form_->PageControl->setCurrentWidget(form_->TabSheet01);
    form_->DatUmbSpeedButton03->setDown(true);
    Batch({Files + "f1.ttf", Files + "f2.ttf"}, {Files + "Arial.ttf", Files + "Arial.ttf"});
    RunFiles(0);
    EXPECT_EQ(Content(Files + "Arial.ttf"), "1");
    EXPECT_EQ(Content(Files + "Arial_1.ttf"), "2");
    EXPECT_EQ(form_->NeueDateinamen[1], Files + "Arial_1.ttf");
}

TEST_F(Executors, UnwritableLogLeavesUndoDisabled)
{
    MakeFile(Files + "t.txt", "T");
    MakeFile(Root + "blocker", "");
    Arbeitsverzeichnis = Root + "blocker/"; // a file where the folder should be
    Batch({Files + "t.txt"}, {Files + "u.txt"});
    RunFiles(0);
    EXPECT_TRUE(fs::exists(Files + "u.txt"));
    EXPECT_FALSE(Undo()->isEnabled());
}

TEST_F(Executors, FolderBatchRenamesParentAndChildAndUndoes)
{
    ASSERT_TRUE(fs::createFolders(Files + "b"));
    MakeFile(Files + "b/inner.txt", "I");
    form_->AlteDateinamen = QStringList{Files, Files + "b/"};
    form_->NeueDateinamen = QStringList{Root + "x/", Files + "y/"};
    modals_.answer(mrYes);
    ExecuteFolderRename();
    const ModalRecord &question = Shown(0);
    EXPECT_EQ(question.text, LoadLangString(9079) + '\r' + LoadLangString(9080) + '\r' + LoadLangString(9081));
    EXPECT_EQ(question.dlgType, mtWarning);
    EXPECT_EQ(Content(Root + "x/y/inner.txt"), "I");
    EXPECT_FALSE(fs::exists(Files));
    EXPECT_EQ(Log(), (Files + "b\r\n" + Files + "y\r\n" + Root + "a\r\n" + Root + "x\r\n").toUtf8());
    EXPECT_EQ(Undo()->Tag, 2);
    EXPECT_TRUE(Undo()->isEnabled());

    RunUndo();
    EXPECT_EQ(Content(Files + "b/inner.txt"), "I");
    EXPECT_FALSE(fs::exists(Root + "x"));
    EXPECT_TRUE(form_->ProtokollListBox.isEmpty());
}

TEST_F(Executors, FolderBatchGoesOnPastFailuresAndReportsThemOnce)
{
    ASSERT_TRUE(fs::createFolders(Files + "b"));
    ASSERT_TRUE(fs::createFolders(Files + "taken"));
    form_->AlteDateinamen = QStringList{Files + "b", Files + "missing", Files + "b"};
    form_->NeueDateinamen = QStringList{Files + "taken", Files + "m2", Files + ".."};
    Undo()->setEnabled(true); // as after an earlier batch
    modals_.answer(mrYes);
    modals_.answer(mrOk);
    ExecuteFolderRename();
    ASSERT_EQ(modals_.shown().size(), 2u);
    // Grouped by cause, in the order the causes came.
    EXPECT_EQ(Shown(1).text, LoadLangString(9130) + "3\r" + LoadLangString(9132) + "\r    " + Files + "b\r" +
                                 LoadLangString(9134) + "\r    " + Files + "missing\r" +
                                 TFailedFiles::CauseText(EINVAL) + "\r    " + Files + "b");
    EXPECT_TRUE(fs::isFolder(Files + "b"));
    EXPECT_EQ(Log(), QByteArray());
    EXPECT_FALSE(Undo()->isEnabled()); // nothing was carried out
}

TEST_F(Executors, FailureCausesFromTheErrnoOfTheFailedCall)
{
    const struct {
        int error;
        QString cause;
    } cases[] = {
        {EEXIST, LoadLangString(9132)},  {ENOTEMPTY, LoadLangString(9132)}, {EACCES, LoadLangString(9133)},
        {EPERM, LoadLangString(9133)},   {EROFS, LoadLangString(9133)},     {ENOENT, LoadLangString(9134)},
        {EBUSY, LoadLangString(9134)},   {ETXTBSY, LoadLangString(9134)},   {EIO, fs::Result{EIO}.message()},
        {ENOSPC, fs::Result{ENOSPC}.message()},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(TFailedFiles::CauseText(c.error), c.cause) << c.error;
        EXPECT_FALSE(c.cause.isEmpty()) << c.error;
    }
    EXPECT_NE(TFailedFiles::CauseText(EIO), TFailedFiles::CauseText(ENOSPC));
}

// A batch that ends by an exception still reports what failed before it, once; a
// command-file run shows nothing.
TEST_F(Executors, FailureReportAfterAnAbortAndNoneInACommandFileRun)
{
    modals_.answer(mrOk);
    try {
        TFailedFiles failures;
        failures.Add(Files + "x", EEXIST);
        Abort();
    } catch (const EAbort &) {
    }
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(Shown(0).text, LoadLangString(9130) + "1\r" + LoadLangString(9132) + "\r    " + Files + "x");

    CommandFileName = Root + "run.txt";
    {
        TFailedFiles failures;
        failures.Add(Files + "y", ENOENT);
        failures.Show();
    }
    CommandFileName.clear();
    EXPECT_EQ(modals_.shown().size(), 1u);
}

TEST_F(Executors, EmptyFolderBatchEndsBeforeTheQuestion)
{
    ExecuteFolderRename();
    EXPECT_TRUE(modals_.shown().empty());
    EXPECT_EQ(Log(), OldUndoLog);
}

TEST_F(Executors, UndoOfAttributeLogRestoresTimesOfAReadOnlyFile)
{
    const QString file = Files + "ro.txt";
    MakeFile(file, "R");
    const TDateTime created = 40000.25, written = 41000.5, accessed = 42000.75;
    const std::uint32_t attributes = GetFileAttributesA(file);
    ASSERT_TRUE(SetFileTimes(file, 45000.0, 45000.0, 45000.0));
    ASSERT_TRUE(SetFileAttributesA(file, attributes | FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(fs::writeFileAtomic(LogPath, ("3\r\n" + file + "\r\n" + UndoLogTimeText(created) + "\r\n" +
                                              UndoLogTimeText(written) + "\r\n" + UndoLogTimeText(accessed) + "\r\n")
                                                 .toUtf8()));
    SetUndoMenuState(829, 830, 0, true, 1);
    RunUndo();
    TDateTime c = 0, a = 0, w = 0;
    ASSERT_TRUE(GetFileTimes(file, c, a, w));
    EXPECT_NEAR(c, created, 1e-8);
    EXPECT_NEAR(w, written, 1e-8);
    EXPECT_NEAR(a, accessed, 1e-8);
    EXPECT_TRUE(GetFileAttributesA(file) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Content(file), "R");
}

TEST_F(Executors, UndoOfAttributeLogSkipsWhatDoesNotParse)
{
    const QString one = Files + "one.txt", two = Files + "two.txt";
    MakeFile(one, "1");
    MakeFile(two, "2");
    ASSERT_TRUE(SetFileTimes(one, 45000.0, 45000.0, 45000.0));
    ASSERT_TRUE(SetFileAttributesA(two, FILE_ATTRIBUTE_READONLY));
    // Kind 4: times, then the attribute word. The first file's creation line and
    // attribute word are unusable; the rest of its group is written back.
    ASSERT_TRUE(fs::writeFileAtomic(LogPath, ("4\r\n" + one + "\r\nnonsense\r\n41000.5\r\n42000.5\r\n4294967295\r\n" +
                                              two + "\r\n43000\r\n43000\r\n43000\r\n32\r\n" + Files + "lone\r\n")
                                                 .toUtf8()));
    SetUndoMenuState(829, 830, 0, true, 1);
    RunUndo();
    TDateTime c = 0, a = 0, w = 0;
    ASSERT_TRUE(GetFileTimes(one, c, a, w));
    EXPECT_NEAR(c, 45000.0, 1e-8);
    EXPECT_NEAR(w, 41000.5, 1e-8);
    EXPECT_NEAR(a, 42000.5, 1e-8);
    ASSERT_TRUE(GetFileTimes(two, c, a, w));
    EXPECT_NEAR(w, 43000.0, 1e-8);
    EXPECT_FALSE(GetFileAttributesA(two) & FILE_ATTRIBUTE_READONLY); // word 32 written back
}

TEST_F(Executors, UndoOfAnEmptyOrBrokenLogDoesNothingAndDisables)
{
    MakeFile(Files + "b", "B");
    for (const QByteArray &log : {QByteArray(), QByteArray("relative\r\n") + (Files + "b").toUtf8() + "\r\n",
                                  (Files + "b").toUtf8() + "\r\n"}) {
        ASSERT_TRUE(fs::writeFileAtomic(LogPath, log));
        SetUndoMenuState(801, 806, 801, true, 0);
        RunUndo();
        EXPECT_EQ(Content(Files + "b"), "B");
    }
    fs::removeFile(LogPath);
    SetUndoMenuState(801, 806, 801, true, 2);
    RunUndo();
    form_->AttrSpeedButton01->setEnabled(true);
    ASSERT_TRUE(fs::writeFileAtomic(LogPath, "x\r\n"));
    SetUndoMenuState(829, 830, 0, true, 1);
    RunUndo();
    EXPECT_FALSE(form_->AttrSpeedButton01->isEnabled());
}

TEST_F(Executors, UndoEndsAtTheNulPaddingOfAKilledBatch)
{
    MakeFile(Files + "B", "B");
    MakeFile(Files + "C", "C");
    ASSERT_TRUE(fs::writeFileAtomic(LogPath, fs::encodeName(Files + "b\r\n" + Files + "B\r\n" + Files + "c\r\n" + Files + "C")
                                                 + QByteArray(100, '\0')));
    SetUndoMenuState(801, 806, 801, true, 0);
    RunUndo();
    EXPECT_EQ(Content(Files + "b"), "B");
    EXPECT_EQ(Content(Files + "C"), "C"); // cut off by the padding: not a path
}

TEST_F(Executors, UndoReadsTheLogTheBatchWrote)
{
    MakeFile(Files + "t.txt", "T");
    Batch({Files + "t.txt"}, {Files + "u.txt"});
    RunFiles(0);
    Arbeitsverzeichnis = Root + "elsewhere/";
    RunUndo();
    EXPECT_EQ(Content(Files + "t.txt"), "T");
}

} // namespace
