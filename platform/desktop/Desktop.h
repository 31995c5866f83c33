#pragma once
// Desktop services: opening a document or starting a program, and the properties of a
// file or folder (the file manager's sheet, else a small dialog of our own).

#include <QList>
#include <QPair>
#include <QString>

class QWidget;

// Opens a document (an absolute path) or an address with the scheme http, https, mailto
// or file with the desktop's opener; any other text opens nothing. With parameters,
// starts the program FileName in Directory. ShowCmd is accepted for the callers' sake
// and not used.
void ShellOpen(const QString &FileName, const QString &Parameters, const QString &Directory, int ShowCmd);

namespace desktop {

// Moves a file or folder (a link as the link) to the freedesktop Trash of its file
// system through GIO; never deletes it. False when it stays where it is, for instance
// on a file system that has no trash; then errorText (when given) gets the reason.
bool moveToTrash(const QString &path, QString *errorText = nullptr);

// Asks the file manager (org.freedesktop.FileManager1 on the session bus) to show the
// properties of the path; false when none answers.
bool showItemProperties(const QString &path);

// One row of the properties dialog of our own: label and value.
using PropertyRow = QPair<QString, QString>;
// The properties dialog of our own, modal through the dialog seam (kind "Properties",
// text the path shown), with one OK button.
void showPropertiesDialog(QWidget *parent, const QString &caption, const QString &shownPath,
                          const QList<PropertyRow> &rows);

} // namespace desktop
