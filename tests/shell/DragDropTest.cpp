// Drag and drop between the explorer panes (synthetic drag events), the drop pop-up
// with copy and move, delete to the trash, and opening a file from a list.

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::string Str(const QString &s)
{
    return s.toStdString();
}

QString Trash()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/";
}

// The pop-up's answers: its items without the separator.
enum PopupItem { Copy = 1, Move = 2, Cancel = 3 };

class DragDrop : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path();
        for (QString *s : {&CurrentFolderLeft, &CurrentFolderRight, &StartverzeichnisLinks, &StartverzeichnisRechts})
            s->clear();
        Sprache = 0;
        LanguageIndex = 0;
        ASSERT_TRUE(fs::createFolders(Root + "/Links"));
        ASSERT_TRUE(fs::createFolders(Root + "/Rechts"));
    }

    // The window shown, the left pair at Links, the right one at Rechts (mode 2).
    THauptForm &Shown(const QString &left = {}, const QString &right = {})
    {
        THauptForm &f = window_.Create();
        f.show();
        f.HMenuAnsichtDragDrop->trigger();
        EXPECT_EQ(ViewMode, 2);
        EXPECT_TRUE(f.ShellTreeView01->setPath(left.isEmpty() ? Root + "/Links" : left));
        EXPECT_TRUE(f.ShellTreeView02->setPath(right.isEmpty() ? Root + "/Rechts" : right));
        QApplication::processEvents();
        return f;
    }

    QString Make(const QString &relative, const QByteArray &content = "x")
    {
        return MakeTestFileBelow(Root, relative, content);
    }

    static int Row(const TShellListView *list, const QString &name)
    {
        for (int i = 0; i < list->Count(); ++i)
            if (list->Folders(i).Name == name)
                return i;
        ADD_FAILURE() << "no item " << Str(name);
        return -1;
    }
    static void Select(TShellListView *list, const QStringList &names)
    {
        std::vector<int> rows;
        for (const QString &name : names)
            rows.push_back(Row(list, name));
        list->SelectRows(rows);
    }
    // The centre of an item, in the list's coordinates.
    static QPoint ItemPoint(TShellListView *list, const QString &name)
    {
        QAbstractItemView *view = list->currentView();
        const QRect rect = view->visualRect(view->model()->index(Row(list, name), 0));
        EXPECT_TRUE(rect.isValid());
        return view->viewport()->mapTo(list, rect.center());
    }
    // A point of the list's empty area.
    static QPoint EmptyPoint(TShellListView *list)
    {
        QAbstractItemView *view = list->currentView();
        const QPoint corner = view->viewport()->rect().bottomRight() - QPoint(2, 2);
        EXPECT_FALSE(view->indexAt(corner).isValid());
        return view->viewport()->mapTo(list, corner);
    }
    // The centre of a folder's node, loading it without changing the tree's folder.
    static QPoint NodePoint(TShellTreeView *tree, const QString &folder)
    {
        const QString shown = tree->Path();
        EXPECT_TRUE(tree->setPath(folder));
        const QModelIndex node = tree->currentIndex();
        EXPECT_TRUE(tree->setPath(shown));
        tree->scrollTo(node);
        return tree->viewport()->mapTo(tree, tree->visualRect(node).center());
    }
    static QModelIndexList NodesOf(TShellTreeView *tree, const QString &folder)
    {
        return tree->model()->match(tree->model()->index(0, 0), Qt::ToolTipRole, folder, 1,
                                    Qt::MatchExactly | Qt::MatchRecursive | Qt::MatchWrap);
    }

    // The viewport that receives drag events at pos (control coordinates).
    static QWidget *Viewport(QWidget *control)
    {
        if (auto *list = qobject_cast<TShellListView *>(control))
            return list->currentView()->viewport();
        return static_cast<TShellTreeView *>(control)->viewport();
    }
    static QPoint ViewportPoint(QWidget *control, const QPoint &pos)
    {
        return Viewport(control)->mapFrom(control, pos);
    }

    // A mouse press on the source (as a drag begins), then the drag entering the target
    // and moving to pos; whether the target accepts it.
    bool DragOver(QWidget *source, const QPoint &pressAt, QWidget *target, const QPoint &pos)
    {
        QWidget *pressed = Viewport(source);
        QMouseEvent press(QEvent::MouseButtonPress, ViewportPoint(source, pressAt), pressed->mapToGlobal(ViewportPoint(source, pressAt)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pressed, &press); // the drag takes the release
        data_ = std::make_unique<TShellDragData>(source);
        const QPoint at = ViewportPoint(target, pos);
        QDragEnterEvent enter(at, Qt::CopyAction, data_.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Viewport(target), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, data_.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Viewport(target), &move);
        return move.isAccepted();
    }
    // Drags and drops, the pop-up answered with item, the boxes after it with then.
    void DragAndDrop(QWidget *source, const QPoint &pressAt, QWidget *target, const QPoint &pos, int item,
                     std::initializer_list<int> then = {})
    {
        ASSERT_TRUE(DragOver(source, pressAt, target, pos));
        modals_.answer(item);
        for (int answer : then)
            modals_.answer(answer);
        QDropEvent drop(ViewportPoint(target, pos), Qt::CopyAction, data_.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Viewport(target), &drop);
        ASSERT_TRUE(drop.isAccepted());
        QApplication::processEvents(); // the drop is reported once the drag has ended
        ASSERT_EQ(modals_.pending(), 0u);
    }
    // Drags the left list's items names onto pos of the right list.
    void DragFiles(THauptForm &f, const QStringList &names, const QPoint &pos, int item, std::initializer_list<int> then = {})
    {
        Select(f.ShellListView01, names);
        DragAndDrop(f.ShellListView01, ItemPoint(f.ShellListView01, names.first()), f.ShellListView02, pos, item, then);
    }

    QTemporaryDir dir_;
    QString Root;
    MainWindowFixture window_;
    ScriptedModals modals_;
    std::unique_ptr<TShellDragData> data_;
};

