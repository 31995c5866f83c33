#pragma once
// What a test puts into the settings store before a start, and what a started program
// logged through the modal seam (CORVEX_MODAL_LOG).

#include "platform/registry/TRegistry.h"
#include "shell/Haupt_Einstellungen.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <gtest/gtest.h>

#include <functional>

// Opens the settings key (creating it) and lets write store values in it.
inline void StoreSettings(const std::function<void(TRegistry &)> &write)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, true));
    write(reg);
}

// The boxes logged in modalLog, one JSON object per line; none when it is missing.
inline QList<QJsonObject> LoggedBoxes(const QString &modalLog)
{
    QList<QJsonObject> boxes;
    QFile file(modalLog);
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray &line : file.readAll().split('\n'))
            if (!line.isEmpty())
                boxes << QJsonDocument::fromJson(line).object();
    return boxes;
}
