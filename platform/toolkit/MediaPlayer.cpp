#include "platform/toolkit/MediaPlayer.h"

#include "platform/fs/RegularFile.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QHBoxLayout>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVideoWidget>

TMediaPlayer::TMediaPlayer(QWidget *parent, const QString &name) : QWidget(parent)
{
    setObjectName(name);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const QStyle::StandardPixmap icons[3] = {QStyle::SP_MediaPlay, QStyle::SP_MediaPause, QStyle::SP_MediaStop};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QToolButton(this);
        button->setIcon(style()->standardIcon(icons[i]));
        button->setAutoRaise(false);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(button, &QToolButton::clicked, this, [this, i] { buttonPressed(TMPBtnType(i)); });
        row->addWidget(button);
        buttons_[i] = button;
    }
    updateButtons();
}

TMediaPlayer::~TMediaPlayer()
{
    if (player_)
        player_->stop();
}

void TMediaPlayer::createPlayer()
{
    if (player_)
        return;
    // The FFmpeg back end plays all six formats by itself; the GStreamer one needs
    // plug-ins that may be missing (and then fails inside Qt). Chosen before the first
    // multimedia object exists, unless the user asked for a back end.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    player_ = new QMediaPlayer(this);
    // Without an audio device the sound is left out rather than played into nothing.
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        audio_ = new QAudioOutput(this);
        player_->setAudioOutput(audio_);
    }
    connect(player_, &QMediaPlayer::playbackStateChanged, this, [this] { updateButtons(); });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            emit OnNotify();
        updateButtons();
    });
    // A file the back end cannot play closes the player; queued, so that the source is
    // not replaced inside the back end's own signal.
    auto checkFailure = [this] {
        if (open_ && (player_->error() != QMediaPlayer::NoError || player_->mediaStatus() == QMediaPlayer::InvalidMedia))
            failed();
    };
    connect(player_, &QMediaPlayer::errorOccurred, this, checkFailure, Qt::QueuedConnection);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, checkFailure, Qt::QueuedConnection);
}

bool TMediaPlayer::Open()
{
    Close();
    std::unique_ptr<QFile> file = fs::openRegularFile(fileName_);
    if (!file)
        return false;
    createPlayer();
    // A name that is valid UTF-8 goes to the back end as a URL; any other is read
    // through the opened file, so that its exact bytes are used.
    if (QString::fromUtf8(fileName_.toUtf8()) == fileName_) {
        player_->setSource(QUrl::fromLocalFile(fileName_));
    } else {
        device_ = file.release();
        device_->setParent(this);
        player_->setSourceDevice(device_);
    }
    open_ = true;
    if (display_ && !video_) {
        video_ = new QVideoWidget(display_);
        player_->setVideoOutput(video_);
    }
    updateButtons();
    return true;
}

void TMediaPlayer::Close()
{
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
    delete device_;
    device_ = nullptr;
    if (video_)
        video_->hide();
    open_ = false;
    updateButtons();
}

void TMediaPlayer::failed()
{
    Close();
    fileName_.clear();
}

void TMediaPlayer::Play()
{
    if (open_)
        player_->play();
}

void TMediaPlayer::Pause()
{
    if (open_)
        player_->pause();
}

void TMediaPlayer::Stop()
{
    if (open_)
        player_->stop();
}

void TMediaPlayer::Rewind()
{
    if (open_)
        player_->setPosition(0);
}

TMediaPlayer::TMPModes TMediaPlayer::Mode() const
{
    if (!open_)
        return mpNotReady;
    switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState:
        return mpPlaying;
    case QMediaPlayer::PausedState:
        return mpPaused;
    default:
        return mpStopped;
    }
}

void TMediaPlayer::setDisplayRect(const QRect &rect)
{
    displayRect_ = rect;
    if (video_ && open_) {
        video_->setGeometry(rect);
        video_->raise();
        video_->show();
    }
}

QToolButton *TMediaPlayer::Button(TMPBtnType button) const
{
    return buttons_[button];
}

void TMediaPlayer::buttonPressed(TMPBtnType button)
{
    emit OnClick(button);
    switch (button) {
    case btPlay:
        Play();
        break;
    case btPause:
        Pause();
        break;
    case btStop:
        Stop(); // back to the start as well
        break;
    }
}

void TMediaPlayer::updateButtons()
{
    const TMPModes mode = Mode();
    buttons_[btPlay]->setEnabled(mode == mpStopped || mode == mpPaused);
    buttons_[btPause]->setEnabled(mode == mpPlaying);
    buttons_[btStop]->setEnabled(mode == mpPlaying || mode == mpPaused);
}
