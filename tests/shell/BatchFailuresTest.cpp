// The files a batch could not change, through the window's own controls: every
// executor goes on past them and shows one box after the batch with their number and
// the first ten with their causes; a batch that carried out nothing leaves the undo off.

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/UndoLogFolder.h"
#include "support/WindowPageTest.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Str(const QString &s)
{
    return s.toStdString();
}

class BatchFailures : public WindowPageTest {
protected:
    void SetUp() override
    {
        WindowPageTest::SetUp();
        Src = Root + "src/";
        Target = Root + "ziel/";
        ASSERT_TRUE(fs::createFolders(Src));
        ASSERT_TRUE(fs::createFolders(Target));
        ASSERT_FALSE(UseUndoLogBelow(Root).isEmpty());
    }

    // Files a01.txt, a02.txt, ... in Folder; their paths.
    QStringList MakeFiles(const QString &Folder, int Count, const QByteArray &Content)
    {
        QStringList paths;
        for (int i = 1; i <= Count; ++i) {
            const QString path = Folder + QStringLiteral("a%1.txt").arg(i, 2, 10, QLatin1Char('0'));
            EXPECT_TRUE(fs::writeFileAtomic(path, Content)) << Str(path);
            paths << path;
        }
        return paths;
    }

    // The left explorer on Folder with every file selected.
    void SelectAllIn(const QString &Folder)
    {
        ActiveExplorer = 1;
        ASSERT_TRUE(f->ShellTreeView01->setPath(Folder));
        f->ShellListView01->Refresh();
        f->ShellListView01->SelectAll();
        ASSERT_GT(f->ShellListView01->SelCount(), 0);
    }

    // The rename page's replace rule "a" -> "b" in target mode Mode.
    void ReplaceRule(int Mode)
    {
        f->PageControl->setCurrentWidget(f->TabSheet01);
        f->DatUmbRadioGroup02->setItemIndex(3);
        f->DatUmbEdit05->setText("");
        QTest::keyClicks(f->DatUmbEdit05, "a");
        f->DatUmbEdit06->setText("");
        QTest::keyClicks(f->DatUmbEdit06, "b");
        f->DatUmbRadioGroup01->setItemIndex(Mode);
        if (Mode != 0)
            f->DatUmbZielverzeichnis->setText(Target);
    }

    // Clicks Button; the question is answered Yes after Meanwhile ran, the report OK.
    // The boxes shown from the question on.
    std::vector<ModalRecord> RunAnswered(QToolButton *Button, const std::function<void()> &Meanwhile = {})
    {
        const size_t before = modals.shown().size();
        modals.answerWith([&](QDialog &, const ModalRecord &) {
            if (Meanwhile)
                Meanwhile();
            return int(mrYes);
        });
        modals.answer(mrOk);
        EXPECT_TRUE(Button->isEnabled()) << Str(Button->objectName());
        QTest::mouseClick(Button, Qt::LeftButton);
        QCoreApplication::processEvents();
        return {modals.shown().begin() + qsizetype(before), modals.shown().end()};
    }

    // The text of the report of files that failed for one cause: the count, the note of
    // the first ten when there are more, the cause, then each of Paths (at most ten).
    static QString Report(qsizetype Count, const QStringList &Paths, const QString &Cause)
    {
        QString text = LoadLangString(9130) + QString::number(Count);
        if (Count > 10)
            text += '\r' + LoadLangString(9131);
        text += '\r' + Cause;
        for (const QString &path : Paths.mid(0, 10))
            text += "\r    " + path;
        return text;
    }

    QString Src, Target;
};

void ExpectOneReport(const std::vector<ModalRecord> &Shown, const QString &Text)
{
    ASSERT_EQ(Shown.size(), 2u) << "the question, then one report";
    EXPECT_EQ(Shown[1].kind, "MessageDlg");
    EXPECT_EQ(Shown[1].dlgType, mtError);
    EXPECT_EQ(Shown[1].buttonSet, mbOKOnly);
    EXPECT_EQ(Str(Shown[1].text), Str(Text));
}

// The executors that take the selected files: the files vanish while the question is
// open, so every one fails as missing; one report, and the undo left off although an
// earlier batch had turned it on.
TEST_F(BatchFailures, EveryExecutorReportsTheFailedFilesOnceAndLeavesTheUndoOff)
{
    struct Case {
        const char *name;
        std::function<void()> choose;
        QToolButton *THauptForm::*button;
    };
    const Case cases[] = {
        {"rename in place", [this] { ReplaceRule(0); }, &THauptForm::TB01Umbenennen},
        {"move", [this] { ReplaceRule(1); }, &THauptForm::TB01Umbenennen},
        {"copy", [this] { ReplaceRule(2); }, &THauptForm::TB01Umbenennen},
        {"sort by type, moving",
         [this] {
             f->PageControl->setCurrentWidget(f->TabSheet03);
             f->SortRadioGroup1->setItemIndex(2);
             f->SortRadioGroup2->setItemIndex(0);
         },
         &THauptForm::TB01Sortieren},
        {"attributes",
         [this] {
             f->PageControl->setCurrentWidget(f->TabSheet02);
             f->AttrRadioGroup1->setItemIndex(0);
         },
         &THauptForm::TB01AttrAendern},
        {"time stamps",
         [this] {
             f->PageControl->setCurrentWidget(f->TabSheet02);
             f->AttrRadioGroup1->setItemIndex(3);
         },
         &THauptForm::TB01AttrAendern},
    };
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = Root + QStringLiteral("case%1/").arg(++n);
        ASSERT_TRUE(fs::createFolders(folder));
        const QStringList files = MakeFiles(folder, 12, "x");
        SelectAllIn(folder);
        c.choose();
        f->HMenuDateiRueckgaengig->setEnabled(true); // as after an earlier batch
        const std::vector<ModalRecord> shown = RunAnswered(f->*c.button, [&] {
            for (const QString &file : files)
                ASSERT_TRUE(fs::removeFile(file));
        });
        ExpectOneReport(shown, Report(12, files, LoadLangString(9134)));
        EXPECT_FALSE(f->HMenuDateiRueckgaengig->isEnabled());
        EXPECT_FALSE(f->TB01Rueckgaengig->isEnabled());
    }
}

