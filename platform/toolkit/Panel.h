#pragma once
// A panel with a caption drawn at its left, vertically centred; child controls are laid
// out by the owner beside it, or, with CaptionBeside, by its layout right of the caption.
// "&" marks an access key in the caption ("&&" shows one "&").

#include <QFrame>

class TPanel : public QFrame {
    Q_OBJECT
public:
    TPanel(QWidget *parent, const QString &name);

    QString Caption() const { return caption_; }
    void setCaption(const QString &caption);
    // The panel's layout keeps its children right of the caption, whatever its width.
    void setCaptionBeside(bool beside);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeCaption();
    QString caption_;
    bool beside_ = false;
};
