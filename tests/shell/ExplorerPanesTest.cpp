// The explorer pairs of the main window: filter boxes and the per-item filter of the
// lists, status panels, the active explorer, view styles, select all, properties,
// refresh, renaming tree folders, the left explorer taking over the right one, and
// the textured list backgrounds.

#include "localisation/fktSprache.h"
#include "platform/fs/FileSystem.h"
#include "platform/registry/TRegistry.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"
#include "shell/Texturen.h"
#include "support/FolderNames.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"
#include "support/StoredSettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Str(const QString &s)
{
    return s.toStdString();
}

class ExplorerPanes : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path();
        for (QString *s : {&CurrentFolderLeft, &CurrentFolderRight,
                           &StartverzeichnisLinks, &StartverzeichnisRechts, &EditedFolderOldPath})
            s->clear();
        Sprache = 0;
        LanguageIndex = 0;
    }
    void TearDown() override
    {
        form_.reset();
        Sprache = 0;
    }
    THauptForm &Form() { return form_.OnDemand(); }
    QString Make(const QString &relative, const QByteArray &content = "x")
    {
        return MakeTestFileBelow(Root, relative, content);
    }
    static QStringList Names(const TShellListView *list)
    {
        QStringList names;
        for (int i = 0; i < list->Count(); ++i)
            names << list->Folders(i).Name;
        return names;
    }
    static QStringList SelectedNames(const TShellListView *list)
    {
        QStringList names;
        for (int row : list->SelectedRows())
            names << list->Folders(row).Name;
        return names;
    }
    static void Select(TShellListView *list, const QString &name)
    {
        const int row = int(Names(list).indexOf(name));
        ASSERT_GE(row, 0) << Str(name);
        list->setItemIndex(row);
    }
    static void ChooseFilter(QComboBox *box, const QString &mask)
    {
        const int index = box->findData(mask);
        ASSERT_GE(index, 0) << Str(mask);
        box->setCurrentIndex(index);
    }
    QTemporaryDir dir_;
    QString Root;
    MainWindowFixture form_;
};

TEST_F(ExplorerPanes, FilterBoxesStartWithTheBuiltInListAndTheOwnFilters)
{
    StoreSettings([](TRegistry &reg) { reg.WriteString("FilterEinst", "*.abc;*.def"); });
    THauptForm &f = Form();
    for (QComboBox *box : {f.FilterComboBox01, f.FilterComboBox02}) {
        ASSERT_EQ(box->count(), 16); // 15 built-in filters, 1 own
        EXPECT_EQ(box->itemText(5), QStringLiteral("*.htm;*.html"));
        EXPECT_EQ(box->itemData(5).toString(), QStringLiteral("*.htm;*.html"));
        EXPECT_EQ(box->itemData(15).toString(), QStringLiteral("*.abc;*.def"));
        EXPECT_EQ(box->currentIndex(), 0);
    }
    // The masks follow the filter shown from the start.
    EXPECT_EQ(FilterMasksLeft, QStringList{"*.*"});
    EXPECT_EQ(FilterMasksRight, QStringList{"*.*"});
}

TEST_F(ExplorerPanes, AddFilterKeepsFoldersAndFilesWithAMaskExtension)
{
    for (const char *name : {"INDEX.HTM", "x.html", "a.html.bak", "README", "Bild.JPG", "sub/inner.txt"})
        Make(QString::fromUtf8(name));
    THauptForm &f = Form();
    f.SetFilterLists(BuiltinFilterList.toString() + "|alle Namen ohne Punkt|*|leer|");
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root));
    ASSERT_TRUE(f.ShellTreeView02->setPath(Root));
    const struct {
        const char *mask;
        QStringList masks, shown;
    } cases[] = {
        {"*.htm;*.html", {"*.htm", "*.html"}, {"sub", "INDEX.HTM", "x.html"}},
        {"*", {"*"}, {"sub", "README"}},
        {"*.jpg;*.jpeg", {"*.jpg", "*.jpeg"}, {"sub", "Bild.JPG"}},
        {"", {}, {"sub"}}, // no mask admits folders only
        {"*.*", {"*.*"}, {"sub", "a.html.bak", "Bild.JPG", "INDEX.HTM", "README", "x.html"}},
    };
    for (const auto &c : cases) {
        ChooseFilter(f.FilterComboBox01, QString::fromUtf8(c.mask));
        EXPECT_EQ(FilterMasksLeft, c.masks) << c.mask;
        EXPECT_EQ(Names(f.ShellListView01), c.shown) << c.mask;
    }
    // The right explorer filters by its own box and masks.
    ChooseFilter(f.FilterComboBox02, "*.htm;*.html");
    EXPECT_EQ(FilterMasksRight, (QStringList{"*.htm", "*.html"}));
    EXPECT_EQ(Names(f.ShellListView02), (QStringList{"sub", "INDEX.HTM", "x.html"}));
    EXPECT_EQ(Names(f.ShellListView01).size(), 6);
}

