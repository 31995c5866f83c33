// What the menus, the tool bar and the list pop-up offer: the per-page table, the
// action items by selection, and the File and Info items.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "localisation/frmSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt_Globals.h"
#include "shell/frmOptionen.h"

#include <QApplication>
#include <QMenu>
#include <QSet>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <array>
#include <initializer_list>
#include <vector>

namespace {

enum Page { RenamePage, AttributesPage, SortingPage, FolderPage, GraphicsPage };

// "on": item enabled and visible, button enabled; "off": item disabled and hidden,
// button disabled; "keep": unchanged.
enum class State { Off, On, Keep };
// What a page change does to the active explorer and the preview pane.
enum class Explorer { Keep, Activate, ActivateAndClear };

// One row of the per-page table.
struct PageRow {
    std::uint8_t Mode;
    Explorer Active;
    bool ViewMenu; // HMenuAnsicht enabled
    // The six View items, then rename, attributes and sorting.
    std::array<State, 9> Items;
};

using enum State;
constexpr PageRow RenameRow{1, Explorer::Keep, true, {On, On, On, On, On, On, On, Off, Off}};
constexpr PageRow RenameMp3Row{7, Explorer::Keep, false, {Off, Off, Off, Off, Off, Off, On, Off, On}};
constexpr PageRow AttributesRow{3, Explorer::ActivateAndClear, true, {On, On, On, Off, Off, Off, Off, On, Off}};
constexpr PageRow SortingRow{1, Explorer::Activate, true, {On, On, On, Off, Off, Off, Off, Off, On}};
constexpr PageRow FolderTreesRow{8, Explorer::ActivateAndClear, false, {Off, Off, Off, Off, Off, Off, On, Off, Off}};
constexpr PageRow FolderRenamingRow{1, Explorer::ActivateAndClear, true, {On, On, Off, Off, Off, Off, On, Off, Off}};
constexpr PageRow GraphicsRow{1, Explorer::ActivateAndClear, false, {On, On, On, Keep, Off, Off, Off, Off, Off}};

// The items and buttons one entry of a row sets.
struct Controls {
    std::initializer_list<QAction *> Items;
    std::initializer_list<QToolButton *> Buttons;
};

void Apply(State s, const Controls &c)
{
    if (s == Keep)
        return;
    const bool on = s == On;
    for (QAction *item : c.Items) {
        item->setEnabled(on);
        item->setVisible(on);
    }
    for (QToolButton *button : c.Buttons)
        button->setEnabled(on);
}

void SetHint(QAction *Item, int Id)
{
    Item->setStatusTip(LoadLangString(Id));
    Item->setToolTip(LoadLangString(Id));
}

void SetCaption(QAction *Item, int CaptionId, int HintId)
{
    Item->setText(LoadLangString(CaptionId));
    SetHint(Item, HintId);
}

// The active list: 1 the left one, 2 the right one; none for any other value.
TShellListView *ActiveList(const THauptForm &f)
{
    return ActiveExplorer == 1 ? f.ShellListView01 : ActiveExplorer == 2 ? f.ShellListView02 : nullptr;
}

// The four action items of the Aktionen menu or of the list pop-up by selection kind K;
// only visible items change their enabling. RenameButton follows the rename item.
void ApplySelectionKind(int K, int PageIndex, QAction *Delete, QAction *Rename, QAction *Attributes,
                        QAction *Sort, QToolButton *RenameButton)
{
    const bool any = K > 0;
    for (QAction *item : {Delete, Rename, Attributes, Sort})
        if (item->isVisible())
            item->setEnabled(any);
    if (RenameButton && Rename->isVisible())
        RenameButton->setEnabled(any);
    if (!any)
        return;
    const bool one = K == 1;
    SetCaption(Delete, one ? 811 : 812, one ? 820 : 821);
    if (PageIndex == RenamePage)
        SetCaption(Rename, one ? 813 : 814, 822);
    else if (PageIndex == FolderPage)
        SetCaption(Rename, 839, 840);
    SetCaption(Sort, one ? 815 : 816, 823);
}

// Reads List's folder again with its change event detached; the entries selected before
// stay selected where they still exist, so a page change leaves the preview alone. True
// when the selection changed.
bool Reread(TShellListView *List)
{
    const QSignalBlocker detached(List);
    QSet<QString> selected;
    for (int row : List->SelectedRows())
        selected.insert(List->Folders(row).Name);
    List->Refresh();
    if (selected.isEmpty())
        return false;
    std::vector<int> rows;
    for (int row = 0; row < List->Count(); ++row)
        if (selected.contains(List->Folders(row).Name))
            rows.push_back(row);
    List->SelectRows(rows);
    return qsizetype(rows.size()) != selected.size();
}

} // namespace