// ---- Delete ----

TEST_F(DragDrop, DeleteAsksByCountAndOnlyYesDeletes)
{
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        Make(QStringLiteral("Links/") + name);
    THauptForm &f = Shown();
    ActiveExplorer = 1;
    const struct {
        QStringList selected;
        int answer;
        const char *question;
    } cases[] = {
        {{"a.txt"}, mrNo, "Möchten Sie die Datei wirklich löschen ?"},
        {{"a.txt", "b.txt", "c.txt"}, mrNo, "Möchten Sie die Dateien wirklich löschen ?"},
        {{"b.txt"}, mrCancel, "Möchten Sie die Datei wirklich löschen ?"}, // closed by its frame
    };
    for (const auto &c : cases) {
        Select(f.ShellListView01, c.selected);
        modals_.answer(c.answer);
        f.HMenuAktionenDateiLoeschen->trigger();
        ASSERT_EQ(modals_.shown().size(), size_t(&c - cases + 1));
        EXPECT_EQ(Str(modals_.shown().back().text), c.question);
        EXPECT_EQ(modals_.shown().back().dlgType, mtConfirmation);
        EXPECT_EQ(SortedNames(Root + "/Links"), (QStringList{"a.txt", "b.txt", "c.txt"}));
    }
    // The list's pop-up item deletes as well; Yes puts the file and its info into the trash.
    Select(f.ShellListView01, {"b.txt"});
    modals_.answer(mrYes);
    f.PM01DateiLoeschen->trigger();
    EXPECT_EQ(SortedNames(Root + "/Links"), (QStringList{"a.txt", "c.txt"}));
    EXPECT_EQ(SortedNames(Trash() + "files"), QStringList{"b.txt"});
    EXPECT_EQ(SortedNames(Trash() + "info"), QStringList{"b.txt.trashinfo"});
    EXPECT_EQ(f.ShellListView01->Count(), 2); // the list is read again
}

