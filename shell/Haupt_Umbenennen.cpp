// The rename page (page 0 of Form().PageControl).

#include "shell/Haupt.h"
#include "shell/Haupt_Steuerelemente.h"

#include "components/Gfvcl.h"
#include "localisation/fktSprache_Captions.h"
#include "localisation/rvDialogs.h"
#include "platform/Application.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/EventHook.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A slot that runs Handler as one user action of the rename page (RunAsOneAction),
// so that no exception crosses Qt code.
template <typename Handler> auto Action(THauptForm &f, Handler handler)
{
    THauptForm *form = &f;
    return [form, handler] {
        RunGuarded([form, handler] { form->RunAsOneAction([form, handler] { (form->*handler)(); }); });
    };
}

// The texts of the page's controls come from the window's text table
// (ApplyLanguageCaptions); the builders below set none.

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

// A speed button of a rule page, shown by an icon or an arrow.
TSpeedButton *NewPageButton(QWidget *parent, const QString &name, const QIcon &icon, Qt::ArrowType arrow = Qt::NoArrow)
{
    auto *button = new TSpeedButton(parent, name);
    if (arrow != Qt::NoArrow) {
        button->setArrowType(arrow);
        button->setAutoRaise(false); // an arrow alone needs the button's frame to be seen
    } else
        button->setIcon(icon);
    return button;
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
    auto *fields = new QGridLayout(NamedPage(notebook, QStringLiteral("DatUmb01aIndex")));
    QWidget *page = fields->parentWidget();
    f.DatUmbEdit01 = NewEdit(page, QStringLiteral("DatUmbEdit01"));
    f.DatUmbEdit02 = NewEdit(page, QStringLiteral("DatUmbEdit02"));
    f.DatUmbEdit02->setReadOnly(true);
    f.UpDownStellenanzahl01 = NewUpDown(page, QStringLiteral("UpDownStellenanzahl01"), f.DatUmbEdit02, 1, 9, 1);
    f.DatUmbEdit03 = NewEdit(page, QStringLiteral("DatUmbEdit03"), QStringLiteral("0"));
    f.UpDownStartwert01 = NewUpDown(page, QStringLiteral("UpDownStartwert01"), f.DatUmbEdit03, 0, 32767, 0);
    f.DatUmbEdit04 = NewEdit(page, QStringLiteral("DatUmbEdit04"), QStringLiteral("a"));
    f.DatUmbLabel02 = NewLabel(page, QStringLiteral("DatUmbLabel02"), f.DatUmbEdit01);
    f.DatUmbLabel03 = NewLabel(page, QStringLiteral("DatUmbLabel03"), f.DatUmbEdit02);
    f.DatUmbLabel04 = NewLabel(page, QStringLiteral("DatUmbLabel04"), f.DatUmbEdit03);
    f.DatUmbLabel05 = NewLabel(page, QStringLiteral("DatUmbLabel05"), f.DatUmbEdit04);
    AddFieldRow(fields, f.DatUmbLabel02, f.DatUmbEdit01);
    AddFieldRow(fields, f.DatUmbLabel03, f.DatUmbEdit02, f.UpDownStellenanzahl01);
    AddFieldRow(fields, f.DatUmbLabel04, f.DatUmbEdit03, f.UpDownStartwert01);
    AddFieldRow(fields, f.DatUmbLabel05, f.DatUmbEdit04);
    // The start-value buttons beside the start value; the way on to page 1 below.
    f.DatUmbSB01 = NewPageButton(page, QStringLiteral("DatUmbSB01"), page->style()->standardIcon(QStyle::SP_BrowserReload));
    f.DatUmbSB02 = NewPageButton(page, QStringLiteral("DatUmbSB02"), page->style()->standardIcon(QStyle::SP_MediaSeekForward));
    f.DatUmbSB01->setEnabled(false);
    f.DatUmbSB02->setEnabled(false);
    f.DatUmbSB03 = NewPageButton(page, QStringLiteral("DatUmbSB03"), {}, Qt::RightArrow);
    auto *startButtons = new QHBoxLayout;
    startButtons->setSpacing(0);
    startButtons->addWidget(f.DatUmbSB01);
    startButtons->addWidget(f.DatUmbSB02);
    fields->addLayout(startButtons, 2, 3);
    fields->addWidget(f.DatUmbSB03, fields->rowCount(), 0, Qt::AlignLeft);
    KeepTopLeft(fields);

    auto *modes = new QHBoxLayout(NamedPage(notebook, QStringLiteral("DatUmb01aIndexModes")));
    page = modes->parentWidget();
    f.DatUmbSB04 = NewPageButton(page, QStringLiteral("DatUmbSB04"), {}, Qt::LeftArrow);
    f.DatUmbRadioGroup04 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup04"));
    f.DatUmbRadioGroup05 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup05"));
    f.DatUmbRadioGroup03 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup03"));
    for (QWidget *w : {static_cast<QWidget *>(f.DatUmbSB04), static_cast<QWidget *>(f.DatUmbRadioGroup04),
                       static_cast<QWidget *>(f.DatUmbRadioGroup05), static_cast<QWidget *>(f.DatUmbRadioGroup03)})
        modes->addWidget(w, 0, Qt::AlignTop);
    modes->addStretch(1);
}

