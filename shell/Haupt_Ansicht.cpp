// The view modes: the arrangement of the upper half, the sizes that follow the window
// width, the View items and the rename page's view toggles.

#include "shell/Haupt.h"

#include "operations/fktOrdner.h"
#include "operations/fktUmbenennen.h"
#include "platform/Application.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt_Globals.h"
#include "shell/fktThumbs.h"

#include <QChartView>
#include <QBoxLayout>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr int ToolBarHeight = 29;
constexpr int PageControlHeight = 205;
constexpr int StatusBarHeight = 19;
constexpr int FileListButtonsWidth = 394; // DLPanel02
constexpr int TreePaneMargin = 100;       // a tree pane leaves its explorer this much

constexpr int RenamePage = 0;
constexpr int FolderPage = 3;

// Explorer02's page in modes 1 to 10 (-1: hidden in mode 1).
constexpr std::array<int, 11> RightPageOfMode = {-1, -1, 0, 1, 2, 0, 2, 3, 4, 5, 6};

bool IsRightSideMode(std::uint8_t Mode)
{
    return Mode >= 2 && Mode <= 10;
}

} // namespace

QWidget *EnsurePage(QStackedWidget *Notebook, int Index, const QString &Name)
{
    auto *page = Notebook->findChild<QWidget *>(Name, Qt::FindDirectChildrenOnly);
    if (!page) {
        page = new QWidget(Notebook);
        page->setObjectName(Name);
        Notebook->insertWidget(std::min(Index, Notebook->count()), page);
    }
    return page;
}

namespace {

QWidget *EnsureTab(QTabWidget *PageControl, const QString &Name)
{
    auto *page = PageControl->findChild<QWidget *>(Name);
    if (!page) {
        page = new QWidget(PageControl);
        page->setObjectName(Name);
        InsertPageInOrder(PageControl, page);
    }
    return page;
}

QFrame *NewBevel(QWidget *Parent, const QString &Name, QFrame::Shape Shape)
{
    auto *bevel = new QFrame(Parent);
    bevel->setObjectName(Name);
    bevel->setFrameStyle(Shape | QFrame::Sunken);
    return bevel;
}

} // namespace

TViewGeometry ViewGeometry(int ClientWidth)
{
    TViewGeometry g;
    g.Half = std::max(0, RoundEven((ClientWidth - 2) / 2.0));
    g.Right = std::max(0, ClientWidth - 2 - g.Half);
    g.PreviewMax = std::clamp(g.Half - 20, 0, 32767);
    g.PreviewMin = RoundEven(g.PreviewMax / 2.0);
    g.FileListButtonsLeft = std::max(0, RoundEven((g.Half - FileListButtonsWidth) / 2.0));
    g.FileListColWidth = std::max(0, g.Half - 4);
    g.Mp3PanelWidth = RoundEven(g.FileListColWidth / 2.0);
    const double statistics = std::max(0, g.Half - 30);
    g.StatisticsColumns = {RoundEven(0.5 * statistics), RoundEven(0.26 * statistics), RoundEven(0.12 * statistics),
                           RoundEven(0.12 * statistics)};
    return g;
}

