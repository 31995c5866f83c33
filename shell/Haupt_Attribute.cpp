// The attributes page (Explorer02 page "DateiAttribute") and the attribute tab
// (PageControl page 1). The texts come from the window's text table; the date and time
// columns are arranged by ArrangeDateTimeFields (operations/fktAttribute.cpp).

#include "shell/Haupt.h"

#include "localisation/fktSprache_Captions.h"
#include "operations/fktAttribute.h"
#include "platform/Application.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/EventHook.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using EditMember = TEdit *THauptAttribute::*;
using UpDownMember = TUpDown *THauptAttribute::*;
using BoxMember = QComboBox *THauptAttribute::*;
using A = THauptAttribute;

// The fields of the attributes page's rows, in StampField order.
constexpr EditMember PageEdits[3][6] = {
    {&A::AttributeTag01, &A::AttributeMonat01, &A::AttributeJahr01, &A::AttributeStunde01, &A::AttributeMinute01,
     &A::AttributeSekunde01},
    {&A::AttributeTag02, &A::AttributeMonat02, &A::AttributeJahr02, &A::AttributeStunde02, &A::AttributeMinute02,
     &A::AttributeSekunde02},
    {&A::AttributeTag03, &A::AttributeMonat03, &A::AttributeJahr03, &A::AttributeStunde03, &A::AttributeMinute03,
     &A::AttributeSekunde03},
};
constexpr UpDownMember PageUpDowns[3][6] = {
    {&A::AttrTagUpDown01, &A::AttrMonatUpDown01, &A::AttrJahrUpDown01, &A::AttrStundeUpDown01,
     &A::AttrMinuteUpDown01, &A::AttrSekundeUpDown01},
    {&A::AttrTagUpDown02, &A::AttrMonatUpDown02, &A::AttrJahrUpDown02, &A::AttrStundeUpDown02,
     &A::AttrMinuteUpDown02, &A::AttrSekundeUpDown02},
    {&A::AttrTagUpDown03, &A::AttrMonatUpDown03, &A::AttrJahrUpDown03, &A::AttrStundeUpDown03,
     &A::AttrMinuteUpDown03, &A::AttrSekundeUpDown03},
};
constexpr BoxMember PageAmPm[3] = {&A::AttrComboBox01, &A::AttrComboBox02, &A::AttrComboBox03};
const char *const PageBoxNames[3] = {"AttrComboBox01", "AttrComboBox02", "AttrComboBox03"};
const char *const PageEditNames[6] = {"AttributeTag", "AttributeMonat", "AttributeJahr",
                                      "AttributeStunde", "AttributeMinute", "AttributeSekunde"};
const char *const PageUpDownNames[6] = {"AttrTagUpDown", "AttrMonatUpDown", "AttrJahrUpDown",
                                        "AttrStundeUpDown", "AttrMinuteUpDown", "AttrSekundeUpDown"};

// The same for the attribute tab.
constexpr EditMember TabEdits[3][6] = {
    {&A::AttrTag01, &A::AttrMonat01, &A::AttrJahr01, &A::AttrStunde01, &A::AttrMinute01, &A::AttrSekunde01},
    {&A::AttrTag02, &A::AttrMonat02, &A::AttrJahr02, &A::AttrStunde02, &A::AttrMinute02, &A::AttrSekunde02},
    {&A::AttrTag03, &A::AttrMonat03, &A::AttrJahr03, &A::AttrStunde03, &A::AttrMinute03, &A::AttrSekunde03},
};
constexpr UpDownMember TabUpDowns[3][6] = {
    {&A::ATUpDown01, &A::AMUpDown01, &A::AJUpDown01, &A::AStUpDown01, &A::AMinUpDown01, &A::ASekUpDown01},
    {&A::ATUpDown02, &A::AMUpDown02, &A::AJUpDown02, &A::AStUpDown02, &A::AMinUpDown02, &A::ASekUpDown02},
    {&A::ATUpDown03, &A::AMUpDown03, &A::AJUpDown03, &A::AStUpDown03, &A::AMinUpDown03, &A::ASekUpDown03},
};
constexpr BoxMember TabAmPm[3] = {&A::AttrComboBox1, &A::AttrComboBox2, &A::AttrComboBox3};
const char *const TabBoxNames[3] = {"AttrComboBox1", "AttrComboBox2", "AttrComboBox3"};
const char *const TabEditNames[6] = {"AttrTag", "AttrMonat", "AttrJahr", "AttrStunde", "AttrMinute", "AttrSekunde"};
const char *const TabUpDownNames[6] = {"ATUpDown", "AMUpDown", "AJUpDown", "AStUpDown", "AMinUpDown", "ASekUpDown"};

