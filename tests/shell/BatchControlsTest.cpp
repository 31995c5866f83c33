// The main window's controls that the batch operations read: the explorer pairs, the
// file list, the rename target mode and the undo item with its tool button.

#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "support/MainWindowFixture.h"

#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TEST(BatchControls, ExplorerPairsAndFileList)
{
    MainWindowFixture window;
    THauptForm &form = window.Create();
    EXPECT_EQ(form.ShellTreeView01->ShellListView(), form.ShellListView01);
    EXPECT_EQ(form.ShellTreeView02->ShellListView(), form.ShellListView02);
    EXPECT_EQ(form.ShellListView01->LinkedTree(), form.ShellTreeView01);
    EXPECT_EQ(form.ShellListView01->ViewStyle(), vsList);
    EXPECT_EQ(form.NotebookHaupt->currentWidget(), form.ExplorerPage);
    EXPECT_EQ(form.Explorer01->widget(1)->objectName(), QStringLiteral("DateiListe"));
    EXPECT_EQ(form.Explorer02->widget(1)->objectName(), QStringLiteral("DateiAttribute"));
    EXPECT_EQ(form.DLStringGrid->ColCount(), 2);
    EXPECT_EQ(form.DLStringGrid->RowCount(), 1);
    EXPECT_EQ(form.DLStringGrid->FixedRows(), 0);
    EXPECT_FALSE(form.AttrSpeedButton01->isEnabled());
}

TEST(BatchControls, RenamePageAndTargetMode)
{
    MainWindowFixture window;
    THauptForm &form = window.Create();
    EXPECT_EQ(form.PageControl->widget(0), form.TabSheet01);
    EXPECT_EQ(form.DatUmbRadioGroup01->Items().size(), 3);
    EXPECT_EQ(form.DatUmbRadioGroup01->ItemIndex(), 0);
    EXPECT_TRUE(form.DatUmbSpeedButton01->Down());
    form.DatUmbSpeedButton03->setDown(true);
    EXPECT_FALSE(form.DatUmbSpeedButton01->Down());
}

TEST(BatchControls, UndoButtonFollowsTheMenuItem)
{
    MainWindowFixture window;
    THauptForm &form = window.Create();
    TMenuItem *undo = form.HMenuDateiRueckgaengig;
    EXPECT_TRUE(form.HMenuDatei->actions().contains(undo));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(form.TB01Rueckgaengig->isEnabled());
    undo->setEnabled(true);
    EXPECT_TRUE(form.TB01Rueckgaengig->isEnabled());
    int triggered = 0;
    QObject::connect(undo, &QAction::triggered, [&] { ++triggered; });
    form.TB01Rueckgaengig->click();
    EXPECT_EQ(triggered, 1);
    EXPECT_FALSE(undo->isEnabled()); // the undo ran (an empty log) and disabled itself
}

} // namespace
