// Drag and drop between the explorer panes: the drag sources and drop targets, the drop
// pop-up with copy and move, the re-reading of trees and lists afterwards; and the
// delete of the active list's selection to the trash.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/Application.h"
#include "platform/dialogs/ModalSeam.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt_DateiOperationen.h"
#include "shell/Haupt_Globals.h"
#include "shell/frmThumbHint.h"

#include <QCursor>
#include <QMenu>
#include <QSignalBlocker>

#include <functional>

namespace {

// A path on which drop targets act: an absolute local path.
bool IsOnDrive(const QString &Path)
{
    return Path.startsWith(u'/');
}

// The drop target of a folder: with a trailing "/" when on a drive, else empty.
QString DropFolder(const QString &Folder)
{
    return IsOnDrive(Folder) ? AddTrailingBackslash(Folder) : QString();
}

TMenuItem *NewPopupItem(THauptForm &f, QMenu *Menu, const char *Name)
{
    auto *item = new TMenuItem(&f, QLatin1String(Name));
    Menu->addAction(item);
    return item;
}

// While it lives the change, click, pop-up and double-click events and the add-item
// filter of both lists are detached; they come back however the work ends.
class DetachedListEvents {
public:
    DetachedListEvents(TShellListView *Left, TShellListView *Right)
        : left_(Left), right_(Right), quietLeft_(Left), quietRight_(Right), addLeft_(std::move(Left->OnAddFolder)),
          addRight_(std::move(Right->OnAddFolder))
    {
        Left->OnAddFolder = nullptr;
        Right->OnAddFolder = nullptr;
    }
    ~DetachedListEvents()
    {
        left_->OnAddFolder = std::move(addLeft_);
        right_->OnAddFolder = std::move(addRight_);
    }
    DetachedListEvents(const DetachedListEvents &) = delete;
    DetachedListEvents &operator=(const DetachedListEvents &) = delete;

private:
    TShellListView *left_, *right_;
    QSignalBlocker quietLeft_, quietRight_;
    std::function<void(const TShellFolder &, bool &)> addLeft_, addRight_;
};

// The drag-over and drop events of Control to the page's handlers Over and Drop.
template <typename Control>
void BindDrops(THauptDragDrop *Page, Control *C, bool (THauptDragDrop::*Over)(Control *, QWidget *, const QPoint &),
               void (THauptDragDrop::*Drop)(Control *, QWidget *, const QPoint &))
{
    C->OnDragOver = [=](QWidget *source, const QPoint &pos) {
        bool accept = false;
        RunGuarded([&] { accept = (Page->*Over)(C, source, pos); });
        return accept;
    };
    C->OnDragDrop = [=](QWidget *source, const QPoint &pos) { RunGuarded([&] { (Page->*Drop)(C, source, pos); }); };
}

} // namespace

void THauptDragDrop::CreateDragDrop()
{
    THauptForm &f = Form();
    PMDragDrop = new QMenu(&f);
    PMDragDrop->setObjectName(QStringLiteral("PMDragDrop"));
    DragDropKopieren = NewPopupItem(f, PMDragDrop, "DragDropKopieren");
    DragDropVerschieben = NewPopupItem(f, PMDragDrop, "DragDropVerschieben");
    PMDragDrop->addSeparator();
    DragDropAbbrechen = NewPopupItem(f, PMDragDrop, "DragDropAbbrechen"); // no action
    QObject::connect(DragDropKopieren, &QAction::triggered, &f, Guarded(&f, &THauptDragDrop::DragDropKopierenClick));
    QObject::connect(DragDropVerschieben, &QAction::triggered, &f,
                     Guarded(&f, &THauptDragDrop::DragDropVerschiebenClick));

    for (TShellTreeView *tree : {f.ShellTreeView01, f.ShellTreeView02}) {
        tree->OnMouseDown = [this, tree](const QPoint &pos) { RunGuarded([&] { ShellTreeViewMouseDown(tree, pos); }); };
        BindDrops(this, tree, &THauptDragDrop::ShellTreeViewDragOver, &THauptDragDrop::ShellTreeViewDragDrop);
    }
    for (TShellListView *list : {f.ShellListView01, f.ShellListView02}) {
        list->OnMouseDown = [this, list](const QPoint &) { RunGuarded([&] { ShellListViewMouseDown(list); }); };
        BindDrops(this, list, &THauptDragDrop::ShellListViewDragOver, &THauptDragDrop::ShellListViewDragDrop);
    }
}

void THauptDragDrop::ClearDragState()
{
    DragSourceNode.clear();
    DropTargetFolder.clear();
    DragSourceName.clear();
    DropTargetNode.clear();
}

// ---- Delete ----

void THauptDragDrop::HMenuAktionenDateiLoeschenClick()
{
    THauptForm &f = Form();
    f.AlteDateinamen.clear();
    TShellListView *list = ActiveExplorer == 2 ? f.ShellListView02 : f.ShellListView01;
    // A list that is not shown has nothing selected.
    const std::vector<int> rows = list->isVisibleTo(&f) ? list->SelectedRows() : std::vector<int>();
    if (!rows.empty()) {
        const int question = rows.size() == 1 ? 9029 : 9031;
        if (MessageDlg(LoadLangString(question), mtConfirmation, mbYesNo, 0, LanguageName()) != mrYes)
            return;
    }
    for (int row : rows)
        f.AlteDateinamen << list->Folders(row).PathName;
    TFailedFiles failures;
    for (const QString &path : f.AlteDateinamen)
        DeleteToRecycleBin(path, failures);
    if (TShellTreeView *tree = list->LinkedTree()) {
        tree->RefreshNode(tree->Path());
        tree->ExpandNode(tree->Path());
    }
    RefreshExplorerTrees();
    failures.Show();
}

