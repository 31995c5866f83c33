#include "shell/Info.h"

#include "components/Gfvcl.h"
#include "components/URLLabel.h"
#include "localisation/fktSprache.h"
#include "platform/Application.h"
#include "platform/dialogs/ModalSeam.h"
#include "shell/Haupt.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TInfoF *InfoF = nullptr;

namespace {

const QString ProductAndVersion = QStringLiteral("Corvex Pro V1.52");

} // namespace

TInfoF::TInfoF(QWidget *parent) : QDialog(parent)
{
    InfoF = this;
    setObjectName(QStringLiteral("InfoF"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(292, 186);
    setAttribute(Qt::WA_QuitOnClose, false);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(rect());
    GradientFill1 = TGradientFill::WhiteToSilver(Panel1, QStringLiteral("GradientFill1"), fdTopToBottom);
    GradientFill1->setGeometry(Panel1->rect().adjusted(2, 2, -2, -2));

    Label01 = new QLabel(GradientFill1);
    Label01->setObjectName(QStringLiteral("Label01"));
    QFont title = Label01->font();
    title.setPointSize(14);
    title.setBold(true);
    Label01->setFont(title);
    Label01->setAlignment(Qt::AlignCenter);
    Label01->setGeometry(8, 18, GradientFill1->width() - 16, 32);

    URLLabel1 = new TURLLabel(GradientFill1, QStringLiteral("URLLabel1"));
    URLLabel1->setText(QStringLiteral("Homepage"));
    URLLabel1->URL = QStringLiteral("https://wexmoor.example/corvexpro/");
    URLLabel2 = new TURLLabel(GradientFill1, QStringLiteral("URLLabel2"));
    URLLabel2->setText(QStringLiteral("EMail"));
    URLLabel2->URL = QStringLiteral("mailto:corvexpro@wexmoor.example");
    int top = 72;
    for (TURLLabel *link : {URLLabel1, URLLabel2}) {
        link->ColorNormal = clBlack;
        link->ColorMoveOver = clBlack;
        link->SetFontColor(clBlack);
        link->adjustSize();
        link->move((GradientFill1->width() - link->width()) / 2, top);
        top += 26;
    }

    BitBtn1 = new QPushButton(GradientFill1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    BitBtn1->setGeometry((GradientFill1->width() - 100) / 2, 136, 100, 28);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { RunGuarded([this] { BitBtn1Click(); }); });

    FormCreate();
}

TInfoF::~TInfoF()
{
    if (InfoF == this)
        InfoF = nullptr;
}

void TInfoF::FormCreate()
{
    Label01->setText(ProductAndVersion);
}

void TInfoF::FormShow()
{
    Label01->setText(ProductAndVersion);
    BitBtn1->setText(LoadLangString(8989));
}

void TInfoF::BitBtn1Click()
{
    accept();
}

int TInfoF::ShowModal()
{
    FormShow();
    CentreOnMainWindow(*this);

    ModalRecord record;
    record.kind = QStringLiteral("About");
    record.caption = Label01->text();
    record.buttons = {BitBtn1->text()};
    return ModalSeam::exec(*this, record);
}
