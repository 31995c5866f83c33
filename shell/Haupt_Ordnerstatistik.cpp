// The folder statistics page: Explorer02 page "OrdnerFuellstand".

#include "shell/Haupt_Ordnerstatistik.h"

#include "platform/toolkit/Colors.h"
#include "platform/toolkit/StatusBar.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Ansicht.h"
#include "shell/Haupt_Steuerelemente.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QPainter>
#include <QPieSeries>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Rows of the table and its header, in pixels.
constexpr int RowHeight = 17;

// Cell backgrounds of odd and even data rows, and the text colours of columns 1 and 2.
constexpr TColor OddRowColor = 0xFFEBDF;
constexpr TColor EvenRowColor = 0xEAEAFF;

// Draws the table's data cells through OrdnerStringGrid01DrawCell.
class TFolderTableDelegate : public QStyledItemDelegate {
public:
    TFolderTableDelegate(THauptOrdnerstatistik &Page, QObject *Parent) : QStyledItemDelegate(Parent), page_(Page) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        painter->save();
        painter->setFont(option.font);
        page_.OrdnerStringGrid01DrawCell(*painter, option.rect, index.column(), index.row() + 1,
                                         index.data().toString());
        painter->restore();
    }

private:
    THauptOrdnerstatistik &page_;
};

} // namespace

void THauptOrdnerstatistik::CreateFolderStatisticsPage()
{
    THauptForm &f = Form();
    EnsurePage(f.Explorer02, 4, QStringLiteral("Ordner"));
    QWidget *page = EnsurePage(f.Explorer02, 5, QStringLiteral("OrdnerFuellstand"));
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);

    OrdnerScrollBox01 = new QScrollArea(page);
    OrdnerScrollBox01->setObjectName(QStringLiteral("OrdnerScrollBox01"));
    OrdnerScrollBox01->setWidgetResizable(true);
    OrdnerScrollBox01->setFocusPolicy(Qt::StrongFocus);
    OrdnerScrollBox01->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *content = new QWidget(OrdnerScrollBox01);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(2, 2, 2, 2);

    OrdnerpfadLabel = NewLabel(content, QStringLiteral("OrdnerpfadLabel"), nullptr);
    OrdnerpfadLabel->setMinimumWidth(1); // the text is elided to the width it gets

    // The pie on a silver-to-white background; no axes, zoom or panning.
    auto *chart = new QChart;
    chart->setBackgroundVisible(false); // the view draws the gradient over its whole area
    // The legend goes below the pie as a column, which an attached legend cannot be.
    chart->legend()->detachFromChart();
    chart->legend()->setAlignment(Qt::AlignLeft);
    chart->legend()->setBackgroundVisible(false);
    chart->legend()->setShowToolTips(true);
    OrdnerChart01Series = new QPieSeries(chart);
    OrdnerChart01Series->setPieSize(0.6);
    chart->addSeries(OrdnerChart01Series);
    OrdnerChart01 = new QChartView(chart, content);
    OrdnerChart01->setObjectName(QStringLiteral("OrdnerChart01"));
    OrdnerChart01->setRenderHint(QPainter::Antialiasing);
    OrdnerChart01->setStyleSheet(QStringLiteral("QChartView { border: none; background: qlineargradient("
                                                "x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 %1, stop: 1 %2); }")
                                     .arg(ColorToQColor(clSilver).name(), ColorToQColor(clWhite).name()));
    OrdnerChart01->setFocusPolicy(Qt::NoFocus);
    // The view gives the chart its new size first; then the pie and legend are placed.
    QObject::connect(chart, &QChart::geometryChanged, &f, [this] { RunGuarded([this] { ArrangeFolderChart(); }); });

    OrdnerStringGrid01 = new TStringGrid(content, QStringLiteral("OrdnerStringGrid01"), 4, 2, 1);
    OrdnerStringGrid01->setItemDelegate(new TFolderTableDelegate(*this, OrdnerStringGrid01));
    OrdnerStringGrid01->setSelectionMode(QAbstractItemView::NoSelection);
    OrdnerStringGrid01->setFocusPolicy(Qt::NoFocus);
    OrdnerStringGrid01->setDefaultColWidth(64);
    OrdnerStringGrid01->verticalHeader()->setMinimumSectionSize(RowHeight);
    OrdnerStringGrid01->verticalHeader()->setDefaultSectionSize(RowHeight);
    OrdnerStringGrid01->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    OrdnerStringGrid01->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    OrdnerStringGrid01->horizontalHeader()->setFixedHeight(RowHeight);
    OrdnerStringGrid01->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    OrdnerStringGrid01->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    OrdnerStringGrid01->setFixedHeight(OrdnerStringGrid01->RowCount() * RowHeight + 5);

    column->addWidget(OrdnerpfadLabel);
    column->addWidget(OrdnerChart01);
    column->addWidget(OrdnerStringGrid01);
    column->addStretch(1);
    OrdnerScrollBox01->setWidget(content);
    pageLayout->addWidget(OrdnerScrollBox01, 1);

    OrdnerStatusBar01 = new TStatusBar(page, QStringLiteral("OrdnerStatusBar01"), {190, 190});
    pageLayout->addWidget(OrdnerStatusBar01);

    THauptForm *form = &f;
    HookClick(OrdnerStringGrid01->viewport(), Guarded(form, &THauptOrdnerstatistik::OrdnerStringGrid01Click));
    HookClick(OrdnerChart01->viewport(), Guarded(form, &THauptOrdnerstatistik::OrdnerChart01Click));
}

