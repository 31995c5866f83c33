// The folder page (TabSheet04 of Form().PageControl) with its sub-views, and the
// folder-structure editor (Explorer02's page "Ordner"): building and binding.

#include "shell/Haupt.h"

#include "components/Gfvcl.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/TreeView.h"
#include "shell/Haupt_Steuerelemente.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QPushButton *NewButton(QWidget *Parent, const char *Name, QStyle::StandardPixmap Glyph = QStyle::SP_CustomBase)
{
    auto *button = new QPushButton(Parent);
    button->setObjectName(QLatin1String(Name));
    if (Glyph != QStyle::SP_CustomBase)
        button->setIcon(Parent->style()->standardIcon(Glyph));
    return button;
}

// The structure files: name and save, choice and load, creating the structure.
QGridLayout *CreateStructureFiles(THauptForm &f, QWidget *Page)
{
    auto *grid = new QGridLayout;
    f.OrdEdit1 = NewEdit(Page, QStringLiteral("OrdEdit1"));
    f.OrdLabel1 = NewLabel(Page, QStringLiteral("OrdLabel1"), f.OrdEdit1);
    f.OrdStrukturSpeichern = NewButton(Page, "OrdStrukturSpeichern", QStyle::SP_DialogSaveButton);
    f.OrdComboBox1 = new QComboBox(Page);
    f.OrdComboBox1->setObjectName(QStringLiteral("OrdComboBox1"));
    f.OrdComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    f.OrdComboBox1->setMinimumContentsLength(12);
    f.OrdLabel2 = NewLabel(Page, QStringLiteral("OrdLabel2"), f.OrdComboBox1);
    f.OrdStrukturLaden = NewButton(Page, "OrdStrukturLaden", QStyle::SP_DialogOpenButton);
    f.OrdnerStrukturErstellen = NewButton(Page, "OrdnerStrukturErstellen", QStyle::SP_FileDialogNewFolder);
    f.DeleteEmptyFolders = NewButton(Page, "DeleteEmptyFolders", QStyle::SP_TrashIcon);
    grid->addWidget(f.OrdLabel1, 0, 0, 1, 2);
    grid->addWidget(f.OrdEdit1, 1, 0);
    grid->addWidget(f.OrdStrukturSpeichern, 1, 1);
    grid->addWidget(f.OrdLabel2, 2, 0, 1, 2);
    grid->addWidget(f.OrdComboBox1, 3, 0);
    grid->addWidget(f.OrdStrukturLaden, 3, 1);
    grid->addWidget(f.OrdnerStrukturErstellen, 4, 0, 1, 2);
    grid->addWidget(f.DeleteEmptyFolders, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    return grid;
}

// The series: first and second name part, start and end value, padding, example.
QGridLayout *CreateSeries(THauptForm &f, QWidget *Page)
{
    auto *series = new QGridLayout;
    f.OrdName01 = NewEdit(Page, QStringLiteral("OrdName01"), QStringLiteral("Fotos"));
    f.OrdName02 = NewEdit(Page, QStringLiteral("OrdName02"));
    f.OrdStartwert = NewEdit(Page, QStringLiteral("OrdStartwert"));
    f.OrdStartwertUpDown = NewUpDown(Page, QStringLiteral("OrdStartwertUpDown"), f.OrdStartwert, 0, 32767, 0);
    f.OrdEndwert = NewEdit(Page, QStringLiteral("OrdEndwert"));
    f.OrdEndwertUpDown = NewUpDown(Page, QStringLiteral("OrdEndwertUpDown"), f.OrdEndwert, 0, 32767, 0);
    f.OrdLabel4 = NewLabel(Page, QStringLiteral("OrdLabel4"), nullptr);
    QFont bold = f.OrdLabel4->font();
    bold.setBold(true);
    f.OrdLabel4->setFont(bold);
    f.OrdLabel5 = NewLabel(Page, QStringLiteral("OrdLabel5"), f.OrdName01);
    f.OrdLabel6 = NewLabel(Page, QStringLiteral("OrdLabel6"), f.OrdName02);
    f.OrdLabel7 = NewLabel(Page, QStringLiteral("OrdLabel7"), f.OrdStartwert);
    f.OrdLabel8 = NewLabel(Page, QStringLiteral("OrdLabel8"), f.OrdEndwert);
    f.OrdCheckBox1 = new TCheckBox(Page, QStringLiteral("OrdCheckBox1"));
    f.OrdPanel1 = new TPanel(Page, QStringLiteral("OrdPanel1"));
    f.OrdPanel1->setCaption(QStringLiteral("Fotos1...Fotos2"));
    f.OrdPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f.OrdLabel9 = NewLabel(Page, QStringLiteral("OrdLabel9"), nullptr);
    f.OrdnerSerieErstellen = NewButton(Page, "OrdnerSerieErstellen", QStyle::SP_FileDialogNewFolder);
    series->addWidget(f.OrdLabel4, 0, 0, 1, 4);
    series->addWidget(f.OrdLabel5, 1, 0);
    series->addWidget(f.OrdName01, 1, 1);
    series->addWidget(f.OrdLabel6, 1, 2);
    series->addWidget(f.OrdName02, 1, 3);
    auto *startRow = new QHBoxLayout;
    startRow->addWidget(f.OrdStartwert);
    startRow->addWidget(f.OrdStartwertUpDown);
    auto *endRow = new QHBoxLayout;
    endRow->addWidget(f.OrdEndwert);
    endRow->addWidget(f.OrdEndwertUpDown);
    series->addWidget(f.OrdLabel7, 2, 0);
    series->addLayout(startRow, 2, 1);
    series->addWidget(f.OrdLabel8, 2, 2);
    series->addLayout(endRow, 2, 3);
    series->addWidget(f.OrdCheckBox1, 3, 1);
    series->addWidget(f.OrdLabel9, 3, 2);
    series->addWidget(f.OrdPanel1, 3, 3);
    series->addWidget(f.OrdnerSerieErstellen, 4, 1, 1, 3);
    series->setRowStretch(5, 1);
    return series;
}

// Explorer02's page "Ordner": the structure tree beside its buttons, and its pop-up
// with a twin of every button and of the page's save, load and create buttons.
void CreateTreeEditor(THauptForm &f, QWidget *Page)
{
    QStyle *style = Page->style();
    f.OrdnerImageList = {style->standardIcon(QStyle::SP_DirClosedIcon), style->standardIcon(QStyle::SP_DirOpenIcon),
                         style->standardIcon(QStyle::SP_FileDialogNewFolder)};
    auto *row = new QHBoxLayout(Page);
    row->setContentsMargins(0, 0, 0, 0);
    f.OrdTreeView = new TTreeView(Page, QStringLiteral("OrdTreeView"));
    f.OrdTreeView->setImages(f.OrdnerImageList);
    f.OrdTreeView->setIndentation(19);
    f.OrdTreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    row->addWidget(f.OrdTreeView, 1);
    auto *buttons = new QVBoxLayout;
    f.OrdBitBtn01 = NewButton(Page, "OrdBitBtn01", QStyle::SP_DriveHDIcon);
    f.OrdBitBtn02 = NewButton(Page, "OrdBitBtn02", QStyle::SP_FileDialogNewFolder);
    f.OrdBitBtn03 = NewButton(Page, "OrdBitBtn03", QStyle::SP_DialogDiscardButton);
    f.OrdBitBtn04 = NewButton(Page, "OrdBitBtn04", QStyle::SP_FileDialogDetailedView);
    f.OrdBitBtn05 = NewButton(Page, "OrdBitBtn05", QStyle::SP_DialogCancelButton);
    f.OrdBitBtn06 = NewButton(Page, "OrdBitBtn06", QStyle::SP_DialogResetButton);
    for (QPushButton *b : {f.OrdBitBtn01, f.OrdBitBtn02, f.OrdBitBtn03, f.OrdBitBtn04, f.OrdBitBtn05, f.OrdBitBtn06}) {
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 3px 6px"));
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    row->addLayout(buttons);

    f.PopupMenu03 = new QMenu(&f);
    f.PopupMenu03->setObjectName(QStringLiteral("PopupMenu03"));
    const auto item = [&f](const char *Name, QPushButton *Twin) {
        auto *menuItem = new TMenuItem(&f, QLatin1String(Name));
        menuItem->setIcon(Twin->icon());
        f.PopupMenu03->addAction(menuItem);
        return menuItem;
    };
    f.PMenu5_BaumEinlesen = item("PMenu5_BaumEinlesen", f.OrdBitBtn01);
    f.PMenu5_Hinzufuegen = item("PMenu5_Hinzufuegen", f.OrdBitBtn02);
    f.PMenu5_Entfernen = item("PMenu5_Entfernen", f.OrdBitBtn03);
    f.PMenu5_Umbenennen = item("PMenu5_Umbenennen", f.OrdBitBtn04);
    f.PMenu5_Deselektieren = item("PMenu5_Deselektieren", f.OrdBitBtn05);
    f.PMenu5_Loeschen = item("PMenu5_Loeschen", f.OrdBitBtn06);
    f.PopupMenu03->addSeparator();
    f.PMenu5_Speichern = item("PMenu5_Speichern", f.OrdStrukturSpeichern);
    f.PMenu5_Laden = item("PMenu5_Laden", f.OrdStrukturLaden);
    f.PMenu5_Ordnererstellen = item("PMenu5_Ordnererstellen", f.OrdnerStrukturErstellen);
}

// The buttons of the page and the tree editor and their twins in the pop-up.
void BindFolderPage(THauptForm &f)
{
    THauptForm *form = &f;
    const std::pair<std::pair<QPushButton *, TMenuItem *>, void (THauptOrdner::*)()> clicks[] = {
        {{f.OrdBitBtn01, f.PMenu5_BaumEinlesen}, &THauptOrdner::OrdBitBtn01Click},
        {{f.OrdBitBtn02, f.PMenu5_Hinzufuegen}, &THauptOrdner::OrdBitBtn02Click},
        {{f.OrdBitBtn03, f.PMenu5_Entfernen}, &THauptOrdner::OrdBitBtn03Click},
        {{f.OrdBitBtn04, f.PMenu5_Umbenennen}, &THauptOrdner::OrdBitBtn04Click},
        {{f.OrdBitBtn05, f.PMenu5_Deselektieren}, &THauptOrdner::OrdBitBtn05Click},
        {{f.OrdBitBtn06, f.PMenu5_Loeschen}, &THauptOrdner::OrdBitBtn06Click},
        {{f.OrdStrukturSpeichern, f.PMenu5_Speichern}, &THauptOrdner::OrdStrukturSpeichernClick},
        {{f.OrdStrukturLaden, f.PMenu5_Laden}, &THauptOrdner::OrdStrukturLadenClick},
        {{f.OrdnerStrukturErstellen, f.PMenu5_Ordnererstellen}, &THauptOrdner::OrdnerStrukturErstellenClick},
        {{f.OrdnerSerieErstellen, nullptr}, &THauptOrdner::OrdnerSerieErstellenClick},
        {{f.DeleteEmptyFolders, nullptr}, &THauptOrdner::DeleteEmptyFoldersClick},
    };
    for (const auto &[controls, handler] : clicks) {
        QObject::connect(controls.first, &QPushButton::clicked, form, Guarded(form, handler));
        if (controls.second)
            QObject::connect(controls.second, &QAction::triggered, form, Guarded(form, handler));
    }
    QObject::connect(f.OrdTreeView, &QWidget::customContextMenuRequested, form, [form](const QPoint &at) {
        form->PopupMenu03->popup(form->OrdTreeView->viewport()->mapToGlobal(at));
    });
    for (TSpeedButton *b : {f.Ordnerbaeume, f.OrdnerUmbenennen})
        QObject::connect(b, &TSpeedButton::OnClick, form, Guarded(form, &THauptOrdner::OrdnerAnsichtWechsel));
    HookClick(f.OrdnerZielverzeichnis, Guarded(form, &THauptOrdner::OrdnerZielverzeichnisClick));
    QObject::connect(f.OrdStartwertUpDown, &TUpDown::OnClick, form, Guarded(form, &THauptOrdner::OrdStartwertUpDownClick));
    QObject::connect(f.OrdEndwertUpDown, &TUpDown::OnClick, form, Guarded(form, &THauptOrdner::OrdEndwertUpDownClick));
    QObject::connect(f.OrdName01, &TEdit::OnChange, form, Guarded(form, &THauptOrdner::OrdName01Change));
    QObject::connect(f.OrdName02, &TEdit::OnChange, form, Guarded(form, &THauptOrdner::OrdName02Change));
    QObject::connect(f.OrdCheckBox1, &TCheckBox::OnClick, form, Guarded(form, &THauptOrdner::OrdCheckBox1Click));
    HookKeyPress(f, f.OrdStartwert, &THauptOrdner::OrdStartwertKeyPress);
    HookKeyPress(f, f.OrdEndwert, &THauptOrdner::OrdEndwertKeyPress);

    // The folder rename sub-view: rule switch, preview, and its fields refreshing a shown preview.
    QObject::connect(f.OrdnerVorschauSB, &TSpeedButton::OnClick, form, Guarded(form, &THauptOrdner::OrdnerVorschauSBClick));
    QObject::connect(f.RadioGroupOrdU1, &TRadioGroup::OnClick, form, Guarded(form, &THauptOrdner::RadioGroupOrdU1Click));
    const auto refresh = [form] { RunGuarded([form] { form->RefreshPreview(); }); };
    for (TRadioGroup *g : {f.RadioGroupOrdU2, f.RadioGroupOrdU3, f.RadioGroupOrdU4, f.RadioGroupOrdU5})
        QObject::connect(g, &TRadioGroup::OnClick, form, refresh);
    for (TEdit *e : {f.EditOrdU1, f.EditOrdU2, f.EditOrdU3})
        QObject::connect(e, &TEdit::OnChange, form, refresh);
    for (TUpDown *u : {f.OrdnerZKPositionUpDown, f.OrdnerZKEntUpDown, f.OrdnerZKPosition02UpDown, f.OrdnerAnzEntUpDown})
        QObject::connect(u, &TUpDown::OnClick, form, refresh);
    QObject::connect(f.OrdnerRekursiv, &TCheckBox::OnClick, form, refresh);
}

} // namespace

void THauptOrdner::CreateFolderPage()
{
    THauptForm &f = Form();
    auto *page = new QWidget(f.PageControl);
    page->setObjectName(QStringLiteral("TabSheet04"));
    f.TabSheet04 = page;
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 4, 0);

    // The sub-view buttons on their gradient.
    OrdnerGradientFill01 = TGradientFill::WhiteToSilver(page, QStringLiteral("OrdnerGradientFill01"), fdLeftToRight);
    auto *subViews = new QVBoxLayout(OrdnerGradientFill01);
    Ordnerbaeume = new TSpeedButton(OrdnerGradientFill01, QStringLiteral("Ordnerbaeume"), 1);
    OrdnerUmbenennen = new TSpeedButton(OrdnerGradientFill01, QStringLiteral("OrdnerUmbenennen"), 1);
    for (TSpeedButton *b : {Ordnerbaeume, OrdnerUmbenennen}) {
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        subViews->addWidget(b);
    }
    Ordnerbaeume->setIcon(page->style()->standardIcon(QStyle::SP_DirIcon));
    OrdnerUmbenennen->setIcon(page->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    Ordnerbaeume->setDown(true);
    subViews->addStretch(1);
    OrdnerImage01 = new QLabel(OrdnerGradientFill01);
    OrdnerImage01->setObjectName(QStringLiteral("OrdnerImage01"));
    OrdnerImage01->setPixmap(page->style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(48, 48));
    subViews->addWidget(OrdnerImage01, 0, Qt::AlignHCenter);
    layout->addWidget(OrdnerGradientFill01);

    // The sub-views.
    OrdnerNB01 = new QStackedWidget(page);
    OrdnerNB01->setObjectName(QStringLiteral("OrdnerNB01"));
    QWidget *trees = NamedPage(OrdnerNB01, QStringLiteral("Ordnerbaeume"));
    auto *treesRow = new QHBoxLayout(trees);
    treesRow->setContentsMargins(0, 0, 0, 0);
    treesRow->addLayout(CreateStructureFiles(f, trees), 2);
    treesRow->addSpacing(12);
    treesRow->addLayout(CreateSeries(f, trees), 3);
    QWidget *renameView = NamedPage(OrdnerNB01, QStringLiteral("OrdnerUmbenennen"));
    layout->addWidget(OrdnerNB01, 1);

    // The target folder.
    auto *column = new QVBoxLayout;
    OrdnerZielverzeichnis = NewEdit(page, QStringLiteral("OrdnerZielverzeichnis"));
    OrdnerZielverzeichnis->setReadOnly(true);
    OrdnerLabel01 = NewLabel(page, QStringLiteral("OrdnerLabel01"), OrdnerZielverzeichnis);
    column->addWidget(OrdnerLabel01);
    column->addWidget(OrdnerZielverzeichnis);
    auto *renameSwitches = new QWidget(page);
    column->addWidget(renameSwitches);
    f.CreateFolderRenameView(renameView, renameSwitches);
    f.OrdnerRekursiv->hide(); // the folder-trees sub-view comes first
    f.OrdnerVorschauSB->hide();
    column->addStretch(1);
    layout->addLayout(column, 1);
    InsertPageInOrder(f.PageControl, page);

    CreateTreeEditor(f, EnsurePage(f.Explorer02, 4, QStringLiteral("Ordner")));
    BindFolderPage(f);
}

THauptForm &THauptOrdner::Form()
{
    return static_cast<THauptForm &>(*this);
}

const THauptForm &THauptOrdner::Form() const
{
    return static_cast<const THauptForm &>(*this);
}