void THauptMenues::ApplyListObjectTypes()
{
    THauptForm &f = Form();
    const QSignalBlocker detached01(f.ShellListView01), detached02(f.ShellListView02);
    const unsigned hidden = VerstecktAnzeigen ? otHidden : 0u;
    const unsigned types = f.PageControl->currentIndex() == FolderPage ? otFolders : otFolders | otNonFolders;
    f.ShellListView01->setObjectTypes(types | hidden);
    f.ShellListView02->setObjectTypes(types | hidden);
}

void THauptMenues::UpdateMenusForPage()
{
    THauptForm &f = Form();
    const int page = f.PageControl->currentIndex();
    {
        const QSignalBlocker detached01(f.ShellListView01), detached02(f.ShellListView02);
        ApplyListObjectTypes();

        const PageRow *row = nullptr;
        switch (page) {
        case RenamePage:
            f.DatUmbVorschau->setDown(false);
            f.DatUmbDateiListe->setChecked(false); // runs its handler when it was checked
            row = f.DatUmbSpeedButton04->Down() ? &RenameMp3Row : &RenameRow;
            break;
        case AttributesPage:
            row = &AttributesRow;
            break;
        case SortingPage:
            row = &SortingRow;
            break;
        case FolderPage:
            f.OrdnerVorschauSB->setDown(false);
            // One of the two sub-view buttons is always down.
            row = f.Ordnerbaeume->Down() ? &FolderTreesRow : &FolderRenamingRow;
            break;
        case GraphicsPage:
            row = &GraphicsRow;
            break;
        default:
            return;
        }
        ViewMode = row->Mode;
        f.SetViewMode(ViewMode);
        if (row->Active != Explorer::Keep)
            ActiveExplorer = 1;
        if (row->Active == Explorer::ActivateAndClear)
            f.ClearExplorerPreview();

        HMenuAnsicht->menuAction()->setEnabled(row->ViewMenu);
        const Controls controls[] = {
            {{HMenuAnsichtDateiauswahl}, {TB01Dateiauswahl}},
            {{HMenuAnsichtDragDrop}, {TB01DragDrop}},
            {{HMenuAnsichtDateiAttribute}, {TB01DateiAttribute}},
            {{HMenuAnsichtOrdnerFuell}, {TB01OrdnerFuell}},
            {{HMenuAnsichtVorschau}, {TB01Vorschau}},
            {{HMenuAnsichtThumbs}, {TB01Thumbs}},
            {{HMenuAktionenUmbenennen, PM01DateiUmbenennen}, {TB01Umbenennen}},
            {{HMenuAktionenAttrAendern, PM01AttrAendern}, {TB01AttrAendern}},
            {{HMenuAktionenSortieren, PM01Sortieren}, {TB01Sortieren}},
        };
        for (size_t i = 0; i < row->Items.size(); ++i)
            Apply(row->Items[i], controls[i]);
    }
    if (Reread(f.ShellListView01))
        f.ShellListView01Change();
    if (Reread(f.ShellListView02))
        f.ShellListView02Change();
}