TEST_F(DragDrop, DeleteWithNothingSelectedAsksNothingAndRereadsTheTrees)
{
    Make("Links/a.txt");
    THauptForm &f = Shown();
    ActiveExplorer = 1;
    f.ShellTreeView01->ExpandNode(Root + "/Links");
    ASSERT_TRUE(fs::createFolders(Root + "/Links/Neu"));
    EXPECT_TRUE(NodesOf(f.ShellTreeView01, Root + "/Links/Neu").isEmpty());
    f.HMenuAktionenDateiLoeschen->trigger();
    EXPECT_TRUE(modals_.shown().empty());
    EXPECT_EQ(SortedNames(Root + "/Links"), (QStringList{"Neu", "a.txt"}));
    f.ShellTreeView01->ExpandNode(Root + "/Links");
    EXPECT_EQ(NodesOf(f.ShellTreeView01, Root + "/Links/Neu").size(), 1);
    EXPECT_EQ(f.ShellListView01->Count(), 2);
    // A hidden active list has nothing selected either.
    Select(f.ShellListView02, {});
    Make("Rechts/r.txt");
    f.ShellListView02->Refresh();
    Select(f.ShellListView02, {"r.txt"});
    f.HMenuAnsichtDateiauswahl->trigger(); // mode 1: the right pair is not shown
    ActiveExplorer = 2;
    f.HMenuAktionenDateiLoeschenClick();
    EXPECT_TRUE(modals_.shown().empty());
    EXPECT_TRUE(fs::exists(Root + "/Rechts/r.txt"));
}

TEST_F(DragDrop, DeleteKeepsNamesThatAreNotUtf8)
{
    const QString name = fs::decodeName("caf\xe9.txt");
    Make("Links/" + name);
    THauptForm &f = Shown();
    ActiveExplorer = 1;
    Select(f.ShellListView01, {name});
    modals_.answer(mrYes);
    f.HMenuAktionenDateiLoeschen->trigger();
    EXPECT_FALSE(fs::exists(Root + "/Links/" + name));
    EXPECT_EQ(SortedNames(Trash() + "files"), QStringList{name});
    EXPECT_EQ(SortedNames(Trash() + "info"), QStringList{name + ".trashinfo"});
}

TEST_F(DragDrop, DeleteOnAFileSystemWithoutTrashKeepsTheFileAndReportsIt)
{
    if (!fs::isFolder("/dev/shm"))
        GTEST_SKIP() << "no /dev/shm";
    QTemporaryDir shm(QStringLiteral("/dev/shm/corvex-delete-XXXXXX"));
    ASSERT_TRUE(shm.isValid());
    const QString file = MakeTestFileBelow(shm.path(), "keep.txt");
    MakeTestFileBelow(shm.path(), "also.txt");
    THauptForm &f = Shown(shm.path());
    ActiveExplorer = 1;
    Select(f.ShellListView01, {"also.txt", "keep.txt"});
    modals_.answer(mrYes);
    modals_.answer(mrOk);
    f.HMenuAktionenDateiLoeschen->trigger();
    EXPECT_EQ(SortedNames(shm.path()), (QStringList{"also.txt", "keep.txt"}));
    ASSERT_EQ(modals_.shown().size(), 2u); // the question, then one Error box for both items
    const ModalRecord &report = modals_.shown()[1];
    EXPECT_EQ(report.dlgType, mtError);
    EXPECT_TRUE(report.text.startsWith(LoadLangString(9130) + "2\r")) << Str(report.text);
    EXPECT_TRUE(report.text.endsWith("\r    " + file)) << Str(report.text);
    EXPECT_GT(report.text.size(), LoadLangString(9130).size() + 2 * (file.size() + 5)); // with the reason
}

// ---- Drag and drop ----