TEST_F(ExplorerPanes, StatusPanelsShowCountAndSizeInTheChosenLanguage)
{
    Make("klein.txt", QByteArray(700, 'k'));
    Make("leer.txt", "");
    Make("sub/x.txt");
    THauptForm &f = Form();
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root));
    TStatusBar *status = f.ExplorerStatusBar01;
    EXPECT_EQ(Str(status->Panel(0)), "Anzahl: 3");
    EXPECT_EQ(Str(status->Panel(1)), "");
    Select(f.ShellListView01, "klein.txt");
    EXPECT_EQ(Str(status->Panel(1)), "Dateigrösse: 700 Byte");
    Select(f.ShellListView01, "sub"); // a size only for regular files
    EXPECT_EQ(Str(status->Panel(1)), "");

    Sprache = 10000;
    Select(f.ShellListView01, "klein.txt");
    EXPECT_EQ(Str(status->Panel(0)), "Number: 3");
    EXPECT_EQ(Str(status->Panel(1)), "File Size: 700 Byte");
    f.ShellListView01->ClearSelection();
    EXPECT_EQ(Str(status->Panel(1)), "");

    // A double-clicked folder is opened; the tree and the count follow it.
    const int sub = int(Names(f.ShellListView01).indexOf("sub"));
    emit f.ShellListView01->currentView()->doubleClicked(f.ShellListView01->currentView()->model()->index(sub, 0));
    EXPECT_EQ(Str(f.ShellTreeView01->Path()), Str(Root + "/sub"));
    EXPECT_EQ(Str(CurrentFolderLeft), Str(Root + "/sub"));
    EXPECT_EQ(Str(status->Panel(0)), "Number: 1");
}

TEST_F(ExplorerPanes, FilterChangeUpdatesTheCountAndThePanelFitsItsText)
{
    Make("a.txt");
    Make("b.jpg");
    Make("sub/x.txt");
    THauptForm &f = Form();
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root));
    ASSERT_TRUE(f.ShellTreeView02->setPath(Root));
    for (auto [box, status] : {std::pair{f.FilterComboBox01, f.ExplorerStatusBar01},
                               std::pair{f.FilterComboBox02, f.ExplorerStatusBar02}}) {
        EXPECT_EQ(Str(status->Panel(0)), "Anzahl: 3");
        ChooseFilter(box, "*.jpg;*.jpeg");
        EXPECT_EQ(Str(status->Panel(0)), "Anzahl: 2");
        ChooseFilter(box, "*.*");
        EXPECT_EQ(Str(status->Panel(0)), "Anzahl: 3");
    }

    // Panel 0 is at least 80 px and as wide as its text needs; panel 1 starts after it.
    f.show();
    TStatusBar *status = f.ExplorerStatusBar01;
    const QList<QLabel *> panels = status->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 2);
    for (const QString &text : {QStringLiteral("Anzahl: 3"), QStringLiteral("Anzahl: 200000")}) {
        status->setPanel(0, text);
        EXPECT_GE(panels[0]->width(), 78) << Str(text);
        EXPECT_GE(panels[0]->width(), panels[0]->sizeHint().width()) << Str(text);
        EXPECT_GT(panels[1]->x(), panels[0]->geometry().right()) << Str(text);
    }
}