void CreateTextRulePages(THauptForm &f, QStackedWidget *notebook)
{
    // Rule 3: replace
    auto *fields = new QGridLayout(NamedPage(notebook, QStringLiteral("DatUmb01aErsetzen")));
    QWidget *page = fields->parentWidget();
    f.DatUmbEdit05 = NewEdit(page, QStringLiteral("DatUmbEdit05"));
    f.DatUmbEdit06 = NewEdit(page, QStringLiteral("DatUmbEdit06"));
    f.DatUmbLabel06 = NewLabel(page, QStringLiteral("DatUmbLabel06"), f.DatUmbEdit05);
    f.DatUmbLabel07 = NewLabel(page, QStringLiteral("DatUmbLabel07"), f.DatUmbEdit06);
    AddFieldRow(fields, f.DatUmbLabel06, f.DatUmbEdit05);
    AddFieldRow(fields, f.DatUmbLabel07, f.DatUmbEdit06);
    KeepTopLeft(fields);

    // Rule 4: insert
    fields = new QGridLayout(NamedPage(notebook, QStringLiteral("DatUmb01aEinsetzen")));
    page = fields->parentWidget();
    f.DatUmbEdit07 = NewEdit(page, QStringLiteral("DatUmbEdit07"));
    f.DatUmbEdit08 = NewEdit(page, QStringLiteral("DatUmbEdit08"));
    f.DatUmbUpDownZKE = NewUpDown(page, QStringLiteral("DatUmbUpDownZKE"), f.DatUmbEdit08, 0, 255, 0);
    f.DatUmbLabel08 = NewLabel(page, QStringLiteral("DatUmbLabel08"), f.DatUmbEdit07);
    f.DatUmbLabel09 = NewLabel(page, QStringLiteral("DatUmbLabel09"), f.DatUmbEdit08);
    f.DatUmbRadioGroup06 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup06"));
    AddFieldRow(fields, f.DatUmbLabel08, f.DatUmbEdit07);
    AddFieldRow(fields, f.DatUmbLabel09, f.DatUmbEdit08, f.DatUmbUpDownZKE);
    fields->addWidget(f.DatUmbRadioGroup06, 0, 3, 2, 1);
    KeepTopLeft(fields);

    // Rule 5: cut
    fields = new QGridLayout(NamedPage(notebook, QStringLiteral("DatUmb01aAusschneiden")));
    page = fields->parentWidget();
    f.DatUmbEdit09 = NewEdit(page, QStringLiteral("DatUmbEdit09"));
    f.DatUmbEdit10 = NewEdit(page, QStringLiteral("DatUmbEdit10"));
    f.DatUmbUpDownZA01 = NewUpDown(page, QStringLiteral("DatUmbUpDownZA01"), f.DatUmbEdit09, 0, 255, 0);
    f.DatUmbUpDownZA02 = NewUpDown(page, QStringLiteral("DatUmbUpDownZA02"), f.DatUmbEdit10, 0, 255, 0);
    f.DatUmbLabel10 = NewLabel(page, QStringLiteral("DatUmbLabel10"), f.DatUmbEdit09);
    f.DatUmbLabel11 = NewLabel(page, QStringLiteral("DatUmbLabel11"), f.DatUmbEdit10);
    f.DatUmbRadioGroup07 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup07"));
    AddFieldRow(fields, f.DatUmbLabel10, f.DatUmbEdit09, f.DatUmbUpDownZA01);
    AddFieldRow(fields, f.DatUmbLabel11, f.DatUmbEdit10, f.DatUmbUpDownZA02);
    fields->addWidget(f.DatUmbRadioGroup07, 0, 3, 2, 1);
    KeepTopLeft(fields);

    // Rule 6: letter case
    auto *row = new QHBoxLayout(NamedPage(notebook, QStringLiteral("DatUmb01aSchreibweise")));
    page = row->parentWidget();
    f.DatUmbRadioGroup08 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup08"));
    f.DatUmbRadioGroup09 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup09"));
    row->addWidget(f.DatUmbRadioGroup08, 0, Qt::AlignTop);
    row->addWidget(f.DatUmbRadioGroup09, 0, Qt::AlignTop);
    row->addStretch(1);

    // Rule 7: shorten
    fields = new QGridLayout(NamedPage(notebook, QStringLiteral("DatUmb01aKuerzen")));
    page = fields->parentWidget();
    f.DatUmbRadioGroup11 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup11"));
    f.DatUmbRadioGroup10 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup10"));
    f.DatUmbRadioGroup12 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup12"));
    f.DatUmbEdit11 = NewEdit(page, QStringLiteral("DatUmbEdit11"));
    f.DatUmbEdit11->setReadOnly(true);
    f.DatUmbUpDownNK = NewUpDown(page, QStringLiteral("DatUmbUpDownNK"), f.DatUmbEdit11, 0, 255, 0);
    f.DatUmbLabel12 = NewLabel(page, QStringLiteral("DatUmbLabel12"), f.DatUmbEdit11);
    // Two columns: the mode above the side; the count above its extension group.
    fields->addWidget(f.DatUmbRadioGroup11, 0, 0, 1, 3, Qt::AlignTop);
    fields->addWidget(f.DatUmbRadioGroup10, 1, 0, 1, 3, Qt::AlignTop);
    fields->addWidget(f.DatUmbLabel12, 0, 3, Qt::AlignTop);
    fields->addWidget(f.DatUmbEdit11, 0, 4, Qt::AlignTop);
    fields->addWidget(f.DatUmbUpDownNK, 0, 5, Qt::AlignTop);
    fields->addWidget(f.DatUmbRadioGroup12, 1, 3, 1, 3, Qt::AlignTop);
    KeepTopLeft(fields);

    // Rule 8: extension
    fields = new QGridLayout(NamedPage(notebook, QStringLiteral("DatUmb01aEndung")));
    page = fields->parentWidget();
    f.DatUmbComboBox01 = NewExtensionBox(page, QStringLiteral("DatUmbComboBox01"));
    f.DatUmbComboBox02 = NewExtensionBox(page, QStringLiteral("DatUmbComboBox02"));
    f.DatUmbLabel13 = NewLabel(page, QStringLiteral("DatUmbLabel13"), f.DatUmbComboBox01);
    f.DatUmbLabel14 = NewLabel(page, QStringLiteral("DatUmbLabel14"), f.DatUmbComboBox02);
    f.DatUmbAlleEndungen = new TCheckBox(page, QStringLiteral("DatUmbAlleEndungen"));
    AddFieldRow(fields, f.DatUmbLabel13, f.DatUmbComboBox01);
    AddFieldRow(fields, f.DatUmbLabel14, f.DatUmbComboBox02);
    fields->addWidget(f.DatUmbAlleEndungen, fields->rowCount(), 0, 1, 2);
    KeepTopLeft(fields);

    // Rule 9: date and time
    fields = new QGridLayout(NamedPage(notebook, QStringLiteral("DatUmb01aDatumZeit")));
    page = fields->parentWidget();
    f.RGDatumZeit01 = NewRadioGroup(page, QStringLiteral("RGDatumZeit01"));
    f.RGDatumZeit02 = NewRadioGroup(page, QStringLiteral("RGDatumZeit02"));
    f.RGDatumZeit03 = NewRadioGroup(page, QStringLiteral("RGDatumZeit03"));
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
    f.DZLabel01 = NewLabel(page, QStringLiteral("DZLabel01"), f.MaskEdit01);
    f.DZLabel02 = NewLabel(page, QStringLiteral("DZLabel02"), f.MaskEdit02);
    // Two columns: the source above the place; the arrangement above the own values.
    fields->addWidget(f.RGDatumZeit01, 0, 0, 2, 1, Qt::AlignTop);
    fields->addWidget(f.RGDatumZeit02, 2, 0, 2, 1, Qt::AlignTop);
    fields->addWidget(f.RGDatumZeit03, 0, 1, 1, 2, Qt::AlignTop);
    fields->addWidget(f.DZLabel01, 1, 1);
    fields->addWidget(f.MaskEdit01, 1, 2);
    fields->addWidget(f.DZLabel02, 2, 1, Qt::AlignTop);
    fields->addWidget(f.MaskEdit02, 2, 2, Qt::AlignTop);
    KeepTopLeft(fields);
}

