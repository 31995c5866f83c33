#pragma once
// What the program finds in its environment: its arguments and the folders of the
// user. Texts are decoded losslessly (platform/fs/PathCodec.h); folders end in "/".

#include <QString>
#include <QStringList>

// The arguments after the program name, as the main block keeps them once the
// application object has taken its own options out of argv. Empty until then.
QStringList ProgramArguments();
void SetProgramArguments(int argc, char **argv);

// $HOME, else the home folder of the user database.
QString HomeFolder();
// $XDG_CONFIG_HOME when it is an absolute path, else HomeFolder() + ".config/".
QString ConfigHomeFolder();
// $XDG_DATA_HOME when it is an absolute path, else HomeFolder() + ".local/share/".
QString DataHomeFolder();
// $XDG_RUNTIME_DIR when it is an absolute path, else empty.
QString RuntimeFolder();
// $TMPDIR when it is an absolute path, else "/tmp/".
QString TempFolder();
// The current working directory; empty when it cannot be read.
QString CurrentFolder();
// The folder of the running executable.
QString ExecutableFolder();
// True when the current user may create files in Folder.
bool IsWritableFolder(const QString &Folder);
