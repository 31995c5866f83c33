// The toolkit controls behave as the handlers of the main window rely on.

#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(Toolkit, ChangesInCodeRunTheClickAndChangeHandlers)
{
    QWidget parent;
    TRadioGroup group(&parent, "Group");
    int clicks = 0;
    QObject::connect(&group, &TRadioGroup::OnClick, [&] { ++clicks; });
    group.setItems({"a", "b", "c"});
    EXPECT_EQ(group.ItemIndex(), -1);
    group.setItemIndex(1);
    group.setItemIndex(1); // no change, no click
    group.setItemIndex(7); // out of range: no selection
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(group.ItemIndex(), -1);

    TCheckBox box(&parent, "Box");
    int boxClicks = 0;
    QObject::connect(&box, &TCheckBox::OnClick, [&] { ++boxClicks; });
    box.setChecked(true);
    box.setChecked(true);
    box.setChecked(false);
    EXPECT_EQ(boxClicks, 2);

    TEdit edit(&parent, "Edit");
    int changes = 0;
    QObject::connect(&edit, &TEdit::OnChange, [&] { ++changes; });
    edit.setText("x");
    EXPECT_EQ(changes, 1);
}

TEST(Toolkit, SpeedButtonsOfOneGroupAreExclusive)
{
    QWidget parent;
    TSpeedButton a(&parent, "A", 1), b(&parent, "B", 1), other(&parent, "Other", 2);
    a.setDown(true);
    other.setDown(true);
    b.setDown(true);
    EXPECT_FALSE(a.Down());
    EXPECT_TRUE(b.Down());
    EXPECT_TRUE(other.Down());
    b.click(); // a group keeps one button down
    EXPECT_TRUE(b.Down());
}

TEST(Toolkit, UpDownKeepsItsRangeAndWritesItsEdit)
{
    QWidget parent;
    TEdit edit(&parent, "Edit");
    TUpDown upDown(&parent, "UpDown");
    upDown.setRange(1, 10);
    upDown.setAssociate(&edit);
    upDown.setPosition(42);
    EXPECT_EQ(upDown.Position(), 10);
    EXPECT_EQ(edit.Text(), "10");
    edit.setText("3");
    EXPECT_EQ(upDown.Position(), 3);
}

TEST(Toolkit, GridShowsItsFixedRowAsHeaderAndGrowsByColumn)
{
    TStringGrid grid(nullptr, "Grid", 2, 1, 1);
    grid.setCells(0, 0, "Alter Name");
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Alter Name");
    EXPECT_EQ(grid.model()->rowCount(), 0);
    grid.setColumn(1, 1, {"x", "y", "z"});
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(grid.Cells(1, 3), "z");
    EXPECT_EQ(grid.Cells(0, 3), "");
    EXPECT_EQ(grid.Cells(5, 1), ""); // outside the grid
    grid.setCells(1, 9, "ignored");
    EXPECT_EQ(grid.RowCount(), 4);
}
