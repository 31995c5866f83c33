// The explorer page of the main window: two explorer pairs (tree pane with filter box,
// list pane with status bar), the file list and the attributes page beside them, the
// preview pane at the right edge; the explorers' tool buttons and pop-up items.
// The handlers live in Haupt_ExplorerHandler.cpp.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "platform/Application.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
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
    for (int column = 0; column < 4; ++column)
        e.List->setColumnCaption(column, LoadLangString(3210 + column));
    listColumn->addWidget(e.List, 1);
    e.Status = new TStatusBar(e.ListPane, QStringLiteral("ExplorerStatusBar") + suffix, {80, 100});
    listColumn->addWidget(e.Status);

    e.Tree->setShellListView(e.List);
    e.Splitter->setStretchFactor(1, 1);
    e.Splitter->setSizes({150, 450});
    return e;
}

QWidget *NamedPage(QStackedWidget *notebook, const QString &name)
{
    auto *page = new QWidget(notebook);
    page->setObjectName(name);
    notebook->addWidget(page);
    return page;
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

// Runs a handler of the window so that no exception crosses Qt code.
template <typename Handler> auto Guarded(THauptForm *form, Handler handler)
{
    return [form, handler] { RunGuarded([form, handler] { (form->*handler)(); }); };
}

} // namespace

void THauptExplorer::CreateExplorerPanes()
{
    ExplorerPage = new QWidget(Form().NotebookHaupt);
    ExplorerPage->setObjectName(QStringLiteral("Explorer"));
    auto *row = new QHBoxLayout(ExplorerPage);
    row->setContentsMargins(0, 0, 0, 0);

    CreateExplorerSide(Form(), 1);

    Form().CreateFileListPage(NamedPage(Explorer01, QStringLiteral("DateiListe")));

    CreateExplorerSide(Form(), 2);

    auto *attributePage = NamedPage(Explorer02, QStringLiteral("DateiAttribute"));
    auto *attributeLayout = new QHBoxLayout(attributePage);
    attributeLayout->addStretch(1);
    AttrSpeedButton01 = new TSpeedButton(attributePage, QStringLiteral("AttrSpeedButton01"));
    AttrSpeedButton01->setAutoRaise(true);
    AttrSpeedButton01->setToolTip(QStringLiteral("Änderung des Dateidatums/der Dateizeit speichern"));
    AttrSpeedButton01->setEnabled(false);
    attributeLayout->addWidget(AttrSpeedButton01, 0, Qt::AlignTop);

    row->addWidget(Explorer01, 1);
    row->addWidget(Explorer02, 1);
    row->addWidget(Form().CreatePreviewPane(ExplorerPage));
    Explorer02->hide();
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
            if (PopupMenu02)
                PopupMenu02->popup(tree->viewport()->mapToGlobal(pos));
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

void THauptExplorer::CreateExplorerCommands()
{
    // View styles of the left list: one group of check buttons, the list style at start.
    auto *styles = new QButtonGroup(Form().ToolBar);
    styles->setExclusive(true);
    struct Style {
        QToolButton *&Button;
        const char *Name;
        QStyle::StandardPixmap Icon;
        int Hint;
        void (THauptExplorer::*Click)();
    } const buttons[] = {
        {TB01LargeIcon, "TB01LargeIcon", QStyle::SP_FileDialogContentsView, 3214, &THauptExplorer::TB01LargeIconClick},
        {TB01SmallIcon, "TB01SmallIcon", QStyle::SP_FileDialogInfoView, 3215, &THauptExplorer::TB01SmallIconClick},
        {TB01List, "TB01List", QStyle::SP_FileDialogListView, 3216, &THauptExplorer::TB01ListClick},
        {TB01Report, "TB01Report", QStyle::SP_FileDialogDetailedView, 3217, &THauptExplorer::TB01ReportClick},
    };
    Form().ToolBar->addSeparator();
    for (const Style &s : buttons) {
        s.Button = new QToolButton(Form().ToolBar);
        s.Button->setObjectName(QLatin1String(s.Name));
        s.Button->setCheckable(true);
        s.Button->setIcon(Form().style()->standardIcon(s.Icon));
        s.Button->setToolTip(LoadLangString(s.Hint));
        styles->addButton(s.Button);
        Form().ToolBar->addWidget(s.Button);
        QObject::connect(s.Button, &QToolButton::clicked, &Form(), Guarded(&Form(), s.Click));
    }
    TB01List->setChecked(true);

    TB01Markieren = new QToolButton(Form().ToolBar);
    TB01Markieren->setObjectName(QStringLiteral("TB01Markieren"));
    TB01Markieren->setText(LoadLangString(3402));
    TB01Markieren->setToolTip(LoadLangString(3402));
    Form().ToolBar->addWidget(TB01Markieren);
    QObject::connect(TB01Markieren, &QToolButton::clicked, &Form(), Guarded(&Form(), &THauptExplorer::TB01MarkierenClick));
    TB01Refresh = new QToolButton(Form().ToolBar);
    TB01Refresh->setObjectName(QStringLiteral("TB01Refresh"));
    TB01Refresh->setIcon(Form().style()->standardIcon(QStyle::SP_BrowserReload));
    TB01Refresh->setToolTip(LoadLangString(2013));
    Form().ToolBar->addWidget(TB01Refresh);
    QObject::connect(TB01Refresh, &QToolButton::clicked, &Form(), Guarded(&Form(), &THauptExplorer::TB01RefreshClick));

    PM01AllesMarkieren = new TMenuItem(&Form(), QStringLiteral("PM01AllesMarkieren"), LoadLangString(3402));
    PM01AllesMarkieren->setStatusTip(LoadLangString(3403));
    Form().PopupMenu01->addAction(PM01AllesMarkieren);
    QObject::connect(PM01AllesMarkieren, &QAction::triggered, &Form(), Guarded(&Form(), &THauptExplorer::PM01AllesMarkierenClick));
    PM01Eigenschaften = new TMenuItem(&Form(), QStringLiteral("PM01Eigenschaften"), LoadLangString(3404));
    PM01Eigenschaften->setStatusTip(LoadLangString(3405));
    Form().PopupMenu01->addAction(PM01Eigenschaften);
    QObject::connect(PM01Eigenschaften, &QAction::triggered, &Form(), Guarded(&Form(), &THauptExplorer::PM01EigenschaftenClick));

    PopupMenu02 = new QMenu(&Form());
    PopupMenu02->setObjectName(QStringLiteral("PopupMenu02"));
    PM02Eigenschaften = new TMenuItem(&Form(), QStringLiteral("PM02Eigenschaften"), LoadLangString(3404));
    PM02Eigenschaften->setStatusTip(LoadLangString(3405));
    PopupMenu02->addAction(PM02Eigenschaften);
    QObject::connect(PM02Eigenschaften, &QAction::triggered, &Form(), Guarded(&Form(), &THauptExplorer::PM02EigenschaftenClick));
}

THauptForm &THauptExplorer::Form()
{
    return static_cast<THauptForm &>(*this);
}