TEST_F(ExplorerPanes, TheListLastChangedIsTheActiveExplorer)
{
    Make("links/a.txt", QByteArray(10, 'a'));
    Make("rechts/b.txt", QByteArray(20, 'b'));
    Make("rechts/c.txt");
    THauptForm &f = Form();
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root + "/links"));
    ASSERT_TRUE(f.ShellTreeView02->setPath(Root + "/rechts"));
    EXPECT_EQ(Str(CurrentFolderRight), Str(Root + "/rechts"));
    EXPECT_EQ(Str(f.ExplorerStatusBar02->Panel(0)), "Anzahl: 2");

    Select(f.ShellListView02, "b.txt");
    EXPECT_EQ(ActiveExplorer, 2);
    EXPECT_EQ(Str(f.ExplorerStatusBar02->Panel(1)), "Dateigrösse: 20 Byte");
    EXPECT_EQ(Str(f.ExplorerStatusBar01->Panel(1)), "");
    Select(f.ShellListView01, "a.txt");
    EXPECT_EQ(ActiveExplorer, 1);
    EXPECT_EQ(Str(f.ExplorerStatusBar01->Panel(1)), "Dateigrösse: 10 Byte");
    f.ShellListView02Click();
    EXPECT_EQ(ActiveExplorer, 2);
    f.ShellListView01ContextPopup();
    EXPECT_EQ(ActiveExplorer, 1);

    // Select all and properties act on the active list.
    ActiveExplorer = 2;
    f.TB01MarkierenClick();
    EXPECT_EQ(SelectedNames(f.ShellListView02), (QStringList{"b.txt", "c.txt"}));
    EXPECT_EQ(SelectedNames(f.ShellListView01), QStringList{"a.txt"});
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    ScriptedModals modals;
    modals.answer(QDialog::Accepted);
    ActiveExplorer = 2;
    f.PM01EigenschaftenClick();
    ASSERT_EQ(modals.shown().size(), 1u);
    EXPECT_EQ(Str(modals.shown()[0].text), Str(Root + "/rechts/b.txt"));
}

TEST_F(ExplorerPanes, ViewStylesOfTheLeftList)
{
    Make("a.txt");
    Make("b/c.txt");
    THauptForm &f = Form();
    TShellListView *list = f.ShellListView01;
    EXPECT_TRUE(f.TB01List->isChecked());
    f.TB01Report->click();
    EXPECT_EQ(list->ViewStyle(), vsReport);
    auto *report = qobject_cast<QTreeView *>(list->currentView());
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(Str(report->model()->headerData(3, Qt::Horizontal).toString()), "Geändert am");
    Sprache = 10000; // the columns are relabelled with the window
    ApplyLanguageCaptions();
    f.TB01ReportClick();
    EXPECT_EQ(Str(report->model()->headerData(3, Qt::Horizontal).toString()), "Last Write");
    EXPECT_EQ(Str(report->model()->headerData(1, Qt::Horizontal).toString()), "Size");

    // A new folder keeps the style of the button that is down.
    f.TB01SmallIcon->click();
    EXPECT_EQ(list->ViewStyle(), vsSmallIcon);
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root + "/b"));
    EXPECT_EQ(list->ViewStyle(), vsSmallIcon);
    f.TB01LargeIcon->click();
    EXPECT_EQ(list->ViewStyle(), vsIcon);
}