TEST_F(DragDrop, FilesCopiedOntoAFolderItemAndOntoTheEmptyArea)
{
    Make("Links/a.txt", "A");
    Make("Links/b.txt", "B");
    Make("Links/c.txt", "C");
    ASSERT_TRUE(fs::createFolders(Root + "/Rechts/Ziel"));
    THauptForm &f = Shown();
    DragFiles(f, {"a.txt", "c.txt"}, ItemPoint(f.ShellListView02, "Ziel"), Copy);
    const ModalRecord &popup = modals_.shown().back();
    EXPECT_EQ(Str(popup.kind), "PopupMenu");
    EXPECT_EQ(popup.buttons, (QStringList{"Hierher kopieren", "Hierher verschieben", "Abbrechen"}));
    EXPECT_EQ(f.DragSourceName, "ShellListView01");
    EXPECT_EQ(f.DropTargetFolder, Root + "/Rechts/Ziel/");
    EXPECT_EQ(SortedNames(Root + "/Rechts/Ziel"), (QStringList{"a.txt", "c.txt"}));
    EXPECT_EQ(fs::readFile(Root + "/Rechts/Ziel/c.txt"), QByteArray("C"));
    EXPECT_EQ(SortedNames(Root + "/Links"), (QStringList{"a.txt", "b.txt", "c.txt"}));

    DragFiles(f, {"b.txt"}, EmptyPoint(f.ShellListView02), Copy);
    EXPECT_EQ(f.DropTargetFolder, Root + "/Rechts/");
    EXPECT_EQ(SortedNames(Root + "/Rechts"), (QStringList{"Ziel", "b.txt"}));
    EXPECT_EQ(f.ShellListView02->Count(), 2); // the lists are read again
}

// Panel 0 of each status bar counts its list after every way the lists are read again:
// a drop copy onto a list without a selection, a drop move, a delete to the trash.
TEST_F(DragDrop, TheCountPanelsFollowTheListsAfterDropsAndDeletes)
{
    for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt"})
        Make(QStringLiteral("Links/") + name);
    Make("Rechts/r.txt");
    THauptForm &f = Shown();
    auto counts = [&f] { return Str(f.ExplorerStatusBar01->Panel(0) + " / " + f.ExplorerStatusBar02->Panel(0)); };
    EXPECT_EQ(counts(), "Anzahl: 4 / Anzahl: 1");
    DragFiles(f, {"a.txt", "b.txt"}, EmptyPoint(f.ShellListView02), Copy);
    ASSERT_EQ(f.ShellListView02->Count(), 3);
    EXPECT_EQ(counts(), "Anzahl: 4 / Anzahl: 3");
    DragFiles(f, {"c.txt"}, EmptyPoint(f.ShellListView02), Move);
    ASSERT_EQ(f.ShellListView01->Count(), 3);
    EXPECT_EQ(counts(), "Anzahl: 3 / Anzahl: 4");
    ActiveExplorer = 2;
    Select(f.ShellListView02, {"a.txt", "r.txt"});
    modals_.answer(mrYes);
    f.HMenuAktionenDateiLoeschen->trigger();
    ASSERT_EQ(f.ShellListView02->Count(), 2);
    EXPECT_EQ(counts(), "Anzahl: 3 / Anzahl: 2");
}

TEST_F(DragDrop, AListRefusesItsOwnItemsTheTreeBesideItAccepts)
{
    Make("Links/a.txt");
    ASSERT_TRUE(fs::createFolders(Root + "/Links/Unter"));
    THauptForm &f = Shown();
    Select(f.ShellListView01, {"a.txt"});
    const QPoint from = ItemPoint(f.ShellListView01, "a.txt");
    EXPECT_FALSE(DragOver(f.ShellListView01, from, f.ShellListView01, ItemPoint(f.ShellListView01, "Unter")));
    EXPECT_TRUE(DragOver(f.ShellListView01, from, f.ShellTreeView01, NodePoint(f.ShellTreeView01, Root + "/Links/Unter")));
    EXPECT_EQ(f.DropTargetFolder, Root + "/Links/Unter/");
    // The mouse-down on a list takes its tree's folder as the source node.
    EXPECT_EQ(f.DragSourceNode, Root + "/Links");
    // Data from outside the program is refused.
    QMimeData foreign;
    foreign.setText("/etc/passwd");
    QDragMoveEvent move(QPoint(5, 5), Qt::CopyAction, &foreign, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.ShellTreeView02->viewport(), &move);
    EXPECT_FALSE(move.isAccepted());
}