// Rule 10: the plug-in library, the button that shows its description, the description.
void CreatePluginRulePage(THauptForm &f, QStackedWidget *notebook)
{
    auto *fields = new QGridLayout(NamedPage(notebook, QStringLiteral("DatUmb01aPlugin")));
    QWidget *page = fields->parentWidget();
    f.DatUmbComboBox03 = new QComboBox(page);
    f.DatUmbComboBox03->setObjectName(QStringLiteral("DatUmbComboBox03"));
    f.DatUmbComboBox03->setEditable(true);
    f.DatUmbComboBox03->setInsertPolicy(QComboBox::InsertAlphabetically);
    f.DatUmbComboBox03->setMinimumContentsLength(16);
    // The list stays sorted however its entries are added.
    QAbstractItemModel *entries = f.DatUmbComboBox03->model();
    QObject::connect(entries, &QAbstractItemModel::rowsInserted, entries, [entries] { entries->sort(0); });
    f.DatUmbBitBtn01 = new QPushButton(page);
    f.DatUmbBitBtn01->setObjectName(QStringLiteral("DatUmbBitBtn01"));
    f.DatUmbMemo01 = new QPlainTextEdit(page);
    f.DatUmbMemo01->setObjectName(QStringLiteral("DatUmbMemo01"));
    f.DatUmbMemo01->setReadOnly(true);
    f.DatUmbMemo01->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    f.DatUmbMemo01->setMinimumHeight(f.DatUmbMemo01->fontMetrics().lineSpacing() * 4);
    f.DatUmbLabel15 = NewLabel(page, QStringLiteral("DatUmbLabel15"), f.DatUmbComboBox03);
    f.DatUmbLabel16 = NewLabel(page, QStringLiteral("DatUmbLabel16"), f.DatUmbMemo01);
    // One column, each label above its field: the page fits the narrow rule area.
    fields->addWidget(f.DatUmbLabel15, 0, 0);
    fields->addWidget(f.DatUmbComboBox03, 1, 0);
    fields->addWidget(f.DatUmbBitBtn01, 2, 0, Qt::AlignLeft);
    fields->addWidget(f.DatUmbLabel16, 3, 0);
    fields->addWidget(f.DatUmbMemo01, 4, 0);
    fields->setRowStretch(4, 1);
}

