#pragma once
// The picture hint: a frameless window on top of the main window that shows a larger
// picture of the JPEG or bitmap file under the mouse in a file list. It never takes the
// focus; its opacity is ThumbTransparenz / 255 (opaque without a compositor).

#include <QString>
#include <QWidget>

class QLabel;

class TThumbForm : public QWidget {
    Q_OBJECT
public:
    // Becomes ThumbForm while it lives.
    TThumbForm();
    ~TThumbForm() override;

    QLabel *HintImage = nullptr; // on a lowered panel that fills the window

    // Shows the picture of FileName (an empty name, another kind of file or a file that
    // cannot be read: hidden). The file shown is not read again while the hint shows it.
    void ShowThumbHint(const QString &FileName);
    // Hides the hint; the same file shows again on the next ShowThumbHint.
    void HideHint();
    // The edge of the hint picture: ThumbHintGroesse kept within 50 to 500.
    int HintSize() const { return HintSize_; }

    void FormCreate();
    void FormShow();
    void FormDestroy();
    void HintImageMouseMove();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ReadHintSize();
    QString LastFile;       // the file asked for last
    bool LastShown = false; // ... and whether the hint shows it (or nothing can be shown of it)
    int HintSize_ = 100;
};

extern TThumbForm *ThumbForm;
