#pragma once
// Watches the events of one object: the function sees each event first and returns
// true to drop it. Lives as long as the watched object; exceptions do not cross Qt.

#include "platform/Application.h"

#include <QEvent>
#include <QObject>

#include <functional>

class EventHook : public QObject {
public:
    EventHook(QObject *watched, std::function<bool(QEvent *)> fn) : QObject(watched), fn_(std::move(fn))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        bool dropped = false;
        RunGuarded([&] { dropped = fn_(event); });
        return dropped;
    }

private:
    std::function<bool(QEvent *)> fn_;
};
