// The explorer page of the main window: two folder-tree/file-list pairs, the file list
// and the attributes page beside them. Their handlers are bound elsewhere.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// A tree | list splitter; the tree pane starts 150 px wide and keeps at least 100 px.
QSplitter *CreateExplorerPair(QWidget *parent, const QString &suffix, TShellTreeView *&tree,
                              TShellListView *&list)
{
    auto *splitter = new QSplitter(Qt::Horizontal, parent);
    splitter->setObjectName(QStringLiteral("ExplorerSplitter") + suffix);
    splitter->setChildrenCollapsible(false);
    tree = new TShellTreeView(splitter, QStringLiteral("ShellTreeView") + suffix);
    tree->setMinimumWidth(100);
    list = new TShellListView(splitter, QStringLiteral("ShellListView") + suffix);
    for (int column = 0; column < 4; ++column)
        list->setColumnCaption(column, LoadLangString(3210 + column));
    tree->setShellListView(list);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({150, 450});
    return splitter;
}

QWidget *NamedPage(QStackedWidget *notebook, const QString &name)
{
    auto *page = new QWidget(notebook);
    page->setObjectName(name);
    notebook->addWidget(page);
    return page;
}

} // namespace

void THauptForm::CreateExplorerPanes()
{
    ExplorerPage = new QWidget(NotebookHaupt);
    ExplorerPage->setObjectName(QStringLiteral("Explorer"));
    auto *row = new QHBoxLayout(ExplorerPage);
    row->setContentsMargins(0, 0, 0, 0);

    Explorer01 = new QStackedWidget(ExplorerPage);
    Explorer01->setObjectName(QStringLiteral("Explorer01"));
    auto *leftPage = NamedPage(Explorer01, QStringLiteral("Explorer01Page"));
    auto *leftLayout = new QVBoxLayout(leftPage);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    ExplorerSplitter01 = CreateExplorerPair(leftPage, QStringLiteral("01"), ShellTreeView01, ShellListView01);
    leftLayout->addWidget(ExplorerSplitter01);

    auto *fileListPage = NamedPage(Explorer01, QStringLiteral("DateiListe"));
    auto *fileListLayout = new QVBoxLayout(fileListPage);
    fileListLayout->setContentsMargins(0, 0, 0, 0);
    DLStringGrid = new TStringGrid(fileListPage, QStringLiteral("DLStringGrid"), 2, 1, 0);
    fileListLayout->addWidget(DLStringGrid);

    Explorer02 = new QStackedWidget(ExplorerPage);
    Explorer02->setObjectName(QStringLiteral("Explorer02"));
    auto *rightPage = NamedPage(Explorer02, QStringLiteral("Explorer02Page"));
    auto *rightLayout = new QVBoxLayout(rightPage);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    ExplorerSplitter02 = CreateExplorerPair(rightPage, QStringLiteral("02"), ShellTreeView02, ShellListView02);
    rightLayout->addWidget(ExplorerSplitter02);

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
    Explorer02->hide();
    NotebookHaupt->addWidget(ExplorerPage);
    NotebookHaupt->setCurrentWidget(ExplorerPage);
}
