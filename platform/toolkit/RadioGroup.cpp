#include "platform/toolkit/RadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget *parent, const QString &name)
    : QGroupBox(parent), grid_(new QGridLayout(this))
{
    setObjectName(name);
    grid_->setContentsMargins(6, 4, 6, 4);
    grid_->setVerticalSpacing(2);
}

void TRadioGroup::setItems(const QStringList &items)
{
    items_ = items;
    index_ = -1;
    rebuild();
}

void TRadioGroup::setColumns(int columns)
{
    columns_ = qMax(1, columns);
    const int keep = index_;
    rebuild();
    if (keep >= 0)
        buttons_[size_t(keep)]->setChecked(true);
}

void TRadioGroup::setItemIndex(int index)
{
    if (index < -1 || index >= int(items_.size()))
        index = -1;
    if (index == index_)
        return;
    index_ = index;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setAutoExclusive(false);
        buttons_[i]->setChecked(int(i) == index);
        buttons_[i]->setAutoExclusive(true);
    }
    emit OnClick();
}

void TRadioGroup::rebuild()
{
    for (QRadioButton *b : buttons_)
        delete b;
    buttons_.clear();
    const int rows = (int(items_.size()) + columns_ - 1) / columns_;
    for (int i = 0; i < int(items_.size()); ++i) {
        auto *b = new QRadioButton(items_[i], this);
        b->setObjectName(QStringLiteral("%1_%2").arg(objectName()).arg(i));
        grid_->addWidget(b, rows ? i % rows : 0, rows ? i / rows : 0);
        connect(b, &QRadioButton::clicked, this, [this, i] { setItemIndex(i); });
        buttons_.push_back(b);
    }
}