// Ranges of day, month, year, hour, minute and second; the hour range follows Zeit.
struct Range {
    int Min, Max;
};
constexpr Range FieldRanges[6] = {{1, 31}, {1, 12}, {1980, 2099}, {0, 23}, {0, 59}, {0, 59}};

QLabel *NewLabel(QWidget *Parent, const QString &Name)
{
    auto *label = new QLabel(Parent);
    label->setObjectName(Name);
    return label;
}

// A read-only edit with its up-down beside it, in one cell of the grid.
QWidget *NewField(QWidget *Parent, const QString &EditName, const QString &UpDownName, Range R, int Digits,
                  TEdit *&Edit, TUpDown *&UpDown)
{
    auto *cell = new QWidget(Parent);
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Edit = new TEdit(cell, EditName);
    Edit->setReadOnly(true);
    Edit->setAlignment(Qt::AlignRight);
    Edit->setFixedWidth(Edit->fontMetrics().horizontalAdvance(QString(Digits, u'0')) + 12);
    UpDown = new TUpDown(cell, UpDownName);
    UpDown->setRange(R.Min, R.Max);
    UpDown->setPosition(R.Min);
    UpDown->setAssociate(Edit);
    layout->addWidget(Edit);
    layout->addWidget(UpDown);
    return cell;
}

QComboBox *NewAmPmBox(QWidget *Parent, const QString &Name)
{
    auto *box = new QComboBox(Parent);
    box->setObjectName(Name);
    box->setEditable(true);
    box->addItems({QStringLiteral("am"), QStringLiteral("pm")});
    box->setCurrentIndex(0);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("pm")) + 32);
    box->hide(); // shown in the 12-hour form
    return box;
}

// Three rows of fields into Grid from row FirstRow on, every Step rows, under the
// column heads; the last row's time fields stay hidden.
void CreateStampRows(THauptAttribute &a, QWidget *Parent, QGridLayout *Grid, int FirstRow, int Step,
                     const EditMember (&Edits)[3][6], const UpDownMember (&UpDowns)[3][6], const BoxMember (&AmPm)[3],
                     const char *const (&EditNames)[6], const char *const (&UpDownNames)[6], const char *const (&BoxNames)[3],
                     int YearMin, int YearMax)
{
    for (int r = 0; r < 3; ++r) {
        const QString number = QStringLiteral("%1").arg(r + 1, 2, 10, QLatin1Char('0'));
        const int row = FirstRow + r * Step;
        for (int c = 0; c < 6; ++c) {
            const Range range = c == YearField ? Range{YearMin, YearMax} : FieldRanges[c];
            QWidget *cell = NewField(Parent, QLatin1String(EditNames[c]) + number,
                                     QLatin1String(UpDownNames[c]) + number, range, c == YearField ? 4 : 2,
                                     a.*Edits[r][c], a.*UpDowns[r][c]);
            Grid->addWidget(cell, row, AttributeColumn(StampField(c), 0));
            if (r == 2 && c >= HourField)
                cell->hide();
        }
        a.*AmPm[r] = NewAmPmBox(Parent, QLatin1String(BoxNames[r]));
        Grid->addWidget(a.*AmPm[r], row, AmPmColumn);
    }
}

std::array<TStampRow, 3> Rows(const THauptAttribute &a, const EditMember (&Edits)[3][6],
                              const UpDownMember (&UpDowns)[3][6], const BoxMember (&AmPm)[3])
{
    std::array<TStampRow, 3> rows;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 6; ++c) {
            rows[size_t(r)].Fields[size_t(c)] = a.*Edits[r][c];
            rows[size_t(r)].UpDowns[size_t(c)] = a.*UpDowns[r][c];
        }
        rows[size_t(r)].AmPm = a.*AmPm[r];
    }
    return rows;
}