TEST_F(DragDrop, AFolderMovedOntoATreeNodeShowsInBothTrees)
{
    Make("Links/Daten/Alt/eins.txt");
    Make("Links/Daten/Alt/Tief/zwei.txt");
    ASSERT_TRUE(fs::createFolders(Root + "/Rechts/Ziel"));
    THauptForm &f = Shown(Root + "/Links/Daten/Alt");
    f.TB01Report->click();
    const QString target = Root + "/Rechts/Ziel";
    DragAndDrop(f.ShellTreeView01, NodePoint(f.ShellTreeView01, Root + "/Links/Daten/Alt"), f.ShellTreeView02,
                NodePoint(f.ShellTreeView02, target), Move);
    // The styles are applied anew: the left list keeps the chosen one, the right is a list.
    EXPECT_EQ(f.ShellListView01->ViewStyle(), vsReport);
    EXPECT_EQ(f.ShellListView02->ViewStyle(), vsList);
    EXPECT_EQ(f.DragSourceName, "ShellTreeView01");
    EXPECT_EQ(f.DragSourceNode, Root + "/Links/Daten/Alt");
    EXPECT_EQ(f.DropTargetNode, target);
    EXPECT_FALSE(fs::exists(Root + "/Links/Daten/Alt"));
    EXPECT_EQ(SortedNames(target + "/Alt"), (QStringList{"Tief", "eins.txt"}));
    EXPECT_TRUE(fs::exists(target + "/Alt/Tief/zwei.txt"));
    // The left tree went to the nearest folder left; the right one shows the new node.
    EXPECT_EQ(f.ShellTreeView01->Path(), Root + "/Links/Daten");
    EXPECT_EQ(fs::withoutTrailingSlash(CurrentFolderLeft), Root + "/Links/Daten");
    EXPECT_EQ(f.ShellTreeView02->Path(), Root + "/Rechts");
    f.ShellTreeView02->ExpandNode(Root + "/Rechts");
    f.ShellTreeView02->ExpandNode(target);
    EXPECT_EQ(NodesOf(f.ShellTreeView02, target + "/Alt").size(), 1);
}

TEST_F(DragDrop, AnExistingNameIsReplacedOnlyAfterYesAndAFolderIsMerged)
{
    Make("Links/a.txt", "neu");
    Make("Rechts/a.txt", "alt");
    Make("Links/Ordner/eins.txt", "neu 1");
    Make("Links/Ordner/zwei.txt", "neu 2");
    Make("Rechts/Ordner/eins.txt", "alt 1");
    THauptForm &f = Shown();
    DragFiles(f, {"a.txt"}, EmptyPoint(f.ShellListView02), Copy, {mrNo});
    const ModalRecord &question = modals_.shown().back();
    EXPECT_EQ(question.dlgType, mtConfirmation);
    EXPECT_TRUE(question.text.contains(Root + "/Rechts/a.txt")) << Str(question.text);
    EXPECT_EQ(fs::readFile(Root + "/Rechts/a.txt"), QByteArray("alt"));
    EXPECT_EQ(fs::readFile(Root + "/Links/a.txt"), QByteArray("neu"));
    EXPECT_FALSE(fs::exists(Trash() + "files"));

    DragFiles(f, {"a.txt"}, EmptyPoint(f.ShellListView02), Copy, {mrYes});
    EXPECT_EQ(fs::readFile(Root + "/Rechts/a.txt"), QByteArray("neu"));
    EXPECT_EQ(fs::readFile(Trash() + "files/a.txt"), QByteArray("alt"));

    // The folder onto the folder of its name: eins.txt asks (No), zwei.txt is moved.
    DragFiles(f, {"Ordner"}, EmptyPoint(f.ShellListView02), Move, {mrNo});
    EXPECT_EQ(fs::readFile(Root + "/Rechts/Ordner/eins.txt"), QByteArray("alt 1"));
    EXPECT_EQ(fs::readFile(Root + "/Rechts/Ordner/zwei.txt"), QByteArray("neu 2"));
    EXPECT_EQ(SortedNames(Root + "/Links/Ordner"), QStringList{"eins.txt"});
}

