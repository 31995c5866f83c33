// The main menu, the tool bar and the list pop-up: what each page offers, the action
// items by selection, help, Esc, the images, and pictures of the opened menus.

#include "localisation/fktSprache.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/MediaPlayer.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FileOpener.h"
#include "support/FolderNames.h"
#include "support/MainWindowFixture.h"
#include "support/StoredSettings.h"
#include "support/ScriptedModals.h"
#include "support/SilentWav.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

std::string Str(const QString &s)
{
    return s.toStdString();
}

class MenuState : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path();
        Sprache = 0;
        LanguageIndex = 0;
        VerstecktAnzeigen = 0;
    }
    void TearDown() override
    {
        form_.reset();
        Sprache = 0;
        VerstecktAnzeigen = 0;
    }
    THauptForm &Form() { return form_.OnDemand(); }
    QString Make(const QString &relative, const QByteArray &content = "x")
    {
        return MakeTestFileBelow(Root, relative, content);
    }
    // The left list shows Root, nothing selected.
    void ShowRoot()
    {
        ASSERT_TRUE(Form().ShellTreeView01->setPath(Root));
        Form().ShellListView01->ClearSelection();
    }
    void Select(const QStringList &names)
    {
        TShellListView *list = Form().ShellListView01;
        std::vector<int> rows;
        for (int i = 0; i < list->Count(); ++i)
            if (names.contains(list->Folders(i).Name))
                rows.push_back(i);
        ASSERT_EQ(rows.size(), size_t(names.size()));
        list->SelectRows(rows);
    }
    void ShowPage(int index)
    {
        Form().PageControl->setCurrentIndex(index);
        ASSERT_EQ(Form().PageControl->currentIndex(), index);
    }
    static QStringList Names(const TShellListView *list)
    {
        QStringList names;
        for (int i = 0; i < list->Count(); ++i)
            names << list->Folders(i).Name;
        return names;
    }

    QString Root;
    MainWindowFixture form_;
    ScriptedModals modals_;

private:
    QTemporaryDir dir_;
};

// ---- The per-page table ----

TEST_F(MenuState, EachPageAppliesItsRow)
{
    Make("a.txt");
    THauptForm &f = Form();
    ShowRoot();
    struct Entry {
        const char *Name;
        std::vector<QAction *> Items;
        QToolButton *Button;
    };
    const Entry entries[] = {
        {"Dateiauswahl", {f.HMenuAnsichtDateiauswahl}, f.TB01Dateiauswahl},
        {"DragDrop", {f.HMenuAnsichtDragDrop}, f.TB01DragDrop},
        {"DateiAttribute", {f.HMenuAnsichtDateiAttribute}, f.TB01DateiAttribute},
        {"OrdnerFuell", {f.HMenuAnsichtOrdnerFuell}, f.TB01OrdnerFuell},
        {"Vorschau", {f.HMenuAnsichtVorschau}, f.TB01Vorschau},
        {"Thumbs", {f.HMenuAnsichtThumbs}, f.TB01Thumbs},
        {"Umbenennen", {f.HMenuAktionenUmbenennen, f.PM01DateiUmbenennen}, f.TB01Umbenennen},
        {"AttrAendern", {f.HMenuAktionenAttrAendern, f.PM01AttrAendern}, f.TB01AttrAendern},
        {"Sortieren", {f.HMenuAktionenSortieren, f.PM01Sortieren}, f.TB01Sortieren},
    };
    // Pages in the order visited; "1" on, "0" off. The action items' enabling follows
    // the selection afterwards (UpdateActionButtons), so for them only Visible is checked.
    struct Row {
        int Page;
        std::uint8_t Mode;
        bool ViewMenu;
        const char *States;
    } const rows[] = {
        {1, 3, true, "111000010"},
        {2, 1, true, "111000001"},
        {0, 1, true, "111111100"},
        {4, 1, false, "111100000"}, // the fill-level item keeps the rename page's "on"
        {1, 3, true, "111000010"},
        {4, 1, false, "111000000"}, // ... and the attributes page's "off"
        {3, 8, false, "000000100"}, // the folder page with the folder-trees sub-view (down at start)
    };
    for (const Row &row : rows) {
        ShowPage(row.Page);
        SCOPED_TRACE(row.Page);
        EXPECT_EQ(ViewMode, row.Mode);
        EXPECT_EQ(f.HMenuAnsicht->menuAction()->isEnabled(), row.ViewMenu);
        for (size_t i = 0; i < std::size(entries); ++i) {
            const bool on = row.States[i] == '1';
            const bool action = i >= 6;
            for (QAction *item : entries[i].Items) {
                EXPECT_EQ(item->isVisible(), on) << entries[i].Name;
                if (!action || !on) {
                    EXPECT_EQ(item->isEnabled(), on) << entries[i].Name;
                }
            }
            if (!action || !on) {
                EXPECT_EQ(entries[i].Button->isEnabled(), on) << entries[i].Name;
            }
            for (QAction *a : f.ToolBar->actions())
                if (f.ToolBar->widgetForAction(a) == entries[i].Button) {
                    EXPECT_TRUE(a->isVisible()) << "a button is only disabled";
                }
        }
    }
}

