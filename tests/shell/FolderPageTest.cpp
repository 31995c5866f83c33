// The folder page's sub-views, the folder-structure editor with its files, creating a
// structure on disk, and the series example.

#include "localisation/fktSprache.h"
#include "localisation/fktSprache_Captions.h"
#include "localisation/rvDialogs.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "platform/toolkit/TreeView.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/ScriptedModals.h"
#include "support/WindowPageTest.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class FolderPage : public WindowPageTest {
protected:
    // The next input question is answered with Text and OK.
    void Type(const QString &Text)
    {
        modals.answerWith([Text](QDialog &d, const ModalRecord &) {
            d.findChild<QLineEdit *>()->setText(Text);
            return int(mrOk);
        });
    }
    // The next folder dialog chooses Folder.
    void Choose(const QString &Folder)
    {
        modals.answerWith([Folder](QDialog &d, const ModalRecord &) {
            static_cast<TSelectDirDlg &>(d).SetDialogDirectory(Folder);
            return int(mrOk);
        });
    }
    QTreeWidgetItem *Add(QTreeWidgetItem *Parent, const QString &Name)
    {
        return f->OrdTreeView->AddChild(Parent, Name, 2);
    }
    // A holding B holding C, and D.
    void BuildExample()
    {
        Add(Add(Add(nullptr, "A"), "B"), "C");
        Add(nullptr, "D");
    }
    QStringList Lines() const { return f->OrdTreeView->IndentedLines(); }
    // Loads the structure file Name of the working folder through the page.
    void Load(const QString &Name, const QByteArray &Content)
    {
        ASSERT_TRUE(fs::writeFileAtomic(Arbeitsverzeichnis + Name, Content));
        f->ListOrdFiles();
        f->OrdComboBox1->setCurrentText(Name);
        f->OrdStrukturLaden->click();
    }
};

TEST_F(FolderPage, SavedStructureFileAndItsLoad)
{
    BuildExample();
    f->OrdEdit1->setText("X");
    f->OrdStrukturSpeichern->click();
    EXPECT_EQ(fs::readFile(Arbeitsverzeichnis + "X.ord"), QByteArray("A\r\n\tB\r\n\t\tC\r\nD\r\n"));
    EXPECT_EQ(f->OrdComboBox1->currentText(), "X.ord");

    f->OrdTreeView->Clear();
    f->OrdEdit1->setText("");
    f->OrdStrukturLaden->click();
    EXPECT_EQ(Lines(), (QStringList{"A", "\tB", "\t\tC", "D"}));
    EXPECT_EQ(f->OrdEdit1->Text(), "X");
    EXPECT_EQ(f->OrdTreeView->Selected(), nullptr);
    for (QTreeWidgetItem *node : f->OrdTreeView->Nodes())
        EXPECT_EQ(TTreeView::ImageIndex(node), 2) << node->text(0).toStdString();
    EXPECT_TRUE(modals.shown().empty());
}

TEST_F(FolderPage, StructureFilesInEveryForm)
{
    struct Case {
        const char *content;
        QStringList lines;
    } const cases[] = {
        {"A\n\tB\n", {"A", "\tB"}},
        {"A\r\n B\r\n \tC\n", {"A", "\tB", "\t\tC"}},             // blanks count as levels
        {"\t\tA\r\n\tB\r\nC\r\n", {"A", "\tB", "C"}},               // the first line is at the top
        {"M\xFCller\r\n\t\x80 Kosten\r\n", {u"M\u00FCller"_qs, u"\t\u20AC Kosten"_qs}}, // Windows-1252
        {"M\xC3\xBCller\n", {u"M\u00FCller"_qs}},
        {"A\n\tB\n\t\tC\nD\n\tE\n", {"A", "\tB", "\t\tC", "D", "\tE"}},
    };
    for (const Case &c : cases) {
        Load("Y.ord", c.content);
        EXPECT_EQ(Lines(), c.lines) << c.content;
    }
    EXPECT_TRUE(modals.shown().empty());
}

TEST_F(FolderPage, ALineTooDeepStopsTheLoad)
{
    modals.answer(mrOk);
    Load("Z.ord", "A\r\n\t\tB\r\nC\r\n");
    ASSERT_EQ(modals.shown().size(), 1u);
    EXPECT_EQ(modals.shown()[0].text, u"Ungültige Ebene (2) für Eintrag \"B\""_qs);
    EXPECT_EQ(modals.shown()[0].dlgType, int(mtError));
    EXPECT_EQ(Lines(), QStringList{"A"});
}