// The report view of the left list: sizes in the window's language, the name column as
// wide as the longest name needs.
TEST_F(ExplorerPanes, ReportViewSpeaksTheWindowsLanguageAndFitsItsNames)
{
    const QString longName = QStringLiteral("Urlaub an der Nordsee mit der ganzen Familie 2024.jpg");
    Make(longName, QByteArray(2048, 'x'));
    Make("leer.txt", "");
    THauptForm &f = Form();
    f.setWindowState(Qt::WindowNoState);
    f.resize(1024, 700);
    f.show();
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root));
    f.TB01Report->click();
    QApplication::processEvents();
    auto *report = qobject_cast<QTreeView *>(f.ShellListView01->currentView());
    ASSERT_NE(report, nullptr);
    const auto size = [&](const QString &name) {
        return Str(report->model()->index(int(Names(f.ShellListView01).indexOf(name)), 1).data().toString());
    };
    EXPECT_EQ(size("leer.txt"), "0 Byte");
    EXPECT_EQ(size(longName), "2,00 kByte");
    const int needed = report->fontMetrics().horizontalAdvance(longName) + report->iconSize().width();
    EXPECT_GT(report->header()->sectionSize(0), needed);
    EXPECT_LE(report->header()->sectionSize(0), report->viewport()->width());
    f.ShellListView01->SelectRows({int(Names(f.ShellListView01).indexOf(longName))});
    EXPECT_TRUE(f.ExplorerStatusBar01->Panel(1).startsWith(QStringLiteral("Dateigrösse: ")));

    Sprache = 10000;
    LanguageIndex = 1;
    ApplyLanguageCaptions();
    EXPECT_EQ(size(longName), "2.00 kByte");
    EXPECT_EQ(Str(f.ExplorerStatusBar01->Panel(0)), "Number: 2");
    EXPECT_TRUE(f.ExplorerStatusBar01->Panel(1).startsWith(QStringLiteral("File Size: "))); // the selection's size anew
}

TEST_F(ExplorerPanes, RefreshGoesBackToTheStartFoldersAndRereads)
{
    Make("start1/a.txt");
    Make("start2/b.txt");
    Make("woanders/c.txt");
    StoreSettings([&](TRegistry &reg) {
        reg.WriteString("StartverzeichnisLinks", Root + "/start1/");
        reg.WriteString("StartverzeichnisRechts", Root + "/start2/");
    });
    THauptForm &f = Form();
    ASSERT_EQ(Str(f.ShellTreeView01->Path()), Str(Root + "/start1"));
    ASSERT_TRUE(f.ShellTreeView02->setPath(Root + "/woanders"));
    Make("start1/neu.txt");
    Make("start1/neuer Ordner/d.txt");

    f.TB01RefreshClick();
    EXPECT_EQ(Str(f.ShellTreeView01->Path()), Str(Root + "/start1"));
    EXPECT_EQ(Str(f.ShellTreeView02->Path()), Str(Root + "/start2"));
    EXPECT_EQ(Names(f.ShellListView01), (QStringList{"neuer Ordner", "a.txt", "neu.txt"}));
    EXPECT_EQ(Names(f.ShellListView02), QStringList{"b.txt"});
    EXPECT_TRUE(f.ShellTreeView01->setPath(Root + "/start1/neuer Ordner"));

    // A start folder that went away leaves the tree where it is.
    ASSERT_TRUE(fs::removeFile(Root + "/start2/b.txt"));
    ASSERT_TRUE(fs::removeEmptyFolder(Root + "/start2"));
    f.TB01RefreshClick();
    EXPECT_EQ(Str(f.ShellTreeView01->Path()), Str(Root + "/start1"));
    EXPECT_TRUE(fs::isFolder(f.ShellTreeView02->Path()));
    EXPECT_EQ(Str(f.ShellListView02->Root()), Str(f.ShellTreeView02->Path()));
}

// The count panel follows its list when the refresh button reads a folder that stays
// shown, nothing being selected in it.
TEST_F(ExplorerPanes, RefreshedListsAreCountedAnew)
{
    Make("start/a.txt");
    StoreSettings([&](TRegistry &reg) { reg.WriteString("StartverzeichnisLinks", Root + "/start/"); });
    THauptForm &f = Form();
    ASSERT_EQ(Str(f.ShellTreeView01->Path()), Str(Root + "/start"));
    EXPECT_EQ(Str(f.ExplorerStatusBar01->Panel(0)), "Anzahl: 1");
    Make("start/b.txt");
    Make("start/c.txt");
    f.TB01Refresh->click();
    ASSERT_EQ(f.ShellListView01->Count(), 3);
    EXPECT_EQ(Str(f.ExplorerStatusBar01->Panel(0)), "Anzahl: 3");
}

