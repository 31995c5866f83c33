// The rename road in the real window, offscreen, driven through its controls only:
// rows clicked in the lists, texts typed, buttons and radio items clicked, the
// questions answered through the modal seam.

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"
#include "support/StoredSettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

std::string Str(const QString &s)
{
    return s.toStdString();
}

class RenameRoadWindow : public testing::Test {
protected:
    void SetUp() override
    {
        Sprache = 0;
        LanguageIndex = 0;
        FilterString.clear();
        // The explorers open on the home folder (the test's fresh HOME), where the
        // files of the road lie in a folder of their own.
        Home = QDir::homePath() + u'/';
        Folder = Home + "Fotos/";
        Target = Home + "Ziel/";
        ASSERT_TRUE(fs::createFolders(Target));
        ASSERT_TRUE(fs::createFolders(Folder));
        for (const char *name : {"Urlaub 1.jpg", "Urlaub 2.jpg", "Notiz.txt"})
            ASSERT_TRUE(fs::writeFileAtomic(Folder + name, name));
        f = &window_.Create();
        f->setWindowState(Qt::WindowNoState);
        f->resize(1024, 700);
        f->show();
        QCoreApplication::processEvents();
    }

    // The row of Name in List; fails the test when it is not listed.
    static int RowOf(TShellListView *List, const QString &Name)
    {
        for (int i = 0; i < List->Count(); ++i)
            if (List->Folders(i).Name == Name)
                return i;
        ADD_FAILURE() << "not listed: " << Str(Name);
        return -1;
    }

    static QPoint RowCentre(TShellListView *List, int Row)
    {
        QAbstractItemView *view = List->currentView();
        return view->visualRect(view->model()->index(Row, 0)).center();
    }

    // Opens the folder Name shown in List by a double click on its row.
    void OpenFolder(TShellListView *List, const QString &Name)
    {
        const int row = RowOf(List, Name);
        ASSERT_GE(row, 0);
        QWidget *viewport = List->currentView()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCentre(List, row));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, RowCentre(List, row));
        QCoreApplication::processEvents();
        ASSERT_EQ(List->Root() + u'/', Folder);
    }

    // Selects the rows of Names in List: a click on the first, Ctrl-clicks on the others.
    static void SelectFiles(TShellListView *List, const QStringList &Names)
    {
        QWidget *viewport = List->currentView()->viewport();
        Qt::KeyboardModifiers modifiers;
        for (const QString &name : Names) {
            const int row = RowOf(List, name);
            ASSERT_GE(row, 0);
            QTest::mouseClick(viewport, Qt::LeftButton, modifiers, RowCentre(List, row));
            modifiers = Qt::ControlModifier;
        }
        ASSERT_EQ(List->SelCount(), Names.size());
    }

    static void ClickItem(TRadioGroup *Group, int Item)
    {
        auto *button = Group->findChild<QRadioButton *>(Group->objectName() + QStringLiteral("_%1").arg(Item));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        ASSERT_EQ(Group->ItemIndex(), Item);
    }

    // A click in the middle of Control; on a check box's box.
    static void Click(QWidget *Control)
    {
        ASSERT_TRUE(Control->isVisible()) << Str(Control->objectName());
        ASSERT_TRUE(Control->isEnabled()) << Str(Control->objectName());
        const bool box = qobject_cast<QCheckBox *>(Control);
        QTest::mouseClick(Control, Qt::LeftButton, {}, box ? QPoint(6, Control->height() / 2) : QPoint());
        QCoreApplication::processEvents();
    }

    // Rule 3 with both texts typed into their fields.
    void ReplaceRule(const QString &Search, const QString &Replacement)
    {
        ClickItem(f->DatUmbRadioGroup02, 3);
        QTest::keyClicks(f->DatUmbEdit05, Search);
        QTest::keyClicks(f->DatUmbEdit06, Replacement);
    }

    // The new names the preview shows, row 1 on.
    QStringList PreviewNames() const
    {
        QStringList names;
        for (int r = 1; r < f->VorschauStringGrid01->RowCount(); ++r)
            names << f->VorschauStringGrid01->Cells(1, r);
        return names;
    }

    static QStringList Listed(TShellListView *List)
    {
        QStringList names;
        for (int i = 0; i < List->Count(); ++i)
            names << List->Folders(i).Name;
        return names;
    }

    static QStringList FilesIn(const QString &Folder)
    {
        QStringList names;
        for (const fs::Entry &e : fs::listFolder(Folder))
            if (!e.isFolder)
                names << e.name;
        names.sort();
        return names;
    }

    // The rename tool button, its question answered Yes.
    void Rename()
    {
        modals.answer(mrYes);
        Click(f->TB01Umbenennen);
        ASSERT_EQ(modals.pending(), 0u);
        EXPECT_EQ(modals.shown().back().kind, QStringLiteral("MessageDlg"));
    }

    // The undo tool button (it asks nothing).
    void Undo()
    {
        const size_t shown = modals.shown().size();
        Click(f->TB01Rueckgaengig);
        EXPECT_EQ(modals.shown().size(), shown);
    }

    QString Home, Folder, Target;
    ScriptedModals modals; // an unexpected box fails the test instead of waiting
    MainWindowFixture window_;
    THauptForm *f = nullptr;
};

