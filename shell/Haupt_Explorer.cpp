// The explorer page of the main window: two explorer pairs (tree pane with filter box,
// list pane with status bar), the file list and the attributes page beside them, the
// preview pane at the right edge.
// The handlers live in Haupt_ExplorerHandler.cpp.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "platform/Application.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The parts of one explorer pair, created by CreateExplorerPair.
struct ExplorerPair {
    QSplitter *Splitter;
    QWidget *TreePane, *ListPane;
    TShellTreeView *Tree;
    QComboBox *Filter;
    TShellListView *List;
    TStatusBar *Status;
};

// Tree pane (tree above the filter box) | list pane (list above the status bar); the
// tree pane starts 150 px wide and keeps at least 100 px.
ExplorerPair CreateExplorerPair(QWidget *parent, const QString &suffix)
{
    ExplorerPair e{};
    e.Splitter = new QSplitter(Qt::Horizontal, parent);
    e.Splitter->setObjectName(QStringLiteral("ExplorerSplitter") + suffix);
    e.Splitter->setChildrenCollapsible(false);

    e.TreePane = new QWidget(e.Splitter);
    e.TreePane->setObjectName(QStringLiteral("Explorer%1a").arg(suffix));
    e.TreePane->setMinimumWidth(100);
    auto *treeColumn = new QVBoxLayout(e.TreePane);
    treeColumn->setContentsMargins(0, 0, 0, 0);
    treeColumn->setSpacing(1);
    e.Tree = new TShellTreeView(e.TreePane, QStringLiteral("ShellTreeView") + suffix);
    e.Tree->setContextMenuPolicy(Qt::CustomContextMenu);
    treeColumn->addWidget(e.Tree, 1);
    e.Filter = new QComboBox(e.TreePane);
    e.Filter->setObjectName(QStringLiteral("FilterComboBox") + suffix);
    treeColumn->addWidget(e.Filter);

    e.ListPane = new QWidget(e.Splitter);
    e.ListPane->setObjectName(QStringLiteral("Explorer%1b").arg(suffix));
    auto *listColumn = new QVBoxLayout(e.ListPane);
    listColumn->setContentsMargins(0, 0, 0, 0);
    listColumn->setSpacing(1);
    e.List = new TShellListView(e.ListPane, QStringLiteral("ShellListView") + suffix);
    e.List->setContextMenuPolicy(Qt::CustomContextMenu);
    listColumn->addWidget(e.List, 1);
    e.Status = new TStatusBar(e.ListPane, QStringLiteral("ExplorerStatusBar") + suffix, {80, 100});
    listColumn->addWidget(e.Status);

    e.Tree->setShellListView(e.List);
    e.Splitter->setStretchFactor(1, 1);
    e.Splitter->setSizes({150, 450});
    return e;
}

// Explorer0<Side> (1 left, 2 right) on the explorer page, its first page
// "Explorer0<Side>Page" holding the explorer pair of that side, kept in the window's
// members of that side.
void CreateExplorerSide(THauptForm &f, int Side)
{
    const bool left = Side == 1;
    const QString suffix = left ? QStringLiteral("01") : QStringLiteral("02");
    QStackedWidget *&stack = left ? f.Explorer01 : f.Explorer02;
    stack = new QStackedWidget(f.ExplorerPage);
    stack->setObjectName(QStringLiteral("Explorer") + suffix);
    auto *page = NamedPage(stack, QStringLiteral("Explorer%1Page").arg(suffix));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    const ExplorerPair pair = CreateExplorerPair(page, suffix);
    (left ? f.ExplorerSplitter01 : f.ExplorerSplitter02) = pair.Splitter;
    (left ? f.Explorer01a : f.Explorer02a) = pair.TreePane;
    (left ? f.Explorer01b : f.Explorer02b) = pair.ListPane;
    (left ? f.ShellTreeView01 : f.ShellTreeView02) = pair.Tree;
    (left ? f.FilterComboBox01 : f.FilterComboBox02) = pair.Filter;
    (left ? f.ShellListView01 : f.ShellListView02) = pair.List;
    (left ? f.ExplorerStatusBar01 : f.ExplorerStatusBar02) = pair.Status;
    layout->addWidget(pair.Splitter);
}

} // namespace