TEST_F(ExplorerPanes, RenamingATreeFolderNeverReplaces)
{
    Make("Daten/Alt/inhalt.txt", "alt");
    Make("Daten/Vorhanden/bleibt.txt", "bleibt");
    THauptForm &f = Form();
    TShellTreeView *tree = f.ShellTreeView01;
    ASSERT_TRUE(tree->setPath(Root + "/Daten/Alt"));
    EXPECT_FALSE(f.ShellTreeViewEditing("/"));
    EXPECT_FALSE(f.ShellTreeViewEditing(QString()));
    EXPECT_FALSE(f.ShellTreeViewEditing("relativ/Ordner"));

    // Refused and failing names leave the folder and the tree as they were.
    for (const QString &name : {QString("a/b"), QString(), QString("."), QString(".."), QString("Vorhanden"),
                                QString("x") + QChar(0) + "y"}) {
        ASSERT_TRUE(f.ShellTreeViewEditing(tree->Path()));
        EXPECT_EQ(Str(EditedFolderOldPath), Str(Root + "/Daten/Alt"));
        ASSERT_TRUE(tree->model()->setData(tree->currentIndex(), name, Qt::EditRole));
        QApplication::processEvents();
        EXPECT_TRUE(fs::isFolder(Root + "/Daten/Alt")) << Str(name);
        EXPECT_EQ(Str(tree->Path()), Str(Root + "/Daten/Alt")) << Str(name);
        EXPECT_EQ(Str(tree->currentIndex().data().toString()), "Alt");
    }
    EXPECT_EQ(fs::readFile(Root + "/Daten/Vorhanden/bleibt.txt"), QByteArray("bleibt"));
    EXPECT_FALSE(fs::exists(Root + "/Daten/Vorhanden/inhalt.txt"));

    ASSERT_TRUE(f.ShellTreeViewEditing(tree->Path()));
    ASSERT_TRUE(tree->model()->setData(tree->currentIndex(), "Neu", Qt::EditRole));
    QApplication::processEvents();
    EXPECT_FALSE(fs::exists(Root + "/Daten/Alt"));
    EXPECT_EQ(fs::readFile(Root + "/Daten/Neu/inhalt.txt"), QByteArray("alt"));
    EXPECT_EQ(Str(tree->Path()), Str(Root + "/Daten/Neu"));
    EXPECT_EQ(Str(tree->currentIndex().data().toString()), "Neu");
    EXPECT_EQ(Str(f.ShellListView01->Root()), Str(Root + "/Daten/Neu"));
}

TEST_F(ExplorerPanes, LeftExplorerTakesOverTheRightFolderFilterAndSelectedPaths)
{
    for (const char *name : {"quelle/a.jpg", "quelle/b.txt", "quelle/c.jpg", "quelle/d.txt", "quelle/sub/e.txt",
                             "anderswo/z.jpg"})
        Make(QString::fromUtf8(name));
    THauptForm &f = Form();
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root + "/anderswo"));
    ChooseFilter(f.FilterComboBox01, "*.jpg;*.jpeg");
    ASSERT_TRUE(f.ShellTreeView02->setPath(Root + "/quelle"));
    ChooseFilter(f.FilterComboBox02, "*.txt");
    Select(f.ShellListView02, "b.txt");
    f.ShellListView02->setSelected(2, true); // d.txt
    ASSERT_EQ(SelectedNames(f.ShellListView02), (QStringList{"b.txt", "d.txt"}));

    ActiveExplorer = 1; // only when the right explorer is active
    f.SyncExplorersToLeft();
    EXPECT_EQ(Str(f.ShellTreeView01->Path()), Str(Root + "/anderswo"));

    ActiveExplorer = 2;
    f.SyncExplorersToLeft();
    EXPECT_EQ(Str(f.ShellTreeView01->Path()), Str(Root + "/quelle"));
    EXPECT_EQ(Str(f.FilterComboBox01->currentData().toString()), "*.txt");
    EXPECT_EQ(SelectedNames(f.ShellListView01), (QStringList{"b.txt", "d.txt"}));

    // A right filter the left box does not have: the left keeps its filter and still
    // selects exactly the right's paths, wherever they stand in its list.
    ChooseFilter(f.FilterComboBox01, "*.*");
    f.FilterComboBox02->addItem("nur d", "d.txt");
    f.FilterComboBox02->setCurrentIndex(f.FilterComboBox02->count() - 1);
    f.ShellListView02->SelectAll();
    ActiveExplorer = 2;
    f.SyncExplorersToLeft();
    EXPECT_EQ(Str(f.FilterComboBox01->currentData().toString()), "*.*");
    QStringList right;
    for (int row : f.ShellListView02->SelectedRows())
        right << f.ShellListView02->Folders(row).PathName;
    QStringList left;
    for (int row : f.ShellListView01->SelectedRows())
        left << f.ShellListView01->Folders(row).PathName;
    EXPECT_EQ(left, right);
    EXPECT_EQ(SelectedNames(f.ShellListView01), (QStringList{"sub", "b.txt", "d.txt"}));
}

