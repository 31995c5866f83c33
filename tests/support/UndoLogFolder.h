#pragma once
// The undo log of a test: Root + "work/Protokoll.txt", holding an older log beforehand
// so that a test can tell whether a batch replaced it.

#include "platform/fs/FileSystem.h"
#include "shell/Haupt_Globals.h"

#include <QByteArray>
#include <QString>

inline const QByteArray OldUndoLog = "/old/log\r\n/old/log2\r\n";

// Points the working folder at Root + "work/" and writes OldUndoLog as the log there;
// the log's path, empty when it could not be written.
inline QString UseUndoLogBelow(const QString &Root)
{
    Arbeitsverzeichnis = Root + "work/";
    Protokolldatei = QStringLiteral("Protokoll.txt");
    const QString log = Arbeitsverzeichnis + Protokolldatei;
    return fs::createFolders(Arbeitsverzeichnis) && fs::writeFileAtomic(log, OldUndoLog) ? log : QString();
}