TEST_F(RenameRoadWindow, SelectedFilesRenamedAndRestored)
{
    OpenFolder(f->ShellListView01, "Fotos");
    SelectFiles(f->ShellListView01, {"Urlaub 1.jpg", "Urlaub 2.jpg"});
    ReplaceRule("Urlaub", "Reise");
    Click(f->DatUmbVorschau);
    EXPECT_EQ(ViewMode, 4);
    EXPECT_EQ(f->Explorer02->currentWidget(), f->Explorer02->widget(2));
    EXPECT_EQ(PreviewNames(), QStringList({"Reise 1.jpg", "Reise 2.jpg"}));

    QTest::keyClicks(f->DatUmbEdit06, "n");
    EXPECT_EQ(PreviewNames(), QStringList({"Reisen 1.jpg", "Reisen 2.jpg"}));

    Rename();
    EXPECT_EQ(FilesIn(Folder), QStringList({"Notiz.txt", "Reisen 1.jpg", "Reisen 2.jpg"}));
    EXPECT_EQ(Listed(f->ShellListView01), FilesIn(Folder)); // the list shows the new names
    EXPECT_TRUE(f->TB01Rueckgaengig->isEnabled());
    Undo();
    EXPECT_EQ(Listed(f->ShellListView01), FilesIn(Folder));
    EXPECT_FALSE(f->TB01Rueckgaengig->isEnabled());
    EXPECT_EQ(FilesIn(Folder), QStringList({"Notiz.txt", "Urlaub 1.jpg", "Urlaub 2.jpg"}));
}

// The file list as the source: filled from the right list, previewed in mode 6.
TEST_F(RenameRoadWindow, FileListRenamedAndRestored)
{
    Click(f->DatUmbDateiListe);
    ASSERT_TRUE(f->DatUmbDateiListe->Checked());
    EXPECT_EQ(ViewMode, 5);
    EXPECT_EQ(f->Explorer01->currentWidget()->objectName(), QStringLiteral("DateiListe"));
    ASSERT_TRUE(f->ShellListView02->isVisible());
    OpenFolder(f->ShellListView02, "Fotos");
    SelectFiles(f->ShellListView02, {"Notiz.txt", "Urlaub 2.jpg"});
    Click(f->DLSpeedButton02);
    ASSERT_EQ(f->DLStringGrid->RowCount(), 2);
    EXPECT_EQ(f->DLStringGrid->Cells(1, 0), Folder + "Notiz.txt");
    EXPECT_EQ(f->DLStringGrid->Cells(1, 1), Folder + "Urlaub 2.jpg");

    ReplaceRule("t", "T");
    Click(f->DatUmbVorschau);
    EXPECT_EQ(ViewMode, 6);
    EXPECT_TRUE(f->DLStringGrid->isVisible());
    EXPECT_TRUE(f->VorschauStringGrid01->isVisible());
    EXPECT_EQ(PreviewNames(), QStringList({"NoTiz.TxT", "Urlaub 2.jpg"}));

    Rename();
    EXPECT_EQ(FilesIn(Folder), QStringList({"NoTiz.TxT", "Urlaub 1.jpg", "Urlaub 2.jpg"}));
    EXPECT_EQ(Listed(f->ShellListView02), FilesIn(Folder));
    Undo();
    EXPECT_EQ(Listed(f->ShellListView02), FilesIn(Folder));
    EXPECT_EQ(FilesIn(Folder), QStringList({"Notiz.txt", "Urlaub 1.jpg", "Urlaub 2.jpg"}));
}

