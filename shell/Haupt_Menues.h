#pragma once
// The main menu, the tool bar and the pop-ups of the explorer lists and trees, and
// what they offer on each page of PageControl and for the active list's selection.
// Builder: Haupt_Menues.cpp; handlers: Haupt_MenuesHandler.cpp.
//
// Menu items and tool buttons keep their own Enabled and Visible: a button bound to an
// item runs the item's click handler and shows its image, nothing more (the undo button
// alone follows its item's enabling, which the executors set).

#include <QIcon>

#include <array>

class THauptForm;
class QAction;
class QMenu;
class QPainter;
class QToolBar;
class QToolButton;
class TMenuItem;
class TMenuStyler;

struct THauptMenues {
    // The images of the menus and the tool bar, by the index the items name.
    std::array<QIcon, 29> ImageList01;

    // File
    QMenu *HMenuDatei = nullptr;
    TMenuItem *HMenuDateiRueckgaengig = nullptr; // undo; Tag = the undo kind, data = its log
    TMenuItem *HMenuDateiOptionen = nullptr;
    TMenuItem *HMenuDateiSprache = nullptr;
    QAction *HMenuDateiTrenner01 = nullptr;
    TMenuItem *HMenuDateiProgDeInst = nullptr; // no action
    QAction *HMenuDateiTrenner02 = nullptr;
    TMenuItem *HMenuDateiProgEnde = nullptr; // Esc
    // View (F2-F7)
    QMenu *HMenuAnsicht = nullptr;
    TMenuItem *HMenuAnsichtDateiauswahl = nullptr, *HMenuAnsichtDragDrop = nullptr;
    TMenuItem *HMenuAnsichtDateiAttribute = nullptr, *HMenuAnsichtOrdnerFuell = nullptr;
    TMenuItem *HMenuAnsichtVorschau = nullptr, *HMenuAnsichtThumbs = nullptr;
    // Actions
    QMenu *HMenuAktionen = nullptr;
    TMenuItem *HMenuAktionenDateiLoeschen = nullptr, *HMenuAktionenUmbenennen = nullptr;
    TMenuItem *HMenuAktionenAttrAendern = nullptr, *HMenuAktionenSortieren = nullptr;
    // Info
    QMenu *HMenuInfo = nullptr;
    TMenuItem *HMenuInfoHilfe = nullptr; // F1
    TMenuItem *HMenuInfoInfo = nullptr;

    // The tool bar, left to right.
    QToolBar *ToolBar = nullptr;
    QToolButton *TB01Refresh = nullptr;
    QToolButton *TB01Rueckgaengig = nullptr, *TB01Optionen = nullptr, *TB01ProgEnde = nullptr;
    QToolButton *TB01LargeIcon = nullptr, *TB01SmallIcon = nullptr; // view styles of the left
    QToolButton *TB01List = nullptr, *TB01Report = nullptr;         // list, one group
    QToolButton *TB01Dateiauswahl = nullptr, *TB01DragDrop = nullptr, *TB01DateiAttribute = nullptr;
    QToolButton *TB01OrdnerFuell = nullptr, *TB01Vorschau = nullptr, *TB01Thumbs = nullptr;
    QToolButton *TB01Umbenennen = nullptr, *TB01AttrAendern = nullptr, *TB01Sortieren = nullptr;
    QToolButton *TB01Markieren = nullptr;
    QToolButton *ToolButton1 = nullptr; // help
    QToolButton *ToolButton2 = nullptr; // info

    // Pop-up of both explorer lists.
    QMenu *PopupMenu01 = nullptr;
    TMenuItem *PM01DateiLoeschen = nullptr, *PM01DateiUmbenennen = nullptr;
    TMenuItem *PM01AttrAendern = nullptr, *PM01Sortieren = nullptr;
    TMenuItem *PM01AllesMarkieren = nullptr, *PM01Eigenschaften = nullptr;
    // Pop-up of both explorer trees.
    QMenu *PopupMenu02 = nullptr;
    TMenuItem *PM02OrdnerNeu = nullptr; // hidden, no action
    TMenuItem *PM02Eigenschaften = nullptr;

    // Draws the menu bar and the pop-ups flat, also menus and items added later.
    TMenuStyler *MenuStyler = nullptr;

    // Builder: menus, tool bar and pop-ups (after the pages exist).
    void CreateMenus();

    // The per-page table: the lists' object types, the page's resets, the view mode, the
    // active explorer and preview, the items' Enabled and Visible, the lists re-read.
    void UpdateMenusForPage();
    // Object types of both explorer lists: folders only on the folder page, else folders
    // and files; hidden items when VerstecktAnzeigen. The lists' change events are
    // detached meanwhile.
    void ApplyListObjectTypes();
    // The current page's action item and button enabled exactly with a selection.
    void UpdateActionButtons();
    // 0 nothing selected, n the active list's selected items, 2 with the page's recursive
    // box checked.
    int SelectionKind() const;
    void PageControlChange();
    // The Aktionen menu and the list pop-up open: enabling and captions by SelectionKind.
    void HMenuAktionenClick();
    void PopupMenu01Popup();
    void HMenuDateiRueckgaengigClick();
    void HMenuDateiOptionenClick(); // the options dialog
    void HMenuDateiSpracheClick(); // the language dialog
    // Esc: closes the window unless an in-place editor, a combo list or a pop-up takes it.
    void HMenuDateiProgEndeClick();
    // The help file of the language handed to the desktop's opener.
    void HMenuInfoHilfeClick();
    // The tool bar's background: white to silver over the window's client width.
    void ToolBarAdvancedCustomDraw(QPainter &Canvas);
    // Shows or hides a button of the tool bar. The tool bar shows its buttons through
    // their actions: a button hidden by itself comes back at the next layout.
    void SetToolButtonVisible(QToolButton *Button, bool Visible);

protected:
    // The main window this page belongs to.
    THauptForm &Form();
    const THauptForm &Form() const;
};
