#pragma once
// The controls of the explorer page: two explorer pairs, the file list and the
// attributes page beside them, the explorers' tool buttons and pop-up items.
// Builders and handlers: THauptForm (Haupt.h), Haupt_Explorer.cpp and
// Haupt_ExplorerHandler.cpp.

#include <QPixmap>

class QComboBox;
class QMenu;
class QSplitter;
class QStackedWidget;
class QToolButton;
class QWidget;
class TMenuItem;
class TShellListView;
class TShellTreeView;
class TSpeedButton;
class TStatusBar;
class TStringGrid;

struct THauptExplorer {
    // NotebookHaupt page "Explorer": Explorer01 (left; pages 0 the left explorer,
    // 1 "DateiListe" the file list) and Explorer02 (right; pages 0 the right explorer,
    // 1 "DateiAttribute" the attributes of the selected file).
    QWidget *ExplorerPage = nullptr;
    QStackedWidget *Explorer01 = nullptr;
    QStackedWidget *Explorer02 = nullptr;
    QSplitter *ExplorerSplitter01 = nullptr; // ShellTreeView01 | ShellListView01
    QSplitter *ExplorerSplitter02 = nullptr; // ShellTreeView02 | ShellListView02
    TShellTreeView *ShellTreeView01 = nullptr;
    TShellListView *ShellListView01 = nullptr;
    TShellTreeView *ShellTreeView02 = nullptr;
    TShellListView *ShellListView02 = nullptr;
    TStringGrid *DLStringGrid = nullptr;       // the file list: column 0 name, 1 full path
    TSpeedButton *AttrSpeedButton01 = nullptr; // attributes page: saves the time stamps

    // Each explorer: the tree pane Explorer0Xa (the tree above its filter box) and the
    // list pane Explorer0Xb (the list above its status bar) are the two parts of
    // ExplorerSplitter0X; the tree pane's width is the splitter's first part.
    QWidget *Explorer01a = nullptr, *Explorer01b = nullptr;
    QWidget *Explorer02a = nullptr, *Explorer02b = nullptr;
    QComboBox *FilterComboBox01 = nullptr; // items: caption, data: the mask ("*.htm;*.html")
    QComboBox *FilterComboBox02 = nullptr;
    TStatusBar *ExplorerStatusBar01 = nullptr; // panel 0 the item count, 1 the selected file's size
    TStatusBar *ExplorerStatusBar02 = nullptr;
    QPixmap ListTextureBitmap01, ListTextureBitmap02; // drawn behind the list items

    // Tool buttons and pop-up items of the explorers (CreateExplorerCommands, after
    // the tool bar and PopupMenu01 exist).
    QToolButton *TB01LargeIcon = nullptr, *TB01SmallIcon = nullptr; // view styles of the
    QToolButton *TB01List = nullptr, *TB01Report = nullptr;         // left list, one group
    QToolButton *TB01Markieren = nullptr, *TB01Refresh = nullptr;
    TMenuItem *PM01AllesMarkieren = nullptr, *PM01Eigenschaften = nullptr;
    QMenu *PopupMenu02 = nullptr; // pop-up of both trees
    TShellTreeView *PopupMenu02Tree = nullptr; // the tree it was last opened for
    TMenuItem *PM02Eigenschaften = nullptr;
};