TEST_F(MenuState, AttributesPageStopsThePreviewTheSortingPageKeepsIt)
{
    Make("stille.wav", SilentWav(3000));
    THauptForm &f = Form();
    ShowRoot();
    TMediaPlayer *player = f.ExplorerMediaPlayer;
    for (int page : {2, 1}) {
        SCOPED_TRACE(page);
        ShowPage(0);
        ActiveExplorer = 2;
        Select({"stille.wav"});
        ASSERT_TRUE(player->IsOpen());
        player->Play();
        ASSERT_EQ(player->Mode(), TMediaPlayer::mpPlaying);
        ShowPage(page);
        EXPECT_EQ(ActiveExplorer, 1);
        if (page == 2) {
            EXPECT_EQ(player->Mode(), TMediaPlayer::mpPlaying);
            EXPECT_EQ(f.ShellListView01->SelCount(), 1); // the re-read keeps the selection
        } else {
            EXPECT_EQ(ViewMode, 3);
            EXPECT_FALSE(player->IsOpen());
            EXPECT_TRUE(player->FileName().isEmpty());
        }
    }
}

TEST_F(MenuState, ActionItemOfThePageFollowsTheSelection)
{
    Make("a.txt");
    THauptForm &f = Form();
    ShowRoot();
    ShowPage(1);
    EXPECT_TRUE(f.HMenuAktionenAttrAendern->isVisible());
    EXPECT_FALSE(f.HMenuAktionenAttrAendern->isEnabled());
    EXPECT_FALSE(f.TB01AttrAendern->isEnabled());
    Select({"a.txt"});
    EXPECT_TRUE(f.HMenuAktionenAttrAendern->isEnabled());
    EXPECT_TRUE(f.TB01AttrAendern->isEnabled());
    f.ShellListView01->ClearSelection();
    EXPECT_FALSE(f.HMenuAktionenAttrAendern->isEnabled());
    EXPECT_FALSE(f.TB01AttrAendern->isEnabled());
    EXPECT_TRUE(f.HMenuAktionenAttrAendern->isVisible());

    // The rename page: the rename item and button; a selection in the other list counts
    // once that list is active.
    ShowPage(0);
    EXPECT_FALSE(f.TB01Umbenennen->isEnabled());
    Select({"a.txt"});
    EXPECT_TRUE(f.HMenuAktionenUmbenennen->isEnabled());
    EXPECT_TRUE(f.TB01Umbenennen->isEnabled());
    ActiveExplorer = 2;
    f.UpdateActionButtons();
    EXPECT_FALSE(f.TB01Umbenennen->isEnabled());
}