TEST_F(ExplorerPanes, ListTexturesFromTheSettings)
{
    QImage own(64, 32, QImage::Format_RGB32);
    own.fill(Qt::darkGreen);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(own.save(&buffer, "JPG"));
    const QString ownPath = Make("textur.jpeg", jpeg);
    StoreSettings([&](TRegistry &reg) {
        reg.WriteInteger("SLVTextur01", 5);
        reg.WriteInteger("SLVTextur02", 6);
        reg.WriteString("SLVTexturPfad02", ownPath);
        reg.WriteInteger("SLVFontColor02", 0x0000FF); // red, as the colour word holds it
    });
    {
        THauptForm &f = Form();
        EXPECT_EQ(f.ListTextureBitmap01.toImage(), LoadTextureResource(14).toImage());
        EXPECT_EQ(f.ShellListView01->FontColor(), QColor(Qt::white)); // the dark blue texture
        EXPECT_EQ(f.ListTextureBitmap02.size(), QSize(64, 32));
        EXPECT_EQ(f.ShellListView02->FontColor(), QColor(Qt::red));
        // Every draw of a list puts its texture behind the items.
        f.show();
        QApplication::processEvents();
        f.ListTextureBitmap01 = LoadTextureResource(11);
        f.ShellListView01->Repaint();
        EXPECT_EQ(f.ShellListView01->BrushBitmap().cacheKey(), f.ListTextureBitmap01.cacheKey());
    }
    form_.reset();

    // An own texture whose file went away switches the texture off for this run.
    ASSERT_TRUE(fs::removeFile(ownPath));
    THauptForm &f = Form();
    EXPECT_TRUE(f.ListTextureBitmap02.isNull());
    EXPECT_EQ(SLVTextur02, 0);
    EXPECT_EQ(SLVBackground02, 0);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(reg.ReadInteger("SLVTextur02"), 6); // not written back

    for (int id = FirstTextureResource; id <= LastTextureResource; ++id)
        EXPECT_EQ(LoadTextureResource(id).size(), QSize(128, 128)) << id;
    EXPECT_TRUE(LoadTextureResource(9).isNull());
    EXPECT_TRUE(LoadTextureResource(15).isNull());
}

TEST_F(ExplorerPanes, OnlyHorizontalScrollingRepaintsATexturedList)
{
    for (int i = 0; i < 400; ++i)
        Make(QStringLiteral("datei_mit_langem_namen_%1.txt").arg(i, 3, 10, QLatin1Char('0')));
    THauptForm &f = Form();
    f.setWindowState(Qt::WindowNoState);
    f.resize(900, 600);
    f.show();
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root));
    QApplication::processEvents();

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    auto scrolledAtOnce = [&](QAbstractItemView *view, Qt::Orientation orientation) {
        QScrollBar *bar = orientation == Qt::Horizontal ? view->horizontalScrollBar() : view->verticalScrollBar();
        EXPECT_GT(bar->maximum(), 0);
        counter.paints = 0;
        bar->setValue(bar->value() == 0 ? bar->maximum() : 0);
        const bool painted = counter.paints > 0;
        QApplication::processEvents();
        return painted;
    };
    QAbstractItemView *list = f.ShellListView01->currentView();
    list->viewport()->installEventFilter(&counter);
    SLVBackground01 = 1;
    EXPECT_TRUE(scrolledAtOnce(list, Qt::Horizontal));
    SLVBackground01 = 0;
    EXPECT_FALSE(scrolledAtOnce(list, Qt::Horizontal));

    SLVBackground01 = 1;
    f.TB01Report->click();
    QApplication::processEvents();
    QAbstractItemView *report = f.ShellListView01->currentView();
    report->viewport()->installEventFilter(&counter);
    EXPECT_FALSE(scrolledAtOnce(report, Qt::Vertical));
}