TEST_F(FolderPage, FileErrorsAreShown)
{
    // Loading a file that is gone: an Error box with its path; the tree is empty.
    ASSERT_TRUE(fs::writeFileAtomic(Arbeitsverzeichnis + "weg.ord", "A\r\n"));
    f->ListOrdFiles();
    ASSERT_TRUE(fs::removeFile(Arbeitsverzeichnis + "weg.ord"));
    BuildExample();
    modals.answer(mrOk);
    f->OrdStrukturLaden->click();
    ASSERT_EQ(modals.shown().size(), 1u);
    EXPECT_EQ(modals.shown()[0].dlgType, int(mtError));
    EXPECT_TRUE(modals.shown()[0].text.startsWith(Arbeitsverzeichnis + "weg.ord\r")) << modals.shown()[0].text.toStdString();
    EXPECT_TRUE(Lines().isEmpty());

    // Saving where no file can be written: an Error box, not success.
    BuildExample();
    ASSERT_TRUE(fs::writeFileAtomic(Root + "datei", "x"));
    Arbeitsverzeichnis = Root + "datei/";
    f->OrdEdit1->setText("X");
    modals.answer(mrOk);
    f->OrdStrukturSpeichern->click();
    ASSERT_EQ(modals.shown().size(), 2u);
    EXPECT_EQ(modals.shown()[1].dlgType, int(mtError));
    EXPECT_TRUE(modals.shown()[1].text.startsWith(Root + "datei/X.ord\r"));
}

TEST_F(FolderPage, SavingWithoutANameAndLoadingWithoutAChoice)
{
    BuildExample();
    for (const char *name : {"", "/\\"}) {
        f->OrdEdit1->setText(name);
        modals.answer(mrOk);
        f->OrdStrukturSpeichern->click();
        EXPECT_EQ(modals.shown().back().text, LoadLangString(9062));
    }
    EXPECT_TRUE(SortedNames(Arbeitsverzeichnis).filter(".ord").isEmpty());
    // A name with separators is saved without them.
    f->OrdEdit1->setText("a/b\\c");
    f->OrdStrukturSpeichern->click();
    EXPECT_TRUE(fs::isRegularFile(Arbeitsverzeichnis + "abc.ord"));

    f->OrdComboBox1->clear();
    f->OrdStrukturLaden->click(); // nothing chosen: the tree stays
    EXPECT_EQ(Lines().size(), 4);
}

TEST_F(FolderPage, ListedStructureFiles)
{
    for (const char *name : {"b.ord", "A.ORD", "c.txt", "d.ord.bak"})
        ASSERT_TRUE(fs::writeFileAtomic(Arbeitsverzeichnis + name, ""));
    ASSERT_TRUE(fs::createFolders(Arbeitsverzeichnis + "e.ord"));
    f->ListOrdFiles();
    QStringList items;
    for (int i = 0; i < f->OrdComboBox1->count(); ++i)
        items << f->OrdComboBox1->itemText(i);
    EXPECT_EQ(items, (QStringList{"A.ORD", "b.ord"}));
    EXPECT_EQ(f->OrdComboBox1->currentText(), "A.ORD");
}

