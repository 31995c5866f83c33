// The folder statistics: the table and the pie of the left tree folder's sub-folders.

#include "operations/fktOrdner.h"

#include "localisation/fktSprache.h"
#include "operations/fktAllgemein.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/Colors.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QChartView>
#include <QCoreApplication>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QScopeGuard>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <deque>
#include <future>
#include <numeric>
#include <vector>

std::array<std::int32_t, 20> FolderChartColors{};

std::int32_t MakeRgbColor(int r, int g, int b)
{
    const auto channel = [](int v) { return ((v % 256) + 256) % 256; };
    return channel(r) + channel(g) * 256 + channel(b) * 65536;
}

void FillFolderChartColors(int Count, int Scheme)
{
    if (Scheme < 0 || Scheme > 2)
        return;
    // The colour from the main channel and the two side channels.
    const auto colour = [Scheme](int main, int sideA, int sideB) {
        switch (Scheme) {
        case 0:
            return MakeRgbColor(main, sideA, sideB);
        case 1:
            return MakeRgbColor(sideA, main, sideB);
        default:
            return MakeRgbColor(sideA, sideB, main);
        }
    };
    if (Count >= 16) {
        for (int k = 0; k < 20; ++k) {
            const int p = k % 2 == 0 ? 1 : 0;
            const int main = 255 - (6 * k - 4 * p);
            const int six = 255 - (12 * k - 6 * p);
            const int eight = 255 - (12 * k - 8 * p);
            // Red: green by 6, blue by 8; green and blue: red by 8, the remaining one by 6.
            FolderChartColors[size_t(k)] = Scheme == 0 ? colour(main, six, eight) : colour(main, eight, six);
        }
        return;
    }
    const int entries = Count <= 5 ? 5 : Count <= 10 ? 10 : 15;
    const int mainStep = Count <= 5 ? 24 : Count <= 10 ? 12 : 8;
    for (int k = 0; k < entries; ++k) {
        const int side = 230 - 2 * mainStep * k;
        FolderChartColors[size_t(k)] = colour(255 - mainStep * k, side, side);
    }
}

QString FolderSizeText(std::int64_t Bytes, double *Value)
{
    constexpr std::int64_t GiB = 1073741824;
    const bool inGiB = Bytes >= GiB;
    const double quotient = double(Bytes) / double(inGiB ? GiB : 1048576);
    const double shown = std::round(std::round(quotient * 10000.0) / 10.0) / 1000.0;
    if (Value)
        *Value = inGiB ? shown * 1024.0 : shown;
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(shown, 'f', 3) + (inGiB ? QStringLiteral(" GByte") : QStringLiteral(" MByte"));
}

