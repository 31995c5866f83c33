#pragma once
// The controls of the explorer page: two explorer pairs, the file list and the
// attributes page beside them. Their tool buttons and pop-up items are in Haupt_Menues.h.
// Builders and handlers: Haupt_Explorer.cpp and
// Haupt_ExplorerHandler.cpp.

#include <QPixmap>
#include <QString>

class THauptForm;
class QComboBox;
class QSplitter;
class QStackedWidget;
class QWidget;
class TShellListView;
struct TShellFolder;
class TShellTreeView;
class TStatusBar;
class TStringGrid;

// The tree pane is the first part of its explorer's splitter.
int TreePaneWidth(const QSplitter *Splitter);
void SetTreePaneWidth(QSplitter *Splitter, int Width);

struct THauptExplorer {
    // NotebookHaupt page "Explorer": Explorer01 (left; pages 0 the left explorer,
    // 1 "DateiListe" the file list) and Explorer02 (right; pages 0 the right explorer,
    // 1 "DateiAttribute" the attributes of the selected file); the view modes arrange
    // them and add the other pages.
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

    TShellTreeView *PopupMenu02Tree = nullptr; // the tree PopupMenu02 was last opened for

    void CreateExplorerPanes();
    // Both filter boxes get Filter ("caption|mask|caption|mask..."), the first filter
    // is chosen and each list is re-read by it.
    void SetFilterLists(const QString &Filter);
    // The list textures from SLVTextur01/02 and SLVTexturPfad01/02 (start-up).
    void LoadListTextures();
    // Handlers of the explorers (Haupt_ExplorerHandler.cpp).
    void ShellListView01Change();
    void ShellListView02Change();
    void ShellListView01Click();
    void ShellListView02Click();
    void ShellListView01ContextPopup();
    void ShellListView02ContextPopup();
    void ShellListView01DblClick();
    void ShellListView02DblClick();
    void ShellListView01AddFolder(const TShellFolder &Folder, bool &CanAdd);
    void ShellListView02AddFolder(const TShellFolder &Folder, bool &CanAdd);
    void ShellTreeView01Change();
    void ShellTreeView02Change();
    void ShellTreeView01Click();
    // Label editing of a tree folder (both trees): allowed for folders below "/";
    // Edited renames without replacing and leaves Text as the name the folder has.
    bool ShellTreeViewEditing(const QString &Path);
    void ShellTreeViewEdited(const QString &Path, QString &Text);
    void FilterComboBox01Change();
    void FilterComboBox02Change();
    void ShellListView01HinterGrund();
    void ShellListView02HinterGrund();
    void ShellListView01Scrolled();
    void ShellListView02Scrolled();
    // What both lists show in the chosen language: both status bars (the item count
    // follows every reading of the list by itself; the selection's size) and the report
    // view's sizes.
    void ApplyListLanguage();
    // Panel 0 of the status bar below List: its item count (bound to every reading).
    void ShowListCount(const TShellListView *List);
    void TB01RefreshClick();
    // Both trees collapsed and read again from their top nodes, then set to these
    // folders (the current folders follow); the lists are read again.
    void ReturnTreesTo(const QString &left, const QString &right);
    void TB01LargeIconClick();
    void TB01SmallIconClick();
    void TB01ListClick();
    void TB01ReportClick();
    // After files were moved: the left list's style is applied anew, the right list
    // set back to the list style, so both arrange their items again.
    void ReapplyViewStyles();
    void TB01MarkierenClick();
    void PM01AllesMarkierenClick();
    void PM01EigenschaftenClick();
    void PM02EigenschaftenClick();
    // Before the rename preview: the left explorer shows the right one's folder,
    // filter and selected paths (only while the right explorer is active).
    void SyncExplorersToLeft();

protected:
    // The main window this page belongs to.
    THauptForm &Form();
};
