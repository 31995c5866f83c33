// The MP3 view of the rename page and the album page of view mode 7, with their handlers.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "localisation/fktSprache_Captions.h"
#include "components/Gfvcl.h"
#include "localisation/rvDialogs.h"
#include "operations/ID3.h"
#include "operations/ID3Tag.h"
#include "operations/fktAllgemein.h"
#include "operations/fktMP3Tags.h"
#include "operations/fktSortieren.h"
#include "platform/Application.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt_Globals.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// The year fields take what their key filter lets through, typed or pasted.
class KeyFilterValidator : public QValidator {
public:
    KeyFilterValidator(QObject *parent, std::function<void(QChar &)> filter) : QValidator(parent), filter_(std::move(filter))
    {
    }
    State validate(QString &input, int &) const override
    {
        for (QChar c : std::as_const(input)) {
            QChar key = c;
            filter_(key);
            if (key.isNull())
                return Invalid;
        }
        return Acceptable;
    }

private:
    std::function<void(QChar &)> filter_;
};

TEdit *YearEdit(THauptForm &f, QWidget *parent, const QString &name, void (THauptMP3::*filter)(QChar &))
{
    auto *edit = new TEdit(parent, name);
    edit->setValidator(new KeyFilterValidator(edit, [&f, filter](QChar &key) { (f.*filter)(key); }));
    return edit;
}

QComboBox *GenreBox(QWidget *parent, const QString &name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true); // shows "Unknown" or a typed name as well
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(10);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

// A panel with its caption at the left and Content right of it.
TPanel *CaptionedPanel(QWidget *parent, const QString &name, QWidget *content = nullptr)
{
    auto *panel = new TPanel(parent, name);
    panel->setCaptionBeside(true);
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (content) {
        content->setParent(panel);
        layout->addWidget(content, 1);
    }
    return panel;
}