void THauptAnsicht::CreateViewModes()
{
    THauptForm &f = Form();

    // The frame: the upper half over the line and the pages; tool bar and status bar
    // at their fixed heights. The page control grows only where a page needs it.
    auto *column = new QVBoxLayout(f.centralWidget());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    Bevel01 = NewBevel(f.centralWidget(), QStringLiteral("Bevel01"), QFrame::HLine);
    Bevel01->setFixedHeight(3);
    TabSheet02 = EnsureTab(f.PageControl, QStringLiteral("TabSheet02"));
    TabSheet03 = EnsureTab(f.PageControl, QStringLiteral("TabSheet03"));
    TabSheet04 = EnsureTab(f.PageControl, QStringLiteral("TabSheet04"));
    TabSheet05 = EnsureTab(f.PageControl, QStringLiteral("TabSheet05"));
    f.PageControl->setFixedHeight(std::max(PageControlHeight, f.PageControl->minimumSizeHint().height()));
    column->addWidget(f.NotebookHaupt, 1);
    column->addWidget(Bevel01);
    column->addWidget(f.PageControl);
    f.ToolBar->setFixedHeight(ToolBarHeight);
    f.HauptStatusBar->setFixedHeight(StatusBarHeight);

    // The pages of both sides, at the indices the modes show.
    EnsurePage(f.Explorer01, 2, QStringLiteral("Neu"));
    EnsurePage(f.Explorer02, 3, QStringLiteral("MP3"));
    EnsurePage(f.Explorer02, 4, QStringLiteral("Ordner"));
    EnsurePage(f.Explorer02, 5, QStringLiteral("OrdnerFuellstand"));
    EnsurePage(f.Explorer02, 6, QStringLiteral("JPEGThumbs"));
    EnsurePage(f.Explorer02, 7, QStringLiteral("Neu"));

    // The explorer page: left side | BevelExplorer01 | right side | preview pane. The
    // side that SetViewMode does not size takes the width the others leave.
    BevelExplorer01 = NewBevel(f.ExplorerPage, QStringLiteral("BevelExplorer01"), QFrame::VLine);
    BevelExplorer01->setFixedWidth(2);
    auto *row = new QHBoxLayout(f.ExplorerPage);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(f.Explorer01, 1);
    row->addWidget(BevelExplorer01);
    row->addWidget(f.Explorer02, 1);
    row->addWidget(f.ExplorerVorschau);

    // The rename preview's bar: caption, column width, close button.
    QWidget *previewPage = f.VorschauStringGrid01->parentWidget();
    VorschauPanel04 = new TPanel(previewPage, QStringLiteral("VorschauPanel04"));
    auto *bar = new QHBoxLayout(VorschauPanel04);
    bar->setContentsMargins(4, 1, 1, 1);
    bar->addStretch(1);
    VorschauUpDown01 = new TUpDown(VorschauPanel04, QStringLiteral("VorschauUpDown01"));
    VorschauUpDown01->setRange(188, 376);
    VorschauUpDown01->setPosition(188);
    bar->addWidget(VorschauUpDown01);
    VorschauSB01 = new TSpeedButton(VorschauPanel04, QStringLiteral("VorschauSB01"));
    VorschauSB01->setIcon(f.style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    bar->addWidget(VorschauSB01);
    static_cast<QBoxLayout *>(previewPage->layout())->insertWidget(0, VorschauPanel04);

    QObject::connect(VorschauSB01, &TSpeedButton::OnClick, &f, Guarded(&f, &THauptAnsicht::VorschauSB01Click));
    QObject::connect(VorschauUpDown01, &TUpDown::OnClick, &f, Guarded(&f, &THauptAnsicht::VorschauUpDown01Click));
    // Dragging a column border is the mouse move that matters.
    QObject::connect(f.VorschauStringGrid01->horizontalHeader(), &QHeaderView::sectionResized, &f,
            Guarded(&f, &THauptAnsicht::VorschauStringGrid01MouseMove));

    SetViewMode(ViewMode);
}

// ---- Arrangement ----

void THauptAnsicht::SetViewMode(std::uint8_t Mode)
{
    THauptForm &f = Form();
    // Hidden in the original while the panes move; here only its painting waits.
    f.NotebookHaupt->setUpdatesEnabled(false);
    const TViewGeometry g = ViewGeometry(f.width());
    if (Mode == 1) {
        f.ExplorerVorschau->show();
        f.Explorer01->setMinimumWidth(0);
        f.Explorer01->setMaximumWidth(QWIDGETSIZE_MAX);
        f.Explorer01->setCurrentIndex(0);
        f.Explorer02->hide();
    } else if (IsRightSideMode(Mode)) {
        f.ExplorerVorschau->hide();
        f.Explorer01->setFixedWidth(g.Half);
        f.Explorer01->setCurrentIndex(Mode == 5 || Mode == 6 ? 1 : 0);
        f.Explorer02->setCurrentIndex(RightPageOfMode[Mode]);
        f.Explorer02->show();
    }
    if (Mode != 1) {
        const int left = IsRightSideMode(Mode) ? g.Half : f.Explorer01->width();
        if (left - TreePaneMargin < TreePaneWidth(f.ExplorerSplitter01))
            SetTreePaneWidth(f.ExplorerSplitter01, std::max(0, left - TreePaneMargin));
    }
    f.NotebookHaupt->setUpdatesEnabled(true);
    // The page control is never cut off: the window is at least as high as this mode's
    // panes and the page control need.
    if (QLayout *layout = f.layout())
        f.setMinimumHeight(std::max(THauptForm::MinimumWindowSize.height(), layout->totalMinimumSize().height()));
}

void THauptAnsicht::ArrangeMainWindow()
{
    THauptForm &f = Form();
    const TViewGeometry g = ViewGeometry(f.width());

    VorschauUpDown01->setRange(g.PreviewMin, g.PreviewMax);
    TStringGrid *preview = f.VorschauStringGrid01;
    int width = preview->DefaultColWidth();
    bool resized = false; // columns the user sized otherwise stay as they are
    if (preview->ColWidth(0) > g.PreviewMax) {
        width = g.PreviewMax;
        resized = true;
    }
    if (g.Right > 2 * width + 20) {
        width = RoundEven((g.Right - 20) / 2.0);
        resized = true;
    }
    if (g.PreviewMin > width) {
        width = g.PreviewMin;
        resized = true;
    }
    if (resized)
        preview->setDefaultColWidth(width); // the grid keeps its one header row

    f.DLPanel02->move(g.FileListButtonsLeft, f.DLPanel02->y());
    f.DLStringGrid->setDefaultColWidth(g.FileListColWidth);
    f.DLStringGrid->setColWidth(1, 0); // only the name shows

    for (QWidget *panel : {static_cast<QWidget *>(f.MP3Panel14), f.MP3Panel16})
        panel->setFixedWidth(g.Mp3PanelWidth);
    for (int col = 0; col < 4; ++col)
        f.OrdnerStringGrid01->setColWidth(col, g.StatisticsColumns[size_t(col)]);
    f.OrdnerChart01->setFixedHeight(RoundEven(f.OrdnerChart01->width() * 1.15));
}

void THauptAnsicht::FormResize()
{
    ArrangeMainWindow();
    SetViewMode(ViewMode);
}

// ---- Transitions ----

void THauptAnsicht::RenamePreviewDown()
{
    Form().SyncExplorersToLeft();
    if (ViewMode != 4 && ViewMode != 6)
        PreviousViewMode[0] = ViewMode;
    ViewMode = ViewMode == 5 || ViewMode == 6 ? 6 : 4;
    ActiveExplorer = 1;
    SetViewMode(ViewMode);
    ShowRenamePreview(PreviewStart::Asked);
}

void THauptAnsicht::RenamePreviewUp()
{
    ViewMode = PreviousViewMode[0];
    ActiveExplorer = 1;
    SetViewMode(ViewMode);
}

void THauptAnsicht::FolderPreviewDown()
{
    Form().SyncExplorersToLeft();
    if (ViewMode != 4)
        PreviousViewMode[0] = ViewMode;
    ViewMode = 4;
    ActiveExplorer = 1;
    SetViewMode(ViewMode);
    ShowRenamePreview(PreviewStart::Asked);
}

void THauptAnsicht::FolderPreviewUp()
{
    RenamePreviewUp(); // both preview buttons return through byte 0
}

void THauptAnsicht::FileListChecked()
{
    // The mode to return to is never the file list itself, nor the preview it releases.
    if (ViewMode != 5 && ViewMode != 6)
        PreviousViewMode[1] = ViewMode == 4 ? 1 : ViewMode;
    Form().DatUmbVorschau->setDown(false);
    ViewMode = 5;
    SetViewMode(ViewMode);
    ArrangeMainWindow();
}

void THauptAnsicht::FileListUnchecked()
{
    Form().DatUmbVorschau->setDown(false);
    ViewMode = PreviousViewMode[1];
    SetViewMode(ViewMode);
}

void THauptAnsicht::Mp3SubViewChosen()
{
    if (ViewMode != 7) // a second choice keeps the mode to return to
        PreviousViewMode[2] = ViewMode;
    ViewMode = 7;
    SetViewMode(ViewMode);
}

void THauptAnsicht::Mp3SubViewLeft()
{
    if (ViewMode == 7)
        ViewMode = PreviousViewMode[2];
    SetViewMode(ViewMode);
}

void THauptAnsicht::FolderTreesChosen()
{
    if (ViewMode != 8)
        PreviousViewMode[3] = ViewMode;
    ViewMode = 8;
    SetViewMode(ViewMode);
}

void THauptAnsicht::FolderRenamingChosen()
{
    if (ViewMode == 8) {
        ViewMode = PreviousViewMode[3];
        if (ViewMode == 4)
            Form().OrdnerVorschauSB->setDown(true);
    }
    SetViewMode(ViewMode);
}

// ---- View items ----

void THauptAnsicht::ReleasePreviewButtons(bool FolderPreviewToo)
{
    Form().DatUmbVorschau->setDown(false);
    Form().DatUmbDateiListe->setChecked(false); // runs its handler when it was checked
    if (FolderPreviewToo)
        Form().OrdnerVorschauSB->setDown(false);
}

void THauptAnsicht::HMenuAnsichtDateiauswahlClick()
{
    ReleasePreviewButtons(true);
    ViewMode = 1;
    ActiveExplorer = 1;
    SetViewMode(ViewMode);
}

void THauptAnsicht::HMenuAnsichtDragDropClick()
{
    ReleasePreviewButtons(true);
    Form().ShellListView01->ClearSelection();
    Form().ShellListView02->ClearSelection();
    ViewMode = 2;
    ActiveExplorer = 1;
    SetViewMode(ViewMode);
}

void THauptAnsicht::HMenuAnsichtDateiAttributeClick()
{
    ReleasePreviewButtons(false);
    ViewMode = 3;
    ActiveExplorer = 1;
    SetViewMode(ViewMode);
}

void THauptAnsicht::HMenuAnsichtOrdnerFuellClick()
{
    ViewMode = 9;
    ActiveExplorer = 1;
    SetViewMode(ViewMode);
    Form().OrdnerScrollBox01->setFocus();
    ShowFolderStatistics();
}

void THauptAnsicht::HMenuAnsichtVorschauClick()
{
    const int page = Form().PageControl->currentIndex();
    if (page == RenamePage) {
        Form().DatUmbVorschau->setDown(true);
        RenamePreviewDown();
    } else if (page == FolderPage) {
        // The folder page's button shows the preview is on, so that releasing it leaves.
        Form().OrdnerVorschauSB->setDown(true);
        FolderPreviewDown();
    } else {
        Form().SyncExplorersToLeft();
        ActiveExplorer = 1;
        SetViewMode(ViewMode);
        ShowRenamePreview(PreviewStart::Asked);
    }
}

void THauptAnsicht::HMenuAnsichtThumbsClick()
{
    ViewMode = 10;
    SetViewMode(ViewMode);
    BuildThumbnails();
}

// ---- Rename page toggles and the preview page ----

void THauptAnsicht::DatUmbVorschauClick()
{
    if (Form().DatUmbVorschau->Down())
        RenamePreviewDown();
    else
        RenamePreviewUp();
}

void THauptAnsicht::DatUmbDateiListeClick()
{
    if (Form().DatUmbDateiListe->Checked())
        FileListChecked();
    else
        FileListUnchecked();
}

void THauptAnsicht::VorschauSB01Click()
{
    Form().DatUmbVorschau->setDown(false);
    DatUmbVorschauClick();
}

void THauptAnsicht::VorschauUpDown01Click()
{
    Form().VorschauStringGrid01->setDefaultColWidth(VorschauUpDown01->Position());
}

void THauptAnsicht::VorschauStringGrid01MouseMove()
{
    TStringGrid *grid = Form().VorschauStringGrid01;
    const int width = std::clamp(grid->ColWidth(0), VorschauUpDown01->Min(), VorschauUpDown01->Max());
    if (grid->ColWidth(0) != width)
        grid->setColWidth(0, width);
    if (grid->ColWidth(1) != width)
        grid->setColWidth(1, width);
    VorschauUpDown01->setPosition(width);
}

THauptForm &THauptAnsicht::Form()
{
    return static_cast<THauptForm &>(*this);
}
