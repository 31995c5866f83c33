#include "localisation/frmSprache.h"

#include "components/Gfvcl.h"
#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/Application.h"
#include "platform/dialogs/ModalSeam.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/RadioGroup.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QGridLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

TSpracheF *SpracheF = nullptr;

namespace {

enum class Flag { Germany, UnitedKingdom, UnitedStates, Netherlands, Spain, France };

// Equal bands of the given colours, top to bottom (Vertical: left to right).
void FillBands(QPainter &p, const QRectF &r, std::initializer_list<QColor> colours, bool vertical = false)
{
    const qreal step = (vertical ? r.width() : r.height()) / qreal(colours.size());
    qreal at = 0;
    for (const QColor &c : colours) {
        p.fillRect(vertical ? QRectF(r.left() + at, r.top(), step, r.height())
                            : QRectF(r.left(), r.top() + at, r.width(), step),
                   c);
        at += step;
    }
}

void DrawUnionFlag(QPainter &p, const QRectF &r)
{
    // Drawn on a 60 x 30 grid stretched over the flag.
    p.save();
    p.setClipRect(r);
    p.translate(r.topLeft());
    p.scale(r.width() / 60.0, r.height() / 30.0);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, 60, 30), QColor(0x01, 0x21, 0x69));
    const QLineF diagonals[] = {QLineF(0, 0, 60, 30), QLineF(0, 30, 60, 0)};
    p.setPen(QPen(Qt::white, 6));
    p.drawLines(diagonals, 2);
    p.setPen(QPen(QColor(0xC8, 0x10, 0x2E), 2));
    p.drawLines(diagonals, 2);
    p.fillRect(QRectF(25, 0, 10, 30), Qt::white);
    p.fillRect(QRectF(0, 10, 60, 10), Qt::white);
    p.fillRect(QRectF(27, 0, 6, 30), QColor(0xC8, 0x10, 0x2E));
    p.fillRect(QRectF(0, 12, 60, 6), QColor(0xC8, 0x10, 0x2E));
    p.restore();
}

void DrawStarsAndStripes(QPainter &p, const QRectF &r)
{
    const qreal stripe = r.height() / 13;
    p.fillRect(r, Qt::white);
    for (int i = 0; i < 13; i += 2)
        p.fillRect(QRectF(r.left(), r.top() + i * stripe, r.width(), stripe), QColor(0xB2, 0x22, 0x34));
    const QRectF canton(r.left(), r.top(), r.width() * 0.4, stripe * 7);
    p.fillRect(canton, QColor(0x3C, 0x3B, 0x6E));
    p.setPen(Qt::white);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 5; ++col)
            p.drawPoint(QPointF(canton.left() + 1.5 + col * (canton.width() - 2) / 5 + (row % 2) * 0.8,
                                canton.top() + 1.5 + row * (canton.height() - 2) / 4));
}

// A 32 x 32 picture: the flag 30 x 20 in a dark frame, centred; the rest transparent.
QPixmap FlagPicture(Flag flag)
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const QRectF r(1, 6, 30, 20);
    switch (flag) {
    case Flag::Germany:
        FillBands(p, r, {Qt::black, QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00)});
        break;
    case Flag::UnitedKingdom:
        DrawUnionFlag(p, r);
        break;
    case Flag::UnitedStates:
        DrawStarsAndStripes(p, r);
        break;
    case Flag::Netherlands:
        FillBands(p, r, {QColor(0xAE, 0x1C, 0x28), Qt::white, QColor(0x21, 0x46, 0x8B)});
        break;
    case Flag::Spain: {
        const QColor red(0xAA, 0x15, 0x1B);
        FillBands(p, r, {red, QColor(0xF1, 0xBF, 0x00), QColor(0xF1, 0xBF, 0x00), red});
        break;
    }
    case Flag::France:
        FillBands(p, r, {QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39)}, true);
        break;
    }
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 5, 31, 21));
    return picture;
}

QLabel *FlagImage(QWidget *parent, const QString &name, Flag flag, int left, int top, const QString &hint)
{
    auto *image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(left, top, 32, 32);
    image->setPixmap(FlagPicture(flag));
    image->setToolTip(hint);
    return image;
}

} // namespace

