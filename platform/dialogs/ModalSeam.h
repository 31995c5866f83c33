#pragma once
// The one seam every modal interaction goes through. The program builds its real
// dialog and hands it here; by default it runs dlg.exec(). Tests install a handler
// that records what was shown and answers in place of the user; process tests of the
// real program set CORVEX_MODAL_LOG=<file> (each box logged and answered by default).

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

struct ModalRecord {
    QString kind;        // "MessageDlg", "InputQuery", "SelectDirectory", "OpenFile", "Color", ...
    QString caption;     // window caption
    QString text;        // message or prompt
    QStringList buttons; // button texts in screen order
    int dlgType = -1;    // message kind of MessageDlg
    int buttonSet = 0;   // button set of MessageDlg
};

class ModalSeam {
public:
    using Handler = std::function<int(QDialog &dialog, const ModalRecord &record)>;

    // Shows the dialog modally and returns its result (QDialog::Accepted, a modal result, ...).
    static int exec(QDialog &dialog, const ModalRecord &record);

    // Installs a handler in place of dlg.exec(); an empty handler restores the default.
    static void setHandler(Handler handler);
};

class QMenu;
class QPoint;

// Pops up Menu at the screen position At, modally through the seam (kind "PopupMenu",
// caption the menu's object name, buttons the texts of its items without separators).
// The answer n runs the n-th of those items (1 the first); 0 or any other answer, or
// the menu closed without a choice, runs nothing.
void PopupMenuModal(QMenu &Menu, const QPoint &At);