// The rows of the command list: a heading (template not beginning with ":") above
// its commands; the text table fills FktListBox01 index by index.
const QStringList FunctionTemplates = {
    QString(),          QStringLiteral(":ZSAx"), // numbers
    QString(),          QStringLiteral(":ZED?;?"), // replacing
    QString(),          QStringLiteral(":SZE"), QStringLiteral(":SZU"), // special characters
    QString(),          QStringLiteral(":LFA"), QStringLiteral(":LVG"), QStringLiteral(":LVZ?"), // blanks
};

// The headings of the command list show in bold, however often its texts are refilled.
class HeadingRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!FunctionTemplates.value(index.row()).startsWith(u':'))
            option->font.setBold(true);
    }
};

// Sub-view "Funktionen": the function text above the list of commands and its help.
void CreateFunctionView(THauptForm &f, QWidget *page)
{
    auto *column = new QVBoxLayout(page);
    f.UmbenennungsFunktion = new TEdit(page, QStringLiteral("UmbenennungsFunktion"));
    f.UmbenennungsFunktion->setText(QStringLiteral("<N>"));
    f.FktLabel01 = NewLabel(page, QStringLiteral("FktLabel01"), f.UmbenennungsFunktion);
    f.FktListBox01 = new QListWidget(page);
    f.FktListBox01->setObjectName(QStringLiteral("FktListBox01"));
    f.FktListBox01->setItemDelegate(new HeadingRows(f.FktListBox01));
    f.FktListBox02 = FunctionTemplates;
    f.FktLabel02 = NewLabel(page, QStringLiteral("FktLabel02"), f.FktListBox01);
    f.FktLabel03 = NewLabel(page, QStringLiteral("FktLabel03"), nullptr);
    f.FktLabel03->setWordWrap(true);
    auto *text = new QHBoxLayout;
    text->addWidget(f.FktLabel01);
    text->addWidget(f.UmbenennungsFunktion, 1);
    column->addLayout(text);
    auto *list = new QGridLayout;
    list->addWidget(f.FktLabel02, 0, 0);
    list->addWidget(f.FktListBox01, 1, 0);
    list->addWidget(f.FktLabel03, 1, 1, Qt::AlignTop);
    list->setColumnStretch(0, 1);
    list->setColumnStretch(1, 1);
    column->addLayout(list, 1);
}

