#pragma once
// The controls of the main menu, the tool bar and the explorer lists' pop-up.
// Builder: Haupt_Menues.cpp.

class THauptForm;
class QMenu;
class QToolBar;
class QToolButton;
class TMenuItem;

struct THauptMenues {
    QToolBar *ToolBar = nullptr;
    QMenu *HMenuDatei = nullptr;
    TMenuItem *HMenuDateiRueckgaengig = nullptr; // undo; Tag = the undo kind
    QToolButton *TB01Rueckgaengig = nullptr;     // runs HMenuDateiRueckgaengig
    QMenu *HMenuAktionen = nullptr;
    TMenuItem *HMenuAktionenUmbenennen = nullptr; // the rename action
    QToolButton *TB01Umbenennen = nullptr;        // runs HMenuAktionenUmbenennen
    QMenu *PopupMenu01 = nullptr;                 // pop-up of both explorer lists
    TMenuItem *PM01DateiUmbenennen = nullptr;     // the rename action

    void CreateMenus();

protected:
    // The main window this page belongs to.
    THauptForm &Form();
};
