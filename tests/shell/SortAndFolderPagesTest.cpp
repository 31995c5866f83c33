// The sort page and the folder page's series and empty-folder controls in the window:
// their place among the pages, the parameter pages, the key filters, the target folder
// dialog, the action items, the texts, and pictures for a look.

#include "localisation/fktSprache.h"
#include "localisation/fktSprache_Captions.h"
#include "localisation/rvDialogs.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/ScriptedModals.h"
#include "support/WindowPageTest.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class SortAndFolderPages : public WindowPageTest {};

TEST_F(SortAndFolderPages, PagesStandInOrder)
{
    const char *names[] = {"TabSheet01", "TabSheet02", "TabSheet03", "TabSheet04", "TabSheet05"};
    ASSERT_EQ(f->PageControl->count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(f->PageControl->widget(i)->objectName().toStdString(), names[i]);
    EXPECT_EQ(f->TabSheet03, f->SortRadioGroup1->parentWidget());
    EXPECT_TRUE(f->TabSheet04->isAncestorOf(f->OrdnerSerieErstellen));
    EXPECT_EQ(f->PageControl->tabText(2).toStdString(), "Dateien &Sortieren");
}

TEST_F(SortAndFolderPages, StartValuesAndParameterPages)
{
    EXPECT_EQ(f->SortRadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(f->SortRadioGroup2->ItemIndex(), 0);
    EXPECT_EQ(f->SortRadioGroup3->ItemIndex(), 0);
    EXPECT_EQ(f->SortUntergrenze->Text(), "0");
    EXPECT_EQ(f->SortObergrenze->Text(), "1");
    EXPECT_EQ(f->SortComboBox1->currentText(), "Byte");
    EXPECT_EQ(f->SortComboBox3->currentText(), "0");
    EXPECT_EQ(f->SortComboBox4->currentText(), "Z");
    EXPECT_EQ(f->SortComboBox3->count(), 36);
    EXPECT_EQ(f->SortMindestLaenge->Text(), "0");
    EXPECT_EQ(f->SortObergrenzeUpDown->Min(), 1);
    EXPECT_EQ(f->SortMindestLaengeUpDown->Max(), 255);
    EXPECT_EQ(f->OrdName01->Text(), "Fotos");
    EXPECT_EQ(f->OrdStartwert->Text(), "0");
    EXPECT_EQ(f->OrdEndwertUpDown->Max(), 32767);
    EXPECT_EQ(f->OrdPanel1->Caption(), "Fotos1...Fotos2");
    EXPECT_EQ(f->OrdPanel1->toolTip(), LoadLangString(607));

    const int pages[] = {3, 1, 0, 2, 0};
    for (int criterion : {1, 2, 3, 4, 0}) {
        f->SortRadioGroup1->setItemIndex(criterion);
        EXPECT_EQ(f->SortNotebook1->currentIndex(), pages[criterion]) << criterion;
    }
}

TEST_F(SortAndFolderPages, SizeFieldsTakeDigitsOnly)
{
    for (TEdit *edit : {f->SortUntergrenze, f->SortObergrenze}) {
        edit->setText("");
        QTest::keyClicks(edit, "1a2-3 ");
        EXPECT_EQ(edit->Text(), "123") << edit->objectName().toStdString();
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->Text(), "12");
    }
}

TEST_F(SortAndFolderPages, TargetFolderFromTheDialog)
{
    const QString chosen = Root + "ziel";
    ASSERT_TRUE(fs::createFolders(chosen));
    struct Case {
        int answer;
        QString expected;
    } const cases[] = {{mrOk, chosen}, {mrAbort, chosen}, {mrNo, ""}};
    for (const Case &c : cases) {
        modals.answerWith([&](QDialog &dialog, const ModalRecord &) {
            if (c.answer == mrOk)
                static_cast<TSelectDirDlg &>(dialog).SetDialogDirectory(chosen);
            return c.answer;
        });
        QTest::mouseClick(f->SortZielverzeichnis, Qt::LeftButton);
        ASSERT_EQ(modals.pending(), 0u);
        EXPECT_EQ(modals.shown().back().kind, "SelectDirectory");
        EXPECT_EQ(modals.shown().back().caption, LoadLangString(9100));
        EXPECT_EQ(fs::withoutTrailingSlash(f->SortZielverzeichnis->Text()), c.expected) << c.answer;
    }
}

TEST_F(SortAndFolderPages, ActionItemsOnTheSortPage)
{
    for (const char *name : {"a.txt", "b.txt"})
        ASSERT_TRUE(fs::writeFileAtomic(Root + name, "x"));
    ActiveExplorer = 1;
    ASSERT_TRUE(f->ShellTreeView01->setPath(Root));
    f->PageControl->setCurrentWidget(f->TabSheet03);
    EXPECT_TRUE(f->HMenuAktionenSortieren->isVisible());
    EXPECT_TRUE(f->PM01Sortieren->isVisible());
    f->ShellListView01->SelectAll();
    EXPECT_TRUE(f->TB01Sortieren->isEnabled());
    emit f->HMenuAktionen->aboutToShow();
    EXPECT_EQ(f->HMenuAktionenSortieren->text(), LoadLangString(816));
    // The whole tree counts as many files, whatever is selected.
    f->ShellListView01->SelectRows({0});
    emit f->HMenuAktionen->aboutToShow();
    EXPECT_EQ(f->HMenuAktionenSortieren->text(), LoadLangString(815));
    f->SortRekursiv->setChecked(true);
    emit f->HMenuAktionen->aboutToShow();
    EXPECT_EQ(f->HMenuAktionenSortieren->text(), LoadLangString(816));

    // The tool button runs the action: the question, answered No.
    modals.answer(mrNo);
    f->TB01Sortieren->click();
    ASSERT_EQ(modals.shown().size(), 1u);
    EXPECT_EQ(modals.shown()[0].text, LoadLangString(9016) + '\r' + LoadLangString(9014) + '\r' + LoadLangString(9015));
}

TEST_F(SortAndFolderPages, EnglishTexts)
{
    Sprache = 10000;
    LanguageIndex = 1;
    f->SortRadioGroup1->setItemIndex(3);
    ApplyLanguageCaptions();
    EXPECT_EQ(f->PageControl->tabText(2).toStdString(), "&Sort Files");
    EXPECT_EQ(f->SortRadioGroup1->Items().value(4).toStdString(), "File Date");
    EXPECT_EQ(f->SortRadioGroup1->ItemIndex(), 0); // relabelling chooses item 0 again
    EXPECT_EQ(f->SortNotebook1->currentIndex(), 3);
    EXPECT_EQ(f->OrdName01->Text().toStdString(), "Photos");
    EXPECT_EQ(f->OrdnerSerieErstellen->text().toStdString(), "Create Directory Series");
}

// Pictures of the sort page's parameter pages and of the folder page, in German and
// English, for a look.
TEST_F(SortAndFolderPages, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_SORT_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_SORT_SCREENSHOTS=<folder> to save pictures of the sort and folder pages";
    f->setWindowState(Qt::WindowNoState);
    f->resize(1024, 700);
    f->show();
    for (int language : {0, 10000}) {
        Sprache = language;
        LanguageIndex = language ? 1 : 0;
        ApplyLanguageCaptions();
        const QString suffix = language ? "_en" : "_de";
        f->PageControl->setCurrentWidget(f->TabSheet03);
        for (int criterion : {0, 1, 3, 4}) {
            f->SortRadioGroup1->setItemIndex(criterion);
            QCoreApplication::processEvents();
            ASSERT_TRUE(f->PageControl->grab().save(folder + QStringLiteral("/sort%1%2.png").arg(criterion).arg(suffix)));
        }
        f->PageControl->setCurrentWidget(f->TabSheet04);
        QCoreApplication::processEvents();
        ASSERT_TRUE(f->PageControl->grab().save(folder + "/folder" + suffix + ".png"));
    }
    QCoreApplication::processEvents();
    ASSERT_TRUE(f->grab().save(folder + "/window_en.png"));
}

} // namespace
