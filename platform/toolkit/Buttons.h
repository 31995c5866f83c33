#pragma once
// Check box whose Checked set in code runs its click handler, and speed buttons
// with Down and group exclusivity.

#include <QCheckBox>
#include <QToolButton>

class TCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TCheckBox(QWidget *parent = nullptr, const QString &name = {}, const QString &caption = {});
    bool Checked() const { return isChecked(); }
    void setChecked(bool checked) { QCheckBox::setChecked(checked); }

signals:
    // Emitted on every change of Checked, by the user or by code.
    void OnClick();
};

class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    // GroupIndex 0: a plain push button. Otherwise the buttons of one parent with the
    // same GroupIndex are exclusive; AllowAllUp lets the down button be released.
    explicit TSpeedButton(QWidget *parent = nullptr, const QString &name = {}, int groupIndex = 0);

    bool Down() const { return isChecked(); }
    void setDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void setAllowAllUp(bool allow) { allowAllUp_ = allow; }

signals:
    void OnClick();

private:
    void userClicked();
    int groupIndex_;
    bool allowAllUp_ = false;
};