TEST_F(FolderPage, AddingAndRenamingRefuseNamesTakenBySiblings)
{
    // B under A, then B again under A: refused and asked again (Cancel).
    QTreeWidgetItem *a = Add(nullptr, "A");
    QTreeWidgetItem *d = Add(nullptr, "D");
    f->OrdTreeView->setSelected(a);
    Type("B");
    f->OrdBitBtn02->click();
    Type("B");
    modals.answer(mrOk);
    modals.answer(mrCancel);
    f->OrdBitBtn02->click();
    ASSERT_EQ(modals.shown().size(), 4u);
    EXPECT_EQ(modals.shown()[0].caption, LoadLangString(9055));
    EXPECT_EQ(modals.shown()[0].text, LoadLangString(9056));
    EXPECT_EQ(modals.shown()[2].text, LoadLangString(9057) + "B" + LoadLangString(9058));
    EXPECT_EQ(modals.shown()[2].dlgType, int(mtInformation));
    EXPECT_EQ(modals.shown()[3].kind, "InputQuery");
    // Under another node it is allowed; at the top level twice it is refused.
    f->OrdTreeView->setSelected(d);
    Type("B");
    f->OrdBitBtn02->click();
    f->OrdBitBtn05->click();
    Type("D");
    modals.answer(mrOk);
    modals.answer(mrCancel);
    f->OrdBitBtn02->click();
    EXPECT_EQ(Lines(), (QStringList{"A", "\tB", "D", "\tB"}));

    // Typed names lose leading blanks; a name no folder can bear is asked again.
    f->OrdBitBtn05->click();
    for (const char *bad : {"", "  ", "..", "x/y", "a\nb"})
        Type(bad);
    Type("  c");
    f->OrdBitBtn02->click();
    EXPECT_EQ(Lines(), (QStringList{"A", "\tB", "c", "D", "\tB"})); // sorted, case-insensitively
    for (QTreeWidgetItem *node : f->OrdTreeView->Nodes())
        EXPECT_EQ(TTreeView::ImageIndex(node), 2);

    // Renaming: its own name is fine, a sibling's is refused.
    f->OrdTreeView->setSelected(d);
    modals.answerWith([](QDialog &dlg, const ModalRecord &rec) {
        EXPECT_EQ(rec.caption, LoadLangString(9060));
        EXPECT_EQ(dlg.findChild<QLineEdit *>()->text(), "D");
        dlg.findChild<QLineEdit *>()->setText("A");
        return int(mrOk);
    });
    modals.answer(mrOk);
    Type("0");
    f->OrdBitBtn04->click();
    EXPECT_EQ(modals.shown()[modals.shown().size() - 2].text, LoadLangString(9057) + "A" + LoadLangString(9058));
    EXPECT_EQ(Lines(), (QStringList{"0", "\tB", "A", "\tB", "c"}));
    f->OrdBitBtn05->click();
    f->OrdBitBtn04->click(); // nothing selected: nothing asked

    f->OrdTreeView->setSelected(a);
    f->OrdBitBtn03->click();
    EXPECT_EQ(Lines(), (QStringList{"0", "\tB", "c"}));
    f->OrdBitBtn06->click();
    EXPECT_TRUE(Lines().isEmpty());
}

TEST_F(FolderPage, ATreeReadFromDisk)
{
    for (const char *folder : {"quelle/.git/objects", "quelle/src/sub", "quelle/ leer", "quelle/Bilder"})
        ASSERT_TRUE(fs::createFolders(Root + folder));
    ASSERT_TRUE(fs::writeFileAtomic(Root + "quelle/src/datei.txt", "x"));
    QTreeWidgetItem *x = Add(nullptr, "X");
    f->OrdTreeView->setSelected(x);
    Choose(Root + "quelle");
    f->OrdBitBtn01->click();
    EXPECT_EQ(modals.shown()[0].text, LoadLangString(9102));
    EXPECT_EQ(Lines(), (QStringList{"X", "\tBilder", "\tsrc", "\t\tsub"}));
    EXPECT_EQ(TTreeView::ImageIndex(x->child(0)), 0);

    // No folder chosen: nothing read.
    modals.answer(mrAbort);
    f->OrdBitBtn01->click();
    EXPECT_EQ(Lines().size(), 4);
}

TEST_F(FolderPage, CreatingTheStructure)
{
    const QString base = Root + "basis";
    ASSERT_TRUE(fs::createFolders(base));
    ASSERT_TRUE(f->ShellTreeView01->setPath(base));
    BuildExample();
    f->OrdnerStrukturErstellen->click();
    for (const char *folder : {"A", "A/B", "A/B/C", "D"})
        EXPECT_TRUE(fs::isFolder(base + "/" + folder)) << folder;
    EXPECT_EQ(SortedNames(base), (QStringList{"A", "D"}));

    // A damaged file never reaches outside the base: "..", "." and names with "/" are
    // left out with what lies below them.
    const QString target = Root + "ziel";
    f->OrdnerZielverzeichnis->setText(target);
    Load("boese.ord", "..\r\n\tdraussen\r\n.\r\n\tauch\r\na/b\r\nE\r\n\tF\r\n");
    f->OrdnerStrukturErstellen->click();
    EXPECT_EQ(SortedNames(Root), (QStringList{"basis", "ziel"}));
    EXPECT_EQ(SortedNames(target), QStringList{"E"});
    EXPECT_TRUE(fs::isFolder(target + "/E/F"));
}

