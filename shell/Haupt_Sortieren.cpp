// The sort page (TabSheet03 of Form().PageControl) and its handlers.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/Application.h"
#include "platform/toolkit/Buttons.h"
#include "shell/Haupt_Steuerelemente.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QComboBox *NewComboBox(QWidget *Parent, const QString &Name, const QStringList &Items, bool Editable)
{
    auto *box = new QComboBox(Parent);
    box->setObjectName(Name);
    box->setEditable(Editable);
    if (Editable)
        box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(Items);
    return box;
}

// A page of the parameter notebook whose fields keep to its top left corner.
QGridLayout *NewParameterPage(QStackedWidget *Notebook, const QString &Name)
{
    auto *grid = new QGridLayout(NamedPage(Notebook, Name));
    grid->setContentsMargins(4, 4, 4, 4);
    return grid;
}

void KeepTopLeft(QGridLayout *Grid)
{
    Grid->setRowStretch(Grid->rowCount(), 1);
    Grid->setColumnStretch(Grid->columnCount(), 1);
}

// The parameter pages: 0 "Leer", 1 "Zeichenkette", 2 "Dateigroesse", 3 "Anfangsbuchstaben".
void CreateParameterPages(THauptForm &f, QWidget *Parent)
{
    f.SortNotebook1 = new QStackedWidget(Parent);
    f.SortNotebook1->setObjectName(QStringLiteral("SortNotebook1"));
    NamedPage(f.SortNotebook1, QStringLiteral("Leer"));

    QGridLayout *text = NewParameterPage(f.SortNotebook1, QStringLiteral("Zeichenkette"));
    QWidget *page = text->parentWidget();
    f.SortEdit1 = NewEdit(page, QStringLiteral("SortEdit1"));
    f.SortLabel1 = NewLabel(page, QStringLiteral("SortLabel1"), f.SortEdit1);
    text->addWidget(f.SortLabel1, 0, 0);
    text->addWidget(f.SortEdit1, 1, 0);
    KeepTopLeft(text);

    QGridLayout *size = NewParameterPage(f.SortNotebook1, QStringLiteral("Dateigroesse"));
    page = size->parentWidget();
    const QStringList units = {QStringLiteral("Byte"), QStringLiteral("kByte"), QStringLiteral("MByte")};
    f.SortUntergrenze = NewEdit(page, QStringLiteral("SortUntergrenze"));
    f.SortUntergrenzeUpDown = NewUpDown(page, QStringLiteral("SortUntergrenzeUpDown"), f.SortUntergrenze, 0, 32767, 0);
    f.SortComboBox1 = NewComboBox(page, QStringLiteral("SortComboBox1"), units, false);
    f.SortLabel3 = NewLabel(page, QStringLiteral("SortLabel3"), f.SortUntergrenze);
    f.SortObergrenze = NewEdit(page, QStringLiteral("SortObergrenze"));
    f.SortObergrenzeUpDown = NewUpDown(page, QStringLiteral("SortObergrenzeUpDown"), f.SortObergrenze, 1, 32767, 1);
    f.SortComboBox2 = NewComboBox(page, QStringLiteral("SortComboBox2"), units, false);
    f.SortLabel4 = NewLabel(page, QStringLiteral("SortLabel4"), f.SortObergrenze);
    size->addWidget(f.SortLabel3, 0, 0, 1, 3);
    size->addWidget(f.SortUntergrenze, 1, 0);
    size->addWidget(f.SortUntergrenzeUpDown, 1, 1);
    size->addWidget(f.SortComboBox1, 1, 2);
    size->addWidget(f.SortLabel4, 2, 0, 1, 3);
    size->addWidget(f.SortObergrenze, 3, 0);
    size->addWidget(f.SortObergrenzeUpDown, 3, 1);
    size->addWidget(f.SortComboBox2, 3, 2);
    KeepTopLeft(size);

    QGridLayout *initials = NewParameterPage(f.SortNotebook1, QStringLiteral("Anfangsbuchstaben"));
    page = initials->parentWidget();
    QStringList signs;
    for (char c = '0'; c <= '9'; ++c)
        signs << QString(QLatin1Char(c));
    for (char c = 'A'; c <= 'Z'; ++c)
        signs << QString(QLatin1Char(c));
    f.SortRadioGroup3 = NewRadioGroup(page, QStringLiteral("SortRadioGroup3"));
    f.SortRadioGroup3->setColumns(2);
    f.SortComboBox3 = NewComboBox(page, QStringLiteral("SortComboBox3"), signs, true);
    f.SortComboBox3->setCurrentText(QStringLiteral("0"));
    f.SortComboBox4 = NewComboBox(page, QStringLiteral("SortComboBox4"), signs, true);
    f.SortComboBox4->setCurrentText(QStringLiteral("Z"));
    f.SortMindestLaenge = NewEdit(page, QStringLiteral("SortMindestLaenge"));
    f.SortMindestLaenge->setReadOnly(true);
    f.SortMindestLaengeUpDown =
        NewUpDown(page, QStringLiteral("SortMindestLaengeUpDown"), f.SortMindestLaenge, 0, 255, 0);
    f.SortLabel5 = NewLabel(page, QStringLiteral("SortLabel5"), f.SortMindestLaenge);
    initials->addWidget(f.SortRadioGroup3, 0, 0, 1, 4);
    initials->addWidget(f.SortComboBox3, 1, 0);
    initials->addWidget(f.SortComboBox4, 1, 2);
    initials->addWidget(f.SortLabel5, 2, 0, 1, 4);
    initials->addWidget(f.SortMindestLaenge, 3, 0);
    initials->addWidget(f.SortMindestLaengeUpDown, 3, 1);
    KeepTopLeft(initials);
}

} // namespace

