#include "shell/frmOptionen.h"

#include "components/Gfvcl.h"
#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "operations/fktAttribute.h"
#include "platform/Application.h"
#include "platform/Environment.h"
#include "platform/dialogs/ModalSeam.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/ColorBox.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"
#include "shell/frmThumbHint.h"
#include "shell/Texturen.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TOptionenF *OptionenF = nullptr;

namespace {

constexpr QSize PreviewSize(150, 36);

template <typename W> W *Named(W *Widget, const QString &Name)
{
    Widget->setObjectName(Name);
    return Widget;
}

QLabel *NewLabel(QWidget *Parent, const char *Name)
{
    return Named(new QLabel(Parent), QString::fromLatin1(Name));
}

QToolButton *FolderButton(QWidget *Parent, const QString &Name)
{
    auto *button = Named(new QToolButton(Parent), Name);
    button->setText(QStringLiteral("..."));
    return button;
}

// A field's folder as stored: empty stays empty; text that is not absolute is taken
// below the home folder ("~" is the home folder); always with a trailing "/".
QString FolderFromField(const QString &Text)
{
    if (Text.isEmpty())
        return {};
    QString folder = Text;
    if (folder == u"~" || folder.startsWith(u"~/"))
        folder = HomeFolder() + folder.mid(folder.size() > 1 ? 2 : 1);
    else if (!folder.startsWith(u'/'))
        folder = HomeFolder() + folder;
    return AddTrailingBackslash(folder);
}

// The lines of a memo; an empty memo has none.
QStringList MemoLines(const QPlainTextEdit *Memo)
{
    const QString text = Memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

// Texture setting of a choice: 0 no background, 1 to 5 built-in, 6 own picture.
void TakeTextureChoice(const TTextureChoice &Choice, std::uint8_t &Texture, std::uint8_t &Background,
                       int &FontColor)
{
    const int checked = std::max(Choice.Checked(), 0);
    Texture = std::uint8_t(checked);
    Background = checked != 0;
    if (checked == 6)
        FontColor = Choice.ColorBox01->Selected();
}

void ShowTextureChoice(const TTextureChoice &Choice, int Texture, const QString &Path, int FontColor)
{
    for (size_t i = 0; i < Choice.RadioButton.size(); ++i)
        Choice.RadioButton[i]->setChecked(int(i) == Texture);
    if (Texture < 0 || Texture > 6) { // no button for it: none checked
        for (QRadioButton *button : Choice.RadioButton) {
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    }
    Choice.Edit01->setText(Path);
    Choice.Edit01->setToolTip(Path);
    Choice.ColorBox01->setSelected(FontColor);
    Choice.ScrollBox->verticalScrollBar()->setValue(0);
}

} // namespace

int TTextureChoice::Checked() const
{
    for (size_t i = 0; i < RadioButton.size(); ++i)
        if (RadioButton[i]->isChecked())
            return int(i);
    return -1;
}

TOptionenF::TOptionenF(QWidget *parent) : QDialog(parent)
{
    OptionenF = this;
    setObjectName(QStringLiteral("OptionenF"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_QuitOnClose, false); // closing it never ends the program

    auto *frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->setSizeConstraint(QLayout::SetFixedSize); // a fixed border
    OptionenPageControl = Named(new QTabWidget(this), QStringLiteral("OptionenPageControl"));
    auto *pages = new QWidget(this);
    auto *pagesLayout = new QVBoxLayout(pages);
    pagesLayout->setContentsMargins(6, 6, 6, 6);
    pagesLayout->addWidget(OptionenPageControl);
    frame->addWidget(pages);
    BuildBasePage();
    BuildSurfacePage();
    BuildPluginPage();

    OptionenGradientFill01 = TGradientFill::WhiteToSilver(this, QStringLiteral("OptionenGradientFill01"), fdLeftToRight);
    auto *buttons = new QHBoxLayout(OptionenGradientFill01);
    buttons->setContentsMargins(10, 8, 10, 8);
    buttons->addStretch();
    BitBtn1 = Named(new QPushButton(OptionenGradientFill01), QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumWidth(110);
    BitBtn2 = Named(new QPushButton(OptionenGradientFill01), QStringLiteral("BitBtn2"));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn2->setMinimumWidth(110);
    buttons->addWidget(BitBtn1);
    buttons->addSpacing(12);
    buttons->addWidget(BitBtn2);
    frame->addWidget(OptionenGradientFill01);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { RunGuarded([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { RunGuarded([this] { BitBtn2Click(); }); });

    FormCreate();
}

TOptionenF::~TOptionenF()
{
    if (OptionenF == this)
        OptionenF = nullptr;
}

void TOptionenF::BuildBasePage()
{
    TabSheet1 = Named(new QWidget, QStringLiteral("TabSheet1"));
    OptionenPageControl->addTab(TabSheet1, QString());
    auto *grid = new QGridLayout(TabSheet1);

    // Left column: folders, log name, start value, context entry.
    auto *left = new QVBoxLayout;
    const auto folderRow = [&](QLabel *&Label, const char *LabelName, TEdit *&Edit, const char *EditName,
                               QToolButton **Button, const char *ButtonName) {
        Label = NewLabel(TabSheet1, LabelName);
        Edit = new TEdit(TabSheet1, QString::fromLatin1(EditName));
        Edit->setMinimumWidth(260);
        Label->setBuddy(Edit);
        left->addWidget(Label);
        auto *row = new QHBoxLayout;
        row->addWidget(Edit);
        if (Button) {
            *Button = FolderButton(TabSheet1, QString::fromLatin1(ButtonName));
            row->addWidget(*Button);
        }
        left->addLayout(row);
    };
    folderRow(Label01, "Label01", Edit01, "Edit01", &SpeedButton01, "SpeedButton01");
    folderRow(Label02, "Label02", Edit02, "Edit02", &SpeedButton02, "SpeedButton02");
    folderRow(Label03, "Label03", Edit03, "Edit03", &SpeedButton03, "SpeedButton03");
    folderRow(Label04, "Label04", Edit04, "Edit04", nullptr, nullptr);
    folderRow(Label05, "Label05", EditStartWert, "EditStartWert", nullptr, nullptr);
    // Digits only, typed or pasted (EditStartWertKeyPress).
    EditStartWert->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")),
                                                                EditStartWert));
    left->addSpacing(8);
    KontextMenuCB = new TCheckBox(TabSheet1, QStringLiteral("KontextMenuCB"));
    left->addWidget(KontextMenuCB);
    left->addStretch();
    grid->addLayout(left, 0, 0, 2, 1);

    // Right column: date and time formats, own extensions and filters.
    auto *groups = new QHBoxLayout;
    OptRadioGroup1 = new TRadioGroup(TabSheet1, QStringLiteral("OptRadioGroup1"));
    OptRadioGroup2 = new TRadioGroup(TabSheet1, QStringLiteral("OptRadioGroup2"));
    groups->addWidget(OptRadioGroup1);
    groups->addWidget(OptRadioGroup2);
    grid->addLayout(groups, 0, 1);
    auto *memos = new QGridLayout;
    Label06 = NewLabel(TabSheet1, "Label06");
    Label07 = NewLabel(TabSheet1, "Label07");
    OptMemo1 = Named(new QPlainTextEdit(TabSheet1), QStringLiteral("OptMemo1"));
    OptMemo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    OptMemo2 = Named(new QPlainTextEdit(TabSheet1), QStringLiteral("OptMemo2"));
    for (QPlainTextEdit *memo : {OptMemo1, OptMemo2}) {
        memo->setMinimumSize(170, 150);
        memo->setTabChangesFocus(true);
    }
    Label06->setBuddy(OptMemo1);
    Label07->setBuddy(OptMemo2);
    memos->addWidget(Label06, 0, 0);
    memos->addWidget(Label07, 0, 1);
    memos->addWidget(OptMemo1, 1, 0);
    memos->addWidget(OptMemo2, 1, 1);
    grid->addLayout(memos, 1, 1);

    connect(SpeedButton01, &QToolButton::clicked, this, [this] { RunGuarded([this] { SpeedButton01Click(); }); });
    connect(SpeedButton02, &QToolButton::clicked, this, [this] { RunGuarded([this] { SpeedButton02Click(); }); });
    connect(SpeedButton03, &QToolButton::clicked, this, [this] { RunGuarded([this] { SpeedButton03Click(); }); });
    connect(KontextMenuCB, &TCheckBox::OnClick, this, [this] { RunGuarded([this] { KontextMenuCBClick(); }); });
}

void TOptionenF::BuildSurfacePage()
{
    TabSheet2 = Named(new QWidget, QStringLiteral("TabSheet2"));
    OptionenPageControl->addTab(TabSheet2, QString());
    auto *grid = new QGridLayout(TabSheet2);

    auto *top = new QHBoxLayout;
    RGOrdnerFuellstand = new TRadioGroup(TabSheet2, QStringLiteral("RGOrdnerFuellstand"));
    top->addWidget(RGOrdnerFuellstand);

    auto *thumbs = new QGridLayout;
    Label08 = NewLabel(TabSheet2, "Label08");
    PopUpThumbLinks = new TCheckBox(TabSheet2, QStringLiteral("PopUpThumbLinks"));
    PopUpThumbRechts = new TCheckBox(TabSheet2, QStringLiteral("PopUpThumbRechts"));
    Label09 = NewLabel(TabSheet2, "Label09");
    ThumbHintGroesse = new TEdit(TabSheet2, QStringLiteral("ThumbHintGroesse"));
    ThumbHintGroesse->setReadOnly(true);
    ThumbHintGroesse->setMaximumWidth(60);
    ThumbHintUpDown = new TUpDown(TabSheet2, QStringLiteral("ThumbHintUpDown"));
    ThumbHintUpDown->setRange(50, 500);
    ThumbHintUpDown->setAssociate(ThumbHintGroesse);
    thumbs->addWidget(Label08, 0, 0);
    thumbs->addWidget(PopUpThumbLinks, 0, 1);
    thumbs->addWidget(PopUpThumbRechts, 0, 2);
    thumbs->addWidget(Label09, 1, 0);
    auto *size = new QHBoxLayout;
    size->setSpacing(0);
    size->addWidget(ThumbHintGroesse);
    size->addWidget(ThumbHintUpDown);
    size->addStretch();
    thumbs->addLayout(size, 1, 1, 1, 2);

    OptionenTrackBar01 = Named(new QSlider(Qt::Horizontal, TabSheet2), QStringLiteral("OptionenTrackBar01"));
    OptionenTrackBar01->setRange(0, 255);
    OptionenTrackBar01->setTickInterval(5);
    OptionenTrackBar01->setTickPosition(QSlider::TicksBelow);
    Label10 = NewLabel(TabSheet2, "Label10");
    Label11 = NewLabel(TabSheet2, "Label11");
    Label12 = NewLabel(TabSheet2, "Label12");
    thumbs->addWidget(OptionenTrackBar01, 2, 0, 1, 3);
    // Transparent at 0, opaque at 255.
    auto *scale = new QHBoxLayout;
    scale->addWidget(Label11);
    scale->addStretch();
    scale->addWidget(Label10);
    scale->addStretch();
    scale->addWidget(Label12);
    thumbs->addLayout(scale, 3, 0, 1, 3);
    top->addLayout(thumbs);

    auto *checks = new QVBoxLayout;
    CBVersteckt = new TCheckBox(TabSheet2, QStringLiteral("CBVersteckt"));
    CBBildschirmEinstellungen = new TCheckBox(TabSheet2, QStringLiteral("CBBildschirmEinstellungen"));
    checks->addWidget(CBVersteckt);
    checks->addWidget(CBBildschirmEinstellungen);
    checks->addStretch();
    top->addLayout(checks);
    grid->addLayout(top, 0, 0, 1, 2);

    Label13 = NewLabel(TabSheet2, "Label13");
    Label14 = NewLabel(TabSheet2, "Label14");
    grid->addWidget(Label13, 1, 0);
    grid->addWidget(Label14, 1, 1);
    BuildTextureChoice(HL, TabSheet2, QStringLiteral("HL"));
    BuildTextureChoice(HR, TabSheet2, QStringLiteral("HR"));
    grid->addWidget(HL.ScrollBox, 2, 0);
    grid->addWidget(HR.ScrollBox, 2, 1);

    connect(HL.SpeedButton01, &QToolButton::clicked, this,
            [this] { RunGuarded([this] { HL_SpeedButton01Click(); }); });
    connect(HR.SpeedButton01, &QToolButton::clicked, this,
            [this] { RunGuarded([this] { HR_SpeedButton01Click(); }); });
}

void TOptionenF::BuildTextureChoice(TTextureChoice &Choice, QWidget *Page, const QString &Prefix)
{
    Choice.ScrollBox = Named(new QScrollArea(Page), QStringLiteral("ScrollBox") + Prefix);
    Choice.ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Choice.ScrollBox->setWidgetResizable(true);
    auto *box = new QWidget;
    auto *column = new QVBoxLayout(box);
    const QString name = Prefix + QStringLiteral("_");
    for (size_t i = 0; i < Choice.RadioButton.size(); ++i) {
        Choice.RadioButton[i] = Named(new QRadioButton(box), name + QStringLiteral("RadioButton0%1").arg(i + 1));
        column->addWidget(Choice.RadioButton[i]);
        if (i >= 1 && i <= 5) {
            QLabel *image = Named(new QLabel(box), name + QStringLiteral("Image0%1").arg(i));
            image->setFixedSize(PreviewSize);
            image->setFrameStyle(QFrame::Box | QFrame::Plain);
            Choice.Image[i - 1] = image;
            auto *row = new QHBoxLayout;
            row->setContentsMargins(20, 0, 0, 4);
            row->addWidget(image);
            row->addStretch();
            column->addLayout(row);
        }
    }
    auto *own = new QHBoxLayout;
    own->setContentsMargins(20, 0, 0, 0);
    Choice.Edit01 = new TEdit(box, name + QStringLiteral("Edit01"));
    Choice.Edit01->setReadOnly(true); // the picture button fills it
    Choice.SpeedButton01 = FolderButton(box, name + QStringLiteral("SpeedButton01"));
    own->addWidget(Choice.Edit01);
    own->addWidget(Choice.SpeedButton01);
    column->addLayout(own);
    auto *colour = new QHBoxLayout;
    colour->setContentsMargins(20, 0, 0, 0);
    Choice.ColorBox01 = new TColorBox(box, name + QStringLiteral("ColorBox01"));
    colour->addWidget(Choice.ColorBox01);
    colour->addStretch();
    column->addLayout(colour);
    Choice.ScrollBox->setWidget(box);
    Choice.ScrollBox->setMinimumWidth(box->sizeHint().width() + 24);
}

void TOptionenF::BuildPluginPage()
{
    TabSheet3 = Named(new QWidget, QStringLiteral("TabSheet3"));
    OptionenPageControl->addTab(TabSheet3, QString());
    auto *grid = new QGridLayout(TabSheet3);
    Label_Opt01 = NewLabel(TabSheet3, "Label_Opt01");
    Label_Opt02 = NewLabel(TabSheet3, "Label_Opt02");
    ListBoxOptionen01 = Named(new QListWidget(TabSheet3), QStringLiteral("ListBoxOptionen01"));
    ListBoxOptionen01->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileListBox_Opt1 = Named(new QListWidget(TabSheet3), QStringLiteral("FileListBox_Opt1"));
    Label_Opt01->setBuddy(ListBoxOptionen01);
    Label_Opt02->setBuddy(FileListBox_Opt1);
    BitBtnOpt01 = Named(new QPushButton(TabSheet3), QStringLiteral("BitBtnOpt01"));
    BitBtnOpt01->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    BitBtnOpt02 = Named(new QPushButton(TabSheet3), QStringLiteral("BitBtnOpt02"));
    BitBtnOpt02->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtnOpt01);
    buttons->addWidget(BitBtnOpt02);
    buttons->addStretch();
    grid->addWidget(Label_Opt01, 0, 0);
    grid->addWidget(Label_Opt02, 0, 2);
    grid->addWidget(ListBoxOptionen01, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(FileListBox_Opt1, 1, 2);
    connect(BitBtnOpt01, &QPushButton::clicked, this, [this] { RunGuarded([this] { BitBtnOpt01Click(); }); });
    connect(BitBtnOpt02, &QPushButton::clicked, this, [this] { RunGuarded([this] { BitBtnOpt02Click(); }); });
}

void TOptionenF::FormCreate()
{
    LoadDllList();
    FillDllComboBox();
    for (int k = 0; k < 5; ++k) {
        const QPixmap texture = LoadTextureResource(FirstTextureResource + k);
        for (TTextureChoice *choice : {&HL, &HR}) {
            QPixmap preview(PreviewSize);
            preview.fill(Qt::white);
            QPainter p(&preview);
            p.drawTiledPixmap(preview.rect(), texture);
            p.end();
            choice->Image[size_t(k)]->setPixmap(preview);
        }
    }
}

void TOptionenF::FormShow()
{
    // 1. The first page.
    OptionenPageControl->setCurrentIndex(0);

    // 2. Texts of the chosen language.
    setWindowTitle(LoadLangString(736));
    const auto text = [](int Id) { return LoadLangString(Id); };
    OptionenPageControl->setTabText(0, text(733));
    OptionenPageControl->setTabText(1, text(734));
    OptionenPageControl->setTabText(2, text(735));
    BitBtn1->setText(text(718));
    BitBtn2->setText(text(720));
    Label01->setText(text(711));
    Label02->setText(text(712));
    Label03->setText(text(713));
    Label04->setText(text(714));
    Label05->setText(text(715));
    KontextMenuCB->setText(text(708));
    KontextMenuCB->setToolTip(text(709));
    OptRadioGroup1->setTitle(text(700));
    OptRadioGroup1->setItems({text(702), text(703)});
    OptRadioGroup2->setTitle(text(704));
    OptRadioGroup2->setItems({text(706), text(707)});
    Label06->setText(text(716));
    Label07->setText(text(717));
    OptMemo2->setToolTip(text(737));
    RGOrdnerFuellstand->setTitle(text(722));
    RGOrdnerFuellstand->setItems({text(724), text(725), text(726)});
    Label08->setText(text(738));
    PopUpThumbLinks->setText(text(739));
    PopUpThumbRechts->setText(text(741));
    Label09->setText(text(743));
    Label10->setText(text(744));
    Label11->setText(text(745));
    Label12->setText(text(746));
    CBVersteckt->setText(text(747));
    CBBildschirmEinstellungen->setText(text(749));
    Label13->setText(text(763));
    Label14->setText(text(764));
    for (TTextureChoice *choice : {&HL, &HR}) {
        for (size_t i = 0; i < choice->RadioButton.size(); ++i)
            choice->RadioButton[i]->setText(text(756 + int(i)));
        // Tall enough to show the whole choice without scrolling.
        choice->ScrollBox->setMinimumHeight(choice->ScrollBox->widget()->sizeHint().height() +
                                            2 * choice->ScrollBox->frameWidth());
    }
    Label_Opt01->setText(text(727));
    Label_Opt02->setText(text(728));
    BitBtnOpt01->setText(text(729));
    BitBtnOpt02->setText(text(731));
    const std::pair<QWidget *, int> hints[] = {
        {OptRadioGroup1, 701}, {OptRadioGroup2, 705}, {BitBtn1, 719}, {BitBtn2, 721},
        {RGOrdnerFuellstand, 723}, {BitBtnOpt01, 730}, {BitBtnOpt02, 732}, {PopUpThumbLinks, 740},
        {PopUpThumbRechts, 742}, {CBVersteckt, 748}, {CBBildschirmEinstellungen, 750},
    };
    for (const auto &[control, id] : hints)
        control->setToolTip(text(id));

    // 3.
    BitBtn1->setFocus();

    // 4. Folders, log name, start value.
    const std::pair<TEdit *, const QString *> fields[] = {
        {Edit01, &StartverzeichnisLinks}, {Edit02, &StartverzeichnisRechts},
        {Edit03, &Arbeitsverzeichnis}, {Edit04, &Protokolldatei},
    };
    for (const auto &[edit, value] : fields) {
        edit->setText(*value);
        edit->setToolTip(*value);
    }
    EditStartWert->setText(QString::number(Startwert));

    // 5.-6.
    OptRadioGroup1->setItemIndex(Datum);
    OptRadioGroup2->setItemIndex(Zeit);
    RGOrdnerFuellstand->setItemIndex(TortenFarbe);
    PopUpThumbLinks->setChecked(ThumbLinks != 0);
    PopUpThumbRechts->setChecked(ThumbRechts != 0);
    ThumbHintUpDown->setPosition(::ThumbHintGroesse); // the setting, not the edit of the same name
    OptionenTrackBar01->setValue(ThumbTransparenz);
    CBVersteckt->setChecked(VerstecktAnzeigen != 0);
    CBBildschirmEinstellungen->setChecked(BildschirmSpeichern != 0);

    // 7. Textures.
    ShowTextureChoice(HL, SLVTextur01, SLVTexturPfad01, SLVFontColor01);
    ShowTextureChoice(HR, SLVTextur02, SLVTexturPfad02, SLVFontColor02);

    // 8. Own extensions and filters, empty entries as empty lines.
    OptMemo1->setPlainText(QStringList(OwnExtensions.begin(), OwnExtensions.end()).join(u'\n'));
    OptMemo2->setPlainText(QStringList(OwnFilters.begin(), OwnFilters.end()).join(u'\n'));

    // 9. The available plug-ins of the program folder.
    ListPluginFiles();

    // 10. Last: the context entry follows the setting (the box's handler runs on a change).
    KontextMenuCB->setChecked(Kontextmenu != 0);
}

void TOptionenF::PickFolder(TEdit *Edit, int CaptionId, int PromptId)
{
    QString folder = Edit->text();
    SelectDirectory(folder, LoadLangString(CaptionId), LoadLangString(PromptId), LanguageNames[LanguageIndex]);
    Edit->setText(folder);
    Edit->setToolTip(folder);
}

void TOptionenF::SpeedButton01Click()
{
    PickFolder(Edit01, 9091, 9092);
}

void TOptionenF::SpeedButton02Click()
{
    PickFolder(Edit02, 9093, 9094);
}

void TOptionenF::SpeedButton03Click()
{
    PickFolder(Edit03, 9095, 9096);
}

void TOptionenF::HL_SpeedButton01Click()
{
    PickPicture(HL, SLVTexturPfad01);
}

void TOptionenF::HR_SpeedButton01Click()
{
    PickPicture(HR, SLVTexturPfad02);
}

void TOptionenF::PickPicture(TTextureChoice &Choice, QString &Path)
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenPictureDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog); // our own kind: its labels take our texts
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The masks match in any letter case.
    dialog.setNameFilter(QStringLiteral("(*.jpg;*.jpeg;*.bmp) (*.[bB][mM][pP] *.[jJ][pP][gG] *.[jJ][pP][eE][gG])"));
    if (!Path.isEmpty() && fs::isRegularFile(Path)) {
        dialog.setDirectory(fs::folderOf(Path));
        dialog.selectFile(Path);
    }
    OpenPictureDialog = &dialog;
    OpenPictureDialogShow();
    ModalRecord record;
    record.kind = QStringLiteral("OpenFile");
    record.caption = dialog.windowTitle();
    record.buttons = {dialog.labelText(QFileDialog::Accept), dialog.labelText(QFileDialog::Reject)};
    const int result = ModalSeam::exec(dialog, record);
    OpenPictureDialog = nullptr;
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    Path = dialog.selectedFiles().constFirst();
    Choice.Edit01->setText(Path);
    Choice.Edit01->setToolTip(Path);
}

void TOptionenF::OpenPictureDialogShow()
{
    if (!OpenPictureDialog)
        return;
    OpenPictureDialog->setLabelText(QFileDialog::Accept, LoadLangString(751));
    OpenPictureDialog->setLabelText(QFileDialog::Reject, LoadLangString(752));
    OpenPictureDialog->setLabelText(QFileDialog::FileType, LoadLangString(753));
    OpenPictureDialog->setLabelText(QFileDialog::FileName, LoadLangString(754));
    OpenPictureDialog->setLabelText(QFileDialog::LookIn, LoadLangString(755));
}

void TOptionenF::BitBtn1Click()
{
    // The start value first: when it is no 32-bit number, nothing is taken over.
    bool valid = false;
    const int startValue = EditStartWert->text().toInt(&valid, 10);
    if (!valid) {
        EditStartWert->setFocus();
        EditStartWert->selectAll();
        return;
    }

    // 1.-3.
    StartverzeichnisLinks = FolderFromField(Edit01->text());
    StartverzeichnisRechts = FolderFromField(Edit02->text());
    Arbeitsverzeichnis = Edit03->text().isEmpty() ? ProgramDataFolder() : FolderFromField(Edit03->text());
    Protokolldatei = Edit04->text().isEmpty() ? QStringLiteral("Protokoll.txt") : Edit04->text();
    Datum = std::uint8_t(std::max(OptRadioGroup1->ItemIndex(), 0));
    Zeit = std::uint8_t(std::max(OptRadioGroup2->ItemIndex(), 0));
    Startwert = startValue;

    // 4.-6. Own extensions and filters. A filter line is taken without blanks and "|",
    // and counts as empty when nothing else is left.
    Dateiendungen = MemoLines(OptMemo1).mid(0, 10).join(QString());
    QStringList filters;
    for (QString line : MemoLines(OptMemo2)) {
        line.remove(u' ').remove(u'|');
        if (!line.isEmpty())
            filters << line;
    }
    filters = filters.mid(0, 5);
    QString filterString;
    for (const QString &filter : filters)
        filterString += filter + u'|' + filter + u'|';
    if (!filterString.isEmpty())
        filterString.prepend(u'|');
    FilterEinst = filters.join(QString());

    // 7.
    THauptForm &f = *HauptForm;
    if (Dateiendungen.isEmpty()) {
        OwnExtensions.fill(QString());
    } else {
        const int n = SplitOwnExtensions(Dateiendungen);
        Dateiendungen = QStringList(OwnExtensions.begin(), OwnExtensions.begin() + n).join(QString());
    }
    f.FillExtensionBoxes();

    // 8. The filter boxes offer the whole lines; OwnFilters keeps them cut.
    if (FilterEinst.isEmpty())
        OwnFilters.fill(QString());
    else
        SplitOwnFilters(FilterEinst);
    FilterString = filterString;
    f.SetFilterLists(BuiltinFilterList.toString() + FilterString);

    // 9.
    Kontextmenu = KontextMenuCB->isChecked();
    TortenFarbe = std::uint8_t(std::max(RGOrdnerFuellstand->ItemIndex(), 0));
    ThumbLinks = PopUpThumbLinks->isChecked();
    ThumbRechts = PopUpThumbRechts->isChecked();
    ::ThumbHintGroesse = ThumbHintUpDown->Position();
    ThumbTransparenz = std::uint8_t(OptionenTrackBar01->value());
    if (ThumbForm)
        ThumbForm->setWindowOpacity(ThumbTransparenz / 255.0);
    VerstecktAnzeigen = CBVersteckt->isChecked();
    BildschirmSpeichern = CBBildschirmEinstellungen->isChecked();

    // 10.-11. Textures of the two file lists: the start-up's loader; an own picture
    // that cannot be loaded leaves that list without a background.
    TakeTextureChoice(HL, SLVTextur01, SLVBackground01, SLVFontColor01);
    TakeTextureChoice(HR, SLVTextur02, SLVBackground02, SLVFontColor02);
    f.LoadListTextures();

    // 12. All 26 settings or none.
    std::exception_ptr failure;
    try {
        WriteOptionsSettings();
    } catch (...) {
        failure = std::current_exception();
    }

    ArrangeDateTimeFields(); // 13. the date and time fields by Datum and Zeit
    // 14.-15.
    f.ApplyListObjectTypes();
    f.ShellListView01->Refresh();
    f.ShellListView02->Refresh(); // the count panels follow the lists

    // 16.
    done(mrOk);
    if (failure)
        std::rethrow_exception(failure);
}

void TOptionenF::BitBtn2Click()
{
    done(mrCancel);
}

int TOptionenF::ShowModal()
{
    FormShow();
    const QRect area = HauptForm && HauptForm->isVisible() ? HauptForm->frameGeometry()
                                                           : screen()->availableGeometry();
    adjustSize();
    QRect frame(QPoint(), size());
    frame.moveCenter(area.center());
    move(frame.topLeft());

    ModalRecord record;
    record.kind = QStringLiteral("Options");
    record.caption = windowTitle();
    record.buttons = {BitBtn1->text(), BitBtn2->text()};
    return ModalSeam::exec(*this, record);
}