// Sub-view "TTF": the names of the font chosen in an explorer list, with the warning
// that fonts are renamed after their full name.
void CreateFontView(THauptForm &f, QWidget *page)
{
    auto *column = new QVBoxLayout(page);
    f.TTFLabel11 = NewLabel(page, QStringLiteral("TTFLabel11"), nullptr);
    QFont bold = f.TTFLabel11->font();
    bold.setBold(true);
    f.TTFLabel11->setFont(bold);
    column->addWidget(f.TTFLabel11);
    auto *names = new QGridLayout;
    QLabel **captions[] = {&f.TTFLabel2, &f.TTFLabel3, &f.TTFLabel4, &f.TTFLabel5};
    QLabel **values[] = {&f.TTFLabel6, &f.TTFLabel7, &f.TTFLabel8, &f.TTFLabel9};
    for (int i = 0; i < 4; ++i) {
        QLabel *value = NewLabel(page, QStringLiteral("TTFLabel%1").arg(i + 6), nullptr);
        value->setTextFormat(Qt::PlainText); // a font's names are no markup
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        *values[i] = value;
        *captions[i] = NewLabel(page, QStringLiteral("TTFLabel%1").arg(i + 2), nullptr);
        names->addWidget(*captions[i], i, 0, Qt::AlignTop);
        names->addWidget(value, i, 1, Qt::AlignTop);
    }
    names->setColumnStretch(1, 1);
    column->addLayout(names);
    f.TTFWarnung = NewLabel(page, QStringLiteral("TTFWarnung"), nullptr);
    f.TTFWarnung->setWordWrap(true);
    column->addSpacing(f.TTFWarnung->fontMetrics().height() / 2);
    column->addWidget(f.TTFWarnung);
    column->addStretch(1);
}