TEST_F(ExplorerPanes, Screenshot)
{
    const QString file = qEnvironmentVariable("CORVEX_EXPLORER_SCREENSHOT");
    if (file.isEmpty())
        GTEST_SKIP() << "set CORVEX_EXPLORER_SCREENSHOT=<file.png> to save a picture of the main window";
    const QColor colours[] = {QColor(200, 60, 40), QColor(40, 120, 200), QColor(240, 200, 40), QColor(60, 160, 80)};
    for (int i = 0; i < 12; ++i) {
        QImage picture(i % 3 ? 640 : 360, i % 3 ? 400 : 480, QImage::Format_RGB32);
        picture.fill(colours[i % 4]);
        for (int y = 0; y < picture.height(); y += 40)
            for (int x = (y / 40 % 2) * 40; x < picture.width(); x += 80)
                for (int dy = 0; dy < 40 && y + dy < picture.height(); ++dy)
                    for (int dx = 0; dx < 40 && x + dx < picture.width(); ++dx)
                        picture.setPixel(x + dx, y + dy, colours[(i + 1) % 4].lighter(130).rgb());
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(picture.save(&buffer, "JPG"));
        Make(QStringLiteral("Urlaub/IMG_%1.jpg").arg(1000 + i), bytes);
    }
    Make("Urlaub/Reiseplan.txt");
    Make("Urlaub/Unterwegs/x.jpg");
    StoreSettings([&](TRegistry &reg) { reg.WriteString("StartverzeichnisLinks", Root + "/Urlaub/"); });
    THauptForm &f = Form();
    f.setWindowState(Qt::WindowNoState);
    f.resize(1024, 700);
    f.show();
    ChooseFilter(f.FilterComboBox01, "*.jpg;*.jpeg");
    Select(f.ShellListView01, "IMG_1001.jpg");
    QApplication::processEvents();
    EXPECT_TRUE(f.grab().save(file));
}

// Pictures of the left list's report view with long names, in German and English.
TEST_F(ExplorerPanes, ReportViewScreenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_REPORT_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_REPORT_SCREENSHOTS=<folder> to save the report view in German and English";
    Make("Fotos/Urlaub an der Nordsee mit der ganzen Familie im Sommer 2024 - Tag 1.jpg", QByteArray(3 * 1024 * 1024, 'j'));
    Make("Fotos/Urlaub an der Nordsee mit der ganzen Familie im Sommer 2024 - Tag 2.jpg", QByteArray(1536 * 1024, 'j'));
    Make("Fotos/Reiseplan.txt", QByteArray(700, 'r'));
    Make("Fotos/leer.txt", "");
    Make("Fotos/Unterwegs/x.jpg");
    StoreSettings([&](TRegistry &reg) { reg.WriteString("StartverzeichnisLinks", Root + "/Fotos/"); });
    for (int language : {0, 10000}) {
        THauptForm &f = Form();
        f.setWindowState(Qt::WindowNoState);
        f.resize(1024, 700);
        f.show();
        Sprache = language;
        LanguageIndex = std::uint8_t(language / 10000);
        ApplyLanguageCaptions();
        f.TB01Report->click();
        Select(f.ShellListView01, "Reiseplan.txt");
        QApplication::processEvents();
        EXPECT_TRUE(f.grab().save(QStringLiteral("%1/report_%2.png").arg(folder, language ? "en" : "de")));
        form_.reset();
    }
}

} // namespace