TEST_F(MenuState, FolderPageListsFoldersOnly)
{
    Make("a.txt");
    Make("Bilder/b.jpg");
    Make(".versteckt/c.txt");
    Make(".hidden.txt");
    THauptForm &f = Form();
    ShowRoot();
    f.ShellTreeView02->setPath(Root);
    EXPECT_EQ(Names(f.ShellListView01), (QStringList{"Bilder", "a.txt"}));
    ShowPage(3);
    EXPECT_EQ(Names(f.ShellListView01), QStringList{"Bilder"});
    EXPECT_EQ(Names(f.ShellListView02), QStringList{"Bilder"});
    EXPECT_EQ(f.ExplorerStatusBar01->Panel(0), LoadLangString(8999) + "1");
    VerstecktAnzeigen = 1;
    ShowPage(2);
    EXPECT_EQ(Names(f.ShellListView01), (QStringList{".versteckt", "Bilder", ".hidden.txt", "a.txt"}));
    EXPECT_EQ(f.ExplorerStatusBar02->Panel(0), LoadLangString(8999) + "4");
    ShowPage(3);
    EXPECT_EQ(Names(f.ShellListView01), (QStringList{".versteckt", "Bilder"}));
}

TEST_F(MenuState, RenamePageReleasesThePreviewButtonAndTheFileList)
{
    THauptForm &f = Form();
    f.DatUmbDateiListe->setChecked(true); // the file list on releases the preview
    f.DatUmbVorschau->setDown(true);
    ShowPage(2);
    EXPECT_TRUE(f.DatUmbVorschau->Down()); // the sorting page has no resets
    ShowPage(0);
    EXPECT_FALSE(f.DatUmbVorschau->Down());
    EXPECT_FALSE(f.DatUmbDateiListe->Checked());
    EXPECT_EQ(ViewMode, 1);

    // The MP3 sub-view: mode 7, the View menu off, renaming and sorting offered.
    f.DatUmbSpeedButton04->setDown(true);
    ShowPage(2);
    ShowPage(0);
    EXPECT_EQ(ViewMode, 7);
    EXPECT_FALSE(f.HMenuAnsicht->menuAction()->isEnabled());
    EXPECT_FALSE(f.HMenuAnsichtDateiauswahl->isVisible());
    EXPECT_TRUE(f.HMenuAktionenSortieren->isVisible());
    EXPECT_TRUE(f.HMenuAktionenUmbenennen->isVisible());
}

// ---- The action items by selection ----

TEST_F(MenuState, ActionItemsFollowTheSelectionKind)
{
    Make("a.txt");
    Make("b.txt");
    THauptForm &f = Form();
    ShowRoot();
    ShowPage(2); // the sorting page shows the sort item
    ShowPage(0);
    const QList<QAction *> menu = {f.HMenuAktionenDateiLoeschen, f.HMenuAktionenUmbenennen,
                                   f.HMenuAktionenAttrAendern, f.HMenuAktionenSortieren};
    const QList<QAction *> popup = {f.PM01DateiLoeschen, f.PM01DateiUmbenennen, f.PM01AttrAendern, f.PM01Sortieren};

    struct Case {
        QStringList Selected;
        bool Recursive;
        int Delete, Rename, Sort; // caption ids; 0: the items are disabled
    } const cases[] = {
        {{}, false, 0, 0, 0},
        {{}, true, 812, 814, 816},
        {{"a.txt"}, false, 811, 813, 815},
        {{"a.txt", "b.txt"}, false, 812, 814, 816},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Str(c.Selected.join(',')) + (c.Recursive ? " recursive" : ""));
        f.ShellListView01->ClearSelection();
        if (!c.Selected.isEmpty())
            Select(c.Selected);
        f.DatUmbRekursiv->setChecked(c.Recursive);
        f.HMenuAktionen->popup(QPoint(0, 0)); // runs HMenuAktionenClick
        f.HMenuAktionen->hide();
        emit f.PopupMenu01->aboutToShow();
        for (const QList<QAction *> &items : {menu, popup}) {
            const bool enabled = c.Delete != 0;
            EXPECT_EQ(items[0]->isEnabled(), enabled);
            EXPECT_EQ(items[1]->isEnabled(), enabled);
            EXPECT_FALSE(items[2]->isEnabled()); // hidden on the rename page
            EXPECT_FALSE(items[3]->isEnabled());
            if (enabled) {
                EXPECT_EQ(items[0]->text(), LoadLangString(c.Delete));
                EXPECT_EQ(items[1]->text(), LoadLangString(c.Rename));
                EXPECT_EQ(items[3]->text(), LoadLangString(c.Sort));
            }
        }
        EXPECT_EQ(f.TB01Umbenennen->isEnabled(), c.Delete != 0);
    }
    EXPECT_EQ(f.HMenuAktionenDateiLoeschen->text(), QStringLiteral("Dateien löschen"));
    f.ShellListView01->ClearSelection();
    Select({"a.txt"});
    emit f.HMenuAktionen->aboutToShow();
    EXPECT_EQ(f.HMenuAktionenDateiLoeschen->text(), QStringLiteral("Datei löschen"));
    EXPECT_EQ(f.HMenuAktionenDateiLoeschen->statusTip(), LoadLangString(820));

    // The sorting page: one selected item enables the visible sort item.
    ShowPage(2);
    f.DatUmbRekursiv->setChecked(true); // not the box of this page
    Select({"a.txt", "b.txt"});
    emit f.HMenuAktionen->aboutToShow();
    EXPECT_TRUE(f.HMenuAktionenSortieren->isEnabled());
    EXPECT_EQ(f.HMenuAktionenSortieren->text(), LoadLangString(816));
    EXPECT_FALSE(f.HMenuAktionenUmbenennen->isEnabled()); // hidden: left as the page set it

    // The folder page names the rename item after folders.
    ShowPage(3);
    f.ShellTreeView01->setPath(Root);
    Make("Ordner/x.txt");
    f.ShellListView01->Refresh();
    Select({"Ordner"});
    emit f.HMenuAktionen->aboutToShow();
    EXPECT_EQ(f.HMenuAktionenUmbenennen->text(), LoadLangString(839));
    EXPECT_EQ(f.HMenuAktionenUmbenennen->statusTip(), LoadLangString(840));
    emit f.PopupMenu01->aboutToShow();
    EXPECT_EQ(f.PM01DateiUmbenennen->text(), QStringLiteral("Ordner umbenennen"));
}

