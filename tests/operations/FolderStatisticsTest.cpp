// The folder statistics on sparse files: the table, the pie, the colour tables, the
// progress text and a folder change during a run.

#include "operations/fktOrdner.h"

#include "localisation/fktSprache.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Colors.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>


namespace {

constexpr std::int64_t MiB = 1048576;
constexpr std::int64_t GiB = 1073741824;

class FolderStatistics : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        form_.Create();
        TortenFarbe = 2;
    }
    void TearDown() override
    {
        form_.reset();
        Sprache = 0;
        LanguageIndex = 0;
    }
    THauptForm &Form() { return *form_; }

    // A sub-folder of Root holding one sparse file of Bytes.
    void SubFolder(const QString &name, std::int64_t bytes) { MakeSparseFileBelow(Root + name, "data", bytes); }
    void Show(const QString &folder)
    {
        ASSERT_TRUE(Form().ShellTreeView01->setPath(folder));
        Form().ShellListView01->Refresh();
    }
    QStringList Row(int row)
    {
        QStringList cells;
        for (int col = 0; col < 4; ++col)
            cells << Form().OrdnerStringGrid01->Cells(col, row);
        return cells;
    }
    QList<QPieSlice *> Slices() { return Form().OrdnerChart01Series->slices(); }
    std::vector<double> Values()
    {
        std::vector<double> values;
        for (QPieSlice *slice : Slices())
            values.push_back(slice->value());
        return values;
    }
    bool ViewItemsEnabled()
    {
        return Form().HMenuAnsichtDateiauswahl->isEnabled() && Form().HMenuAnsichtVorschau->isEnabled()
            && Form().TB01Dateiauswahl->isEnabled() && Form().TB01Vorschau->isEnabled();
    }

    QString Root;

private:
    QTemporaryDir dir_;
    MainWindowFixture form_;
};

TEST_F(FolderStatistics, SizeTextsAndColourTables)
{
    double value = 0;
    EXPECT_EQ(FolderSizeText(GiB - 1, &value), "1024.000 MByte");
    EXPECT_DOUBLE_EQ(value, 1024.0);
    EXPECT_EQ(FolderSizeText(GiB, &value), "1.000 GByte");
    EXPECT_DOUBLE_EQ(value, 1024.0);
    EXPECT_EQ(FolderSizeText(0), "0.000 MByte");
    EXPECT_EQ(FolderSizeText(3 * GiB + GiB / 2), "3.500 GByte");

    EXPECT_EQ(MakeRgbColor(257, -1, 2), 1 + 255 * 256 + 2 * 65536);
    FillFolderChartColors(5, 2);
    EXPECT_EQ(FolderChartColors[0], MakeRgbColor(230, 230, 255));
    EXPECT_EQ(FolderChartColors[1], MakeRgbColor(182, 182, 231));
    EXPECT_EQ(FolderChartColors[4], MakeRgbColor(38, 38, 159));
    FillFolderChartColors(20, 2);
    EXPECT_EQ(FolderChartColors[0], MakeRgbColor(7, 5, 3));
    EXPECT_EQ(FolderChartColors[1], MakeRgbColor(243, 243, 249));
    EXPECT_EQ(FolderChartColors[2], MakeRgbColor(239, 237, 247));
    EXPECT_EQ(FolderChartColors[3], MakeRgbColor(219, 219, 237));
    EXPECT_EQ(FolderChartColors[19], MakeRgbColor(27, 27, 141));
    FillFolderChartColors(20, 0);
    EXPECT_EQ(FolderChartColors[1], MakeRgbColor(249, 243, 243));
    FillFolderChartColors(5, 7);
    EXPECT_EQ(FolderChartColors[1], MakeRgbColor(249, 243, 243)) << "an unknown scheme keeps the table";
}

TEST_F(FolderStatistics, FolderWithoutSubFolders)
{
    MakeTestFileBelow(Root.chopped(1), "file.txt");
    Show(Root);
    ShowFolderStatistics();
    EXPECT_EQ(Form().OrdnerStringGrid01->RowCount(), 2);
    EXPECT_EQ(Row(1), QStringList({"", "", "", ""}));
    EXPECT_TRUE(Slices().isEmpty());
    EXPECT_EQ(Form().OrdnerStatusBar01->Panel(0), "");
    EXPECT_EQ(Form().OrdnerStatusBar01->Panel(1), "");
    EXPECT_TRUE(ViewItemsEnabled());
}

