#pragma once
// Edit fields: setting Text in code emits OnChange, as typing does. An up-down keeps
// Position within Min..Max and writes it into its associated edit.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>

class QToolButton;

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget *parent = nullptr, const QString &name = {});
    QString Text() const { return text(); }
    void setText(const QString &t) { QLineEdit::setText(t); }

signals:
    void OnChange();
};

// A multi-line edit whose Lines are counted as a memo counts them: a final line break
// starts no further line, an empty memo has none.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget *parent = nullptr, const QString &name = {});
    QStringList Lines() const;
    void Clear() { clear(); }
};

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget *parent = nullptr, const QString &name = {});

    int Position() const { return position_; }
    void setPosition(int position);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void setRange(int min, int max);
    void setAssociate(TEdit *edit); // the edit shows Position; typing there moves it

signals:
    void OnClick();

private:
    void step(int delta);
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    TEdit *associate_ = nullptr;
};
