#include "platform/toolkit/Buttons.h"

TCheckBox::TCheckBox(QWidget *parent, const QString &name, const QString &caption)
    : QCheckBox(caption, parent)
{
    setObjectName(name);
    connect(this, &QCheckBox::toggled, this, [this] { emit OnClick(); });
}

TSpeedButton::TSpeedButton(QWidget *parent, const QString &name, int groupIndex)
    : QToolButton(parent), groupIndex_(groupIndex)
{
    setObjectName(name);
    setCheckable(groupIndex != 0);
    setAutoRaise(true);
    connect(this, &QToolButton::clicked, this, &TSpeedButton::userClicked);
}

void TSpeedButton::setDown(bool down)
{
    if (groupIndex_ == 0 || down == isChecked())
        return;
    setChecked(down);
    if (down && parentWidget()) {
        for (TSpeedButton *other : parentWidget()->findChildren<TSpeedButton *>(Qt::FindDirectChildrenOnly))
            if (other != this && other->groupIndex_ == groupIndex_ && other->isChecked())
                other->setChecked(false);
    }
}

void TSpeedButton::userClicked()
{
    if (groupIndex_ != 0) {
        // clicked() has toggled the state already; a group keeps one button down
        if (!isChecked() && !allowAllUp_)
            setChecked(true);
        else if (isChecked()) {
            setChecked(false);
            setDown(true);
        }
    }
    emit OnClick();
}
