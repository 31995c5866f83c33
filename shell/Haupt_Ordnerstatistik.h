#pragma once
// The folder statistics: Explorer02 page "OrdnerFuellstand" (view mode 9), the pie and
// the table of the left tree folder's sub-folders in the scroll box, the status bar
// below. Builder and handlers: Haupt_Ordnerstatistik.cpp; the work: operations/fktOrdner.

class THauptForm;
class QChartView;
class QLabel;
class QPainter;
class QPieSeries;
class QRect;
class QScrollArea;
class QString;
class TStatusBar;
class TStringGrid;

struct THauptOrdnerstatistik {
    QScrollArea *OrdnerScrollBox01 = nullptr; // Up and Down scroll it in view mode 9
    QLabel *OrdnerpfadLabel = nullptr;        // the folder's path, elided in the middle
    QChartView *OrdnerChart01 = nullptr;      // the pie of the sub-folder sizes
    QPieSeries *OrdnerChart01Series = nullptr;
    // Name, size, files and folders of each sub-folder below one header row; no cell
    // can be selected.
    TStringGrid *OrdnerStringGrid01 = nullptr;
    TStatusBar *OrdnerStatusBar01 = nullptr; // panel 0 the path, panel 1 the progress

    // Builder: the page (index 5 of Explorer02) with these controls and their handlers.
    void CreateFolderStatisticsPage();

    // The chart's height from its width; the pie above the legend, whose entries stand
    // one below the other under it. Runs when the chart is resized or refilled.
    void ArrangeFolderChart();

    // Give the focus to the scroll box.
    void OrdnerStringGrid01Click();
    void OrdnerChart01Click();
    // Draws data cell (ACol, ARow) of OrdnerStringGrid01 (ARow from 1) in Rect.
    void OrdnerStringGrid01DrawCell(QPainter &Canvas, const QRect &Rect, int ACol, int ARow, const QString &Text);

protected:
    // The main window this page belongs to.
    THauptForm &Form();
};

// Text in a cell with the cell's background: at the left + 2, centred, or at the
// right - 3; two pixels below the top; clipped to the cell.
enum class TCellAlignment { Left, Centre, Right };
void DrawCellTextAligned(QPainter &Canvas, const QRect &Rect, const QString &Text, TCellAlignment Alignment);
// The same by the toolkit's alignment values: 0 left, 1 right, 2 centre.
void DrawCellTextRight(QPainter &Canvas, const QRect &Rect, const QString &Text, int Alignment);