void THauptExplorer::CreateExplorerPanes()
{
    ExplorerPage = new QWidget(Form().NotebookHaupt);
    ExplorerPage->setObjectName(QStringLiteral("Explorer"));

    CreateExplorerSide(Form(), 1);

    Form().CreateFileListPage(NamedPage(Explorer01, QStringLiteral("DateiListe")));

    CreateExplorerSide(Form(), 2);

    Form().CreateAttributePage(NamedPage(Explorer02, QStringLiteral("DateiAttribute")));

    Form().CreatePreviewPane(ExplorerPage);
    Form().NotebookHaupt->addWidget(ExplorerPage);
    Form().NotebookHaupt->setCurrentWidget(ExplorerPage);

    // ---- Handlers ----
    QObject::connect(ShellListView01, &TShellListView::OnChange, &Form(), Guarded(&Form(), &THauptExplorer::ShellListView01Change));
    QObject::connect(ShellListView02, &TShellListView::OnChange, &Form(), Guarded(&Form(), &THauptExplorer::ShellListView02Change));
    QObject::connect(ShellListView01, &TShellListView::OnClick, &Form(), Guarded(&Form(), &THauptExplorer::ShellListView01Click));
    QObject::connect(ShellListView02, &TShellListView::OnClick, &Form(), Guarded(&Form(), &THauptExplorer::ShellListView02Click));
    QObject::connect(ShellListView01, &TShellListView::OnDblClick, &Form(), Guarded(&Form(), &THauptExplorer::ShellListView01DblClick));
    QObject::connect(ShellListView02, &TShellListView::OnDblClick, &Form(), Guarded(&Form(), &THauptExplorer::ShellListView02DblClick));
    ShellListView01->OnAddFolder = [this](const TShellFolder &f, bool &canAdd) { ShellListView01AddFolder(f, canAdd); };
    ShellListView02->OnAddFolder = [this](const TShellFolder &f, bool &canAdd) { ShellListView02AddFolder(f, canAdd); };
    for (TShellListView *list : {ShellListView01, ShellListView02})
        list->OnItemsChanged = [this, list] { ShowListCount(list); };
    ShellListView01->OnCustomDraw = Guarded(&Form(), &THauptExplorer::ShellListView01HinterGrund);
    ShellListView02->OnCustomDraw = Guarded(&Form(), &THauptExplorer::ShellListView02HinterGrund);
    // Only horizontal scrolling repaints a textured list.
    QObject::connect(ShellListView01, &TShellListView::OnScrollHorz, &Form(), Guarded(&Form(), &THauptExplorer::ShellListView01Scrolled));
    QObject::connect(ShellListView02, &TShellListView::OnScrollHorz, &Form(), Guarded(&Form(), &THauptExplorer::ShellListView02Scrolled));
    QObject::connect(ShellTreeView01, &TShellTreeView::OnChange, &Form(), Guarded(&Form(), &THauptExplorer::ShellTreeView01Change));
    QObject::connect(ShellTreeView02, &TShellTreeView::OnChange, &Form(), Guarded(&Form(), &THauptExplorer::ShellTreeView02Change));
    QObject::connect(ShellTreeView01, &TShellTreeView::OnClick, &Form(), Guarded(&Form(), &THauptExplorer::ShellTreeView01Click));
    QObject::connect(FilterComboBox01, &QComboBox::currentIndexChanged, &Form(), Guarded(&Form(), &THauptExplorer::FilterComboBox01Change));
    QObject::connect(FilterComboBox02, &QComboBox::currentIndexChanged, &Form(), Guarded(&Form(), &THauptExplorer::FilterComboBox02Change));

    for (TShellTreeView *tree : {ShellTreeView01, ShellTreeView02}) {
        tree->OnEditing = [this](const QString &path) {
            bool allowed = false;
            RunGuarded([&] { allowed = ShellTreeViewEditing(path); });
            return allowed;
        };
        tree->OnEdited = [this](const QString &path, QString &text) {
            RunGuarded([&] { ShellTreeViewEdited(path, text); });
        };
        // A right click selects the folder under the mouse, then the pop-up opens.
        QObject::connect(tree, &QWidget::customContextMenuRequested, &Form(), [this, tree](const QPoint &pos) {
            const QModelIndex index = tree->indexAt(pos);
            if (index.isValid())
                tree->setCurrentIndex(index);
            PopupMenu02Tree = tree;
            if (Form().PopupMenu02)
                Form().PopupMenu02->popup(tree->viewport()->mapToGlobal(pos));
        });
    }
    for (TShellListView *list : {ShellListView01, ShellListView02}) {
        QObject::connect(list, &QWidget::customContextMenuRequested, &Form(), [this, list](const QPoint &pos) {
            RunGuarded([this, list] {
                if (list == ShellListView01)
                    ShellListView01ContextPopup();
                else
                    ShellListView02ContextPopup();
            });
            if (Form().PopupMenu01)
                Form().PopupMenu01->popup(list->mapToGlobal(pos));
        });
    }
}

int TreePaneWidth(const QSplitter *Splitter)
{
    return Splitter->sizes().value(0);
}

void SetTreePaneWidth(QSplitter *Splitter, int Width)
{
    const QList<int> sizes = Splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    Splitter->setSizes({Width, std::max(total - Width, 1)});
}

THauptForm &THauptExplorer::Form()
{
    return static_cast<THauptForm &>(*this);
}
