// The view modes: the sizes taken from the window width, the arrangement of the upper
// half in each mode, and the transitions of the View items and page toggles.

#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt_Globals.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QFile>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>

namespace {

class ViewModes : public ::testing::Test {
protected:
    // The window shown offscreen with the given client width.
    THauptForm &ShownAt(int width)
    {
        THauptForm &f = window_.Create();
        f.setMinimumSize(1, 1); // below the window's minimum, as the rule's examples are
        f.setWindowState(Qt::WindowNoState);
        f.resize(width, 600);
        f.show();
        QApplication::processEvents();
        EXPECT_EQ(f.width(), width);
        return f;
    }
    void Apply(std::uint8_t mode)
    {
        ViewMode = mode;
        window_->SetViewMode(mode);
        QApplication::processEvents();
    }

    MainWindowFixture window_;
};

TEST(ViewGeometry, SizesFollowTheClientWidthRoundedHalfToEven)
{
    const TViewGeometry g = ViewGeometry(792);
    EXPECT_EQ(g.Half, 395);
    EXPECT_EQ(g.Right, 395);
    EXPECT_EQ(g.PreviewMax, 375);
    EXPECT_EQ(g.PreviewMin, 188); // 187.5
    EXPECT_EQ(g.FileListButtonsLeft, 0); // 0.5
    EXPECT_EQ(g.FileListColWidth, 391);
    EXPECT_EQ(g.Mp3PanelWidth, 196); // 195.5
    EXPECT_EQ(g.StatisticsColumns, (std::array<int, 4>{182, 95, 44, 44}));

    EXPECT_EQ(ViewGeometry(795).Half, 396); // 396.5
    EXPECT_EQ(ViewGeometry(795).Right, 397);
    EXPECT_EQ(ViewGeometry(797).Half, 398); // 397.5
    EXPECT_EQ(ViewGeometry(1024).FileListButtonsLeft, 58);
}

TEST(ViewGeometry, AWindowWithoutItsSizeGivesNoNegativeSizes)
{
    for (int width : {-10, 0, 1, 2, 30, 41, 100}) {
        const TViewGeometry g = ViewGeometry(width);
        for (int size : {g.Half, g.Right, g.PreviewMin, g.FileListButtonsLeft, g.FileListColWidth, g.Mp3PanelWidth})
            EXPECT_GE(size, 0) << width;
        for (int size : g.StatisticsColumns)
            EXPECT_GE(size, 0) << width;
        EXPECT_LE(g.PreviewMin, g.PreviewMax) << width;
    }
}

TEST_F(ViewModes, TheFrameHasNoSplitterAndItsRowsAtTheirHeights)
{
    THauptForm &f = ShownAt(1024);
    EXPECT_EQ(f.findChildren<QSplitter *>(QString(), Qt::FindDirectChildrenOnly).size(), 0);
    EXPECT_EQ(f.ToolBar->height(), 29);
    EXPECT_GE(f.PageControl->height(), 205);
    EXPECT_EQ(f.HauptStatusBar->height(), 19);
    EXPECT_EQ(f.Bevel01->geometry().top(), f.NotebookHaupt->geometry().bottom() + 1);
    EXPECT_EQ(f.PageControl->geometry().top(), f.Bevel01->geometry().bottom() + 1);
    const char *tabs[] = {"TabSheet01", "TabSheet02", "TabSheet03", "TabSheet04", "TabSheet05"};
    ASSERT_EQ(f.PageControl->count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(f.PageControl->widget(i)->objectName(), QLatin1String(tabs[i]));
    const char *right[] = {"Explorer02Page", "DateiAttribute", "Vorschau", "MP3", "Ordner", "OrdnerFuellstand",
                           "JPEGThumbs", "Neu"};
    ASSERT_EQ(f.Explorer02->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(f.Explorer02->widget(i)->objectName(), QLatin1String(right[i]));
    ASSERT_EQ(f.Explorer01->count(), 3);
    EXPECT_EQ(f.Explorer01->widget(2)->objectName(), QStringLiteral("Neu"));
    EXPECT_TRUE(f.Explorer02->widget(5)->isAncestorOf(f.OrdnerScrollBox01));
}

TEST_F(ViewModes, ModesTwoToTenSplitTheWidthInHalves)
{
    struct Row {
        std::uint8_t mode;
        int left, right;
    } const rows[] = {{2, 0, 0}, {3, 0, 1}, {4, 0, 2}, {5, 1, 0}, {6, 1, 2}, {7, 0, 3}, {8, 0, 4}, {9, 0, 5}, {10, 0, 6}};
    THauptForm &f = ShownAt(792);
    for (const Row &r : rows) {
        Apply(r.mode);
        EXPECT_EQ(f.Explorer01->width(), 395) << int(r.mode);
        EXPECT_EQ(f.Explorer02->width(), 395) << int(r.mode);
        EXPECT_EQ(f.Explorer02->x(), 397) << int(r.mode);
        EXPECT_EQ(f.Explorer01->currentIndex(), r.left) << int(r.mode);
        EXPECT_EQ(f.Explorer02->currentIndex(), r.right) << int(r.mode);
        EXPECT_TRUE(f.Explorer02->isVisible()) << int(r.mode);
        EXPECT_FALSE(f.ExplorerVorschau->isVisible()) << int(r.mode);
    }
    for (int width : {795, 797}) {
        f.resize(width, 600);
        QApplication::processEvents();
        EXPECT_EQ(f.Explorer01->width(), width == 795 ? 396 : 398);
        EXPECT_EQ(f.Explorer02->x() + f.Explorer02->width(), width);
    }
}

TEST_F(ViewModes, ModeOnePutsThePreviewPaneAtTheRightEdge)
{
    THauptForm &f = ShownAt(792);
    Apply(2);
    Apply(1);
    EXPECT_FALSE(f.Explorer02->isVisible());
    EXPECT_TRUE(f.ExplorerVorschau->isVisible());
    EXPECT_EQ(f.ExplorerVorschau->width(), 150);
    EXPECT_EQ(f.ExplorerVorschau->x() + 150, 792);
    EXPECT_EQ(f.Explorer01->x(), 0);
    EXPECT_EQ(f.Explorer01->width(), 640);
    EXPECT_EQ(f.Explorer01->currentIndex(), 0);
}

TEST_F(ViewModes, AWideTreePaneIsNarrowedOnlyBesideTheRightSide)
{
    THauptForm &f = ShownAt(792);
    struct Row {
        std::uint8_t mode;
        int before, after;
    } const rows[] = {{2, 350, 295}, {2, 200, 200}, {1, 500, 500}, {9, 296, 295}, {9, 295, 295}};
    for (const Row &r : rows) {
        Apply(1);
        SetTreePaneWidth(f.ExplorerSplitter01, r.before);
        ViewMode = r.mode;
        f.SetViewMode(r.mode);
        EXPECT_EQ(TreePaneWidth(f.ExplorerSplitter01), r.after) << int(r.mode) << " " << r.before;
    }
}

TEST_F(ViewModes, ModesZeroAndElevenChangeNoPageOrAlignment)
{
    THauptForm &f = ShownAt(792);
    for (std::uint8_t start : {1, 3, 6}) {
        for (std::uint8_t mode : {0, 11}) {
            Apply(start);
            const int left = f.Explorer01->currentIndex(), right = f.Explorer02->currentIndex();
            const QRect leftRect = f.Explorer01->geometry(), previewRect = f.ExplorerVorschau->geometry();
            const bool rightShown = f.Explorer02->isVisible(), previewShown = f.ExplorerVorschau->isVisible();
            f.SetViewMode(mode);
            QApplication::processEvents();
            EXPECT_EQ(f.Explorer01->currentIndex(), left) << int(mode);
            EXPECT_EQ(f.Explorer02->currentIndex(), right) << int(mode);
            EXPECT_EQ(f.Explorer01->geometry(), leftRect) << int(mode);
            EXPECT_EQ(f.Explorer02->isVisible(), rightShown) << int(mode);
            EXPECT_EQ(f.ExplorerVorschau->isVisible(), previewShown) << int(mode);
            if (previewShown) {
                EXPECT_EQ(f.ExplorerVorschau->geometry(), previewRect) << int(mode);
            }
        }
    }
}

TEST_F(ViewModes, ArrangeMainWindowSizesTheGridsAndPanelsThatExist)
{
    THauptForm &f = ShownAt(792);
    TStringGrid *statistics = f.OrdnerStringGrid01;
    f.ArrangeMainWindow();

    EXPECT_EQ(f.VorschauUpDown01->Max(), 375);
    EXPECT_EQ(f.VorschauUpDown01->Min(), 188);
    EXPECT_EQ(f.DLStringGrid->DefaultColWidth(), 391);
    EXPECT_EQ(f.DLStringGrid->ColWidth(0), 391);
    EXPECT_EQ(f.DLStringGrid->ColWidth(1), 0);
    EXPECT_EQ(f.DLPanel02->width(), 394);
    EXPECT_EQ(f.DLPanel02->x(), 0);
    for (QWidget *column : {static_cast<QWidget *>(f.MP3Panel14), f.MP3Panel16}) {
        EXPECT_EQ(column->minimumWidth(), 196) << column->objectName().toStdString();
        EXPECT_EQ(column->maximumWidth(), 196) << column->objectName().toStdString();
    }
    for (int col = 0; col < 4; ++col)
        EXPECT_EQ(statistics->ColWidth(col), (std::array<int, 4>{182, 95, 44, 44})[size_t(col)]) << col;
    EXPECT_EQ(f.VorschauStringGrid01->FixedRows(), 1);
}

TEST_F(ViewModes, ThePreviewColumnsKeepToTheUpDownsRange)
{
    THauptForm &f = ShownAt(792);
    f.ArrangeMainWindow();
    TStringGrid *grid = f.VorschauStringGrid01;
    struct Row {
        int dragged, width;
    } const rows[] = {{500, 375}, {100, 188}, {250, 250}};
    for (const Row &r : rows) {
        grid->setColWidth(0, r.dragged); // the user drags the border of column 0
        EXPECT_EQ(grid->ColWidth(0), r.width) << r.dragged;
        EXPECT_EQ(grid->ColWidth(1), r.width) << r.dragged;
        EXPECT_EQ(f.VorschauUpDown01->Position(), r.width) << r.dragged;
    }
    f.VorschauUpDown01->setPosition(300);
    f.VorschauUpDown01Click();
    EXPECT_EQ(grid->ColWidth(0), 300);
    EXPECT_EQ(grid->ColWidth(1), 300);
}

// ---- Transitions ----

class ViewTransitions : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QFile file(dir_.filePath("a.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        THauptForm &f = window_.Create();
        ASSERT_TRUE(f.ShellTreeView01->setPath(dir_.path()));
        ASSERT_TRUE(f.ShellTreeView02->setPath(dir_.path()));
        SelectBoth(); // the preview has a file to show, from either side or the file list
        f.DLStringGrid->setCells(0, 0, "a.txt");
        f.DLStringGrid->setCells(1, 0, dir_.filePath("a.txt"));
        f.DatUmbEdit01->setText("n");
    }
    void SelectBoth()
    {
        F().ShellListView01->SelectAll();
        F().ShellListView02->SelectAll();
    }
    THauptForm &F() { return *window_; }
    // The file-list box as the user sets it; its handler runs once it is bound.
    void FileList(bool on)
    {
        F().DatUmbDateiListe->setChecked(on);
        F().DatUmbDateiListeClick();
    }
    void PreviewButton(bool down)
    {
        F().DatUmbVorschau->setDown(down);
        F().DatUmbVorschauClick();
    }

    QTemporaryDir dir_;
    MainWindowFixture window_;
    ScriptedModals modals_; // no box may show
};

TEST_F(ViewTransitions, EachEndsInItsModeAndReturnsToTheModeBefore)
{
    struct Row {
        const char *what;
        std::function<void(THauptForm &)> steps;
        std::uint8_t mode;
    } const rows[] = {
        {"preview item twice, then the button released", [this](THauptForm &f) {
             f.HMenuAnsichtDragDropClick();
             EXPECT_TRUE(f.ShellListView01->SelectedRows().empty());
             EXPECT_TRUE(f.ShellListView02->SelectedRows().empty());
             SelectBoth();
             f.HMenuAnsichtVorschauClick();
             f.HMenuAnsichtVorschauClick();
             EXPECT_EQ(ViewMode, 4);
             EXPECT_TRUE(f.DatUmbVorschau->Down());
             f.VorschauSB01->click();
             EXPECT_FALSE(f.DatUmbVorschau->Down());
         }, 2},
        {"file list on in mode 4 and off", [this](THauptForm &) {
             PreviewButton(true);
             EXPECT_EQ(ViewMode, 4);
             FileList(true);
             EXPECT_EQ(ViewMode, 5);
             FileList(false);
         }, 1},
        {"preview beside the file list and released", [this](THauptForm &) {
             FileList(true);
             PreviewButton(true);
             EXPECT_EQ(ViewMode, 6);
             PreviewButton(false);
         }, 5},
        {"drag-and-drop item in mode 5", [this](THauptForm &f) {
             FileList(true);
             f.HMenuAnsichtDragDropClick();
             EXPECT_FALSE(f.DatUmbDateiListe->Checked());
         }, 2},
        {"attributes item while the preview shows", [this](THauptForm &f) {
             PreviewButton(true);
             f.HMenuAnsichtDateiAttributeClick();
             EXPECT_FALSE(f.DatUmbVorschau->Down());
         }, 3},
        {"MP3 sub-view twice, then left", [](THauptForm &f) {
             f.HMenuAnsichtDragDropClick();
             f.Mp3SubViewChosen();
             f.Mp3SubViewChosen();
             EXPECT_EQ(ViewMode, 7);
             f.Mp3SubViewLeft();
         }, 2},
        {"MP3 sub-view left when not shown", [](THauptForm &f) {
             f.HMenuAnsichtDateiAttributeClick();
             f.Mp3SubViewLeft();
         }, 3},
        {"folder trees twice, then folder renaming", [](THauptForm &f) {
             f.HMenuAnsichtDateiAttributeClick();
             f.FolderTreesChosen();
             f.FolderTreesChosen();
             EXPECT_EQ(ViewMode, 8);
             f.FolderRenamingChosen();
         }, 3},
        {"folder preview down and up", [](THauptForm &f) {
             f.HMenuAnsichtThumbsClick();
             f.FolderPreviewDown();
             f.FolderPreviewDown();
             EXPECT_EQ(ViewMode, 4);
             f.FolderPreviewUp();
         }, 10},
        {"statistics item", [](THauptForm &f) { f.HMenuAnsichtOrdnerFuellClick(); }, 9},
        {"file select item after the preview", [this](THauptForm &f) {
             PreviewButton(true);
             f.HMenuAnsichtDateiauswahlClick();
             EXPECT_FALSE(f.DatUmbVorschau->Down());
         }, 1},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        SelectBoth();
        ViewMode = 1;
        PreviousViewMode.fill(1);
        F().DatUmbVorschau->setDown(false);
        FileList(false);
        r.steps(F());
        EXPECT_EQ(ViewMode, r.mode) << r.what;
        EXPECT_EQ(F().Explorer02->isVisibleTo(&F()), r.mode != 1) << r.what;
    }
}

TEST_F(ViewTransitions, ActiveExplorerIsKeptOnlyByTheThumbnailsItem)
{
    struct Row {
        void (THauptAnsicht::*item)();
        std::uint8_t active;
    } const rows[] = {{&THauptAnsicht::HMenuAnsichtThumbsClick, 2},
                      {&THauptAnsicht::HMenuAnsichtDragDropClick, 1},
                      {&THauptAnsicht::HMenuAnsichtOrdnerFuellClick, 1},
                      {&THauptAnsicht::HMenuAnsichtVorschauClick, 1}};
    for (const Row &r : rows) {
        SelectBoth();
        ActiveExplorer = 2;
        (F().*r.item)();
        EXPECT_EQ(ActiveExplorer, r.active);
    }
}

TEST_F(ViewTransitions, ThePreviewShowsTheSelectedFile)
{
    F().HMenuAnsichtVorschauClick();
    EXPECT_EQ(F().VorschauStringGrid01->Cells(0, 1), QStringLiteral("a.txt"));
    EXPECT_EQ(F().Explorer02->currentIndex(), 2);
}

// ---- Screenshots ----

TEST_F(ViewModes, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_SCREENSHOTS=<folder> to save the window in modes 1 to 6";
    THauptForm &f = window_.Create();
    f.setWindowState(Qt::WindowNoState);
    f.resize(1024, 700);
    f.show();
    QApplication::processEvents();
    for (std::uint8_t mode = 1; mode <= 6; ++mode) {
        Apply(mode);
        EXPECT_TRUE(f.grab().save(QDir(folder).filePath(QStringLiteral("mode%1.png").arg(mode))));
    }
}

} // namespace