TSpracheF::TSpracheF(QWidget *parent) : QDialog(parent)
{
    SpracheF = this;
    setObjectName(QStringLiteral("SpracheF"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(292, 313);
    setAttribute(Qt::WA_QuitOnClose, false); // closing it never ends the program
    setWindowTitle(QString::fromUtf8("Sprache auswählen"));

    GradientFill01 = TGradientFill::WhiteToSilver(this, QStringLiteral("GradientFill01"), fdLeftToRight);
    GradientFill01->setGeometry(rect());
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(rect());

    BitBtn1 = new QPushButton(Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(24, 270, 115, 30);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { RunGuarded([this] { BitBtn1Click(); }); });
    BitBtn2 = new QPushButton(Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(151, 270, 115, 30);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(BitBtn2, &QPushButton::clicked, this, [this] { RunGuarded([this] { BitBtn2Click(); }); });

    Panel2 = new QFrame(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(24, 8, 241, 249);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The flags and their hints are the same in every language.
    Image1 = FlagImage(Panel2, QStringLiteral("Image1"), Flag::Germany, 8, 24, QStringLiteral("Sprache: deutsch"));
    Image2 = FlagImage(Panel2, QStringLiteral("Image2"), Flag::UnitedKingdom, 8, 60,
                       QStringLiteral("Language: english"));
    Image3 = FlagImage(Panel2, QStringLiteral("Image3"), Flag::UnitedStates, 45, 60,
                       QStringLiteral("Language: english"));
    Image4 = FlagImage(Panel2, QStringLiteral("Image4"), Flag::Netherlands, 8, 95, QStringLiteral("Language: dutch"));
    Image5 = FlagImage(Panel2, QStringLiteral("Image5"), Flag::Spain, 8, 130, QStringLiteral("Language: spanish"));
    Image6 = FlagImage(Panel2, QStringLiteral("Image6"), Flag::France, 8, 165,
                       QString::fromUtf8("Langue : français"));
    RadioGroup1 = new TRadioGroup(Panel2, QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(83, 8, 146, 200);
    RadioGroup1->setTitle(QStringLiteral("Sprache / Language"));
    RadioGroup1->setItems({QStringLiteral("deutsch"), QStringLiteral("english"), QStringLiteral("dutch"),
                           QStringLiteral("spanish"), QStringLiteral("french (beta)")});
    // Each item beside its flag: the flags stand 35 pixels apart.
    auto *rows = static_cast<QGridLayout *>(RadioGroup1->layout());
    rows->setContentsMargins(6, 2, 6, 0);
    rows->setVerticalSpacing(35 - RadioGroup1->findChild<QRadioButton *>()->sizeHint().height());
    rows->setRowStretch(rows->rowCount(), 1);
    CheckBox1 = new TCheckBox(Panel2, QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 220, 223, 17);

    PM_FensterSchliessen = new QAction(this);
    PM_FensterSchliessen->setObjectName(QStringLiteral("PM_FensterSchliessen"));
    PM_FensterSchliessen->setShortcut(QKeySequence(Qt::Key_Escape));
    PM_FensterSchliessen->setShortcutContext(Qt::WindowShortcut);
    addAction(PM_FensterSchliessen);
    connect(PM_FensterSchliessen, &QAction::triggered, this,
            [this] { RunGuarded([this] { PM_FensterSchliessenClick(); }); });

    FormCreate();
}

TSpracheF::~TSpracheF()
{
    if (SpracheF == this)
        SpracheF = nullptr;
}

void TSpracheF::FormCreate()
{
    // A command-file run is unattended: nobody could answer the dialog.
    if (Sprachwahl && CommandFileName.isEmpty())
        ShowModal();
}

void TSpracheF::FormShow()
{
    setWindowTitle(LoadLangString(9042));
    BitBtn1->setText(LoadLangString(9039));
    BitBtn2->setText(LoadLangString(9040));
    CheckBox1->setText(LoadLangString(9054));
    if (Sprache >= 0 && Sprache <= 40000 && Sprache % 10000 == 0)
        RadioGroup1->setItemIndex(Sprache / 10000);
    CheckBox1->setChecked(Sprachwahl != 0);
}

void TSpracheF::BitBtn1Click()
{
    if (RadioGroup1->ItemIndex() >= 0)
        Sprache = 10000 * RadioGroup1->ItemIndex();
    SetLanguageIndexFromSprache();
    ApplyLanguageCaptions();
    Sprachwahl = CheckBox1->isChecked() ? 1 : 0;
    try {
        WriteLanguageSettings();
    } catch (...) {
        done(mrOk);
        throw;
    }
    done(mrOk);
}

void TSpracheF::BitBtn2Click()
{
    done(mrCancel);
}

void TSpracheF::PM_FensterSchliessenClick()
{
    done(mrCancel);
}

int TSpracheF::ShowModal()
{
    FormShow();
    CentreOnMainWindow(*this);

    ModalRecord record;
    record.kind = QStringLiteral("Language");
    record.caption = windowTitle();
    record.text = CheckBox1->text();
    record.buttons = {BitBtn1->text(), BitBtn2->text()};
    return ModalSeam::exec(*this, record);
}
