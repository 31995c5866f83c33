// The folder tree and file list views: synchronous listing, object kinds, the add-item
// event, selection, the link between tree and list, and the scroll events.

#include "platform/toolkit/ShellViews.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTest>
#include <QTreeView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ShellViews : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path();
        for (const char *f : {"b.txt", "A.jpg", ".hidden", "sub/x.txt", "sub/deep/y.txt", ".dot/z"})
            Make(QString::fromUtf8(f));
    }
    void Make(const QString &relative)
    {
        const QString path = Root + "/" + relative;
        ASSERT_TRUE(fs::createFolders(path.left(path.lastIndexOf('/'))));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    static QStringList Names(const TShellListView &list)
    {
        QStringList names;
        for (int i = 0; i < list.Count(); ++i)
            names << list.Folders(i).Name;
        return names;
    }
    QTemporaryDir dir_;
    QString Root;
};

TEST_F(ShellViews, ListIsCompleteAtOnceFoldersFirst)
{
    TShellListView list;
    list.setRoot(Root + "/");
    EXPECT_EQ(list.Root(), Root);
    EXPECT_EQ(Names(list), (QStringList{"sub", "A.jpg", "b.txt"}));
    const TShellFolder sub = list.Folders(0);
    EXPECT_TRUE(sub.IsFolder);
    EXPECT_EQ(sub.PathName, Root + "/sub");
    EXPECT_FALSE(list.Folders(1).IsFolder);
    EXPECT_EQ(list.Folders(99).PathName, QString());

    list.setObjectTypes(otFolders | otNonFolders | otHidden);
    list.Refresh();
    EXPECT_EQ(Names(list), (QStringList{".dot", "sub", ".hidden", "A.jpg", "b.txt"}));
    list.setObjectTypes(otFolders);
    list.Refresh();
    EXPECT_EQ(Names(list), (QStringList{"sub"}));

    list.setRoot(Root + "/missing");
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ShellViews, AddItemEventFilters)
{
    TShellListView list;
    QStringList asked;
    list.OnAddFolder = [&](const TShellFolder &item, bool &canAdd) {
        asked << item.PathName;
        canAdd = item.IsFolder || item.Name.endsWith(".jpg", Qt::CaseInsensitive);
    };
    list.setRoot(Root);
    EXPECT_EQ(Names(list), (QStringList{"sub", "A.jpg"}));
    EXPECT_EQ(asked, (QStringList{Root + "/A.jpg", Root + "/b.txt", Root + "/sub"}));
}

TEST_F(ShellViews, NameThatIsNotUtf8IsListed)
{
    ASSERT_TRUE(fs::writeFileAtomic(Root + "/sub/" + fs::decodeName("caf\xE9"), "x"));
    TShellListView list;
    list.setRoot(Root + "/sub");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(fs::encodeName(list.Folders(1).PathName), fs::encodeName(Root) + "/sub/caf\xE9");
}

TEST_F(ShellViews, SelectionIndexCountAndChangeEvent)
{
    TShellListView list;
    list.setRoot(Root);
    int changed = 0;
    QObject::connect(&list, &TShellListView::OnChange, [&] { ++changed; });
    EXPECT_EQ(list.ItemIndex(), -1);
    list.setSelected(2, true);
    list.setSelected(1, true);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.SelCount(), 2);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(list.isSelected(2));
    EXPECT_FALSE(list.isSelected(0));
    EXPECT_EQ(changed, 2);
    list.SelectAll();
    EXPECT_EQ(list.SelCount(), 3);
    // The selection is one for every style.
    list.setViewStyle(vsReport);
    EXPECT_EQ(list.SelCount(), 3);
    list.setItemIndex(0);
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});
    list.setViewStyle(vsIcon);
    EXPECT_EQ(list.ItemIndex(), 0);
    // A new folder empties the selection and says so.
    changed = 0;
    list.setRoot(Root + "/sub");
    EXPECT_EQ(list.SelCount(), 0);
    EXPECT_EQ(changed, 1);
}

