// The rename page (page 0 of Form().PageControl).

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

TEdit *NewEdit(QWidget *parent, const QString &name, int hintId, const QString &text = {})
{
    auto *edit = new TEdit(parent, name);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    edit->setToolTip(LoadLangString(hintId));
    edit->setText(text);
    return edit;
}

QLabel *NewLabel(QWidget *parent, const QString &name, int captionId, QWidget *buddy)
{
    auto *label = new QLabel(LoadLangString(captionId), parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

// A radio group with caption, hint and the items of the text ids First..Last; item 0 chosen.
TRadioGroup *NewRadioGroup(QWidget *parent, const QString &name, int captionId, int hintId, int first, int last)
{
    auto *group = new TRadioGroup(parent, name);
    group->setTitle(LoadLangString(captionId));
    group->setToolTip(LoadLangString(hintId));
    QStringList items;
    for (int id = first; id <= last; ++id)
        items << LoadLangString(id);
    group->setItems(items);
    group->setItemIndex(0);
    return group;
}

TUpDown *NewUpDown(QWidget *parent, const QString &name, TEdit *edit, int min, int max, int position)
{
    auto *upDown = new TUpDown(parent, name);
    upDown->setRange(min, max);
    upDown->setPosition(position);
    upDown->setAssociate(edit);
    return upDown;
}

TCheckBox *NewCheckBox(QWidget *parent, const QString &name, int captionId, int hintId)
{
    auto *box = new TCheckBox(parent, name, LoadLangString(captionId));
    box->setToolTip(LoadLangString(hintId));
    return box;
}

// An editable extension box; the start-up fills in the extensions.
QComboBox *NewExtensionBox(QWidget *parent, const QString &name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

// One row of a field page: label, field and, when given, its up-down.
void AddFieldRow(QGridLayout *grid, QLabel *label, QWidget *field, QWidget *upDown = nullptr)
{
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (upDown)
        grid->addWidget(upDown, row, 2);
}

// The fields keep to the top left corner of their page.
void KeepTopLeft(QGridLayout *grid)
{
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(grid->columnCount(), 1);
}

QWidget *NewPage(QStackedWidget *notebook, const QString &name)
{
    auto *page = new QWidget(notebook);
    page->setObjectName(name);
    notebook->addWidget(page);
    return page;
}

// The locale's date separator, for the mask of the own date.
QString DateSeparator()
{
    for (QChar c : QLocale::system().dateFormat(QLocale::ShortFormat))
        if (c.isPunct() && c != u'\'')
            return QString(c);
    return QStringLiteral(".");
}

void CreateIndexRulePages(THauptForm &f, QStackedWidget *notebook)
{
    auto *fields = new QGridLayout(NewPage(notebook, QStringLiteral("DatUmb01aIndex")));
    QWidget *page = fields->parentWidget();
    f.DatUmbEdit01 = NewEdit(page, QStringLiteral("DatUmbEdit01"), 500);
    f.DatUmbEdit02 = NewEdit(page, QStringLiteral("DatUmbEdit02"), 501);
    f.DatUmbEdit02->setReadOnly(true);
    f.UpDownStellenanzahl01 = NewUpDown(page, QStringLiteral("UpDownStellenanzahl01"), f.DatUmbEdit02, 1, 9, 1);
    f.DatUmbEdit03 = NewEdit(page, QStringLiteral("DatUmbEdit03"), 502, QStringLiteral("0"));
    f.UpDownStartwert01 = NewUpDown(page, QStringLiteral("UpDownStartwert01"), f.DatUmbEdit03, 0, 32767, 0);
    f.DatUmbEdit04 = NewEdit(page, QStringLiteral("DatUmbEdit04"), 503, QStringLiteral("a"));
    f.DatUmbLabel02 = NewLabel(page, QStringLiteral("DatUmbLabel02"), 101, f.DatUmbEdit01);
    f.DatUmbLabel03 = NewLabel(page, QStringLiteral("DatUmbLabel03"), 102, f.DatUmbEdit02);
    f.DatUmbLabel04 = NewLabel(page, QStringLiteral("DatUmbLabel04"), 103, f.DatUmbEdit03);
    f.DatUmbLabel05 = NewLabel(page, QStringLiteral("DatUmbLabel05"), 104, f.DatUmbEdit04);
    AddFieldRow(fields, f.DatUmbLabel02, f.DatUmbEdit01);
    AddFieldRow(fields, f.DatUmbLabel03, f.DatUmbEdit02, f.UpDownStellenanzahl01);
    AddFieldRow(fields, f.DatUmbLabel04, f.DatUmbEdit03, f.UpDownStartwert01);
    AddFieldRow(fields, f.DatUmbLabel05, f.DatUmbEdit04);
    KeepTopLeft(fields);

    auto *modes = new QHBoxLayout(NewPage(notebook, QStringLiteral("DatUmb01aIndexModes")));
    page = modes->parentWidget();
    f.DatUmbRadioGroup04 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup04"), 310, 311, 312, 313);
    f.DatUmbRadioGroup05 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup05"), 314, 315, 316, 317);
    f.DatUmbRadioGroup03 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup03"), 305, 306, 307, 309);
    for (QWidget *w : {f.DatUmbRadioGroup04, f.DatUmbRadioGroup05, f.DatUmbRadioGroup03})
        modes->addWidget(w, 0, Qt::AlignTop);
    modes->addStretch(1);
}

void CreateTextRulePages(THauptForm &f, QStackedWidget *notebook)
{
    // Rule 3: replace
    auto *fields = new QGridLayout(NewPage(notebook, QStringLiteral("DatUmb01aErsetzen")));
    QWidget *page = fields->parentWidget();
    f.DatUmbEdit05 = NewEdit(page, QStringLiteral("DatUmbEdit05"), 504);
    f.DatUmbEdit06 = NewEdit(page, QStringLiteral("DatUmbEdit06"), 505);
    f.DatUmbLabel06 = NewLabel(page, QStringLiteral("DatUmbLabel06"), 105, f.DatUmbEdit05);
    f.DatUmbLabel07 = NewLabel(page, QStringLiteral("DatUmbLabel07"), 106, f.DatUmbEdit06);
    AddFieldRow(fields, f.DatUmbLabel06, f.DatUmbEdit05);
    AddFieldRow(fields, f.DatUmbLabel07, f.DatUmbEdit06);
    KeepTopLeft(fields);

    // Rule 4: insert
    fields = new QGridLayout(NewPage(notebook, QStringLiteral("DatUmb01aEinsetzen")));
    page = fields->parentWidget();
    f.DatUmbEdit07 = NewEdit(page, QStringLiteral("DatUmbEdit07"), 506);
    f.DatUmbEdit08 = NewEdit(page, QStringLiteral("DatUmbEdit08"), 507);
    f.DatUmbUpDownZKE = NewUpDown(page, QStringLiteral("DatUmbUpDownZKE"), f.DatUmbEdit08, 0, 255, 0);
    f.DatUmbLabel08 = NewLabel(page, QStringLiteral("DatUmbLabel08"), 107, f.DatUmbEdit07);
    f.DatUmbLabel09 = NewLabel(page, QStringLiteral("DatUmbLabel09"), 108, f.DatUmbEdit08);
    f.DatUmbRadioGroup06 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup06"), 318, 319, 320, 321);
    AddFieldRow(fields, f.DatUmbLabel08, f.DatUmbEdit07);
    AddFieldRow(fields, f.DatUmbLabel09, f.DatUmbEdit08, f.DatUmbUpDownZKE);
    fields->addWidget(f.DatUmbRadioGroup06, 0, 3, 2, 1);
    KeepTopLeft(fields);

    // Rule 5: cut
    fields = new QGridLayout(NewPage(notebook, QStringLiteral("DatUmb01aAusschneiden")));
    page = fields->parentWidget();
    f.DatUmbEdit09 = NewEdit(page, QStringLiteral("DatUmbEdit09"), 508);
    f.DatUmbEdit10 = NewEdit(page, QStringLiteral("DatUmbEdit10"), 509);
    f.DatUmbUpDownZA01 = NewUpDown(page, QStringLiteral("DatUmbUpDownZA01"), f.DatUmbEdit09, 0, 255, 0);
    f.DatUmbUpDownZA02 = NewUpDown(page, QStringLiteral("DatUmbUpDownZA02"), f.DatUmbEdit10, 0, 255, 0);
    f.DatUmbLabel10 = NewLabel(page, QStringLiteral("DatUmbLabel10"), 109, f.DatUmbEdit09);
    f.DatUmbLabel11 = NewLabel(page, QStringLiteral("DatUmbLabel11"), 110, f.DatUmbEdit10);
    f.DatUmbRadioGroup07 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup07"), 322, 323, 324, 325);
    AddFieldRow(fields, f.DatUmbLabel10, f.DatUmbEdit09, f.DatUmbUpDownZA01);
    AddFieldRow(fields, f.DatUmbLabel11, f.DatUmbEdit10, f.DatUmbUpDownZA02);
    fields->addWidget(f.DatUmbRadioGroup07, 0, 3, 2, 1);
    KeepTopLeft(fields);

    // Rule 6: letter case
    auto *row = new QHBoxLayout(NewPage(notebook, QStringLiteral("DatUmb01aSchreibweise")));
    page = row->parentWidget();
    f.DatUmbRadioGroup08 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup08"), 326, 327, 328, 332);
    f.DatUmbRadioGroup09 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup09"), 333, 334, 335, 337);
    row->addWidget(f.DatUmbRadioGroup08, 0, Qt::AlignTop);
    row->addWidget(f.DatUmbRadioGroup09, 0, Qt::AlignTop);
    row->addStretch(1);

    // Rule 7: shorten
    fields = new QGridLayout(NewPage(notebook, QStringLiteral("DatUmb01aKuerzen")));
    page = fields->parentWidget();
    f.DatUmbRadioGroup11 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup11"), 342, 343, 344, 346);
    f.DatUmbRadioGroup10 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup10"), 338, 339, 340, 341);
    f.DatUmbRadioGroup12 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup12"), 347, 348, 349, 350);
    f.DatUmbEdit11 = NewEdit(page, QStringLiteral("DatUmbEdit11"), 510);
    f.DatUmbEdit11->setReadOnly(true);
    f.DatUmbUpDownNK = NewUpDown(page, QStringLiteral("DatUmbUpDownNK"), f.DatUmbEdit11, 0, 255, 0);
    f.DatUmbLabel12 = NewLabel(page, QStringLiteral("DatUmbLabel12"), 111, f.DatUmbEdit11);
    fields->addWidget(f.DatUmbRadioGroup11, 0, 0, 2, 1, Qt::AlignTop);
    fields->addWidget(f.DatUmbRadioGroup10, 0, 1, 2, 1, Qt::AlignTop);
    fields->addWidget(f.DatUmbRadioGroup12, 0, 2, 2, 1, Qt::AlignTop);
    fields->addWidget(f.DatUmbLabel12, 0, 3);
    fields->addWidget(f.DatUmbEdit11, 0, 4);
    fields->addWidget(f.DatUmbUpDownNK, 0, 5);
    KeepTopLeft(fields);

    // Rule 8: extension
    fields = new QGridLayout(NewPage(notebook, QStringLiteral("DatUmb01aEndung")));
    page = fields->parentWidget();
    f.DatUmbComboBox01 = NewExtensionBox(page, QStringLiteral("DatUmbComboBox01"));
    f.DatUmbComboBox02 = NewExtensionBox(page, QStringLiteral("DatUmbComboBox02"));
    f.DatUmbLabel13 = NewLabel(page, QStringLiteral("DatUmbLabel13"), 112, f.DatUmbComboBox01);
    f.DatUmbLabel14 = NewLabel(page, QStringLiteral("DatUmbLabel14"), 113, f.DatUmbComboBox02);
    f.DatUmbAlleEndungen = NewCheckBox(page, QStringLiteral("DatUmbAlleEndungen"), 206, 207);
    AddFieldRow(fields, f.DatUmbLabel13, f.DatUmbComboBox01);
    AddFieldRow(fields, f.DatUmbLabel14, f.DatUmbComboBox02);
    fields->addWidget(f.DatUmbAlleEndungen, fields->rowCount(), 0, 1, 2);
    KeepTopLeft(fields);

    // Rule 9: date and time
    fields = new QGridLayout(NewPage(notebook, QStringLiteral("DatUmb01aDatumZeit")));
    page = fields->parentWidget();
    f.RGDatumZeit01 = NewRadioGroup(page, QStringLiteral("RGDatumZeit01"), 351, 352, 353, 354);
    f.RGDatumZeit02 = NewRadioGroup(page, QStringLiteral("RGDatumZeit02"), 355, 356, 357, 358);
    f.RGDatumZeit03 = NewRadioGroup(page, QStringLiteral("RGDatumZeit03"), 359, 360, 361, 364);
    f.RGDatumZeit03->setColumns(2);
    // Own date: day, month and year with the locale's separator; own time: hours,
    // minutes, seconds. Blanks show as "_".
    const QString separator = QStringLiteral("\\") + DateSeparator();
    f.MaskEdit01 = new TEdit(page, QStringLiteral("MaskEdit01"));
    f.MaskEdit01->setInputMask(QStringLiteral("00") + separator + QStringLiteral("00") + separator +
                               QStringLiteral("9999;_"));
    f.MaskEdit02 = new TEdit(page, QStringLiteral("MaskEdit02"));
    f.MaskEdit02->setInputMask(QStringLiteral("09.99.99;_"));
    for (TEdit *edit : {f.MaskEdit01, f.MaskEdit02})
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    f.DZLabel01 = NewLabel(page, QStringLiteral("DZLabel01"), 116, f.MaskEdit01);
    f.DZLabel02 = NewLabel(page, QStringLiteral("DZLabel02"), 117, f.MaskEdit02);
    fields->addWidget(f.RGDatumZeit01, 0, 0, 2, 1, Qt::AlignTop);
    fields->addWidget(f.RGDatumZeit02, 0, 1, 2, 1, Qt::AlignTop);
    fields->addWidget(f.RGDatumZeit03, 0, 2, 2, 1, Qt::AlignTop);
    fields->addWidget(f.DZLabel01, 0, 3);
    fields->addWidget(f.MaskEdit01, 0, 4);
    fields->addWidget(f.DZLabel02, 1, 3);
    fields->addWidget(f.MaskEdit02, 1, 4);
    KeepTopLeft(fields);
}

// DatUmb01: page 0 the rule list with the fields of the chosen rule (DatUmb01a); pages 1
// to 3 hold the views of the rename functions, the TrueType names and the MP3 tags.
QStackedWidget *CreateSubViews(THauptForm &f, QWidget *parent)
{
    f.DatUmb01 = new QStackedWidget(parent);
    f.DatUmb01->setObjectName(QStringLiteral("DatUmb01"));
    auto *rules = new QHBoxLayout(NewPage(f.DatUmb01, QStringLiteral("Allgemein")));
    QWidget *page = rules->parentWidget();
    rules->setContentsMargins(0, 0, 0, 0);
    f.DatUmbRadioGroup02 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup02"), 1, 2, 3, 13);
    rules->addWidget(f.DatUmbRadioGroup02, 0, Qt::AlignTop);
    f.DatUmb01a = new QStackedWidget(page);
    f.DatUmb01a->setObjectName(QStringLiteral("DatUmb01a"));
    CreateIndexRulePages(f, f.DatUmb01a);
    CreateTextRulePages(f, f.DatUmb01a);
    rules->addWidget(f.DatUmb01a, 1);
    for (const char *name : {"Funktionen", "TTF", "MP3"})
        NewPage(f.DatUmb01, QString::fromLatin1(name));
    return f.DatUmb01;
}

// The source check boxes, the target mode and folder, and the preview button.
QVBoxLayout *CreateSourceAndTarget(THauptForm &f, QWidget *parent)
{
    auto *column = new QVBoxLayout;
    f.DatUmbRekursiv = NewCheckBox(parent, QStringLiteral("DatUmbRekursiv"), 200, 201);
    f.DatUmbDateiListe = NewCheckBox(parent, QStringLiteral("DatUmbDateiListe"), 202, 203);
    f.DatUmbLogisch = NewCheckBox(parent, QStringLiteral("DatUmbLogisch"), 204, 205);
    f.DatUmbZielverzeichnis = NewEdit(parent, QStringLiteral("DatUmbZielverzeichnis"), 511);
    f.DatUmbZielverzeichnis->setReadOnly(true);
    f.DatUmbLabel01 = NewLabel(parent, QStringLiteral("DatUmbLabel01"), 100, f.DatUmbZielverzeichnis);
    f.DatUmbVorschau = new TSpeedButton(parent, QStringLiteral("DatUmbVorschau"), 2);
    f.DatUmbVorschau->setAllowAllUp(true);
    f.DatUmbVorschau->setText(LoadLangString(606));
    f.DatUmbVorschau->setToolTip(LoadLangString(607));
    for (QWidget *w : std::initializer_list<QWidget *>{f.DatUmbRekursiv, f.DatUmbDateiListe, f.DatUmbLogisch,
                                                       f.DatUmbRadioGroup01, f.DatUmbLabel01,
                                                       f.DatUmbZielverzeichnis, f.DatUmbVorschau})
        column->addWidget(w);
    column->addStretch(1);
    return column;
}

// Explorer02 page "Vorschau": the rename preview grid, old name | new name.
void CreatePreviewPage(THauptForm &f)
{
    auto *layout = new QVBoxLayout(NewPage(f.Explorer02, QStringLiteral("Vorschau")));
    layout->setContentsMargins(0, 0, 0, 0);
    f.VorschauStringGrid01 = new TStringGrid(layout->parentWidget(), QStringLiteral("VorschauStringGrid01"), 2, 2, 1);
    f.VorschauStringGrid01->setCells(0, 0, LoadLangString(8993));
    f.VorschauStringGrid01->setCells(1, 0, LoadLangString(8994));
    f.VorschauStringGrid01->setColWidth(0, 188);
    f.VorschauStringGrid01->setColWidth(1, 188);
    layout->addWidget(f.VorschauStringGrid01);
}

} // namespace

void THauptUmbenennen::CreateRenamePage()
{
    TabSheet01 = new QWidget(Form().PageControl);
    TabSheet01->setObjectName(QStringLiteral("TabSheet01"));
    auto *layout = new QHBoxLayout(TabSheet01);

    auto *subViews = new QVBoxLayout;
    TSpeedButton **buttons[] = {&DatUmbSpeedButton01, &DatUmbSpeedButton02, &DatUmbSpeedButton03,
                                &DatUmbSpeedButton04};
    for (int i = 0; i < 4; ++i) {
        auto *b = new TSpeedButton(TabSheet01, QStringLiteral("DatUmbSpeedButton0%1").arg(i + 1), 1);
        b->setText(LoadLangString(608 + 2 * i));
        b->setToolTip(LoadLangString(609 + 2 * i));
        subViews->addWidget(b);
        *buttons[i] = b;
    }
    subViews->addStretch(1);
    DatUmbSpeedButton01->setDown(true);
    layout->addLayout(subViews);
    layout->addWidget(CreateSubViews(Form(), TabSheet01), 1);

    DatUmbRadioGroup01 = new TRadioGroup(TabSheet01, QStringLiteral("DatUmbRadioGroup01"));
    DatUmbRadioGroup01->setTitle(LoadLangString(300));
    DatUmbRadioGroup01->setToolTip(LoadLangString(301));
    DatUmbRadioGroup01->setItems({LoadLangString(302), LoadLangString(303), LoadLangString(304)});
    DatUmbRadioGroup01->setItemIndex(0);
    layout->addLayout(CreateSourceAndTarget(Form(), TabSheet01));
    CreatePreviewPage(Form());

    Form().PageControl->insertTab(0, TabSheet01, LoadLangString(3500));
    Form().PageControl->setCurrentIndex(0);
}

THauptForm &THauptUmbenennen::Form()
{
    return static_cast<THauptForm &>(*this);
}
