#include "shell/frmThumbHint.h"

#include "platform/Application.h"
#include "platform/fs/PathNames.h"
#include "platform/jpeg/JpegDecoder.h"
#include "platform/picture/Picture.h"
#include "platform/toolkit/EventHook.h"
#include "shell/Haupt_Globals.h"
#include "shell/fktThumbs.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>

TThumbForm *ThumbForm = nullptr;

namespace {

constexpr int BorderWidth = 2; // of HintImage, on each side

} // namespace

TThumbForm::TThumbForm()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("ThumbForm"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(BorderWidth);
    layout->addWidget(panel);
    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(0, 0, 0, 0);
    HintImage = new QLabel(panel);
    HintImage->setObjectName(QStringLiteral("HintImage"));
    HintImage->setAlignment(Qt::AlignCenter);
    HintImage->setMouseTracking(true);
    inner->addWidget(HintImage);
    new EventHook(HintImage, [this](QEvent *event) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            HintImageMouseMove();
        return false;
    });
    ThumbForm = this;
    FormCreate();
}

TThumbForm::~TThumbForm()
{
    FormDestroy();
    if (ThumbForm == this)
        ThumbForm = nullptr;
}

void TThumbForm::FormCreate()
{
    LastFile.clear();
    LastShown = false;
    ReadHintSize();
    setWindowOpacity(ThumbTransparenz / 255.0);
}

void TThumbForm::FormShow()
{
    ReadHintSize();
}

void TThumbForm::ReadHintSize()
{
    HintSize_ = std::clamp(ThumbHintGroesse, 50, 500); // a hand-edited setting cannot eat the memory
}

void TThumbForm::FormDestroy()
{
    // The pictures are the label's own; nothing else is held.
}

void TThumbForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    RunGuarded([this] { FormShow(); });
}

void TThumbForm::ShowThumbHint(const QString &FileName)
{
    if (FileName == LastFile && LastShown)
        return;
    LastFile = FileName;
    LastShown = true; // a file of another kind, or one that cannot be read, shows nothing
    ReadHintSize();
    const QString extension = fs::extensionOf(fs::nameOf(FileName)).toLower();
    QImage picture;
    if (extension == u".bmp")
        picture = LoadPicture(FileName);
    else if (extension == u".jpg" || extension == u".jpeg")
        picture = DecodeJpeg(FileName, QSize(HintSize_, HintSize_), true);
    hide();
    if (picture.isNull())
        return;
    picture = ScaleGraphicToFit(picture, HintSize_, HintSize_);
    HintImage->setPixmap(QPixmap::fromImage(picture));
    setFixedSize(picture.width() + 2 * BorderWidth, picture.height() + 2 * BorderWidth);
    show();
}

void TThumbForm::HideHint()
{
    hide();
    LastShown = false;
}

void TThumbForm::HintImageMouseMove()
{
    HideHint();
}