void THauptMenues::UpdateActionButtons()
{
    const THauptForm &f = Form();
    const TShellListView *list = ActiveList(f);
    if (!list)
        return;
    const bool selected = list->ItemIndex() >= 0;
    switch (f.PageControl->currentIndex()) {
    case RenamePage:
    case FolderPage:
        HMenuAktionenUmbenennen->setEnabled(selected);
        TB01Umbenennen->setEnabled(selected);
        break;
    case AttributesPage:
        HMenuAktionenAttrAendern->setEnabled(selected);
        TB01AttrAendern->setEnabled(selected);
        break;
    case SortingPage:
        HMenuAktionenSortieren->setEnabled(selected);
        TB01Sortieren->setEnabled(selected);
        break;
    default:
        break;
    }
}

int THauptMenues::SelectionKind() const
{
    const THauptForm &f = Form();
    const TShellListView *list = ActiveList(f);
    const int count = list ? list->SelCount() : 0;
    bool recursive = false;
    switch (f.PageControl->currentIndex()) {
    case RenamePage:
        recursive = f.DatUmbRekursiv->Checked();
        break;
    case AttributesPage:
        recursive = f.AttrRekursiv->Checked();
        break;
    case SortingPage:
        recursive = f.SortRekursiv->Checked();
        break;
    case FolderPage:
        recursive = f.OrdnerRekursiv->Checked();
        break;
    default:
        break;
    }
    return recursive ? 2 : count;
}

void THauptMenues::PageControlChange()
{
    UpdateMenusForPage();
    UpdateActionButtons();
}

void THauptMenues::HMenuAktionenClick()
{
    ApplySelectionKind(SelectionKind(), Form().PageControl->currentIndex(), HMenuAktionenDateiLoeschen,
                       HMenuAktionenUmbenennen, HMenuAktionenAttrAendern, HMenuAktionenSortieren, TB01Umbenennen);
}

void THauptMenues::PopupMenu01Popup()
{
    ApplySelectionKind(SelectionKind(), Form().PageControl->currentIndex(), PM01DateiLoeschen, PM01DateiUmbenennen,
                       PM01AttrAendern, PM01Sortieren, nullptr);
}

void THauptMenues::HMenuDateiRueckgaengigClick()
{
    const BatchGuard guard; // not while a batch lets the message loop run
    if (guard.Entered())
        UndoLastAction();
}

void THauptMenues::HMenuDateiOptionenClick()
{
    // The OK rebuilds the explorer lists: not while a batch lets the message loop run.
    const BatchGuard guard;
    if (guard.Entered() && OptionenF)
        OptionenF->ShowModal();
}

void THauptMenues::HMenuDateiSpracheClick()
{
    // Relabelling resets the rename page's groups: not while a batch lets the message
    // loop run.
    if (BatchGuard::Running() || !SpracheF)
        return;
    // One action: the preview that the relabelled rules ask for runs once, at its end,
    // after the guard that keeps batches out while the dialog is open.
    Form().RunAsOneAction([] {
        const BatchGuard guard;
        SpracheF->ShowModal();
    });
}

void THauptMenues::HMenuDateiProgEndeClick()
{
    if (QApplication::activePopupWidget())
        return; // an open pop-up or combo list takes Esc
    Form().close();
}

void THauptMenues::HMenuInfoHilfeClick()
{
    QString name;
    if (Sprache == 0)
        name = QStringLiteral("VKT_DEUTSCH.hlp");
    else if (Sprache >= 10000)
        name = QStringLiteral("VKT_ENGLISH.hlp");
    else
        return;
    const QString file = AddTrailingBackslash(ProgramDir) + name;
    // The desktop opener takes no topic; a missing file opens nothing.
    if (fs::exists(file))
        ShellOpen(file, QString(), QString(), 0);
}

void THauptMenues::SetToolButtonVisible(QToolButton *Button, bool Visible)
{
    for (QAction *action : ToolBar->actions())
        if (ToolBar->widgetForAction(action) == Button) {
            action->setVisible(Visible);
            return;
        }
}

void THauptMenues::ToolBarAdvancedCustomDraw(QPainter &Canvas)
{
    const int left = ToolBar->mapFrom(&Form(), QPoint(0, 0)).x();
    DrawGradient(Canvas, QRect(left, 0, Form().width(), ToolBar->height()), 1,
                 {QColor(0xFF, 0xFF, 0xFF), QColor(0xC0, 0xC0, 0xC0)});
}