// Files that fail to copy or move are reported once, after the drop, with their cause:
// here they vanish while the pop-up is open.
TEST_F(DragDrop, FailedItemsOfADropAreReportedInOneBox)
{
    for (const int item : {Copy, Move}) {
        SCOPED_TRACE(item);
        QStringList names, paths;
        for (int i = 1; i <= 12; ++i) {
            names << QStringLiteral("f%1.txt").arg(i, 2, 10, QLatin1Char('0'));
            paths << Make("Links/" + names.back());
        }
        THauptForm &f = Shown();
        Select(f.ShellListView01, names);
        ASSERT_TRUE(DragOver(f.ShellListView01, ItemPoint(f.ShellListView01, names.first()), f.ShellListView02,
                             EmptyPoint(f.ShellListView02)));
        modals_.answerWith([&](QDialog &, const ModalRecord &) {
            for (const QString &path : paths)
                EXPECT_TRUE(fs::removeFile(path));
            return item;
        });
        modals_.answer(mrOk);
        const size_t before = modals_.shown().size();
        QDropEvent drop(ViewportPoint(f.ShellListView02, EmptyPoint(f.ShellListView02)), Qt::CopyAction, data_.get(),
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Viewport(f.ShellListView02), &drop);
        QApplication::processEvents();
        ASSERT_EQ(modals_.pending(), 0u);
        ASSERT_EQ(modals_.shown().size(), before + 2); // the pop-up, then one report
        const ModalRecord &report = modals_.shown().back();
        EXPECT_EQ(report.dlgType, mtError);
        QString expected = LoadLangString(9130) + "12\r" + LoadLangString(9131) + '\r' + LoadLangString(9134);
        for (const QString &path : paths.mid(0, 10))
            expected += "\r    " + path;
        EXPECT_EQ(Str(report.text), Str(expected));
        EXPECT_EQ(SortedNames(Root + "/Rechts"), QStringList());
    }
}

TEST_F(DragDrop, AFolderDroppedIntoItsOwnSubFolderChangesNothing)
{
    Make("Links/Alt/Unter/x.txt");
    THauptForm &f = Shown(Root + "/Links/Alt", Root + "/Links/Alt/Unter");
    DragAndDrop(f.ShellTreeView01, NodePoint(f.ShellTreeView01, Root + "/Links/Alt"), f.ShellListView02,
                EmptyPoint(f.ShellListView02), Move, {mrOk});
    EXPECT_EQ(modals_.shown().back().dlgType, mtError);
    EXPECT_EQ(SortedNames(Root + "/Links/Alt/Unter"), QStringList{"x.txt"});
    EXPECT_EQ(SortedNames(Root + "/Links/Alt"), QStringList{"Unter"});
}