TEST_F(FolderPage, SeriesExample)
{
    f->OrdName01->setText("Fotos");
    f->OrdName02->setText("");
    f->OrdCheckBox1->setChecked(true);
    f->OrdEndwertUpDown->setPosition(12);
    f->OrdStartwertUpDown->setPosition(5);
    f->OrdStartwertUpDownClick();
    EXPECT_EQ(f->OrdPanel1->Caption(), "Fotos05...Fotos12");
    f->OrdCheckBox1->setChecked(false);
    EXPECT_EQ(f->OrdPanel1->Caption(), "Fotos5...Fotos12");
    f->OrdName02->setText("_x");
    EXPECT_EQ(f->OrdPanel1->Caption(), "Fotos5_x...Fotos12_x");

    // Raising the start above the end moves the end; the end does not move the start.
    f->OrdStartwertUpDown->setPosition(20);
    f->OrdStartwertUpDownClick();
    EXPECT_EQ(f->OrdEndwertUpDown->Position(), 20);
    EXPECT_EQ(f->OrdEndwert->Text(), "20");
    f->OrdEndwertUpDown->setPosition(3);
    f->OrdEndwertUpDownClick();
    EXPECT_EQ(f->OrdStartwertUpDown->Position(), 20);
    EXPECT_EQ(f->OrdPanel1->Caption(), "Fotos20_x...Fotos3_x");

    for (TEdit *edit : {f->OrdStartwert, f->OrdEndwert}) {
        edit->setText("");
        QTest::keyClicks(edit, "1a2-3 ");
        EXPECT_EQ(edit->Text(), "123");
    }
}

TEST_F(FolderPage, SubViewSwitch)
{
    f->PageControl->setCurrentWidget(f->TabSheet04);
    EXPECT_TRUE(f->Ordnerbaeume->Down());
    EXPECT_EQ(ViewMode, 8);
    EXPECT_EQ(f->Explorer02->currentWidget(), f->OrdTreeView->parentWidget());
    EXPECT_FALSE(f->HMenuAnsicht->menuAction()->isEnabled());

    QTest::mouseClick(f->OrdnerUmbenennen, Qt::LeftButton);
    EXPECT_EQ(ViewMode, 1);
    EXPECT_EQ(f->OrdnerNB01->currentIndex(), 1);
    EXPECT_TRUE(f->OrdnerZielverzeichnis->isHidden());
    EXPECT_TRUE(f->HMenuAnsicht->menuAction()->isEnabled());
    EXPECT_TRUE(f->HMenuAnsichtDateiauswahl->isVisible());
    EXPECT_TRUE(f->HMenuAnsichtDragDrop->isEnabled());
    EXPECT_FALSE(f->HMenuAnsichtVorschau->isVisible());
    EXPECT_TRUE(f->TB01DragDrop->isEnabled());
    EXPECT_FALSE(f->TB01DateiAttribute->isEnabled());

    QTest::mouseClick(f->Ordnerbaeume, Qt::LeftButton);
    EXPECT_EQ(ViewMode, 8);
    EXPECT_EQ(PreviousViewMode[3], 1);
    EXPECT_EQ(f->OrdnerNB01->currentIndex(), 0);
    EXPECT_FALSE(f->OrdnerZielverzeichnis->isHidden());
    EXPECT_FALSE(f->HMenuAnsicht->menuAction()->isEnabled());
    for (QAction *item : {static_cast<QAction *>(f->HMenuAnsichtDateiauswahl), static_cast<QAction *>(f->HMenuAnsichtDragDrop),
                          static_cast<QAction *>(f->HMenuAnsichtDateiAttribute), static_cast<QAction *>(f->HMenuAnsichtVorschau)}) {
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
        EXPECT_FALSE(item->isVisible()) << item->objectName().toStdString();
    }
    for (QToolButton *b : {f->TB01Dateiauswahl, f->TB01DragDrop, f->TB01DateiAttribute, f->TB01Vorschau})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}

// The rename sub-view through its own controls: the rule's fields, the preview button
// and a field change refreshing the shown preview; the trees sub-view hides the switches.
TEST_F(FolderPage, RenameSubViewPreview)
{
    ASSERT_TRUE(fs::createFolders(Root + "base/a/b"));
    ASSERT_TRUE(f->ShellTreeView01->setPath(Root + "base"));
    f->PageControl->setCurrentWidget(f->TabSheet04);
    EXPECT_TRUE(f->OrdnerRekursiv->isHidden());
    EXPECT_TRUE(f->OrdnerVorschauSB->isHidden());
    QTest::mouseClick(f->OrdnerUmbenennen, Qt::LeftButton);
    EXPECT_FALSE(f->OrdnerRekursiv->isHidden());
    EXPECT_FALSE(f->OrdnerVorschauSB->isHidden());

    f->RadioGroupOrdU1->setItemIndex(3);
    EXPECT_EQ(f->OrdnerNB02->currentIndex(), 3);
    f->RadioGroupOrdU2->setItemIndex(2); // upper case
    QTest::mouseClick(f->OrdnerRekursiv, Qt::LeftButton);
    QTest::mouseClick(f->OrdnerVorschauSB, Qt::LeftButton);
    EXPECT_EQ(ViewMode, 4);
    TStringGrid *grid = f->VorschauStringGrid01;
    ASSERT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(1, 1), "A");
    EXPECT_EQ(grid->Cells(1, 2), "B");

    f->RadioGroupOrdU2->setItemIndex(4); // swap the case
    EXPECT_EQ(grid->Cells(1, 1), "A");
    f->RadioGroupOrdU1->setItemIndex(1);
    f->EditOrdU3->setText("x");
    EXPECT_EQ(grid->Cells(1, 1), "xa");
    EXPECT_EQ(grid->Cells(1, 2), "xb");

    QTest::mouseClick(f->Ordnerbaeume, Qt::LeftButton);
    EXPECT_EQ(ViewMode, 8);
    EXPECT_TRUE(f->OrdnerVorschauSB->isHidden());
    QTest::mouseClick(f->OrdnerUmbenennen, Qt::LeftButton);
    EXPECT_EQ(ViewMode, 4);
    EXPECT_TRUE(f->OrdnerVorschauSB->Down());
    QTest::mouseClick(f->OrdnerVorschauSB, Qt::LeftButton);
    EXPECT_NE(ViewMode, 4);
    EXPECT_EQ(SortedNames(Root + "base"), QStringList{"a"}) << "the preview renames nothing";
}

