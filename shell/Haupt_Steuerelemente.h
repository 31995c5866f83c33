#pragma once
// The pages' controls: making edits, labels, option groups and up-downs, and hooks for
// key filters of edit fields and clicks into read-only fields. Each hook runs its
// handler so that no exception crosses Qt code. The texts come from the window's text
// table (ApplyLanguageCaptions); the builders set none.

#include "shell/Haupt.h"

#include "localisation/fktSprache_Captions.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/EventHook.h"
#include "platform/toolkit/RadioGroup.h"

#include <QLabel>

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <functional>
#include <utility>

// Each character typed into Edit goes through Filter first; a character Filter sets to
// null is dropped. Keys that type no character (arrows, Tab, shortcuts) pass.
template <typename Page> void HookKeyPress(THauptForm &f, QWidget *edit, void (Page::*filter)(QChar &))
{
    new EventHook(edit, [&f, filter](QEvent *event) {
        if (event->type() != QEvent::KeyPress)
            return false;
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() != 1 || (text[0] < u' ' && text[0] != u'\b') || text[0] == u'\x7f')
            return false;
        QChar key = text[0];
        (f.*filter)(key);
        return key.isNull();
    });
}

// The key filter of a digits-only field: every key but "0"-"9" and Backspace dropped.
inline void KeepDigitKeys(QChar &Key)
{
    if (!(Key >= u'0' && Key <= u'9') && Key != u'\b')
        Key = QChar();
}

// The handler runs when the mouse moves over Control itself: a move over one of its
// children, which Qt passes on to it when the child ignores it, does not count.
template <typename Handler> void OnMouseMove(THauptForm &f, QWidget *Control, Handler handler)
{
    Control->setMouseTracking(true);
    THauptForm *form = &f;
    new EventHook(Control, [form, handler, Control](QEvent *event) {
        if (event->type() == QEvent::MouseMove &&
            !Control->childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
            (form->*handler)();
        return false;
    });
}

// A left click into Field runs Click.
inline void HookClick(QWidget *Field, std::function<void()> Click)
{
    new EventHook(Field, [click = std::move(Click)](QEvent *event) {
        if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            click();
        return false;
    });
}

inline TEdit *NewEdit(QWidget *parent, const QString &name, const QString &text = {})
{
    auto *edit = new TEdit(parent, name);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    edit->setText(text);
    return edit;
}

inline QLabel *NewLabel(QWidget *parent, const QString &name, QWidget *buddy)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

// A radio group with its caption and items from the text table, item 0 chosen: the
// page's size and the rule handlers that the builder runs need the items at once.
inline TRadioGroup *NewRadioGroup(QWidget *parent, const QString &name)
{
    auto *group = new TRadioGroup(parent, name);
    ApplyMainWindowTexts(group);
    return group;
}

inline TUpDown *NewUpDown(QWidget *parent, const QString &name, TEdit *edit, int min, int max, int position)
{
    auto *upDown = new TUpDown(parent, name);
    upDown->setRange(min, max);
    upDown->setPosition(position);
    upDown->setAssociate(edit);
    return upDown;
}
