#pragma once
// Drag and drop between the explorer panes with the drop pop-up (copy, move), and the
// delete of the active list's selection to the trash. Builder and handlers:
// Haupt_DragDrop.cpp; the file operations: Haupt_DateiOperationen.h.

#include <QString>

class THauptForm;
class QMenu;
class QPoint;
class QWidget;
class TMenuItem;
class TShellListView;
class TShellTreeView;

struct THauptDragDrop {
    // The drop pop-up: copy, move, separator, abort (no action).
    QMenu *PMDragDrop = nullptr;
    TMenuItem *DragDropKopieren = nullptr, *DragDropVerschieben = nullptr, *DragDropAbbrechen = nullptr;

    // The state of a drag, cleared at start. Tree nodes are held as their folders.
    QString DragSourceNode;   // the tree folder pressed on; for a list, its tree's folder
    QString DropTargetFolder; // the folder under the cursor with a trailing "/"; empty when not on a drive
    QString DragSourceName;   // at the drop: the name of the control the items came from
    QString DropTargetNode;   // at the drop: the tree folder dropped on; for a list, its tree's folder

    // Builder: the pop-up and the drag-and-drop events of both trees and lists.
    void CreateDragDrop();
    void ClearDragState();

    // Delete (menu item and pop-up item): the active list's selected items to the trash.
    void HMenuAktionenDateiLoeschenClick();
    // One handler of each kind serves the left and the right control.
    void ShellTreeViewMouseDown(TShellTreeView *Tree, const QPoint &Pos);
    void ShellListViewMouseDown(TShellListView *List);
    bool ShellTreeViewDragOver(TShellTreeView *Tree, QWidget *Source, const QPoint &Pos);
    bool ShellListViewDragOver(TShellListView *List, QWidget *Source, const QPoint &Pos);
    void ShellTreeViewDragDrop(TShellTreeView *Tree, QWidget *Source, const QPoint &Pos);
    void ShellListViewDragDrop(TShellListView *List, QWidget *Source, const QPoint &Pos);
    void DragDropKopierenClick();
    void DragDropVerschiebenClick();
    // Re-reads both trees and returns them to the folders they showed (to the nearest
    // existing folder above one that has gone); the lists are re-read.
    void RefreshExplorerTrees();

protected:
    // The main window this page belongs to.
    THauptForm &Form();
};