// DatUmb01: page 0 the rule list with the fields of the chosen rule (DatUmb01a); pages 1
// to 3 hold the views of the rename functions, the TrueType names and the MP3 tags.
QStackedWidget *CreateSubViews(THauptForm &f, QWidget *parent)
{
    f.DatUmb01 = new QStackedWidget(parent);
    f.DatUmb01->setObjectName(QStringLiteral("DatUmb01"));
    auto *rules = new QHBoxLayout(NamedPage(f.DatUmb01, QStringLiteral("Allgemein")));
    QWidget *page = rules->parentWidget();
    rules->setContentsMargins(0, 0, 0, 0);
    f.DatUmbRadioGroup02 = NewRadioGroup(page, QStringLiteral("DatUmbRadioGroup02"));
    rules->addWidget(f.DatUmbRadioGroup02, 0, Qt::AlignTop);
    f.DatUmb01a = new QStackedWidget(page);
    f.DatUmb01a->setObjectName(QStringLiteral("DatUmb01a"));
    CreateIndexRulePages(f, f.DatUmb01a);
    CreateTextRulePages(f, f.DatUmb01a);
    CreatePluginRulePage(f, f.DatUmb01a);
    // The fields scroll where the window is too narrow for them, rather than being cut.
    auto *scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("DatUmb01aScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(f.DatUmb01a);
    scroll->viewport()->setAutoFillBackground(false);
    f.DatUmb01a->setAutoFillBackground(false);
    // Only the page shown counts for the size, so a narrow page does not scroll.
    QStackedWidget *fieldPages = f.DatUmb01a;
    const auto sizeByShownPage = [fieldPages] {
        for (int i = 0; i < fieldPages->count(); ++i) {
            const auto policy = i == fieldPages->currentIndex() ? QSizePolicy::Preferred : QSizePolicy::Ignored;
            fieldPages->widget(i)->setSizePolicy(policy, policy);
        }
        fieldPages->updateGeometry();
    };
    QObject::connect(fieldPages, &QStackedWidget::currentChanged, fieldPages, sizeByShownPage);
    sizeByShownPage();
    rules->addWidget(scroll, 1);
    CreateFunctionView(f, NamedPage(f.DatUmb01, QStringLiteral("Funktionen")));
    CreateFontView(f, NamedPage(f.DatUmb01, QStringLiteral("TTF")));
    NamedPage(f.DatUmb01, QStringLiteral("MP3"));
    return f.DatUmb01;
}

// The source check boxes, the target mode and folder, and the preview button.
QVBoxLayout *CreateSourceAndTarget(THauptForm &f, QWidget *parent)
{
    auto *column = new QVBoxLayout;
    f.DatUmbRekursiv = new TCheckBox(parent, QStringLiteral("DatUmbRekursiv"));
    f.DatUmbDateiListe = new TCheckBox(parent, QStringLiteral("DatUmbDateiListe"));
    f.DatUmbLogisch = new TCheckBox(parent, QStringLiteral("DatUmbLogisch"));
    f.DatUmbZielverzeichnis = NewEdit(parent, QStringLiteral("DatUmbZielverzeichnis"));
    f.DatUmbZielverzeichnis->setReadOnly(true);
    f.DatUmbLabel01 = NewLabel(parent, QStringLiteral("DatUmbLabel01"), f.DatUmbZielverzeichnis);
    f.DatUmbVorschau = new TSpeedButton(parent, QStringLiteral("DatUmbVorschau"), 2);
    f.DatUmbVorschau->setAllowAllUp(true);
    for (QWidget *w : std::initializer_list<QWidget *>{f.DatUmbRekursiv, f.DatUmbDateiListe, f.DatUmbLogisch,
                                                       f.DatUmbRadioGroup01, f.DatUmbLabel01,
                                                       f.DatUmbZielverzeichnis, f.DatUmbVorschau})
        column->addWidget(w);
    column->addStretch(1);
    return column;
}

// Explorer02 page "Vorschau": the line of a failed refresh's message over the rename
// preview grid, old name | new name.
void CreatePreviewPage(THauptForm &f)
{
    auto *layout = new QVBoxLayout(NamedPage(f.Explorer02, QStringLiteral("Vorschau")));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    f.VorschauLabel01 = new QLabel(layout->parentWidget());
    f.VorschauLabel01->setObjectName(QStringLiteral("VorschauLabel01"));
    // One line that never widens the page; the whole text is its tool tip.
    f.VorschauLabel01->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    f.VorschauLabel01->setContentsMargins(4, 2, 4, 2);
    QPalette maroon = f.VorschauLabel01->palette();
    maroon.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    f.VorschauLabel01->setPalette(maroon);
    f.VorschauLabel01->hide();
    layout->addWidget(f.VorschauLabel01);
    f.VorschauStringGrid01 = new TStringGrid(layout->parentWidget(), QStringLiteral("VorschauStringGrid01"), 2, 2, 1);
    f.VorschauStringGrid01->setColWidth(0, 188);
    f.VorschauStringGrid01->setColWidth(1, 188);
    layout->addWidget(f.VorschauStringGrid01);
}

// Every control that changes the batch refreshes the preview; the groups and boxes
// with more to do run their own handlers.
void BindRenamePage(THauptForm &f)
{
    const auto refresh = [&f] { return Action(f, &THauptUmbenennen::NeueVorschauNachAenderung); };
    for (TSpeedButton *b : {f.DatUmbSpeedButton01, f.DatUmbSpeedButton02, f.DatUmbSpeedButton03, f.DatUmbSpeedButton04})
        QObject::connect(b, &TSpeedButton::OnClick, &f, Action(f, &THauptUmbenennen::DatUmbAnsichtWechsel));
    QObject::connect(f.DatUmbRadioGroup02, &TRadioGroup::OnClick, &f, Action(f, &THauptUmbenennen::DatUmbRadioGroup02Click));
    QObject::connect(f.DatUmbSB01, &TSpeedButton::OnClick, &f, Action(f, &THauptUmbenennen::DatUmbSB01Click));
    QObject::connect(f.DatUmbSB02, &TSpeedButton::OnClick, &f, Action(f, &THauptUmbenennen::DatUmbSB02Click));
    QObject::connect(f.DatUmbSB03, &TSpeedButton::OnClick, &f, Action(f, &THauptUmbenennen::DatUmbSB03Click));
    QObject::connect(f.DatUmbSB04, &TSpeedButton::OnClick, &f, Action(f, &THauptUmbenennen::DatUmbSB04Click));
    QObject::connect(f.DatUmbRadioGroup05, &TRadioGroup::OnClick, &f, Action(f, &THauptUmbenennen::DatUmbRadioGroup05Click));
    QObject::connect(f.DatUmbRadioGroup11, &TRadioGroup::OnClick, &f, Action(f, &THauptUmbenennen::DatUmbRadioGroup11Click));
    QObject::connect(f.DatUmbAlleEndungen, &TCheckBox::OnClick, &f, Action(f, &THauptUmbenennen::DatUmbAlleEndungenClick));
    QObject::connect(f.RGDatumZeit01, &TRadioGroup::OnClick, &f, Action(f, &THauptUmbenennen::RGDatumZeit01Click));
    for (TEdit *edit : {f.DatUmbEdit01, f.DatUmbEdit02, f.DatUmbEdit03, f.DatUmbEdit04, f.DatUmbEdit05, f.DatUmbEdit06,
                        f.DatUmbEdit07, f.DatUmbEdit08, f.DatUmbEdit09, f.DatUmbEdit10, f.DatUmbEdit11, f.MaskEdit01,
                        f.MaskEdit02, f.DatUmbZielverzeichnis})
        QObject::connect(edit, &TEdit::OnChange, &f, refresh());
    for (QComboBox *box : {f.DatUmbComboBox01, f.DatUmbComboBox02, f.DatUmbComboBox03})
        QObject::connect(box, &QComboBox::currentTextChanged, &f, refresh());
    for (TRadioGroup *group : {f.DatUmbRadioGroup01, f.DatUmbRadioGroup03, f.DatUmbRadioGroup04, f.DatUmbRadioGroup06,
                               f.DatUmbRadioGroup07, f.DatUmbRadioGroup08, f.DatUmbRadioGroup09, f.DatUmbRadioGroup10,
                               f.DatUmbRadioGroup12, f.RGDatumZeit02, f.RGDatumZeit03})
        QObject::connect(group, &TRadioGroup::OnClick, &f, refresh());
    for (TCheckBox *box : {f.DatUmbRekursiv, f.DatUmbLogisch})
        QObject::connect(box, &TCheckBox::OnClick, &f, refresh());
    QObject::connect(f.DatUmbBitBtn01, &QPushButton::clicked, &f, Action(f, &THauptUmbenennen::DatUmbBitBtn01Click));
    QObject::connect(f.FktListBox01, &QListWidget::itemDoubleClicked, &f, Action(f, &THauptUmbenennen::UmbFktEinfuegen));
    QObject::connect(f.DatUmbVorschau, &TSpeedButton::OnClick, &f, Action(f, &THauptAnsicht::DatUmbVorschauClick));
    QObject::connect(f.DatUmbDateiListe, &TCheckBox::OnClick, &f, Action(f, &THauptAnsicht::DatUmbDateiListeClick));
    HookKeyPress(f, f.DatUmbEdit01, &THauptUmbenennen::DatUmbEdit01KeyPress);
    HookKeyPress(f, f.DatUmbEdit03, &THauptUmbenennen::DatUmbEdit03KeyPress);
    // A click into the read-only target folder field opens the folder dialog.
    const auto click = Action(f, &THauptUmbenennen::DatUmbZielverzeichnisClick);
    HookClick(f.DatUmbZielverzeichnis, click);
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
        subViews->addWidget(b);
        *buttons[i] = b;
    }
    subViews->addStretch(1);
    DatUmbSpeedButton01->setDown(true);
    layout->addLayout(subViews);
    layout->addWidget(CreateSubViews(Form(), TabSheet01), 1);

    DatUmbRadioGroup01 = NewRadioGroup(TabSheet01, QStringLiteral("DatUmbRadioGroup01"));
    layout->addLayout(CreateSourceAndTarget(Form(), TabSheet01));
    CreatePreviewPage(Form());

    Form().PageControl->insertTab(0, TabSheet01, QString());
    Form().PageControl->setCurrentIndex(0);
    BindRenamePage(Form());
    // The fields of the rules as the chosen items of their groups want them.
    DatUmbRadioGroup02Click();
    DatUmbRadioGroup11Click();
    RGDatumZeit01Click();
}

