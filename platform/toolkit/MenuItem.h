#pragma once
// A menu item or tool-button action with a Tag, as the undo item uses it.

#include <QAction>

class TMenuItem : public QAction {
    Q_OBJECT
public:
    explicit TMenuItem(QObject *parent = nullptr, const QString &name = {}, const QString &caption = {})
        : QAction(caption, parent)
    {
        setObjectName(name);
    }
    int Tag = 0;
};