TEST_F(FolderPage, PopupItemsRunTheButtons)
{
    Add(nullptr, "A");
    f->PMenu5_Loeschen->trigger();
    EXPECT_TRUE(Lines().isEmpty());
    Type("N");
    f->PMenu5_Hinzufuegen->trigger();
    EXPECT_EQ(Lines(), QStringList{"N"});
    EXPECT_EQ(f->PMenu5_Speichern->text(), LoadLangString(1800));
    EXPECT_EQ(f->OrdBitBtn01->text(), LoadLangString(1814));
}

// The parents the levels give, and a tree of any depth sorts, saves and goes again
// without trouble.
TEST(FolderTree, LevelsAndDeepTrees)
{
    const TIndentedLines parsed = ParseIndentedLines({"a", "\tb", "\t\tc", "\t\td", "\te", "f", "", "\tg"});
    ASSERT_FALSE(parsed.Failed);
    std::vector<int> parents;
    for (const auto &n : parsed.Nodes)
        parents.push_back(n.Parent);
    EXPECT_EQ(parents, (std::vector<int>{-1, 0, 1, 1, 0, -1, -1, 6}));

    TTreeView tree;
    QTreeWidgetItem *node = nullptr;
    for (int depth = 0; depth < 100000; ++depth)
        node = tree.AddChild(node, "n");
    tree.AlphaSort();
    EXPECT_EQ(tree.Nodes().size(), 100000u);
    tree.Clear();
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    node = nullptr;
    for (int depth = 0; depth < 100000; ++depth)
        node = tree.AddChild(node, "n");
} // the tree goes with its nodes

// Pictures of the folder page in both sub-views, German and English.
TEST_F(FolderPage, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_FOLDER_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_FOLDER_SCREENSHOTS=<folder> to save pictures of the folder page";
    const QString base = Root + "Daten";
    for (const char *sub : {"Fotos/2023/Urlaub", "Fotos/2024", "Texte"})
        ASSERT_TRUE(fs::createFolders(base + "/" + sub));
    ASSERT_TRUE(f->ShellTreeView01->setPath(base));
    f->setWindowState(Qt::WindowNoState);
    f->resize(1100, 720);
    f->show();
    Load("Projekt.ord", "Fotos\r\n\t2023\r\n\t\tUrlaub\r\n\t2024\r\nTexte\r\n\tBriefe\r\n");
    for (QTreeWidgetItem *node : f->OrdTreeView->Nodes())
        node->setExpanded(true);
    f->OrdTreeView->setSelected(f->OrdTreeView->topLevelItem(0)->child(0));
    for (int language : {0, 10000}) {
        Sprache = language;
        LanguageIndex = language ? 1 : 0;
        ApplyLanguageCaptions();
        const QString suffix = language ? "_en" : "_de";
        f->PageControl->setCurrentWidget(f->TabSheet04);
        QTest::mouseClick(f->Ordnerbaeume, Qt::LeftButton);
        QCoreApplication::processEvents();
        ASSERT_EQ(ViewMode, 8);
        ASSERT_TRUE(f->grab().save(folder + "/folder_trees" + suffix + ".png"));
        QTest::mouseClick(f->OrdnerUmbenennen, Qt::LeftButton);
        QCoreApplication::processEvents();
        ASSERT_TRUE(f->grab().save(folder + "/folder_rename" + suffix + ".png"));
    }
}

} // namespace