void THauptSortieren::CreateSortPage()
{
    THauptForm &f = Form();
    auto *page = new QWidget(f.PageControl);
    page->setObjectName(QStringLiteral("TabSheet03"));
    f.TabSheet03 = page;
    auto *layout = new QHBoxLayout(page);

    SortRadioGroup1 = NewRadioGroup(page, QStringLiteral("SortRadioGroup1"));
    layout->addWidget(SortRadioGroup1, 0, Qt::AlignTop);
    CreateParameterPages(f, page);
    layout->addWidget(SortNotebook1, 1);

    auto *column = new QVBoxLayout;
    SortRadioGroup2 = NewRadioGroup(page, QStringLiteral("SortRadioGroup2"));
    SortZielverzeichnis = NewEdit(page, QStringLiteral("SortZielverzeichnis"));
    SortZielverzeichnis->setReadOnly(true);
    SortLabel2 = NewLabel(page, QStringLiteral("SortLabel2"), SortZielverzeichnis);
    SortRekursiv = new TCheckBox(page, QStringLiteral("SortRekursiv"));
    for (QWidget *w : std::initializer_list<QWidget *>{SortRadioGroup2, SortLabel2, SortZielverzeichnis, SortRekursiv})
        column->addWidget(w);
    column->addStretch(1);
    layout->addLayout(column, 1);
    InsertPageInOrder(f.PageControl, page);

    THauptForm *form = &f;
    QObject::connect(SortRadioGroup1, &TRadioGroup::OnClick, form, Guarded(form, &THauptSortieren::SortRadioGroup1Click));
    HookKeyPress(f, SortUntergrenze, &THauptSortieren::SortUntergrenzeKeyPress);
    HookKeyPress(f, SortObergrenze, &THauptSortieren::SortObergrenzeKeyPress);
    HookClick(SortZielverzeichnis, Guarded(form, &THauptSortieren::SortZielverzeichnisClick));
    SortRadioGroup1Click(); // the parameter page of the chosen criterion
}

void THauptSortieren::SortRadioGroup1Click()
{
    // Criterion 0 initial: page 3, 1 contained text: page 1, 3 size: page 2, others page 0.
    static constexpr int Pages[] = {3, 1, 0, 2, 0};
    const int criterion = SortRadioGroup1->ItemIndex();
    SortNotebook1->setCurrentIndex(criterion >= 0 && criterion < 5 ? Pages[criterion] : 0);
}

void THauptSortieren::SortUntergrenzeKeyPress(QChar &Key)
{
    KeepDigitKeys(Key);
}

void THauptSortieren::SortObergrenzeKeyPress(QChar &Key)
{
    KeepDigitKeys(Key);
}

void THauptSortieren::SortZielverzeichnisClick()
{
    // Abort (and closing the dialog) leaves the field; No empties it.
    QString folder = SortZielverzeichnis->Text();
    if (SelectDirectory(folder, LoadLangString(9100), LoadLangString(9101), LanguageName()) != mrAbort)
        SortZielverzeichnis->setText(folder);
}

THauptForm &THauptSortieren::Form()
{
    return static_cast<THauptForm &>(*this);
}