// ---- File and Info items ----

TEST_F(MenuState, HelpHandsTheLanguagesFileToTheOpener)
{
    THauptForm &f = Form();
    FileOpener opener;
    ProgramDir = Root + "/";
    const QString german = Make("VKT_DEUTSCH.hlp"), english = Make("VKT_ENGLISH.hlp");
    struct Case {
        int Sprache;
        QString Expected;
    } const cases[] = {{0, german}, {20000, english}, {10000, english}, {5, {}}, {9999, {}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Sprache);
        opener.opened.clear();
        Sprache = c.Sprache;
        f.HMenuInfoHilfe->trigger();
        if (c.Expected.isEmpty())
            EXPECT_TRUE(opener.opened.isEmpty());
        else
            EXPECT_EQ(opener.opened, QList<QUrl>{QUrl::fromLocalFile(c.Expected)});
    }
    // A missing file opens nothing; the button runs the item.
    Sprache = 0;
    opener.opened.clear();
    ASSERT_TRUE(fs::removeFile(german));
    f.ToolButton1->click();
    EXPECT_TRUE(opener.opened.isEmpty());
    Sprache = 20000;
    f.ToolButton1->click();
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(modals_.shown().empty());
}

TEST_F(MenuState, EscClosesTheWindowOnlyWhenNoEditorTakesIt)
{
    Make("Ordner/x.txt");
    THauptForm &f = Form();
    f.show();
    QApplication::setActiveWindow(&f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root + "/Ordner"));
    f.ShellTreeView01->setFocus();
    f.ShellTreeView01->EditSelected();
    QLineEdit *editor = f.ShellTreeView01->findChild<QLineEdit *>();
    ASSERT_TRUE(editor && editor->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible()); // the Esc cancelled the label edit only
    EXPECT_FALSE(editor->isVisible());

    // An open combo list takes Esc as well.
    f.FilterComboBox01->showPopup();
    QWidget *list = QApplication::activePopupWidget();
    ASSERT_TRUE(list);
    f.HMenuDateiProgEndeClick();
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(QApplication::activePopupWidget());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}

// ---- Building ----