TEST_F(ShellViews, TreeShowsFoldersAndDrivesItsList)
{
    TShellTreeView tree;
    TShellListView list;
    tree.setShellListView(&list);
    int changed = 0;
    QObject::connect(&tree, &TShellTreeView::OnChange, [&] { ++changed; });
    EXPECT_EQ(tree.Path(), QString());
    ASSERT_TRUE(tree.setPath(Root + "/sub/"));
    EXPECT_EQ(tree.Path(), Root + "/sub");
    EXPECT_EQ(list.Root(), Root + "/sub");
    EXPECT_EQ(Names(list), (QStringList{"deep", "x.txt"}));
    EXPECT_EQ(changed, 1);
    EXPECT_TRUE(tree.setPath(Root + "/sub")); // the same folder: no change
    EXPECT_EQ(changed, 1);
    EXPECT_FALSE(tree.setPath(Root + "/b.txt"));
    EXPECT_FALSE(tree.setPath(Root + "/none"));
    EXPECT_FALSE(tree.setPath(QStringLiteral("relative")));
    EXPECT_EQ(tree.Path(), Root + "/sub");
    ASSERT_TRUE(tree.setPath(QStringLiteral("/")));
    EXPECT_EQ(tree.Path(), QStringLiteral("/"));
    // A hidden folder named in full can be shown.
    EXPECT_TRUE(tree.setPath(Root + "/.dot"));
    EXPECT_EQ(list.Root(), Root + "/.dot");
}

TEST_F(ShellViews, TreeChangeComesBeforeTheListLosingItsSelection)
{
    TShellTreeView tree;
    TShellListView list;
    tree.setShellListView(&list);
    ASSERT_TRUE(tree.setPath(Root));
    list.setSelected(1, true);
    QStringList order;
    QObject::connect(&tree, &TShellTreeView::OnChange, [&] { order << "tree " + list.Root(); });
    QObject::connect(&list, &TShellListView::OnChange, [&] { order << "list " + QString::number(list.SelCount()); });
    ASSERT_TRUE(tree.setPath(Root + "/sub"));
    EXPECT_EQ(order, (QStringList{"tree " + Root + "/sub", "list 0"}));
    order.clear();
    ASSERT_TRUE(tree.setPath(Root)); // nothing was selected: the tree alone
    EXPECT_EQ(order, QStringList{"tree " + Root});
    EXPECT_EQ(tree.TopNodePath(), QStringLiteral("/"));
    ASSERT_TRUE(tree.setPath(qEnvironmentVariable("HOME")));
    EXPECT_EQ(tree.TopNodePath(), qEnvironmentVariable("HOME"));
}

TEST_F(ShellViews, SelectRowsSelectsExactlyTheseOnce)
{
    TShellListView list;
    list.setRoot(Root);
    list.setSelected(0, true);
    int changed = 0;
    QObject::connect(&list, &TShellListView::OnChange, [&] { ++changed; });
    list.SelectRows({2, 1, 7, -1});
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(changed, 1);
    list.SelectRows({});
    EXPECT_EQ(list.SelCount(), 0);
}

TEST_F(ShellViews, TreeNodeIsReadAgainOnRequest)
{
    TShellTreeView tree;
    ASSERT_TRUE(tree.setPath(Root + "/sub/deep"));
    ASSERT_TRUE(fs::moveFile(Root + "/sub/deep", Root + "/sub/deeper"));
    EXPECT_FALSE(tree.setPath(Root + "/sub/deep"));
    tree.RefreshNode(Root + "/sub");
    EXPECT_EQ(tree.Path(), Root + "/sub"); // the shown folder went away
    EXPECT_TRUE(tree.setPath(Root + "/sub/deeper"));
}