void THauptDragDrop::RefreshExplorerTrees()
{
    THauptForm &f = Form();
    // A folder that has gone leaves its tree at the nearest existing folder above it.
    auto shown = [](const TShellTreeView *Tree) {
        const QString path = Tree->Path();
        return path.isEmpty() ? path : NearestExistingFolder(path);
    };
    f.ReturnTreesTo(shown(f.ShellTreeView01), shown(f.ShellTreeView02));
}

// ---- Drag sources and drop targets ----

void THauptDragDrop::ShellTreeViewMouseDown(TShellTreeView *Tree, const QPoint &Pos)
{
    DragSourceNode = Tree->NodeAt(Pos);
}

void THauptDragDrop::ShellListViewMouseDown(TShellListView *List)
{
    DragSourceNode = List->LinkedTree() ? List->LinkedTree()->Path() : List->Root();
    if (ThumbForm)
        ThumbForm->HideHint();
}

bool THauptDragDrop::ShellTreeViewDragOver(TShellTreeView *Tree, QWidget *Source, const QPoint &Pos)
{
    DropTargetFolder = DropFolder(Tree->NodeAt(Pos));
    return Source != nullptr;
}

bool THauptDragDrop::ShellListViewDragOver(TShellListView *List, QWidget *Source, const QPoint &Pos)
{
    const int item = List->ItemAt(Pos);
    const TShellFolder folder = List->Folders(item);
    DropTargetFolder = DropFolder(item >= 0 && folder.IsFolder ? folder.PathName : List->Root());
    // A list never takes its own items.
    return Source != nullptr && Source != List;
}

namespace {

// The dragged paths into AlteDateinamen; the name of their control into Name.
void CollectDragged(THauptForm &f, QWidget *Source, QString &Name)
{
    f.AlteDateinamen.clear();
    if (auto *list = qobject_cast<TShellListView *>(Source)) {
        for (int row : list->SelectedRows())
            if (const QString path = list->Folders(row).PathName; IsOnDrive(path))
                f.AlteDateinamen << path;
    } else if (auto *tree = qobject_cast<TShellTreeView *>(Source)) {
        f.AlteDateinamen << tree->Path();
    }
    Name = Source ? Source->objectName() : QString();
}

} // namespace

void THauptDragDrop::ShellTreeViewDragDrop(TShellTreeView *Tree, QWidget *Source, const QPoint &Pos)
{
    if (!Source)
        return; // the control the drag began on has gone
    CollectDragged(Form(), Source, DragSourceName);
    DropTargetNode = Tree->NodeAt(Pos);
    PopupMenuModal(*PMDragDrop, QCursor::pos());
}

void THauptDragDrop::ShellListViewDragDrop(TShellListView *List, QWidget *Source, const QPoint &)
{
    if (!Source)
        return;
    CollectDragged(Form(), Source, DragSourceName);
    DropTargetNode = List->LinkedTree() ? List->LinkedTree()->Path() : List->Root();
    PopupMenuModal(*PMDragDrop, QCursor::pos());
}

// ---- Copy and move ----

namespace {

// Each dragged path to DropTargetFolder under its own name, by Transfer; the items that
// fail go to Failures.
void TransferDragged(THauptForm &f, const QString &TargetFolder,
                     bool (*Transfer)(const QString &, const QString &, TFailedFiles &), TFailedFiles &Failures)
{
    f.NeueDateinamen.clear();
    for (const QString &path : std::as_const(f.AlteDateinamen))
        f.NeueDateinamen << TargetFolder + fs::nameOf(fs::withoutTrailingSlash(path));
    HourglassCursor hourglass;
    DetachedListEvents detached(f.ShellListView01, f.ShellListView02);
    for (qsizetype i = 0; i < f.AlteDateinamen.size(); ++i)
        Transfer(f.AlteDateinamen[i], f.NeueDateinamen[i], Failures);
}

} // namespace

void THauptDragDrop::DragDropKopierenClick()
{
    if (DropTargetFolder.isEmpty())
        return;
    THauptForm &f = Form();
    TFailedFiles failures;
    TransferDragged(f, DropTargetFolder, &ShellCopyFiles, failures);
    f.ShellListView01->Refresh();
    f.ShellListView02->Refresh();
    failures.Show();
}

void THauptDragDrop::DragDropVerschiebenClick()
{
    if (DropTargetFolder.isEmpty())
        return;
    THauptForm &f = Form();
    TFailedFiles failures;
    TransferDragged(f, DropTargetFolder, &ShellMoveFiles, failures);
    {
        HourglassCursor hourglass;
        // The nodes that lost or gained entries are read again in both trees.
        const QString changed[] = {
            DragSourceName.startsWith(u"ShellTreeView") ? fs::folderOf(DragSourceNode) : DragSourceNode,
            DropTargetNode,
        };
        for (TShellTreeView *tree : {f.ShellTreeView01, f.ShellTreeView02})
            for (const QString &folder : changed)
                if (!folder.isEmpty()) {
                    tree->RefreshNode(folder);
                    tree->ExpandNode(folder);
                }
        RefreshExplorerTrees();
        f.ReapplyViewStyles();
    }
    failures.Show();
}

THauptForm &THauptDragDrop::Form()
{
    return static_cast<THauptForm &>(*this);
}
