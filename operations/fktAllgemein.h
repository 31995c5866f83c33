#pragma once
// General functions of the batch operations: the character tables, messages and the
// guards of a running batch. The module's parts: the collectors (fktAllgemein_Sammeln),
// the path, name and size helpers (fktAllgemein_Pfade), the rename executors and the
// undo log (fktAllgemein_Ausfuehren), the failed files of a batch (fktAllgemein_Fehler).

#include "operations/fktAllgemein_Ausfuehren.h"
#include "operations/fktAllgemein_Fehler.h"
#include "operations/fktAllgemein_Pfade.h"
#include "operations/fktAllgemein_Sammeln.h"

#include <QString>
#include <QStringView>

// ---- Character tables ----
// Searched character by character, case-sensitively (e.g. SpecialCharacters.contains(c)).
inline constexpr QStringView InvalidFolderChars = u"\"*/<=>?|";
inline constexpr QStringView SpecialCharacters = u"!\"$%&()*+,/:;<=>?[\\]^`|\u00A7\u00B0\u00B4";
inline constexpr QStringView UmlautCharacters = u"\u00C4\u00D6\u00DC\u00DF\u00E4\u00F6\u00FC";

// ---- Messages ----
// Information box with OK, in the dialogs' language.
void ShowInformation(const QString &Text);
// Text Id as an information box, then the silent Abort.
[[noreturn]] void ReportAndAbort(int Id);

// The messages of a rename preview. While one lives, the first text that ShowInformation
// (and so ReportAndAbort) is given is kept; a quiet one opens no box for it, so that a
// refresh that typing set off never takes the keyboard. The innermost one takes them.
class PreviewMessages {
public:
    explicit PreviewMessages(bool Quiet);
    ~PreviewMessages();
    PreviewMessages(const PreviewMessages &) = delete;
    PreviewMessages &operator=(const PreviewMessages &) = delete;
    // The first message, its lines joined by blanks; empty while none came.
    const QString &Text() const { return text_; }
    // Keeps Text in the innermost one; true when that one is quiet (no box then).
    static bool HoldBack(const QString &Text);

private:
    bool quiet_;
    QString text_;
    PreviewMessages *outer_;
};

// ---- Re-entrancy guard ----
// A batch or preview holds a guard while it runs. While one is held (a collector lets
// the message loop run), a second batch, preview or window close must not start:
//     BatchGuard guard; if (!guard.Entered()) return;
// A guard created while another is held does not enter and releases nothing.
class BatchGuard {
public:
    BatchGuard();
    ~BatchGuard();
    BatchGuard(const BatchGuard &) = delete;
    BatchGuard &operator=(const BatchGuard &) = delete;
    bool Entered() const { return entered_; }
    static bool Running();

private:
    bool entered_;
};

// Shows the hourglass cursor while it lives.
class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    static bool Shown(); // the hourglass is the application's cursor now
    HourglassCursor(const HourglassCursor &) = delete;
    HourglassCursor &operator=(const HourglassCursor &) = delete;
};