TEST_F(ShellViews, LabelEditingAsksAndRenames)
{
    TShellTreeView tree;
    QString editedPath, editedText;
    tree.OnEditing = [](const QString &path) { return path.endsWith("deep"); };
    tree.OnEdited = [&](const QString &path, QString &text) {
        editedPath = path;
        editedText = text;
        fs::moveFile(path, path.left(path.lastIndexOf('/') + 1) + text);
    };
    tree.show();
    ASSERT_TRUE(tree.setPath(Root + "/sub"));
    tree.EditSelected();
    EXPECT_EQ(tree.findChild<QLineEdit *>(), nullptr); // refused
    ASSERT_TRUE(tree.setPath(Root + "/sub/deep"));
    tree.EditSelected();
    EXPECT_NE(tree.findChild<QLineEdit *>(), nullptr);
    tree.model()->setData(tree.currentIndex(), QStringLiteral("renamed"), Qt::EditRole);
    EXPECT_EQ(editedPath, Root + "/sub/deep");
    EXPECT_EQ(editedText, QStringLiteral("renamed"));
    QCoreApplication::processEvents(); // the node's parent is read again afterwards
    EXPECT_TRUE(fs::isFolder(Root + "/sub/renamed"));
    EXPECT_EQ(tree.Path(), Root + "/sub/renamed"); // the edited folder stays selected
}

TEST_F(ShellViews, DoubleClickedFolderOpensInListAndTree)
{
    TShellTreeView tree;
    TShellListView list;
    tree.setShellListView(&list);
    ASSERT_TRUE(tree.setPath(Root));
    int dbl = 0;
    QObject::connect(&list, &TShellListView::OnDblClick, [&] { ++dbl; });
    QAbstractItemView *view = list.currentView();
    emit view->doubleClicked(view->model()->index(0, 0)); // "sub"
    EXPECT_EQ(list.Root(), Root + "/sub");
    EXPECT_EQ(tree.Path(), Root + "/sub");
    EXPECT_EQ(dbl, 1);
}

TEST_F(ShellViews, ScrollEventsAfterScrolling)
{
    for (int i = 0; i < 300; ++i)
        Make(QStringLiteral("many/file-with-a-long-name-%1.txt").arg(i));
    TShellListView list;
    list.resize(200, 150);
    list.setRoot(Root + "/many");
    list.setViewStyle(vsReport);
    list.show();
    int horz = 0;
    QObject::connect(&list, &TShellListView::OnScrollHorz, [&] { ++horz; });
    int vert = 0;
    QObject::connect(&list, &TShellListView::OnScrollVert, [&] { ++vert; });
    QAbstractItemView *view = list.currentView();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    EXPECT_EQ(vert, 1);
    EXPECT_EQ(horz, 0);
    list.setViewStyle(vsList); // columns run to the right
    view = list.currentView();
    QCoreApplication::processEvents();
    ASSERT_GT(view->horizontalScrollBar()->maximum(), 0);
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    EXPECT_GE(horz, 1);
}

// Every item of a list gets one size (a list of 100,000 stays fast); it is the size of the
// longest name, wherever that lies, so no name is cut short.
TEST_F(ShellViews, ListItemsAreWideEnoughForTheLongestName)
{
    for (const char *name : {"Ein recht langer Ordnername/", "Urlaub am Meer im Sommer.jpg", "z.txt"})
        Make(QStringLiteral("names/") + name + (QString::fromUtf8(name).endsWith('/') ? "x" : ""));
    for (TViewStyle style : {vsList, vsSmallIcon}) {
        SCOPED_TRACE(style);
        TShellListView list;
        list.resize(600, 200);
        list.setViewStyle(style);
        list.setRoot(Root + "/names");
        list.show();
        QCoreApplication::processEvents();
        QAbstractItemView *view = list.currentView();
        for (int row = 0; row < list.Count(); ++row) {
            const QString name = list.Folders(row).Name;
            EXPECT_GT(view->visualRect(view->model()->index(row, 0)).width(),
                      view->fontMetrics().horizontalAdvance(name) + view->iconSize().width())
                << name.toStdString();
        }
    }
}