TEST_F(FolderStatistics, ThreeSubFoldersAndNoArchive)
{
    SubFolder("a", 10 * MiB);
    SubFolder("b", GiB / 2);
    SubFolder("c", 2 * GiB);
    MakeTestFileBelow(Root + "c", "deeper/more.txt");
    ASSERT_TRUE(fs::createFolders(Root + "x.zip"));
    Show(Root);
    ShowFolderStatistics();
    ASSERT_EQ(Form().OrdnerStringGrid01->RowCount(), 4);
    EXPECT_EQ(Row(1), QStringList({"a", "10.000 MByte", "1", "0"}));
    EXPECT_EQ(Row(2), QStringList({"b", "512.000 MByte", "1", "0"}));
    EXPECT_EQ(Row(3), QStringList({"c", "2.000 GByte", "2", "1"}));
    EXPECT_EQ(Values(), (std::vector<double>{2048, 512, 10})) << "the largest slice first";
    // Colours by row, whatever the order of the slices.
    FillFolderChartColors(3, 2);
    EXPECT_EQ(ColorFromQColor(Slices()[0]->color()), FolderChartColors[2]);
    EXPECT_EQ(ColorFromQColor(Slices()[2]->color()), FolderChartColors[0]);
    EXPECT_FALSE(Form().OrdnerpfadLabel->text().isEmpty());
    EXPECT_EQ(Form().OrdnerStatusBar01->Panel(0), Form().OrdnerpfadLabel->text());
    EXPECT_EQ(Form().OrdnerStatusBar01->Panel(1), "");
    EXPECT_TRUE(Form().OrdnerNamen.isEmpty());
    EXPECT_TRUE(Form().AlteDateinamen.isEmpty());
}

TEST_F(FolderStatistics, TwentyFiveSubFoldersInEnglish)
{
    Sprache = 10000;
    LanguageIndex = 1;
    // Folder k holds k * k MiB: the six smallest sum to 91 MiB.
    for (int k = 1; k <= 25; ++k)
        SubFolder(QString("d%1").arg(k, 2, 10, QChar('0')), std::int64_t(k) * k * MiB);
    Show(Root);
    QStringList progress;
    bool lockedMeanwhile = true;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        progress << Form().OrdnerStatusBar01->Panel(1);
        lockedMeanwhile = lockedMeanwhile && !Form().HMenuAnsichtDateiauswahl->isEnabled();
    });
    watch.start(0);
    ShowFolderStatistics();
    watch.stop();

    EXPECT_TRUE(progress.contains("Read in directory data [3 von 25] ...")) << progress.join('|').toStdString();
    EXPECT_TRUE(lockedMeanwhile);
    EXPECT_TRUE(ViewItemsEnabled());
    EXPECT_EQ(Form().OrdnerStringGrid01->RowCount(), 26);
    EXPECT_EQ(Form().OrdnerStringGrid02->RowCount(), 1);
    std::vector<double> expected;
    for (int k = 25; k >= 10; --k)
        expected.push_back(k * k);
    expected.push_back(91);
    for (int k = 9; k >= 7; --k)
        expected.push_back(k * k);
    EXPECT_EQ(Values(), expected);
    QPieSlice *others = Slices()[16];
    EXPECT_EQ(ColorFromQColor(others->color()), MakeRgbColor(7, 5, 3));
    EXPECT_EQ(ColorFromQColor(Slices()[0]->color()), MakeRgbColor(27, 27, 141));
}

TEST_F(FolderStatistics, FolderChangeDuringARunBuildsTheNewFolder)
{
    for (const char *name : {"a", "b", "c"})
        SubFolder(name, MiB);
    const QString other = Root + "b/";
    SubFolder("b/inner", 2 * MiB);
    Show(Root);
    bool changed = false;
    QTimer::singleShot(0, [&] {
        changed = true;
        Show(other);
        ShowFolderStatistics(); // only asks the running one to start again
    });
    ShowFolderStatistics();
    EXPECT_TRUE(changed);
    ASSERT_EQ(Form().OrdnerStringGrid01->RowCount(), 2);
    EXPECT_EQ(Row(1), QStringList({"inner", "2.000 MByte", "1", "0"}));
    EXPECT_EQ(Values(), std::vector<double>{2});
    EXPECT_TRUE(ViewItemsEnabled());
}

TEST_F(FolderStatistics, SortComparesSizesAsNumbers)
{
    TStringGrid *rows = Form().OrdnerStringGrid02;
    const QStringList sizes = {QString::number(3 * GiB), "5", QString::number(2 * GiB), "40"};
    rows->setRowCount(int(sizes.size()));
    for (int r = 0; r < sizes.size(); ++r) {
        rows->setCells(0, r, sizes[r]);
        rows->setCells(1, r, "n" + sizes[r]);
    }
    SortFolderStatistics();
    const QStringList expected = {"5", "40", QString::number(2 * GiB), QString::number(3 * GiB)};
    for (int r = 0; r < expected.size(); ++r) {
        EXPECT_EQ(rows->Cells(0, r), expected[r]);
        EXPECT_EQ(rows->Cells(1, r), "n" + expected[r]);
    }
}

TEST_F(FolderStatistics, SeventeenSubFoldersUseTheTwentyEntryTable)
{
    for (int k = 1; k <= 17; ++k)
        SubFolder(QString("d%1").arg(k, 2, 10, QChar('0')), std::int64_t(k) * MiB);
    Show(Root);
    ShowFolderStatistics();
    ASSERT_EQ(Slices().size(), 17);
    // d01, the smallest, is row 1: entry 0 of the 20-entry table, the last slice.
    EXPECT_EQ(ColorFromQColor(Slices().last()->color()), MakeRgbColor(7, 5, 3));
}

} // namespace
