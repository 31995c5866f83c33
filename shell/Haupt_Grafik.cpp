// The graphics page (page 4 of Form().PageControl) and its handlers.

#include "shell/Haupt.h"

#include "components/Gfvcl.h"
#include "localisation/fktSprache.h"
#include "localisation/fktSprache_Captions.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "operations/fktIcons.h"
#include "operations/fktJPEGs.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/EventHook.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt_Steuerelemente.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int SpeedButtonGroup = 4;

// The texts come from the window's text table (ApplyLanguageCaptions); a builder sets
// none, except the items of a radio group, which its size needs at once.
template <typename Control> Control *New(QWidget *Parent, const char *Name)
{
    auto *control = new Control(Parent);
    control->setObjectName(QLatin1String(Name));
    return control;
}

QLabel *NewValue(QWidget *Parent, const char *Name)
{
    auto *label = New<QLabel>(Parent, Name);
    label->setText(QStringLiteral("0"));
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    return label;
}

QProgressBar *NewProgressBar(QWidget *Parent, const char *Name)
{
    auto *bar = New<QProgressBar>(Parent, Name);
    bar->setRange(0, 1); // an empty range would show the busy animation
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setFixedHeight(16);
    return bar;
}

TRadioGroup *NewGroup(QWidget *Parent, const char *Name)
{
    auto *group = new TRadioGroup(Parent, QLatin1String(Name));
    ApplyMainWindowTexts(group);
    group->setItemIndex(0);
    return group;
}

// A page of GrafikNB02: its background widget, which the page's mouse handler watches.
QWidget *NewBackground(QStackedWidget *Notebook, const char *Name)
{
    QWidget *fill = TGradientFill::WhiteToSilver(Notebook, QLatin1String(Name), fdTopToBottom);
    fill->setMouseTracking(true);
    Notebook->addWidget(fill);
    return fill;
}