// Target mode 1: the renamed files are moved into the folder chosen in the folder dialog.
TEST_F(RenameRoadWindow, MovedIntoTheChosenFolderAndBack)
{
    OpenFolder(f->ShellListView01, "Fotos");
    SelectFiles(f->ShellListView01, {"Urlaub 1.jpg", "Urlaub 2.jpg"});
    ClickItem(f->DatUmbRadioGroup01, 1);
    modals.answerWith([this](QDialog &dialog, const ModalRecord &) {
        auto &folders = static_cast<TSelectDirDlg &>(dialog);
        EXPECT_TRUE(folders.ShellTreeView->setPath(Target));
        return int(mrOk);
    });
    Click(f->DatUmbZielverzeichnis);
    ASSERT_EQ(modals.pending(), 0u);
    EXPECT_EQ(modals.shown().back().kind, QStringLiteral("SelectDirectory"));
    EXPECT_EQ(AddTrailingBackslash(f->DatUmbZielverzeichnis->Text()), Target);

    ReplaceRule("Urlaub", "Reise");
    Click(f->DatUmbVorschau);
    EXPECT_EQ(PreviewNames(), QStringList({"Reise 1.jpg", "Reise 2.jpg"}));
    Rename();
    EXPECT_EQ(FilesIn(Folder), QStringList({"Notiz.txt"}));
    EXPECT_EQ(FilesIn(Target), QStringList({"Reise 1.jpg", "Reise 2.jpg"}));
    EXPECT_EQ(Listed(f->ShellListView01), QStringList({"Notiz.txt"}));
    Undo();
    EXPECT_EQ(FilesIn(Folder), QStringList({"Notiz.txt", "Urlaub 1.jpg", "Urlaub 2.jpg"}));
    EXPECT_EQ(FilesIn(Target), QStringList());
}

// Rule 8 changes only the names of the old extension; rule 9 with own values typed
// only in part renames nothing.
TEST_F(RenameRoadWindow, RulesThatChangeOnlyWhatTheirFieldsSay)
{
    OpenFolder(f->ShellListView01, "Fotos");
    SelectFiles(f->ShellListView01, {"Notiz.txt", "Urlaub 1.jpg"});
    ClickItem(f->DatUmbRadioGroup02, 8);
    QTest::keyClicks(f->DatUmbComboBox01, "*.TXT");
    QTest::keyClicks(f->DatUmbComboBox02, "*.text");
    Click(f->DatUmbVorschau);
    EXPECT_EQ(PreviewNames(), QStringList({"Notiz.text", "Urlaub 1.jpg"}));
    Click(f->DatUmbVorschau);
    Rename();
    EXPECT_EQ(FilesIn(Folder), QStringList({"Notiz.text", "Urlaub 1.jpg", "Urlaub 2.jpg"}));
    Undo();

    SelectFiles(f->ShellListView01, {"Notiz.txt", "Urlaub 1.jpg"});
    ClickItem(f->DatUmbRadioGroup02, 9);
    ClickItem(f->RGDatumZeit01, 1);
    QTest::keyClicks(f->MaskEdit01, "0912");
    modals.answer(mrOk);
    Click(f->TB01Umbenennen);
    ASSERT_EQ(modals.pending(), 0u);
    EXPECT_EQ(modals.shown().back().text, LoadLangString(9120));
    EXPECT_EQ(FilesIn(Folder), QStringList({"Notiz.txt", "Urlaub 1.jpg", "Urlaub 2.jpg"}));
}