TEST_F(MenuState, EveryItemAndButtonExistsOnceInItsPlace)
{
    THauptForm &f = Form();
    auto names = [](const QList<QAction *> &actions) {
        QStringList list;
        for (QAction *a : actions)
            list << (a->isSeparator() && a->objectName().isEmpty() ? QStringLiteral("-") : a->objectName());
        return list;
    };
    EXPECT_EQ(names(f.menuBar()->actions()).size(), 4);
    EXPECT_EQ(names(f.HMenuDatei->actions()),
              (QStringList{"HMenuDateiRueckgaengig", "HMenuDateiOptionen", "HMenuDateiSprache", "HMenuDateiTrenner01",
                           "HMenuDateiProgDeInst", "HMenuDateiTrenner02", "HMenuDateiProgEnde"}));
    EXPECT_EQ(names(f.HMenuAnsicht->actions()),
              (QStringList{"HMenuAnsichtDateiauswahl", "HMenuAnsichtDragDrop", "HMenuAnsichtDateiAttribute",
                           "HMenuAnsichtOrdnerFuell", "HMenuAnsichtVorschau", "HMenuAnsichtThumbs"}));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(f.HMenuAnsicht->actions()[i]->shortcut(), QKeySequence(Qt::Key_F2 + i));
    EXPECT_EQ(f.HMenuDateiProgEnde->shortcut(), QKeySequence(Qt::Key_Escape));
    EXPECT_EQ(f.HMenuInfoHilfe->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(names(f.PopupMenu01->actions()),
              (QStringList{"PM01DateiLoeschen", "PM01DateiUmbenennen", "PM01AttrAendern", "PM01Sortieren", "-",
                           "PM01AllesMarkieren", "-", "PM01Eigenschaften"}));
    EXPECT_EQ(names(f.PopupMenu02->actions()), (QStringList{"PM02OrdnerNeu", "PM02Eigenschaften"}));
    EXPECT_FALSE(f.PM02OrdnerNeu->isVisible());

    QStringList bar;
    for (QAction *a : f.ToolBar->actions())
        bar << (a->isSeparator() ? QStringLiteral("-") : f.ToolBar->widgetForAction(a)->objectName());
    const QStringList expected{"TB01Refresh", "-", "TB01Rueckgaengig", "TB01Optionen", "TB01ProgEnde", "-",
                               "TB01LargeIcon", "TB01SmallIcon", "TB01List", "TB01Report", "-",
                               "TB01Dateiauswahl", "TB01DragDrop", "TB01DateiAttribute", "TB01OrdnerFuell",
                               "TB01Vorschau", "TB01Thumbs", "-", "TB01Umbenennen", "TB01AttrAendern",
                               "TB01Sortieren", "TB01Markieren", "-", "ToolButton1", "ToolButton2"};
    EXPECT_EQ(bar, expected);
    for (const QString &name : expected)
        if (name != "-") {
            EXPECT_EQ(f.findChildren<QToolButton *>(name).size(), 1) << Str(name);
        }
    EXPECT_TRUE(f.TB01List->isChecked());

    // One distinct image per index the items name.
    QSet<QByteArray> images;
    int used = 0;
    for (const QIcon &icon : f.ImageList01) {
        if (icon.isNull())
            continue;
        ++used;
        const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        images.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(used, 20);
    EXPECT_EQ(images.size(), used);
}

TEST_F(MenuState, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_MENU_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_MENU_SCREENSHOTS=<folder> to save pictures of the menus and the tool bar";
    for (int language : {0, 10000}) {
        // The window takes its language from the stored settings.
        StoreSettings([&](TRegistry &reg) { reg.WriteInteger("Sprache", language); });
        form_.reset();
        THauptForm &f = Form();
        ASSERT_EQ(Sprache, language);
        f.setWindowState(Qt::WindowNoState);
        f.resize(1024, 700);
        f.show();
        QCoreApplication::processEvents();
        const QString suffix = language ? QStringLiteral("en") : QStringLiteral("de");
        ASSERT_TRUE(f.ToolBar->grab().save(folder + "/toolbar_" + suffix + ".png"));
        for (QMenu *menu : {f.HMenuDatei, f.HMenuAnsicht, f.HMenuAktionen, f.HMenuInfo, f.PopupMenu01}) {
            menu->popup(QPoint(0, 0));
            QCoreApplication::processEvents();
            ASSERT_TRUE(menu->grab().save(folder + "/" + menu->objectName() + "_" + suffix + ".png"));
            menu->hide();
        }
    }
}

} // namespace