QLabel *NewTitle(QWidget *Parent, const char *Name)
{
    auto *label = New<QLabel>(Parent, Name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// One row of a tool's counters: its caption and its number.
struct CounterRow {
    QLabel *&Caption;
    const char *CaptionName;
    QLabel *&Value;
    const char *ValueName;
};

// The counters of a tool, one row each, with the progress bar below them.
QGridLayout *NewCounters(QWidget *Parent, std::initializer_list<CounterRow> Rows, QProgressBar *&Bar, const char *BarName)
{
    auto *grid = new QGridLayout;
    for (const CounterRow &r : Rows) {
        r.Caption = New<QLabel>(Parent, r.CaptionName);
        r.Value = NewValue(Parent, r.ValueName);
        const int row = grid->rowCount();
        grid->addWidget(r.Caption, row, 0);
        grid->addWidget(r.Value, row, 1, Qt::AlignRight);
    }
    Bar = NewProgressBar(Parent, BarName);
    grid->addWidget(Bar, grid->rowCount(), 0, 1, 2);
    grid->setRowStretch(grid->rowCount(), 1);
    return grid;
}

// A column of push buttons, from the top.
struct NamedButton {
    QPushButton *&Button;
    const char *Name;
};
QVBoxLayout *NewButtons(QWidget *Parent, std::initializer_list<NamedButton> Buttons)
{
    auto *column = new QVBoxLayout;
    for (const NamedButton &b : Buttons) {
        b.Button = New<QPushButton>(Parent, b.Name);
        column->addWidget(b.Button);
    }
    column->addStretch(1);
    return column;
}

} // namespace

void THauptGrafik::CreateGraphicsPage()
{
    THauptForm &f = Form();
    QWidget *page = f.PageControl->findChild<QWidget *>(QStringLiteral("TabSheet05"));
    if (!page) {
        page = New<QWidget>(f.PageControl, "TabSheet05");
        InsertPageInOrder(f.PageControl, page);
    }
    f.TabSheet05 = page;
    auto *row = new QHBoxLayout(page);

    auto *switches = new QVBoxLayout;
    GrafikSB01 = new TSpeedButton(page, QStringLiteral("GrafikSB01"), SpeedButtonGroup);
    GrafikSB02 = new TSpeedButton(page, QStringLiteral("GrafikSB02"), SpeedButtonGroup);
    switches->addWidget(GrafikSB01);
    switches->addWidget(GrafikSB02);
    switches->addStretch(1);
    row->addLayout(switches);

    GrafikNB01 = New<QStackedWidget>(page, "GrafikNB01");
    auto *icons = New<QWidget>(GrafikNB01, "Icons");
    GrafikNB01->addWidget(icons);
    auto *jpegs = New<QWidget>(GrafikNB01, "JPEGs");
    GrafikNB01->addWidget(jpegs);
    row->addWidget(GrafikNB01, 1);

    auto *jpegColumn = new QVBoxLayout(jpegs);
    jpegColumn->setContentsMargins(0, 0, 0, 0);
    jpegColumn->setSpacing(0);
    GrafikPageControl01 = New<QTabWidget>(jpegs, "GrafikPageControl01");
    GrafikTabSheet01 = New<QWidget>(GrafikPageControl01, "GrafikTabSheet01");
    GrafikTabSheet02 = New<QWidget>(GrafikPageControl01, "GrafikTabSheet02");
    GrafikPageControl01->addTab(GrafikTabSheet01, QString());
    GrafikPageControl01->addTab(GrafikTabSheet02, QString());
    GrafikPageControl01->setFixedHeight(GrafikPageControl01->tabBar()->sizeHint().height());
    GrafikNB02 = New<QStackedWidget>(jpegs, "GrafikNB02");
    jpegColumn->addWidget(GrafikPageControl01);
    jpegColumn->addWidget(GrafikNB02, 1);

    // The icons page: the tiles | the buttons.
    {
        auto *layout = new QHBoxLayout(icons);
        ScrollBoxIcons = New<QScrollArea>(icons, "ScrollBoxIcons");
        ScrollBoxIcons->setFixedSize(295, 165);
        auto *tiles = New<QWidget>(ScrollBoxIcons, "ScrollBoxIconsTiles");
        tiles->resize(IconRowWidth, 2);
        ScrollBoxIcons->setWidget(tiles);
        layout->addWidget(ScrollBoxIcons, 0, Qt::AlignTop);
        layout->addLayout(NewButtons(icons, {{GrafikBitBtn01, "GrafikBitBtn01"},
                                             {GrafikBitBtn02, "GrafikBitBtn02"},
                                             {GrafikBitBtn03, "GrafikBitBtn03"}}));
        layout->addStretch(1);
    }

    // The search page: title, counters and progress | copy or move | buttons.
    GrafikGradientFill01 = NewBackground(GrafikNB02, "GrafikGradientFill01");
    {
        QWidget *p = GrafikGradientFill01;
        auto *layout = new QGridLayout(p);
        Label_DDS03 = NewTitle(p, "Label_DDS03");
        layout->addWidget(Label_DDS03, 0, 0, 1, 3);
        layout->addLayout(NewCounters(p,
                                      {{Label_DDS04, "Label_DDS04", Label_DDS05, "Label_DDS05"},
                                       {Label_DDS06, "Label_DDS06", Label_DDS07, "Label_DDS07"},
                                       {Label_DDS01, "Label_DDS01", Label_DDS02, "Label_DDS02"}},
                                      ProgressBar_DDS01, "ProgressBar_DDS01"),
                          1, 0);
        RadioGroup_DDS01 = NewGroup(p, "RadioGroup_DDS01");
        layout->addWidget(RadioGroup_DDS01, 1, 1, Qt::AlignTop);
        layout->addLayout(NewButtons(p, {{BitBtn_DDS01, "BitBtn_DDS01"},
                                         {BitBtn_DDS02, "BitBtn_DDS02"},
                                         {BitBtn_DDS03, "BitBtn_DDS03"}}),
                          1, 2);
        layout->setColumnStretch(0, 1);
    }

    // The reduction page: title, steps and options | counters and progress | buttons.
    GrafikGradientFill02 = NewBackground(GrafikNB02, "GrafikGradientFill02");
    {
        QWidget *p = GrafikGradientFill02;
        auto *layout = new QGridLayout(p);
        Label_DV04 = NewTitle(p, "Label_DV04");
        layout->addWidget(Label_DV04, 0, 0, 1, 3);
        auto *steps = new QVBoxLayout;
        CheckBox_DV02 = new TCheckBox(p, QStringLiteral("CheckBox_DV02"));
        CheckBox_DV03 = new TCheckBox(p, QStringLiteral("CheckBox_DV03"));
        CheckBox_DV04 = new TCheckBox(p, QStringLiteral("CheckBox_DV04"));
        for (TCheckBox *box : {CheckBox_DV02, CheckBox_DV03, CheckBox_DV04})
            steps->addWidget(box);
        RadioGroup_DV01 = NewGroup(p, "RadioGroup_DV01");
        steps->addWidget(RadioGroup_DV01);
        steps->addStretch(1);
        layout->addLayout(steps, 1, 0);
        layout->addLayout(NewCounters(p,
                                      {{Label_DV05, "Label_DV05", Label_DV06, "Label_DV06"},
                                       {Label_DV07, "Label_DV07", Label_DV08, "Label_DV08"},
                                       {Label_DV02, "Label_DV02", Label_DV03, "Label_DV03"}},
                                      ProgressBar_DV01, "ProgressBar_DV01"),
                          1, 1);
        layout->addLayout(NewButtons(p, {{BitBtn_DV01, "BitBtn_DV01"}, {BitBtn_DV02, "BitBtn_DV02"}}), 1, 2);
        layout->setColumnStretch(1, 1);
    }

    // Source and target, shared by the icons and the JPEG tools.
    auto *shared = new QVBoxLayout;
    GrafikRekursiv = new TCheckBox(page, QStringLiteral("GrafikRekursiv"));
    GrafikZielverzeichnis = new TEdit(page, QStringLiteral("GrafikZielverzeichnis"));
    GrafikZielverzeichnis->setReadOnly(true);
    GrafikZielverzeichnis->setMinimumWidth(GrafikZielverzeichnis->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
    GrafikLabel01 = New<QLabel>(page, "GrafikLabel01");
    GrafikLabel01->setBuddy(GrafikZielverzeichnis);
    shared->addWidget(GrafikRekursiv);
    shared->addSpacing(8);
    shared->addWidget(GrafikLabel01);
    shared->addWidget(GrafikZielverzeichnis);
    shared->addStretch(1);
    row->addLayout(shared);

    GrafikSB02->setDown(true);
    GrafikNB01->setCurrentIndex(1);
    GrafikNB02->setCurrentIndex(0);

    const auto bind = [&f](auto *sender, auto signal, void (THauptGrafik::*handler)()) {
        QObject::connect(sender, signal, &f, Guarded(&f, handler));
    };
    bind(GrafikSB01, &TSpeedButton::OnClick, &THauptGrafik::GrafikSB01Click);
    bind(GrafikSB02, &TSpeedButton::OnClick, &THauptGrafik::GrafikSB02Click);
    bind(GrafikPageControl01, &QTabWidget::currentChanged, &THauptGrafik::GrafikPageControl01Change);
    bind(GrafikBitBtn01, &QPushButton::clicked, &THauptGrafik::GrafikBitBtn01Click);
    bind(GrafikBitBtn02, &QPushButton::clicked, &THauptGrafik::GrafikBitBtn02Click);
    bind(GrafikBitBtn03, &QPushButton::clicked, &THauptGrafik::GrafikBitBtn03Click);
    bind(BitBtn_DDS01, &QPushButton::clicked, &THauptGrafik::BitBtn_DDS01Click);
    bind(BitBtn_DDS02, &QPushButton::clicked, &THauptGrafik::BitBtn_DDS02Click);
    bind(BitBtn_DDS03, &QPushButton::clicked, &THauptGrafik::BitBtn_DDS03Click);
    bind(BitBtn_DV01, &QPushButton::clicked, &THauptGrafik::BitBtn_DV01Click);
    bind(BitBtn_DV02, &QPushButton::clicked, &THauptGrafik::BitBtn_DV02Click);
    OnMouseMove(f, BitBtn_DDS02, &THauptGrafik::BitBtn_DDS02MouseMove);
    OnMouseMove(f, GrafikGradientFill01, &THauptGrafik::GrafikGradientFill01MouseMove);
    OnMouseMove(f, BitBtn_DV02, &THauptGrafik::BitBtn_DV02MouseMove);
    OnMouseMove(f, GrafikGradientFill02, &THauptGrafik::GrafikGradientFill02MouseMove);
    // A click into the read-only target folder field opens the folder dialog.
    THauptForm *form = &f;
    new EventHook(GrafikZielverzeichnis, [form](QEvent *event) {
        if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            form->GrafikZielverzeichnisClick();
        return false;
    });
}

// ---- Handlers ----

void THauptGrafik::GrafikSB01Click()
{
    GrafikNB01->setCurrentIndex(0);
}

void THauptGrafik::GrafikSB02Click()
{
    GrafikNB01->setCurrentIndex(1);
}

void THauptGrafik::GrafikPageControl01Change()
{
    GrafikNB02->setCurrentIndex(GrafikPageControl01->currentIndex());
}

void THauptGrafik::GrafikZielverzeichnisClick()
{
    if (BatchGuard::Running())
        return; // not while a run uses the target
    // The dialog opens at the nearest existing folder; Abort leaves the field as it was.
    QString folder = GrafikZielverzeichnis->Text();
    if (SelectDirectory(folder, LoadLangString(9100), LoadLangString(9101), LanguageName()) != mrAbort)
        GrafikZielverzeichnis->setText(folder);
}

void THauptGrafik::GrafikBitBtn01Click()
{
    ExtractIconsOfFiles();
}

void THauptGrafik::GrafikBitBtn02Click()
{
    SaveIconsAsIco();
}

void THauptGrafik::GrafikBitBtn03Click()
{
    SaveIconsAsBmp();
}

void THauptGrafik::BitBtn_DDS01Click()
{
    SearchDefectiveJpegs();
}

void THauptGrafik::BitBtn_DDS02Click()
{
    BitBtn_DDS02Tag = 0;
    JpegAbortFlag = 1;
}

void THauptGrafik::BitBtn_DDS03Click()
{
    if (!DefectFolder.isEmpty() && fs::isFolder(DefectFolder))
        Form().ShellTreeView01->setPath(DefectFolder);
}

void THauptGrafik::BitBtn_DV01Click()
{
    ReduceJpegFiles();
}

void THauptGrafik::BitBtn_DV02Click()
{
    BitBtn_DV02Tag = 0;
    JpegAbortFlag = 1;
}

namespace {

void CancelButtonEntered(int &Tag)
{
    if (HourglassCursor::Shown()) {
        QApplication::changeOverrideCursor(Qt::ArrowCursor);
        Tag = 1;
    }
}

void BackgroundEntered(int &Tag)
{
    if (Tag == 1 && QApplication::overrideCursor()) {
        QApplication::changeOverrideCursor(Qt::WaitCursor);
        Tag = 0;
    }
}

} // namespace

void THauptGrafik::BitBtn_DDS02MouseMove()
{
    CancelButtonEntered(BitBtn_DDS02Tag);
}

void THauptGrafik::GrafikGradientFill01MouseMove()
{
    BackgroundEntered(BitBtn_DDS02Tag);
}

void THauptGrafik::BitBtn_DV02MouseMove()
{
    CancelButtonEntered(BitBtn_DV02Tag);
}

void THauptGrafik::GrafikGradientFill02MouseMove()
{
    BackgroundEntered(BitBtn_DV02Tag);
}

THauptForm &THauptGrafik::Form()
{
    return static_cast<THauptForm &>(*this);
}