// The widest name sets the items' width, not the one of most characters; a name is cut
// only where the list is narrower than it.
TEST_F(ShellViews, ListItemsFitTheWidestNameAndTheListsRoom)
{
    const QString wide = QStringLiteral("WWWWWWWWWWWWWWWWWWWW.txt"), many = QStringLiteral("iiiiiiiiiiiiiiiiiiiiiiiiiiiiii.txt");
    Make("breit/" + wide);
    Make("breit/" + many);
    Make("breit/z.txt");
    TShellListView list;
    list.resize(600, 200);
    list.setRoot(Root + "/breit");
    list.show();
    QCoreApplication::processEvents();
    QAbstractItemView *view = list.currentView();
    const QFontMetrics metrics = view->fontMetrics();
    ASSERT_GT(metrics.horizontalAdvance(wide), metrics.horizontalAdvance(many));
    const auto itemWidth = [&] { return view->visualRect(view->model()->index(0, 0)).width(); };
    EXPECT_GT(itemWidth(), metrics.horizontalAdvance(wide) + view->iconSize().width());
    list.resize(120, 200);
    QCoreApplication::processEvents();
    EXPECT_LE(itemWidth(), view->viewport()->width());
    EXPECT_GT(itemWidth(), view->viewport()->width() / 2);
    list.resize(600, 200); // room again: the whole name
    QCoreApplication::processEvents();
    EXPECT_GT(itemWidth(), metrics.horizontalAdvance(wide) + view->iconSize().width());
}

// The report view's name column: as wide as the widest name needs, at most the list's
// width; a width the user gives it stays until another folder is shown. Sizes are shown
// through the text the program gives.
TEST_F(ShellViews, ReportNameColumnFitsTheWidestNameAndTheUsersWidth)
{
    const QString name = QStringLiteral("Ein recht langer Dateiname für die Spalte.txt");
    Make("lang/" + name);
    Make("lang/kurz.txt");
    TShellListView list;
    list.resize(900, 200);
    list.setViewStyle(vsReport);
    list.setRoot(Root + "/lang");
    list.show();
    QCoreApplication::processEvents();
    auto *report = qobject_cast<QTreeView *>(list.currentView());
    ASSERT_NE(report, nullptr);
    QHeaderView *header = report->header();
    const int needed = report->fontMetrics().horizontalAdvance(name) + report->iconSize().width();
    EXPECT_GT(header->sectionSize(0), needed);
    EXPECT_LT(header->sectionSize(0), needed + 60);

    list.resize(250, 200); // no room: the column takes the list's width
    QCoreApplication::processEvents();
    EXPECT_EQ(header->sectionSize(0), report->viewport()->width());
    list.resize(900, 200);
    QCoreApplication::processEvents();
    EXPECT_GT(header->sectionSize(0), needed);

    // The user widens it (dragging the header's divider); it keeps that width.
    QWidget *divider = header->viewport();
    const int edge = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
    const int y = header->height() / 2;
    QTest::mousePress(divider, Qt::LeftButton, {}, QPoint(edge, y));
    QMouseEvent drag(QEvent::MouseMove, QPointF(edge + 150, y), divider->mapToGlobal(QPointF(edge + 150, y)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(divider, &drag);
    QTest::mouseRelease(divider, Qt::LeftButton, {}, QPoint(edge + 150, y));
    const int widened = header->sectionSize(0);
    EXPECT_GT(widened, needed + 100);
    list.resize(950, 200);
    list.Refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(header->sectionSize(0), widened);
    list.setRoot(Root + "/sub"); // another folder: fitted anew
    QCoreApplication::processEvents();
    EXPECT_LT(header->sectionSize(0), needed);

    list.setRoot(Root + "/lang");
    const QModelIndex size = report->model()->index(1, 1); // kurz.txt, empty
    EXPECT_EQ(report->model()->data(size).toString(), QLocale().formattedDataSize(0));
    list.setSizeText([](qint64 bytes) { return QStringLiteral("%1 Bytes").arg(bytes); });
    EXPECT_EQ(report->model()->data(size).toString(), QStringLiteral("0 Bytes"));
}

TEST_F(ShellViews, LargeFolderIsListedWhole)
{
    for (int i = 0; i < 20000; ++i)
        Make(QStringLiteral("sub/f%1").arg(i));
    TShellListView list;
    list.setRoot(Root + "/sub");
    EXPECT_EQ(list.Count(), 20002);
    list.SelectAll();
    EXPECT_EQ(list.SelCount(), 20002);
}

} // namespace
