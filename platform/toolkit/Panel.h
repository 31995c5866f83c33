#pragma once
// A panel with a caption drawn at its left, vertically centred; child controls are laid
// out by the owner beside it. "&" marks an access key in the caption ("&&" shows one "&").

#include <QFrame>

class TPanel : public QFrame {
    Q_OBJECT
public:
    TPanel(QWidget *parent, const QString &name);

    QString Caption() const { return caption_; }
    void setCaption(const QString &caption);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
};