TEST_F(DragDrop, AFolderMovedToAnotherFileSystemArrivesWholeWithItsLinks)
{
    if (!fs::isFolder("/dev/shm"))
        GTEST_SKIP() << "no /dev/shm";
    QTemporaryDir shm(QStringLiteral("/dev/shm/corvex-move-XXXXXX"));
    ASSERT_TRUE(shm.isValid());
    Make("Links/Alt/Tief/eins.txt", "1");
    ASSERT_EQ(symlink("Tief/eins.txt", fs::encodeName(Root + "/Links/Alt/link").constData()), 0);
    THauptForm &f = Shown(Root + "/Links/Alt", shm.path());
    DragAndDrop(f.ShellTreeView01, NodePoint(f.ShellTreeView01, Root + "/Links/Alt"), f.ShellListView02,
                EmptyPoint(f.ShellListView02), Move);
    EXPECT_FALSE(fs::exists(Root + "/Links/Alt"));
    EXPECT_EQ(fs::readFile(shm.path() + "/Alt/Tief/eins.txt"), QByteArray("1"));
    struct stat link{};
    ASSERT_EQ(lstat(fs::encodeName(shm.path() + "/Alt/link").constData(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(fs::readFile(shm.path() + "/Alt/link"), QByteArray("1"));
}

TEST_F(DragDrop, ThePopUpsAbortChangesNothing)
{
    Make("Links/a.txt");
    THauptForm &f = Shown();
    for (int answer : {int(Cancel), 0}) { // the third item, the pop-up closed
        DragFiles(f, {"a.txt"}, EmptyPoint(f.ShellListView02), answer);
        EXPECT_EQ(SortedNames(Root + "/Rechts"), QStringList{});
        EXPECT_EQ(SortedNames(Root + "/Links"), QStringList{"a.txt"});
    }
}

// Saves the window with the drop pop-up open over the right list, in German and English
// (CORVEX_DRAGDROP_SCREENSHOTS=<folder>).
TEST_F(DragDrop, Screenshot)
{
    const QString folder = qEnvironmentVariable("CORVEX_DRAGDROP_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_DRAGDROP_SCREENSHOTS=<folder> to save the drop pop-up";
    for (const char *name : {"Urlaub.jpg", "Brief.txt", "Rechnung.pdf"})
        Make(QStringLiteral("Links/") + name);
    ASSERT_TRUE(fs::createFolders(Root + "/Rechts/Ziel"));
    for (const auto &[language, file] : {std::pair{0, "dragdrop_de.png"}, std::pair{10000, "dragdrop_en.png"}}) {
        THauptForm &f = Shown();
        Sprache = language; // after the start, which reads the stored language
        SetLanguageIndexFromSprache();
        ApplyLanguageCaptions();
        f.setWindowState(Qt::WindowNoState);
        f.setGeometry(0, 0, 1000, 620);
        QApplication::processEvents();
        SetTreePaneWidth(f.ExplorerSplitter01, 230);
        SetTreePaneWidth(f.ExplorerSplitter02, 230);
        QApplication::processEvents();
        Select(f.ShellListView01, {"Brief.txt", "Urlaub.jpg"});
        const QPoint at = ItemPoint(f.ShellListView02, "Ziel");
        f.PMDragDrop->popup(f.ShellListView02->mapToGlobal(at));
        f.PMDragDrop->setActiveAction(f.DragDropKopieren);
        QTest::qWait(300);
        QImage shot = f.grab().toImage();
        QPainter painter(&shot);
        painter.drawPixmap(f.mapFromGlobal(f.PMDragDrop->pos()), f.PMDragDrop->grab());
        painter.end();
        EXPECT_TRUE(shot.save(QDir(folder).filePath(file)));
        f.PMDragDrop->close();
    }
}

// ---- Opening from a list ----

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

TEST_F(DragDrop, ADoubleClickedFileGoesToTheDesktopsOpener)
{
    Make("Links/brief.txt");
    ASSERT_TRUE(fs::createFolders(Root + "/Links/Unter"));
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    THauptForm &f = Shown();
    QAbstractItemView *view = f.ShellListView01->currentView();
    emit view->doubleClicked(view->model()->index(Row(f.ShellListView01, "brief.txt"), 0));
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(Str(recorder.opened[0].toLocalFile()), Str(Root + "/Links/brief.txt"));
    // A folder opens in the list.
    emit view->doubleClicked(view->model()->index(Row(f.ShellListView01, "Unter"), 0));
    EXPECT_EQ(f.ShellListView01->Root(), Root + "/Links/Unter");
    EXPECT_EQ(recorder.opened.size(), 1);
}

} // namespace

#include "DragDropTest.moc"