// The content of Page in a frameless scroll box: narrower than the content, the page
// scrolls instead of widening the window.
QWidget *ScrolledContent(QWidget *Page)
{
    auto *outer = new QVBoxLayout(Page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *box = new QScrollArea(Page);
    box->setFrameShape(QFrame::NoFrame);
    box->setWidgetResizable(true);
    auto *content = new QWidget(box);
    box->setWidget(content);
    outer->addWidget(box);
    return content;
}

// The item selected in the left list; empty when none is.
QString LeftSelection(const THauptForm &f)
{
    const int index = f.ShellListView01->ItemIndex();
    return index < 0 ? QString() : f.ShellListView01->Folders(index).PathName;
}

} // namespace

void THauptAttribute::CreateAttributePage(QWidget *Sheet)
{
    DateiAttribute = Sheet;
    QWidget *Page = ScrolledContent(Sheet);
    auto *column = new QVBoxLayout(Page);
    AttributePanel13 = new TPanel(Page, QStringLiteral("AttributePanel13"));
    AttributePanel13->setFrameStyle(QFrame::Panel | QFrame::Raised);
    column->addWidget(AttributePanel13);

    auto *info = new QGridLayout;
    AttributeLabel01 = NewLabel(Page, QStringLiteral("AttributeLabel01"));
    AttributeLabel02 = NewLabel(Page, QStringLiteral("AttributeLabel02"));
    AttributeLabel03 = NewLabel(Page, QStringLiteral("AttributeLabel03"));
    AttributeDateiname = NewLabel(Page, QStringLiteral("AttributeDateiname"));
    AttributeDateigroesse = NewLabel(Page, QStringLiteral("AttributeDateigroesse"));
    AttributeVerknuepft = NewLabel(Page, QStringLiteral("AttributeVerknuepft"));
    const std::pair<QLabel *, QLabel *> lines[] = {{AttributeLabel01, AttributeDateiname},
                                                   {AttributeLabel02, AttributeDateigroesse},
                                                   {AttributeLabel03, AttributeVerknuepft}};
    for (int i = 0; i < 3; ++i) {
        info->addWidget(lines[i].first, i, 0);
        info->addWidget(lines[i].second, i, 1);
        lines[i].second->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lines[i].second->setMinimumWidth(1); // a long path is cut, not the page widened
    }
    info->setColumnStretch(1, 1);
    column->addLayout(info);

    auto *attributes = new QHBoxLayout;
    AttributeLabel04 = NewLabel(Page, QStringLiteral("AttributeLabel04"));
    attributes->addWidget(AttributeLabel04);
    TCheckBox **boxes[] = {&AttributeCheckBox01, &AttributeCheckBox02, &AttributeCheckBox03, &AttributeCheckBox04};
    for (int i = 0; i < 4; ++i) {
        *boxes[i] = new TCheckBox(Page, QStringLiteral("AttributeCheckBox0%1").arg(i + 1));
        attributes->addWidget(*boxes[i]);
    }
    attributes->addStretch(1);
    // The save button at the right edge, above the rows it saves.
    AttrSpeedButton01 = new TSpeedButton(Page, QStringLiteral("AttrSpeedButton01"));
    AttrSpeedButton01->setAutoRaise(true);
    AttrSpeedButton01->setIcon(Page->style()->standardIcon(QStyle::SP_DialogSaveButton));
    AttrSpeedButton01->setIconSize(QSize(24, 24));
    // The same sentence in every language.
    AttrSpeedButton01->setToolTip(QStringLiteral("Änderung des Dateidatums/der Dateizeit speichern"));
    AttrSpeedButton01->setEnabled(false);
    attributes->addWidget(AttrSpeedButton01);
    column->addLayout(attributes);

    // Heads: "Datum" over the date columns, "Zeit" over the time columns, then the
    // component names; the rows below.
    auto *stamps = new QHBoxLayout;
    AttributeRaster = new QGridLayout;
    AttributeRaster->setHorizontalSpacing(5);
    AttributeLabel05 = NewLabel(Page, QStringLiteral("AttributeLabel05"));
    AttributeLabel15 = NewLabel(Page, QStringLiteral("AttributeLabel15"));
    AttributeRaster->addWidget(AttributeLabel05, 0, AttributeColumn(DayField, 0), 1, 3);
    AttributeRaster->addWidget(AttributeLabel15, 0, AttributeColumn(HourField, 0), 1, 4);
    QLabel **heads[] = {&AttributeLabel06, &AttributeLabel07, &AttributeLabel08,
                        &AttributeLabel09, &AttributeLabel10, &AttributeLabel11};
    for (int c = 0; c < 6; ++c) {
        *heads[c] = NewLabel(Page, QStringLiteral("AttributeLabel%1").arg(c + 6, 2, 10, QLatin1Char('0')));
        AttributeRaster->addWidget(*heads[c], 1, AttributeColumn(StampField(c), 0));
    }
    QLabel **rowNames[] = {&AttributeLabel12, &AttributeLabel13, &AttributeLabel14};
    for (int r = 0; r < 3; ++r) {
        *rowNames[r] = NewLabel(Page, QStringLiteral("AttributeLabel%1").arg(r + 12));
        AttributeRaster->addWidget(*rowNames[r], 2 + r, 0);
    }
    CreateStampRows(*this, Page, AttributeRaster, 2, 1, PageEdits, PageUpDowns, PageAmPm, PageEditNames,
                    PageUpDownNames, PageBoxNames, 1601, 9999);
    stamps->addLayout(AttributeRaster);
    stamps->addStretch(1);
    column->addLayout(stamps);
    column->addStretch(1);

    THauptForm *form = &Form();
    // The page shows the left list's item as it comes into view, never one chosen before.
    new EventHook(DateiAttribute, [form](QEvent *Event) {
        if (Event->type() == QEvent::Show)
            ShowFileAttributes(LeftSelection(*form));
        return false;
    });
    for (TCheckBox *box : {AttributeCheckBox01, AttributeCheckBox02, AttributeCheckBox03, AttributeCheckBox04})
        QObject::connect(box, &TCheckBox::OnClick, form, Guarded(form, &THauptAttribute::AttributeCheckBoxClick));
    for (const TStampRow &row : AttributePageRows())
        for (TUpDown *upDown : row.UpDowns)
            QObject::connect(upDown, &TUpDown::OnClick, form, Guarded(form, &THauptAttribute::DateiDatumZeitChange));
    QObject::connect(AttrSpeedButton01, &TSpeedButton::OnClick, form,
                     Guarded(form, &THauptAttribute::AttrSpeedButton01Click));
}