namespace {

// A run of the statistics; another call while it lets the message loop run asks for
// a new one.
bool StatisticsRunning = false;
bool StatisticsAgain = false;

// The view items and buttons that a run disables, enabled again however it ends.
class ViewItemsLocked {
public:
    ViewItemsLocked() { Enable(false); }
    ~ViewItemsLocked() { Enable(true); }
    ViewItemsLocked(const ViewItemsLocked &) = delete;
    ViewItemsLocked &operator=(const ViewItemsLocked &) = delete;

private:
    static void Enable(bool on)
    {
        THauptForm *f = HauptForm;
        for (QAction *item : {f->HMenuAnsichtDateiauswahl, f->HMenuAnsichtDragDrop, f->HMenuAnsichtDateiAttribute,
                              f->HMenuAnsichtVorschau})
            item->setEnabled(on);
        for (QToolButton *button : {f->TB01Dateiauswahl, f->TB01DragDrop, f->TB01DateiAttribute, f->TB01Vorschau})
            button->setEnabled(on);
    }
};

// Lets the message loop run once; false when a new run was asked for meanwhile.
bool KeepRunning()
{
    QCoreApplication::processEvents();
    return !StatisticsAgain;
}

void ShowProgress(const QString &Text)
{
    HauptForm->OrdnerStatusBar01->setPanel(1, Text);
    HauptForm->OrdnerStatusBar01->repaint();
}

// The sub-folders of the left list: folders on a drive, no ZIP archives, sorted as
// the list box sorts (case-insensitive).
void ListSubFolders()
{
    THauptForm *f = HauptForm;
    QStringList &names = f->OrdnerNamen;
    names.clear();
    const TShellListView *list = f->ShellListView01;
    for (int i = 0; i < list->Count(); ++i) {
        const TShellFolder item = list->Folders(i);
        if (item.IsFolder && item.PathName.startsWith(u'/')
            && fs::extensionOf(item.PathName).compare(u".zip", Qt::CaseInsensitive) != 0)
            names.append(item.PathName);
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

// The pie: one slice per value, coloured by the table entry of its index and kept in
// descending order of value (the largest first), marked with its share; the legend
// names each with its share at the right.
void FillPie(const QStringList &Names, const std::vector<double> &Values)
{
    QPieSeries *series = HauptForm->OrdnerChart01Series;
    series->clear();
    std::vector<size_t> order(Values.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return Values[a] > Values[b]; });
    for (size_t i : order) {
        QPieSlice *slice = series->append(Names[qsizetype(i)], Values[i]);
        slice->setColor(ColorToQColor(FolderChartColors[i]));
        slice->setLabelVisible(true);
    }
    const QLocale locale = QLocale::system();
    const QList<QLegendMarker *> markers = HauptForm->OrdnerChart01->chart()->legend()->markers(series);
    const QList<QPieSlice *> slices = series->slices();
    for (qsizetype i = 0; i < slices.size(); ++i) {
        const QString name = slices[i]->label();
        const QString share = locale.toString(slices[i]->percentage() * 100.0, 'f', 1) + QStringLiteral(" %");
        slices[i]->setLabel(share);
        if (i < markers.size())
            markers[i]->setLabel(name + QStringLiteral("   ") + share);
    }
    HauptForm->ArrangeFolderChart();
}

// One run over the left tree's folder; false when it stopped for a new run.
bool BuildFolderStatistics()
{
    THauptForm *f = HauptForm;
    TStringGrid *table = f->OrdnerStringGrid01;
    TStringGrid *bySize = f->OrdnerStringGrid02;
    TStatusBar *status = f->OrdnerStatusBar01;
    status->setPanel(1, QString());
    if (!KeepRunning())
        return false;
    ShowProgress(LoadLangString(9103));

    ListSubFolders();
    const QStringList &folders = f->OrdnerNamen;
    const int n = int(folders.size());
    if (n > 0) {
        table->setRowCount(n + 1);
        bySize->setRowCount(n);
        QLabel *label = f->OrdnerpfadLabel;
        const QString path =
            label->fontMetrics().elidedText(f->ShellTreeView01->Path(), Qt::ElideMiddle, label->width());
        label->setText(path);
        status->setPanel(0, path);
    } else {
        table->setRowCount(2);
        for (int col = 0; col < 4; ++col)
            table->setCells(col, 1, QString());
        bySize->setRowCount(1);
        f->OrdnerpfadLabel->clear();
        status->setPanel(0, QString());
        status->setPanel(1, QString());
    }
    table->setFixedHeight(table->RowCount() * 17 + 5);

    std::vector<double> shown(static_cast<size_t>(n)); // each size as the table shows it, in MiB
    // The size walks, which read every file's size, run a few folders ahead on workers
    // while this thread counts the files and folders of the folder before them.
    constexpr int SizesAhead = 4;
    std::deque<std::future<std::int64_t>> sizes;
    const auto walkSizeAhead = [&](int i) {
        if (i <= n)
            sizes.push_back(std::async(std::launch::async, GetFolderSize, folders[i - 1], true));
    };
    for (int i = 1; i <= SizesAhead; ++i)
        walkSizeAhead(i);
    for (int i = 1; i <= n; ++i) {
        const QString &folder = folders[i - 1];
        if (!KeepRunning())
            return false;
        ShowProgress(LoadLangString(9104) + QStringLiteral(" [") + QString::number(i) + QStringLiteral(" von ")
                     + QString::number(n) + QStringLiteral("] ..."));
        const QString name = fs::nameOf(folder);
        const std::int64_t size = sizes.front().get();
        sizes.pop_front();
        walkSizeAhead(i + SizesAhead);
        table->setCells(0, i, name);
        table->setCells(1, i, FolderSizeText(size, &shown[size_t(i - 1)]));
        if (n > 20) {
            bySize->setCells(0, i - 1, QString::number(size));
            bySize->setCells(1, i - 1, name);
        }
        QStringList &scratch = f->AlteDateinamen;
        scratch.clear();
        CollectFilesRecursive(folder + QStringLiteral("/*.*"));
        table->setCells(2, i, QString::number(scratch.size()));
        scratch.clear();
        ListFoldersRecursive(folder + u'/');
        table->setCells(3, i, QString::number(scratch.size() - 1));
    }

    FillFolderChartColors(n, TortenFarbe);
    QStringList names;
    std::vector<double> values;
    if (n <= 20) {
        for (int i = 1; i <= n; ++i)
            names.append(table->Cells(0, i));
        values = shown;
    } else {
        SortFolderStatistics();
        // The N - 19 smallest folders make the first slice, the 19 largest follow.
        const int rest = n - 20;
        std::int64_t restSize = 0;
        for (int r = 0; r <= rest; ++r)
            restSize += bySize->Cells(0, r).toLongLong();
        bySize->setCells(0, rest, QString::number(restSize));
        bySize->setCells(1, rest, LoadLangString(8991));
        for (int r = rest; r < n; ++r) {
            names.append(bySize->Cells(1, r));
            values.push_back(std::round(double(bySize->Cells(0, r).toLongLong()) / 1048.576) / 1000.0);
        }
    }
    FillPie(names, values);
    return true;
}

} // namespace

void ShowFolderStatistics()
{
    if (StatisticsRunning) {
        StatisticsAgain = true;
        return;
    }
    const BatchGuard guard;
    if (!guard.Entered())
        return;
    THauptForm *f = HauptForm;
    const QScopeGuard notRunning([] { StatisticsRunning = false; });
    StatisticsRunning = true;
    const HourglassCursor busy;
    const ViewItemsLocked locked;
    do {
        StatisticsAgain = false;
    } while (!BuildFolderStatistics());
    f->OrdnerStatusBar01->setPanel(1, QString());
    f->AlteDateinamen.clear();
    f->OrdnerNamen.clear();
    f->OrdnerStringGrid02->setRowCount(1);
}

void SortFolderStatistics()
{
    SortFolderStatisticsRows(0, HauptForm->OrdnerStringGrid02->RowCount() - 1);
}

void SortFolderStatisticsRows(int Lo, int Hi)
{
    QCoreApplication::processEvents();
    TStringGrid *grid = HauptForm->OrdnerStringGrid02;
    if (Lo < 0 || Hi <= Lo || Hi >= grid->RowCount())
        return;
    // The sizes compare as 64-bit numbers; both columns move together.
    std::vector<std::pair<std::int64_t, QString>> rows;
    rows.reserve(size_t(Hi - Lo + 1));
    for (int r = Lo; r <= Hi; ++r)
        rows.emplace_back(grid->Cells(0, r).toLongLong(), grid->Cells(1, r));
    std::stable_sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (int r = Lo; r <= Hi; ++r) {
        grid->setCells(0, r, QString::number(rows[size_t(r - Lo)].first));
        grid->setCells(1, r, rows[size_t(r - Lo)].second);
    }
}
