#pragma once
// A media player with its own play, pause and stop buttons over Qt Multimedia. The
// picture of a video is shown in a display widget placed at DisplayRect inside the
// display parent. The buttons follow the player's state (play while not playing,
// pause while playing, stop while playing or paused; none without a file).
// The multimedia back end is loaded on the first Open, not before.

#include <QRect>
#include <QString>
#include <QWidget>

class QAudioOutput;
class QIODevice;
class QMediaPlayer;
class QToolButton;
class QVideoWidget;

class TMediaPlayer : public QWidget {
    Q_OBJECT
public:
    enum TMPBtnType { btPlay, btPause, btStop };
    enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpPaused };

    explicit TMediaPlayer(QWidget *parent = nullptr, const QString &name = {});
    ~TMediaPlayer() override;

    QString FileName() const { return fileName_; }
    void setFileName(const QString &fileName) { fileName_ = fileName; }
    // Opens FileName (stopped at its start); false when it is not a readable regular
    // file. A file the back end cannot play later closes the player and empties
    // FileName.
    bool Open();
    // Stops and releases the file; FileName stays.
    void Close();
    bool IsOpen() const { return open_; }
    void Play();
    void Pause();
    void Stop();
    void Rewind();
    TMPModes Mode() const;

    // The widget the video is shown in, and the rectangle in it; setting the
    // rectangle shows the video above the display's other children.
    void setDisplay(QWidget *display) { display_ = display; }
    void setDisplayRect(const QRect &rect);
    QRect DisplayRect() const { return displayRect_; }

    QToolButton *Button(TMPBtnType button) const;

signals:
    // A button was pressed; emitted before the button's action.
    void OnClick(TMediaPlayer::TMPBtnType button);
    // The media has played to its end.
    void OnNotify();

private:
    void createPlayer();
    void buttonPressed(TMPBtnType button);
    void updateButtons();
    void failed();

    QString fileName_;
    QMediaPlayer *player_ = nullptr;
    QAudioOutput *audio_ = nullptr;
    QVideoWidget *video_ = nullptr;
    QIODevice *device_ = nullptr; // source of a name that is no valid UTF-8
    QWidget *display_ = nullptr;
    QRect displayRect_;
    QToolButton *buttons_[3] = {};
    bool open_ = false;
};
