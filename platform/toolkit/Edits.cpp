#include "platform/toolkit/Edits.h"

#include <QToolButton>
#include <QVBoxLayout>

TEdit::TEdit(QWidget *parent, const QString &name) : QLineEdit(parent)
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, [this] { emit OnChange(); });
}

TMemo::TMemo(QWidget *parent, const QString &name) : QPlainTextEdit(parent)
{
    setObjectName(name);
}

QStringList TMemo::Lines() const
{
    QString text = toPlainText();
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.isEmpty() && toPlainText().isEmpty() ? QStringList() : text.split(u'\n');
}

TUpDown::TUpDown(QWidget *parent, const QString &name) : QWidget(parent)
{
    setObjectName(name);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *up = new QToolButton(this);
    auto *down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {up, down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        layout->addWidget(b);
    }
    connect(up, &QToolButton::clicked, this, [this] { step(1); });
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });
}

void TUpDown::setPosition(int position)
{
    position_ = qBound(min_, position, max_);
    if (associate_)
        associate_->setText(QString::number(position_));
}

void TUpDown::setRange(int min, int max)
{
    min_ = min;
    max_ = qMax(min, max);
    setPosition(position_);
}

void TUpDown::setAssociate(TEdit *edit)
{
    associate_ = edit;
    if (!edit)
        return;
    connect(edit, &TEdit::OnChange, this, [this] {
        bool ok = false;
        const int v = associate_->text().toInt(&ok);
        if (ok)
            position_ = qBound(min_, v, max_);
    });
    setPosition(position_);
}

void TUpDown::step(int delta)
{
    const int before = position_;
    setPosition(position_ + delta);
    if (position_ != before)
        emit OnClick();
}