TSpeedButton *PageButton(QWidget *parent, const QString &name, QStyle::StandardPixmap icon)
{
    auto *button = new TSpeedButton(parent, name);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

void CreateMp3View(THauptForm &f, QWidget *page)
{
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 0, 0);

    auto *left = new QVBoxLayout;
    f.MP3RadioGroup1 = new TRadioGroup(page, QStringLiteral("MP3RadioGroup1"));
    ApplyMainWindowTexts(f.MP3RadioGroup1); // items and scheme 0 before the page is sized
    f.MP3Autoplay = new TCheckBox(page, QStringLiteral("MP3Autoplay"));
    left->addWidget(f.MP3RadioGroup1);
    left->addWidget(f.MP3Autoplay);
    left->addStretch(1);
    row->addLayout(left);

    auto *fields = new QGridLayout;
    f.MP3Interpret = new TEdit(page, QStringLiteral("MP3Interpret"));
    f.MP3Titel = new TEdit(page, QStringLiteral("MP3Titel"));
    f.MP3Album = new TEdit(page, QStringLiteral("MP3Album"));
    f.MP3Kommentar = new TEdit(page, QStringLiteral("MP3Kommentar"));
    f.MP3Jahr = YearEdit(f, page, QStringLiteral("MP3Jahr"), &THauptMP3::MP3JahrKeyPress);
    f.MP3Jahr->setFixedWidth(f.MP3Jahr->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    f.MP3Genre01 = GenreBox(page, QStringLiteral("MP3Genre01"));
    f.MP3Track = new TEdit(page, QStringLiteral("MP3Track"));
    f.MP3Track->setReadOnly(true);
    f.MP3Track->setFixedWidth(f.MP3Track->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    f.MP3TrackUpDown = new TUpDown(page, QStringLiteral("MP3TrackUpDown"));
    f.MP3TrackUpDown->setRange(0, 255);
    f.MP3TrackUpDown->setAssociate(f.MP3Track);
    QLabel **labels[] = {&f.MP3Label01, &f.MP3Label02, &f.MP3Label03, &f.MP3Label04,
                         &f.MP3Label05, &f.MP3Label06, &f.MP3Label07};
    QWidget *buddies[] = {f.MP3Interpret, f.MP3Titel, f.MP3Album, f.MP3Kommentar, f.MP3Jahr, f.MP3Genre01, f.MP3Track};
    for (int i = 0; i < 7; ++i) {
        *labels[i] = new QLabel(page);
        (*labels[i])->setObjectName(QStringLiteral("MP3Label0%1").arg(i + 1));
        (*labels[i])->setBuddy(buddies[i]);
    }
    for (int i = 0; i < 4; ++i) {
        fields->addWidget(*labels[i], i, 0);
        fields->addWidget(buddies[i], i, 1, 1, 3);
    }
    fields->addWidget(f.MP3Label05, 4, 0);
    fields->addWidget(f.MP3Jahr, 4, 1);
    fields->addWidget(f.MP3Label07, 4, 2, Qt::AlignRight);
    auto *track = new QHBoxLayout;
    track->setSpacing(0);
    track->addWidget(f.MP3Track);
    track->addWidget(f.MP3TrackUpDown);
    fields->addLayout(track, 4, 3, Qt::AlignLeft);
    fields->addWidget(f.MP3Label06, 5, 0);
    fields->addWidget(f.MP3Genre01, 5, 1, 1, 3);
    fields->setColumnStretch(3, 1);
    fields->setRowStretch(6, 1);
    row->addLayout(fields, 1);

    auto *right = new QVBoxLayout;
    f.MP3TagVersion = new TRadioGroup(page, QStringLiteral("MP3TagVersion"));
    ApplyMainWindowTexts(f.MP3TagVersion);
    f.MP3TagVersion->setColumns(2);
    right->addWidget(f.MP3TagVersion);
    f.MP3SpeedButton1 = PageButton(page, QStringLiteral("MP3SpeedButton1"), QStyle::SP_DialogSaveButton);
    f.MP3SpeedButton2 = PageButton(page, QStringLiteral("MP3SpeedButton2"), QStyle::SP_TrashIcon);
    f.MP3SpeedButton3 = PageButton(page, QStringLiteral("MP3SpeedButton3"), QStyle::SP_FileDialogListView);
    f.MP3SpeedButton4 = PageButton(page, QStringLiteral("MP3SpeedButton4"), QStyle::SP_DirIcon);
    for (TSpeedButton *b : {f.MP3SpeedButton1, f.MP3SpeedButton2, f.MP3SpeedButton3, f.MP3SpeedButton4})
        right->addWidget(b);
    f.MP3SpeedButton1->setEnabled(false);
    f.MP3SpeedButton2->setEnabled(false);
    right->addStretch(1);
    row->addLayout(right);
}

void CreateAlbumPage(THauptForm &f, QWidget *page)
{
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    auto *header = TGradientFill::WhiteToSilver(page, QStringLiteral("MP3GradientFill01"), fdLeftToRight);
    auto *headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(6, 3, 6, 3);
    f.MP3Label08 = new QLabel(header);
    f.MP3Label08->setObjectName(QStringLiteral("MP3Label08"));
    QFont bold = f.MP3Label08->font();
    bold.setBold(true);
    f.MP3Label08->setFont(bold);
    headerRow->addWidget(f.MP3Label08);
    column->addWidget(header);
    f.MP3Panel03 = new TPanel(page, QStringLiteral("MP3Panel03"));
    f.MP3Panel03->setMinimumHeight(f.MP3Panel03->fontMetrics().height() + 6);
    column->addWidget(f.MP3Panel03);

    auto *halves = new QHBoxLayout;
    halves->setSpacing(4);
    f.MP3Panel16 = new QWidget(page);
    f.MP3Panel16->setObjectName(QStringLiteral("MP3Panel16"));
    auto *fields = new QVBoxLayout(f.MP3Panel16);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->setSpacing(3);

    // Artist: one for all files, or with "Liste" one per line.
    f.MP3Panel15 = CaptionedPanel(f.MP3Panel16, QStringLiteral("MP3Panel15"));
    auto *artists = new QVBoxLayout;
    f.MP3Interpret02 = new TEdit(f.MP3Panel15, QStringLiteral("MP3Interpret02"));
    f.MP3InterpretMemo02 = new TMemo(f.MP3Panel15, QStringLiteral("MP3InterpretMemo02"));
    f.MP3InterpretMemo02->setVisible(false);
    artists->addWidget(f.MP3Interpret02);
    artists->addWidget(f.MP3InterpretMemo02, 1);
    artists->addStretch(); // the single artist stays at the top
    auto *artistRow = static_cast<QHBoxLayout *>(f.MP3Panel15->layout());
    artistRow->addLayout(artists, 1);
    f.MP3InterpretCB = new TCheckBox(f.MP3Panel15, QStringLiteral("MP3InterpretCB"));
    artistRow->addWidget(f.MP3InterpretCB, 0, Qt::AlignTop);
    fields->addWidget(f.MP3Panel15);

    f.MP3Album02 = new TEdit(page, QStringLiteral("MP3Album02"));
    f.MP3Panel05 = CaptionedPanel(f.MP3Panel16, QStringLiteral("MP3Panel05"), f.MP3Album02);
    fields->addWidget(f.MP3Panel05);
    f.MP3Kommentar02 = new TEdit(page, QStringLiteral("MP3Kommentar02"));
    f.MP3Panel10 = CaptionedPanel(f.MP3Panel16, QStringLiteral("MP3Panel10"), f.MP3Kommentar02);
    fields->addWidget(f.MP3Panel10);
    auto *yearAndGenre = new QHBoxLayout;
    f.MP3Jahr02 = YearEdit(f, page, QStringLiteral("MP3Jahr02"), &THauptMP3::MP3Jahr02KeyPress);
    f.MP3Jahr02->setFixedWidth(f.MP3Jahr02->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    f.MP3Panel08 = CaptionedPanel(f.MP3Panel16, QStringLiteral("MP3Panel08"), f.MP3Jahr02);
    f.MP3Genre02 = GenreBox(page, QStringLiteral("MP3Genre02"));
    f.MP3Panel11 = CaptionedPanel(f.MP3Panel16, QStringLiteral("MP3Panel11"), f.MP3Genre02);
    yearAndGenre->addWidget(f.MP3Panel08);
    yearAndGenre->addWidget(f.MP3Panel11, 1);
    fields->addLayout(yearAndGenre);
    auto *versionRow = new QHBoxLayout;
    f.MP3TagVersion02 = new TRadioGroup(f.MP3Panel16, QStringLiteral("MP3TagVersion02"));
    ApplyMainWindowTexts(f.MP3TagVersion02);
    f.MP3TagVersion02->setColumns(2);
    versionRow->addWidget(f.MP3TagVersion02, 1);
    f.MP3EintraegeLoeschen = new QPushButton(f.MP3Panel16);
    f.MP3EintraegeLoeschen->setObjectName(QStringLiteral("MP3EintraegeLoeschen"));
    f.MP3EintraegeLoeschen->setIcon(page->style()->standardIcon(QStyle::SP_DialogResetButton));
    versionRow->addWidget(f.MP3EintraegeLoeschen, 0, Qt::AlignBottom);
    fields->addLayout(versionRow);
    fields->addStretch(1); // taken by the artist list while it is shown
    halves->addWidget(f.MP3Panel16);

    f.MP3TitelMemo02 = new TMemo(page, QStringLiteral("MP3TitelMemo02"));
    f.MP3Panel14 = CaptionedPanel(page, QStringLiteral("MP3Panel14"), f.MP3TitelMemo02);
    halves->addWidget(f.MP3Panel14);
    halves->addStretch(1);
    column->addLayout(halves, 1);
}

void BindMp3Pages(THauptForm &f)
{
    const auto changed = Guarded(&f, &THauptMP3::MP3ID3TagChange);
    for (TEdit *edit : {f.MP3Titel, f.MP3Interpret, f.MP3Album, f.MP3Jahr, f.MP3Kommentar, f.MP3Track})
        QObject::connect(edit, &TEdit::OnChange, &f, changed);
    QObject::connect(f.MP3Genre01, &QComboBox::editTextChanged, &f, changed);
    QObject::connect(f.MP3TagVersion, &TRadioGroup::OnClick, &f, changed);
    QObject::connect(f.MP3RadioGroup1, &TRadioGroup::OnClick, &f, Guarded(&f, &THauptUmbenennen::RefreshPreview));
    QObject::connect(f.MP3SpeedButton1, &TSpeedButton::OnClick, &f, Guarded(&f, &THauptMP3::MP3SpeedButton1Click));
    QObject::connect(f.MP3SpeedButton2, &TSpeedButton::OnClick, &f, Guarded(&f, &THauptMP3::MP3SpeedButton2Click));
    QObject::connect(f.MP3SpeedButton3, &TSpeedButton::OnClick, &f, Guarded(&f, &THauptMP3::MP3SpeedButton3Click));
    QObject::connect(f.MP3SpeedButton4, &TSpeedButton::OnClick, &f, [] { RunGuarded(HMenuAktionenSortierenClick); });
    QObject::connect(f.MP3InterpretCB, &TCheckBox::OnClick, &f, Guarded(&f, &THauptMP3::MP3InterpretCBClick));
    QObject::connect(f.MP3EintraegeLoeschen, &QPushButton::clicked, &f,
                     Guarded(&f, &THauptMP3::MP3EintraegeLoeschenClick));
}

QWidget *Mp3Page(QStackedWidget *Notebook)
{
    return Notebook->findChild<QWidget *>(QStringLiteral("MP3"), Qt::FindDirectChildrenOnly);
}

} // namespace

void THauptMP3::CreateMp3Pages()
{
    THauptForm &f = Form();
    ID3Tag = new TID3Tag(&f);
    ID3Tag->setObjectName(QStringLiteral("ID3Tag"));
    CreateMp3View(f, Mp3Page(f.DatUmb01));
    CreateAlbumPage(f, EnsurePage(f.Explorer02, 3, QStringLiteral("MP3")));
    BindMp3Pages(f);
    ShowMp3Tag(QString()); // the editor starts cleared and disabled
}

void THauptMP3::ResetMp3Editor()
{
    QStringList genres;
    for (QStringView name : Id3GenreNames)
        genres << name.toString();
    genres.sort(Qt::CaseInsensitive); // the genre boxes are sorted
    for (QComboBox *box : {MP3Genre01, MP3Genre02}) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(genres);
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
    MP3TagVersion02->setItemIndex(1); // album tags start as "V1.1"
    ID3Tag->setFileName(QString());
    Mp3TagChanged = false;
}

// ---- Handlers ----

void THauptMP3::MP3SpeedButton1Click()
{
    SaveMp3Tag();
}

void THauptMP3::MP3SpeedButton2Click()
{
    THauptForm &f = Form();
    if (f.DatUmbRekursiv->Checked()) {
        QString folder;
        CollectFolderFiles(folder);
    } else {
        CollectSelectedFiles();
    }
    const int selected = f.ShellListView01->ItemIndex();
    const QString shown = selected < 0 ? QString() : f.ShellListView01->Folders(selected).PathName;
    TFailedFiles failures;
    if (MessageDlg(LoadLangString(9018), mtConfirmation, mbYesNo, 0, LanguageName()) == mrYes)
        for (const QString &file : std::as_const(f.AlteDateinamen))
            ID3Tag->RemoveTagInBatch(file, failures);
    ID3Tag->RefreshTag();
    ShowMp3Tag(shown);
    failures.Show();
}

void THauptMP3::MP3SpeedButton3Click()
{
    WriteAlbumTags();
}

void THauptMP3::MP3ID3TagChange()
{
    Mp3TagChanged = true;
    const int version = MP3TagVersion->ItemIndex();
    if (version >= 0) {
        MP3TrackUpDown->setEnabled(version == 1);
        MP3Track->setEnabled(version == 1);
        MP3SpeedButton1->setEnabled(true);
    } else { // the editor is cleared
        Mp3TagChanged = false;
        MP3SpeedButton1->setEnabled(false);
    }
}

void THauptMP3::MP3InterpretCBClick()
{
    const bool list = MP3InterpretCB->Checked();
    MP3Interpret02->setVisible(!list);
    MP3InterpretMemo02->setVisible(list);
    auto *fields = static_cast<QBoxLayout *>(MP3Panel16->layout());
    fields->setStretchFactor(MP3Panel15, list ? 1 : 0);
    fields->setStretch(fields->count() - 1, list ? 0 : 1);
}

void THauptMP3::MP3EintraegeLoeschenClick()
{
    for (TEdit *edit : {MP3Album02, MP3Interpret02, MP3Jahr02, MP3Kommentar02})
        edit->clear();
    MP3InterpretMemo02->Clear();
    MP3TitelMemo02->Clear();
    MP3Genre02->setCurrentIndex(-1);
    MP3Genre02->setEditText(QString());
    MP3Album02->setFocus();
}

void THauptMP3::MP3JahrKeyPress(QChar &Key)
{
    if ((Key < u'0' || Key > u'9') && Key != u'\b')
        Key = QChar();
}

void THauptMP3::MP3Jahr02KeyPress(QChar &Key)
{
    MP3JahrKeyPress(Key);
}

THauptForm &THauptMP3::Form()
{
    return static_cast<THauptForm &>(*this);
}