// Copying 40 files onto names that exist: one box counting 40, the first ten by name
// with the cause "exists"; nothing is replaced.
TEST_F(BatchFailures, CopyOntoFortyExistingNamesShowsOneBox)
{
    const QStringList files = MakeFiles(Src, 40, "new");
    for (int i = 1; i <= 40; ++i)
        ASSERT_TRUE(fs::writeFileAtomic(Target + QStringLiteral("b%1.txt").arg(i, 2, 10, QLatin1Char('0')), "old"));
    SelectAllIn(Src);
    ReplaceRule(2);
    ExpectOneReport(RunAnswered(f->TB01Umbenennen), Report(40, files, LoadLangString(9132)));
    EXPECT_EQ(fs::readFile(Target + "b01.txt"), QByteArray("old"));
    EXPECT_EQ(fs::readFile(Target + "b40.txt"), QByteArray("old"));

    // In English the report speaks English.
    Sprache = 10000;
    LanguageIndex = 1;
    SelectAllIn(Src); // the lists were read again
    const std::vector<ModalRecord> english = RunAnswered(f->TB01Umbenennen);
    ASSERT_EQ(english.size(), 2u);
    EXPECT_TRUE(english[1].text.startsWith("Number of files that could not be changed: 40\rThe first ten:\r"
                                           "The name exists already.\r    " + files[0] + '\r'))
        << Str(english[1].text);
}

// A move in which some files are carried out: they are logged and the undo is on; the
// others are reported. The undo that cannot move them back reports them in turn.
TEST_F(BatchFailures, PartlyCarriedOutBatchAndItsUndoReportTheRest)
{
    const QStringList files = MakeFiles(Src, 3, "x");
    ASSERT_TRUE(fs::writeFileAtomic(Target + "b02.txt", "taken"));
    SelectAllIn(Src);
    ReplaceRule(1);
    ExpectOneReport(RunAnswered(f->TB01Umbenennen), Report(1, {files[1]}, LoadLangString(9132)));
    EXPECT_TRUE(f->TB01Rueckgaengig->isEnabled());
    EXPECT_EQ(fs::readFile(UndoLogPath()),
              (files[0] + "\r\n" + Target + "b01.txt\r\n" + files[2] + "\r\n" + Target + "b03.txt\r\n").toUtf8());

    // The old names are taken meanwhile: the undo goes on and reports both.
    ASSERT_TRUE(fs::writeFileAtomic(files[0], "other"));
    ASSERT_TRUE(fs::writeFileAtomic(files[2], "other"));
    modals.answer(mrOk);
    QTest::mouseClick(f->TB01Rueckgaengig, Qt::LeftButton);
    ASSERT_EQ(modals.shown().size(), 3u);
    EXPECT_EQ(Str(modals.shown()[2].text),
              Str(Report(2, {Target + "b03.txt", Target + "b01.txt"}, LoadLangString(9132))));
    EXPECT_EQ(fs::readFile(Target + "b01.txt"), QByteArray("x"));
    EXPECT_FALSE(f->TB01Rueckgaengig->isEnabled());
}

// Pictures of the one box after a copy onto 40 existing names, in German and English.
TEST_F(BatchFailures, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_BATCH_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_BATCH_SCREENSHOTS=<folder> to save the report box in German and English";
    MakeFiles(Src, 40, "new");
    for (int i = 1; i <= 40; ++i)
        ASSERT_TRUE(fs::writeFileAtomic(Target + QStringLiteral("b%1.txt").arg(i, 2, 10, QLatin1Char('0')), "old"));
    SelectAllIn(Src);
    ReplaceRule(2);
    for (int language : {0, 1}) {
        Sprache = language * 10000;
        LanguageIndex = language;
        SelectAllIn(Src);
        modals.answer(mrYes);
        modals.answerWith([&](QDialog &box, const ModalRecord &) {
            box.show();
            QCoreApplication::processEvents();
            EXPECT_TRUE(box.grab().save(folder + (language ? "/report_en.png" : "/report_de.png")));
            return int(mrOk);
        });
        QTest::mouseClick(f->TB01Umbenennen, Qt::LeftButton);
    }
}

} // namespace
