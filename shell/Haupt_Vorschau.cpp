// The preview pane at the right edge of view mode 1: the file selected in the left
// explorer list, a picture scaled into a 150 x 150 square or a media file in the player.

#include "shell/Haupt.h"

#include "components/Gfvcl.h"
#include "platform/Application.h"
#include "platform/fs/PathNames.h"
#include "platform/picture/Picture.h"
#include "platform/toolkit/MediaPlayer.h"

#include <QFrame>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

constexpr int PreviewSize = 150;
const QRect PlayerDisplayRect(0, 0, PreviewSize, PreviewSize);

// Files with these extensions (compared lower-cased) go to the media player.
const std::array<QString, 6> MediaExtensions = {
    QStringLiteral(".avi"), QStringLiteral(".mpg"), QStringLiteral(".mpeg"),
    QStringLiteral(".wmv"), QStringLiteral(".wav"), QStringLiteral(".mp3"),
};

// Where a picture of the given size is shown in the square: the longer side fills it,
// the other keeps the aspect ratio, centred.
QRect PreviewPictureRect(QSize Picture)
{
    const double w = Picture.width(), h = Picture.height();
    int width = PreviewSize, height = PreviewSize;
    if (h / w >= 1)
        width = RoundEven(w / h * PreviewSize);
    else
        height = RoundEven(h / w * PreviewSize);
    return QRect(RoundEven((PreviewSize - width) / 2.0), RoundEven((PreviewSize - height) / 2.0), width, height);
}

} // namespace

QWidget *THauptVorschau::CreatePreviewPane(QWidget *parent)
{
    ExplorerVorschau = new QStackedWidget(parent);
    ExplorerVorschau->setObjectName(QStringLiteral("ExplorerVorschau"));
    ExplorerVorschau->setFixedWidth(PreviewSize);
    auto *page = new QWidget(ExplorerVorschau);
    page->setObjectName(QStringLiteral("Vorgabe"));
    ExplorerVorschau->addWidget(page);
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ExplorerScrollBox01 = new QWidget(page);
    ExplorerScrollBox01->setObjectName(QStringLiteral("ExplorerScrollBox01"));
    ExplorerScrollBox01->setFixedSize(PreviewSize, PreviewSize);
    ExplorerScrollBox01->setAutoFillBackground(true);
    QPalette black = ExplorerScrollBox01->palette();
    black.setColor(QPalette::Window, Qt::black);
    ExplorerScrollBox01->setPalette(black);
    ExplorerImage01 = new QLabel(ExplorerScrollBox01);
    ExplorerImage01->setObjectName(QStringLiteral("ExplorerImage01"));
    ExplorerImage01->setScaledContents(true);
    ExplorerImage01->setGeometry(PlayerDisplayRect);
    column->addWidget(ExplorerScrollBox01);

    ExplorerGradientFill01 = TGradientFill::WhiteToSilver(page, QStringLiteral("ExplorerGradientFill01"), fdTopToBottom);
    column->addWidget(ExplorerGradientFill01, 1);
    ExplorerBevel01 = new QFrame(page);
    ExplorerBevel01->setObjectName(QStringLiteral("ExplorerBevel01"));
    ExplorerBevel01->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    column->addWidget(ExplorerBevel01);

    ExplorerMediaPlayer = new TMediaPlayer(page, QStringLiteral("ExplorerMediaPlayer"));
    ExplorerMediaPlayer->setFixedSize(85, 20);
    ExplorerMediaPlayer->setDisplay(ExplorerScrollBox01);
    column->addWidget(ExplorerMediaPlayer, 0, Qt::AlignHCenter);
    QObject::connect(ExplorerMediaPlayer, &TMediaPlayer::OnNotify, &Form(), [this] { RunGuarded([this] { MediaPlayerNotify(); }); });
    QObject::connect(ExplorerMediaPlayer, &TMediaPlayer::OnClick, &Form(),
            [this] { RunGuarded([this] { ExplorerMediaPlayerClick(); }); });
    return ExplorerVorschau;
}

void THauptVorschau::ShowExplorerPreview(const QString &FileName)
{
    if (!ExplorerVorschau->isVisibleTo(&Form()))
        return;
    const QString extension = fs::extensionOf(FileName).toLower();
    if (std::find(MediaExtensions.begin(), MediaExtensions.end(), extension) != MediaExtensions.end()) {
        ExplorerMediaPlayer->setFileName(FileName);
        if (!ExplorerMediaPlayer->Open()) {
            ExplorerMediaPlayer->setFileName(QString());
            return;
        }
        ExplorerMediaPlayer->setDisplayRect(PlayerDisplayRect);
        return;
    }
    ExplorerImage01->hide();
    QSize natural;
    const QImage picture = LoadPicture(FileName, QSize(PreviewSize, PreviewSize), &natural);
    if (picture.isNull() || natural.isEmpty()) {
        ExplorerImage01->clear();
    } else {
        ExplorerImage01->setPixmap(QPixmap::fromImage(picture));
        ExplorerImage01->setGeometry(PreviewPictureRect(natural));
    }
    // Above the video display, which an open media file keeps until the player's
    // buttons show it again.
    ExplorerImage01->raise();
    ExplorerImage01->show();
}

void THauptVorschau::ClearExplorerPreview()
{
    ExplorerImage01->clear();
    if (!ExplorerMediaPlayer->FileName().isEmpty()) {
        ExplorerMediaPlayer->Close(); // stops it first
        ExplorerMediaPlayer->setFileName(QString());
    }
}

void THauptVorschau::MediaPlayerNotify()
{
    // The media has played to its end: back to its start, ready to play again.
    ExplorerMediaPlayer->Stop();
    ExplorerMediaPlayer->Rewind();
}

void THauptVorschau::ExplorerMediaPlayerClick()
{
    ExplorerMediaPlayer->setDisplayRect(PlayerDisplayRect);
}

THauptForm &THauptVorschau::Form()
{
    return static_cast<THauptForm &>(*this);
}