void THauptAttribute::CreateAttributeTab()
{
    auto *sheet = new QWidget(Form().PageControl);
    sheet->setObjectName(QStringLiteral("TabSheet02"));
    QWidget *tab = ScrolledContent(sheet);
    auto *layout = new QHBoxLayout(tab);

    auto *kind = new QVBoxLayout;
    AttrRadioGroup1 = new TRadioGroup(tab, QStringLiteral("AttrRadioGroup1"));
    ApplyMainWindowTexts(AttrRadioGroup1); // the items, item 0 chosen
    kind->addWidget(AttrRadioGroup1);
    AttrRekursiv = new TCheckBox(tab, QStringLiteral("AttrRekursiv"));
    kind->addWidget(AttrRekursiv);
    kind->addStretch(1);
    layout->addLayout(kind);

    auto *attributes = new QVBoxLayout;
    AttrLabel02 = NewLabel(tab, QStringLiteral("AttrLabel02"));
    attributes->addWidget(AttrLabel02);
    TCheckBox **boxes[] = {&AttrCheckBox1, &AttrCheckBox2, &AttrCheckBox3, &AttrCheckBox4};
    for (int i = 0; i < 4; ++i) {
        *boxes[i] = new TCheckBox(tab, QStringLiteral("AttrCheckBox%1").arg(i + 1));
        attributes->addWidget(*boxes[i]);
    }
    attributes->addStretch(1);
    layout->addSpacing(12);
    layout->addLayout(attributes);
    layout->addSpacing(12);

    // Heads, then per stamp a row of fields and under it a row of component boxes.
    AttrRaster = new QGridLayout;
    AttrRaster->setHorizontalSpacing(6);
    AttrRaster->setVerticalSpacing(2);
    AttrLabel03 = NewLabel(tab, QStringLiteral("AttrLabel03"));
    AttrLabel01 = NewLabel(tab, QStringLiteral("AttrLabel01"));
    AttrRaster->addWidget(AttrLabel03, 0, AttributeColumn(DayField, 0), 1, 3);
    AttrRaster->addWidget(AttrLabel01, 0, AttributeColumn(HourField, 0), 1, 4);
    QLabel **heads[] = {&AttrLabel04, &AttrLabel05, &AttrLabel06, &AttrLabel07, &AttrLabel08, &AttrLabel09};
    for (int c = 0; c < 6; ++c) {
        *heads[c] = NewLabel(tab, QStringLiteral("AttrLabel%1").arg(c + 4, 2, 10, QLatin1Char('0')));
        AttrRaster->addWidget(*heads[c], 1, AttributeColumn(StampField(c), 0));
    }
    QLabel **rowNames[] = {&AttrLabel10, &AttrLabel11, &AttrLabel12};
    for (int r = 0; r < 3; ++r) {
        *rowNames[r] = NewLabel(tab, QStringLiteral("AttrLabel%1").arg(r + 10));
        AttrRaster->addWidget(*rowNames[r], 2 + 2 * r, 0);
        for (int c = 0; c < 6; ++c) {
            const int i = r * 6 + c;
            auto *box = new TCheckBox(tab, QStringLiteral("AttrCheckBox%1").arg(i + 1, 2, 10, QLatin1Char('0')));
            // The last-access time of day is never changed by a batch.
            const bool accessTime = r == 2 && c >= HourField;
            box->setChecked(!accessTime);
            box->setVisible(!accessTime);
            AttrCheckBoxes[size_t(i)] = box;
            AttrRaster->addWidget(box, 3 + 2 * r, AttributeColumn(StampField(c), 0), Qt::AlignHCenter);
        }
    }
    CreateStampRows(*this, tab, AttrRaster, 2, 2, TabEdits, TabUpDowns, TabAmPm, TabEditNames, TabUpDownNames,
                    TabBoxNames, 1980, 2099);
    auto *stamps = new QVBoxLayout;
    stamps->addLayout(AttrRaster);
    stamps->addStretch(1);
    layout->addLayout(stamps);
    layout->addStretch(1);

    Form().TabSheet02 = sheet;
    InsertPageInOrder(Form().PageControl, sheet);
}