void THauptUmbenennen::CreateFileListPage(QWidget *Page)
{
    THauptForm &f = Form();
    auto *column = new QVBoxLayout(Page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    DLGradientFill01 = TGradientFill::WhiteToSilver(Page, QStringLiteral("DLGradientFill01"), fdLeftToRight);
    auto *header = new QHBoxLayout(DLGradientFill01);
    header->setContentsMargins(6, 3, 6, 3);
    DLPanel04 = new QLabel(DLGradientFill01);
    DLPanel04->setObjectName(QStringLiteral("DLPanel04"));
    QFont bold = DLPanel04->font();
    bold.setBold(true);
    DLPanel04->setFont(bold);
    header->addWidget(DLPanel04);
    column->addWidget(DLGradientFill01);

    f.DLStringGrid = new TStringGrid(Page, QStringLiteral("DLStringGrid"), 2, 1, 0);
    column->addWidget(f.DLStringGrid, 1);

    // The button row, 394 px wide, centred below the list.
    DLPanel02 = new QWidget(Page);
    DLPanel02->setObjectName(QStringLiteral("DLPanel02"));
    DLPanel02->setMinimumWidth(394); // wider only where the buttons' texts need it
    auto *row = new QHBoxLayout(DLPanel02);
    row->setContentsMargins(0, 0, 0, 2);
    row->setSpacing(2);
    DLSpeedButton01 = NewPageButton(DLPanel02, QStringLiteral("DLSpeedButton01"),
                                    QIcon::fromTheme(QStringLiteral("view-sort-ascending"),
                                                     Page->style()->standardIcon(QStyle::SP_ArrowDown)));
    DLSpeedButton02 = NewPageButton(DLPanel02, QStringLiteral("DLSpeedButton02"),
                                    QIcon::fromTheme(QStringLiteral("list-add"),
                                                     Page->style()->standardIcon(QStyle::SP_ArrowLeft)));
    row->addStretch(1);
    row->addWidget(DLSpeedButton01);
    row->addWidget(DLSpeedButton02);
    QPushButton **buttons[] = {&DLBitBtn1, &DLBitBtn2, &DLBitBtn3, &DLBitBtn4};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(DLPanel02);
        button->setObjectName(QStringLiteral("DLBitBtn%1").arg(i + 1));
        row->addWidget(button);
        *buttons[i] = button;
    }
    row->addStretch(1);
    column->addWidget(DLPanel02, 0, Qt::AlignHCenter);

    QObject::connect(DLSpeedButton01, &TSpeedButton::OnClick, &f, Action(f, &THauptUmbenennen::DLSpeedButton01Click));
    QObject::connect(DLSpeedButton02, &TSpeedButton::OnClick, &f, Action(f, &THauptUmbenennen::DLSpeedButton02Click));
    QObject::connect(DLBitBtn1, &QPushButton::clicked, &f, Action(f, &THauptUmbenennen::DLBitBtn1Click));
    QObject::connect(DLBitBtn2, &QPushButton::clicked, &f, Action(f, &THauptUmbenennen::DLBitBtn2Click));
    QObject::connect(DLBitBtn3, &QPushButton::clicked, &f, Action(f, &THauptUmbenennen::DLBitBtn3Click));
    QObject::connect(DLBitBtn4, &QPushButton::clicked, &f, Action(f, &THauptUmbenennen::DLBitBtn4Click));
}

THauptForm &THauptUmbenennen::Form()
{
    return static_cast<THauptForm &>(*this);
}
