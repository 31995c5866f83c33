#pragma once
// TURLLabel: a text label that changes colour under the mouse and opens its address
// (URL, or its caption when URL is empty) through ShellOpen when it is clicked.

#include "platform/toolkit/Colors.h"

#include <QLabel>

// The address of a new label.
inline const QString DefaultLabelURL = QStringLiteral("https://wexmoor.example/");

class TURLLabel : public QLabel {
    Q_OBJECT
public:
    explicit TURLLabel(QWidget *parent = nullptr, const QString &name = {});

    TColor ColorNormal = clBlue;
    TColor ColorMoveOver = clBlue;
    TColor ColorClick = clRed;
    QString URL = DefaultLabelURL;

    // The colour the caption is drawn in.
    QColor FontColor() const;
    void SetFontColor(TColor Color);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void MouseEnter();
    void MouseLeave();
    bool pressed_ = false;
    bool inside_ = false;
};