void THauptOrdnerstatistik::ArrangeFolderChart()
{
    const int height = RoundEven(OrdnerChart01->width() * 1.15);
    if (OrdnerChart01->height() != height)
        OrdnerChart01->setFixedHeight(height); // resizes the chart again, which arranges it
    QChart *chart = OrdnerChart01->chart();
    const qreal width = chart->size().width();
    const qreal chartHeight = chart->size().height();
    QLegend *legend = chart->legend();
    const int line = QFontMetrics(legend->font()).height() + 6;
    // The legend takes what its entries need, at most half the chart, at the bottom; the
    // chart's own layout puts the title above the pie in the rest. (A fixed plot area
    // would stop that layout, and the title would keep its first text.)
    const qreal legendHeight = std::min<qreal>(OrdnerChart01Series->count() * line + 12, chartHeight / 2);
    const QMargins margins(8, 8, 8, int(std::ceil(legendHeight)) + 8);
    if (chart->margins() != margins)
        chart->setMargins(margins);
    legend->setGeometry(QRectF(width * 0.1, chartHeight - legendHeight - 8, width * 0.8, legendHeight));
    legend->update();
}

void THauptOrdnerstatistik::OrdnerStringGrid01Click()
{
    OrdnerScrollBox01->setFocus();
}

void THauptOrdnerstatistik::OrdnerChart01Click()
{
    OrdnerScrollBox01->setFocus();
}

void THauptOrdnerstatistik::OrdnerStringGrid01DrawCell(QPainter &Canvas, const QRect &Rect, int ACol, int ARow,
                                                       const QString &Text)
{
    Canvas.fillRect(Rect, ColorToQColor(ARow % 2 == 1 ? OddRowColor : EvenRowColor));
    if (ACol == 1)
        Canvas.setPen(ColorToQColor(clBlue));
    else if (ACol == 2)
        Canvas.setPen(ColorToQColor(clBlack));
    else
        Canvas.setPen(OrdnerStringGrid01->palette().color(QPalette::Text));
    // Column 0 to the left, the numbers to the right.
    DrawCellTextRight(Canvas, Rect, Text, ACol == 0 ? 0 : 1);
}

THauptForm &THauptOrdnerstatistik::Form()
{
    return static_cast<THauptForm &>(*this);
}

void DrawCellTextAligned(QPainter &Canvas, const QRect &Rect, const QString &Text, TCellAlignment Alignment)
{
    const int width = Canvas.fontMetrics().horizontalAdvance(Text);
    int x = Rect.left() + 2;
    if (Alignment == TCellAlignment::Centre)
        x = Rect.left() + (Rect.width() - width) / 2;
    else if (Alignment == TCellAlignment::Right)
        x = Rect.right() + 1 - width - 3;
    Canvas.save();
    Canvas.setClipRect(Rect);
    Canvas.drawText(QPoint(x, Rect.top() + 2 + Canvas.fontMetrics().ascent()), Text);
    Canvas.restore();
}

void DrawCellTextRight(QPainter &Canvas, const QRect &Rect, const QString &Text, int Alignment)
{
    const TCellAlignment alignment = Alignment == 1   ? TCellAlignment::Right
                                     : Alignment == 2 ? TCellAlignment::Centre
                                                      : TCellAlignment::Left;
    DrawCellTextAligned(Canvas, Rect, Text, alignment);
}
