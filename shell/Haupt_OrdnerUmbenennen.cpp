// The rename sub-view of the folder page: rule, rule fields, recursion and preview.

#include "shell/Haupt_OrdnerUmbenennen.h"

#include "platform/toolkit/Buttons.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Steuerelemente.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// A count or position shown in a read-only field, moved by its up-down.
TUpDown *NewCountField(QWidget *page, const QString &name, TEdit *&edit, int min, int position)
{
    edit = NewEdit(page, name);
    edit->setReadOnly(true);
    return NewUpDown(page, name + QStringLiteral("UpDown"), edit, min, 255, position);
}

// A rule page of OrdnerNB02 whose fields keep to its top left corner: rows of label,
// field and up-down, the side group below them.
QGridLayout *NewRulePage(QStackedWidget *notebook, const QString &name)
{
    auto *grid = new QGridLayout(NamedPage(notebook, name));
    grid->setContentsMargins(0, 0, 0, 0);
    return grid;
}

void PlaceRow(QGridLayout *grid, int row, QLabel *label, QWidget *field, QWidget *upDown = nullptr)
{
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (upDown)
        grid->addWidget(upDown, row, 2);
}

void FinishRulePage(QGridLayout *grid, QWidget *sideGroup = nullptr)
{
    if (sideGroup)
        grid->addWidget(sideGroup, grid->rowCount(), 0, 1, 3, Qt::AlignTop | Qt::AlignLeft);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(3, 1);
}

} // namespace

void THauptOrdnerUmbenennen::CreateFolderRenameView(QWidget *RuleArea, QWidget *SwitchArea)
{
    auto *rules = new QHBoxLayout(RuleArea);
    rules->setContentsMargins(0, 0, 0, 0);
    RadioGroupOrdU1 = NewRadioGroup(RuleArea, QStringLiteral("RadioGroupOrdU1"));
    rules->addWidget(RadioGroupOrdU1, 0, Qt::AlignTop);
    OrdnerNB02 = new QStackedWidget(RuleArea);
    OrdnerNB02->setObjectName(QStringLiteral("OrdnerNB02"));
    rules->addWidget(OrdnerNB02, 1);

    // Rule 0: replace
    QGridLayout *grid = NewRulePage(OrdnerNB02, QStringLiteral("Ersetzen"));
    QWidget *page = grid->parentWidget();
    EditOrdU1 = NewEdit(page, QStringLiteral("EditOrdU1"));
    EditOrdU2 = NewEdit(page, QStringLiteral("EditOrdU2"));
    LabelOrdU1 = NewLabel(page, QStringLiteral("LabelOrdU1"), EditOrdU1);
    LabelOrdU2 = NewLabel(page, QStringLiteral("LabelOrdU2"), EditOrdU2);
    PlaceRow(grid, 0, LabelOrdU1, EditOrdU1);
    PlaceRow(grid, 1, LabelOrdU2, EditOrdU2);
    FinishRulePage(grid);

    // Rule 1: insert
    grid = NewRulePage(OrdnerNB02, QStringLiteral("Einsetzen"));
    page = grid->parentWidget();
    EditOrdU3 = NewEdit(page, QStringLiteral("EditOrdU3"));
    OrdnerZKPositionUpDown = NewCountField(page, QStringLiteral("OrdnerZKPosition"), OrdnerZKPosition, 0, 0);
    LabelOrdU3 = NewLabel(page, QStringLiteral("LabelOrdU3"), EditOrdU3);
    LabelOrdU4 = NewLabel(page, QStringLiteral("LabelOrdU4"), OrdnerZKPosition);
    RadioGroupOrdU3 = NewRadioGroup(page, QStringLiteral("RadioGroupOrdU3"));
    PlaceRow(grid, 0, LabelOrdU3, EditOrdU3);
    PlaceRow(grid, 1, LabelOrdU4, OrdnerZKPosition, OrdnerZKPositionUpDown);
    FinishRulePage(grid, RadioGroupOrdU3);

    // Rule 2: cut
    grid = NewRulePage(OrdnerNB02, QStringLiteral("Ausschneiden"));
    page = grid->parentWidget();
    OrdnerZKEntUpDown = NewCountField(page, QStringLiteral("OrdnerZKEnt"), OrdnerZKEnt, 0, 0);
    OrdnerZKPosition02UpDown = NewCountField(page, QStringLiteral("OrdnerZKPosition02"), OrdnerZKPosition02, 1, 1);
    LabelOrdU5 = NewLabel(page, QStringLiteral("LabelOrdU5"), OrdnerZKEnt);
    LabelOrdU6 = NewLabel(page, QStringLiteral("LabelOrdU6"), OrdnerZKPosition02);
    RadioGroupOrdU4 = NewRadioGroup(page, QStringLiteral("RadioGroupOrdU4"));
    PlaceRow(grid, 0, LabelOrdU5, OrdnerZKEnt, OrdnerZKEntUpDown);
    PlaceRow(grid, 1, LabelOrdU6, OrdnerZKPosition02, OrdnerZKPosition02UpDown);
    FinishRulePage(grid, RadioGroupOrdU4);

    // Rule 3: letter case
    grid = NewRulePage(OrdnerNB02, QStringLiteral("Schreibweise"));
    page = grid->parentWidget();
    RadioGroupOrdU2 = NewRadioGroup(page, QStringLiteral("RadioGroupOrdU2"));
    grid->addWidget(RadioGroupOrdU2, 0, 0, Qt::AlignTop);
    FinishRulePage(grid);

    // Rule 4: shorten; the long label stands above its field.
    grid = NewRulePage(OrdnerNB02, QStringLiteral("Kuerzen"));
    page = grid->parentWidget();
    OrdnerAnzEntUpDown = NewCountField(page, QStringLiteral("OrdnerAnzEnt"), OrdnerAnzEnt, 0, 0);
    LabelOrdU7 = NewLabel(page, QStringLiteral("LabelOrdU7"), OrdnerAnzEnt);
    LabelOrdU7->setWordWrap(true);
    RadioGroupOrdU5 = NewRadioGroup(page, QStringLiteral("RadioGroupOrdU5"));
    grid->addWidget(LabelOrdU7, 0, 0, 1, 4);
    grid->addWidget(OrdnerAnzEnt, 1, 0);
    grid->addWidget(OrdnerAnzEntUpDown, 1, 1, Qt::AlignLeft);
    FinishRulePage(grid, RadioGroupOrdU5);

    auto *column = new QVBoxLayout(SwitchArea);
    column->setContentsMargins(0, 0, 0, 0);
    OrdnerRekursiv = new TCheckBox(SwitchArea, QStringLiteral("OrdnerRekursiv"));
    OrdnerVorschauSB = new TSpeedButton(SwitchArea, QStringLiteral("OrdnerVorschauSB"), 2);
    OrdnerVorschauSB->setAllowAllUp(true);
    column->addWidget(OrdnerRekursiv);
    column->addWidget(OrdnerVorschauSB, 0, Qt::AlignLeft);
    column->addStretch(1);
}