void THauptAttribute::ShowTodayOnAttributeTab()
{
    const fs::DateTimeParts today = fs::splitDateTime(fs::now());
    for (const TStampRow &row : AttributeTabRows()) {
        row.Fields[DayField]->setText(QString::number(today.Day));
        row.Fields[MonthField]->setText(QString::number(today.Month));
        row.Fields[YearField]->setText(QString::number(today.Year));
    }
}

// ---- Handlers of the attributes page ----

void THauptAttribute::AttributeCheckBoxClick()
{
    const QString selected = LeftSelection(Form());
    if (!selected.isEmpty())
        ApplyFileAttributes(selected, 1);
}

void THauptAttribute::DateiDatumZeitChange()
{
    // A click in a blank row gives the whole row its numbers.
    for (const TStampRow &row : AttributePageRows()) {
        if (row.IsBlank())
            continue;
        for (TUpDown *upDown : row.UpDowns)
            upDown->setPosition(upDown->Position());
        if (row.AmPm->currentIndex() < 0 && row.AmPm->currentText().isEmpty())
            row.AmPm->setCurrentIndex(0); // the cleared stamp's hour 0 is 12 "am"
    }
    AttrSpeedButton01->setEnabled(true);
}

void THauptAttribute::AttrSpeedButton01Click()
{
    const QString selected = LeftSelection(Form());
    if (!selected.isEmpty())
        ApplyFileTimes(selected, 1);
}

bool THauptAttribute::AttributePageShown()
{
    return Form().Explorer02->currentWidget() == DateiAttribute;
}

bool TStampRow::IsBlank() const
{
    return std::all_of(Fields.begin(), Fields.end(), [](const TEdit *Field) { return Field->Text().isEmpty(); });
}

std::array<TStampRow, 3> THauptAttribute::AttributePageRows() const
{
    return Rows(*this, PageEdits, PageUpDowns, PageAmPm);
}

std::array<TStampRow, 3> THauptAttribute::AttributeTabRows() const
{
    return Rows(*this, TabEdits, TabUpDowns, TabAmPm);
}

THauptForm &THauptAttribute::Form()
{
    return static_cast<THauptForm &>(*this);
}