// The file list follows the batch taken from it: the rows of the files renamed or moved
// get their new names and paths, a failed pair and a copy keep their rows, and the undo
// sets them back; so a second run finds every file. The count panel follows the list.
TEST_F(RenameRoadWindow, FileListFollowsTheBatchAndItsUndo)
{
    ASSERT_TRUE(fs::writeFileAtomic(Folder + "Reise 2.jpg", "taken"));
    const QString copies = Home + "Kopien/";
    ASSERT_TRUE(fs::createFolders(copies));
    Click(f->DatUmbDateiListe);
    OpenFolder(f->ShellListView02, "Fotos");
    SelectFiles(f->ShellListView02, {"Notiz.txt", "Urlaub 1.jpg", "Urlaub 2.jpg"});
    Click(f->DLSpeedButton02);
    const auto rows = [this] {
        QStringList r;
        for (int i = 0; i < f->DLStringGrid->RowCount(); ++i)
            r << f->DLStringGrid->Cells(0, i) + " | " + f->DLStringGrid->Cells(1, i);
        return Str(r.join(u'\n'));
    };
    const auto row = [](const QString &in, const QString &name) { return name + " | " + in + name; };
    const auto lines = [](const QStringList &rows) { return Str(rows.join(u'\n')); };
    const auto chooseTarget = [this](int mode, const QString &folder) {
        ClickItem(f->DatUmbRadioGroup01, mode);
        modals.answerWith([folder](QDialog &dialog, const ModalRecord &) {
            EXPECT_TRUE(static_cast<TSelectDirDlg &>(dialog).ShellTreeView->setPath(folder));
            return int(mrOk);
        });
        Click(f->DatUmbZielverzeichnis);
        // The rename button follows the selection of the lists, which the batch emptied.
        SelectFiles(f->ShellListView02, {"Notiz.txt"});
    };
    ASSERT_EQ(rows(), lines({row(Folder, "Notiz.txt"), row(Folder, "Urlaub 1.jpg"), row(Folder, "Urlaub 2.jpg")}));

    // Rename in place; the second new name is taken, so that pair fails.
    ReplaceRule("Urlaub", "Reise");
    modals.answer(mrYes);
    modals.answer(mrOk);
    Click(f->TB01Umbenennen);
    ASSERT_EQ(modals.pending(), 0u);
    EXPECT_EQ(FilesIn(Folder), QStringList({"Notiz.txt", "Reise 1.jpg", "Reise 2.jpg", "Urlaub 2.jpg"}));
    const std::string renamed = lines({row(Folder, "Notiz.txt"), row(Folder, "Reise 1.jpg"), row(Folder, "Urlaub 2.jpg")});
    EXPECT_EQ(rows(), renamed);
    EXPECT_EQ(Str(f->ExplorerStatusBar02->Panel(0)), "Anzahl: 4");

    // A second run from the list finds every file: all three move into the target folder.
    chooseTarget(1, Target);
    Rename();
    EXPECT_EQ(FilesIn(Target), QStringList({"Notiz.txt", "Reise 1.jpg", "Reise 2.jpg"}));
    EXPECT_EQ(rows(), lines({row(Target, "Notiz.txt"), row(Target, "Reise 1.jpg"), row(Target, "Reise 2.jpg")}));
    EXPECT_EQ(Str(f->ExplorerStatusBar02->Panel(0)), "Anzahl: 1");
    Undo();
    EXPECT_EQ(FilesIn(Target), QStringList());
    EXPECT_EQ(rows(), renamed);
    EXPECT_EQ(Str(f->ExplorerStatusBar02->Panel(0)), "Anzahl: 4");

    // A copy leaves the rows where the files are.
    chooseTarget(2, copies);
    Rename();
    EXPECT_EQ(FilesIn(copies), QStringList({"Notiz.txt", "Reise 1.jpg", "Reise 2.jpg"}));
    EXPECT_EQ(rows(), renamed);
}

// Pictures of the window along the road, modes 1 to 6 reached through the tool bar and
// the rename page, in German and English, at a common size and at the minimum size.
TEST_F(RenameRoadWindow, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_ROAD_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_ROAD_SCREENSHOTS=<folder> to save the window in modes 1 to 6";
    for (int language : {0, 10000}) {
        for (const QSize size : {QSize(1024, 700), QSize(800, 565)}) {
            StoreSettings([&](TRegistry &reg) { reg.WriteInteger("Sprache", language); });
            f = &window_.Create();
            ASSERT_EQ(Sprache, language);
            f->setWindowState(Qt::WindowNoState);
            f->resize(size);
            f->show();
            QCoreApplication::processEvents();
            const QString name = QStringLiteral("%1/road_%2_%3_mode%4.png")
                                     .arg(folder, language ? "en" : "de", QString::number(size.width()));
            const auto save = [&](int mode) {
                QCoreApplication::processEvents();
                ASSERT_EQ(ViewMode, mode);
                std::printf("%s %dx%d mode %d: PageControl %d px high, window %dx%d\n", language ? "en" : "de",
                            size.width(), size.height(), mode, f->PageControl->height(), f->width(), f->height());
                ASSERT_TRUE(f->grab().save(name.arg(mode)));
            };
            OpenFolder(f->ShellListView01, "Fotos");
            SelectFiles(f->ShellListView01, {"Urlaub 1.jpg", "Urlaub 2.jpg"});
            ReplaceRule("Urlaub", "Reise");
            save(1);
            Click(f->DatUmbVorschau);
            save(4);
            Click(f->DatUmbVorschau);
            Click(f->TB01DragDrop); // deselects both lists
            save(2);
            Click(f->TB01DateiAttribute);
            SelectFiles(f->ShellListView01, {"Urlaub 1.jpg"});
            save(3);
            Click(f->TB01Dateiauswahl);
            Click(f->DatUmbDateiListe);
            OpenFolder(f->ShellListView02, "Fotos");
            SelectFiles(f->ShellListView02, {"Notiz.txt", "Urlaub 1.jpg", "Urlaub 2.jpg"});
            Click(f->DLSpeedButton02);
            save(5);
            Click(f->DatUmbVorschau);
            save(6);
        }
    }
    Sprache = 0;
    LanguageIndex = 0;
}

} // namespace
