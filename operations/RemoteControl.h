#pragma once
// Unattended runs (corvexpro /R:<file>). A command file names one rename action, its
// settings and the entries; RunCommandFile reads it and carries the action out on the
// filtered entries (NextCommandEntry). Nothing is shown or asked, every failure is
// silent, and the undo menu item is never touched.
//
// Command file: lines ending in LF or CR LF, read one at a time and decoded with the
// lossless path codec (valid UTF-8 as characters, any other byte kept as itself; a
// leading UTF-8 byte-order mark is dropped), in a fixed order:
//   AKTION: <0..255>            0 undo from the log, 1..10 the rename actions
//   ZIELVERZEICHNIS: <folder>   target folder of DATEILVK 1 and 2
//   DATEILVK: <0..255>          0 rename in place, 1 move into the target, 2 copy there
//   the settings lines of the action (see RunCommandFile)
//   either one mask line (folder + file mask containing "*", searched with its
//   sub-folders) or one absolute path per line up to the end of the file.
// A key is matched after upper-casing the line's first characters; its value is the
// rest of the line as it stands. A line with another key is consumed and leaves the
// setting at its starting state.

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

// The settings of one run, named by their keys. Every run starts from this state.
struct TCommandFileSettings {
    std::uint8_t AKTION = 0;
    QString ZIELVERZEICHNIS;     // with a trailing "/", or empty
    std::uint8_t DATEILVK = 0;
    QString STAMMNAME;
    std::uint8_t STANZ = 0;
    int STWERT = 0;              // start number of actions 1 and 3
    QString STWERTLetters;       // start letters of action 2, lower-cased
    std::uint8_t DEND = 0;       // extension: 0 as it is, 1 upper case, 2 lower case
    bool ENDE = false;           // index after the stem (true) or before it
    std::uint8_t ERGAENZUNG = 0; // action 3: 0 stem text in front, 1 number in front
    QString ZKALT;
    QString ZKNEU;
    QString ZK;
    std::uint8_t POSITION = 0;
    bool ANFANG = false;         // count from the start of the stem (true) or its end
    std::uint8_t ANZZEICHEN = 0;
    std::uint8_t OPTION1 = 0;    // case mode 0..4
    std::uint8_t OPTION2 = 0;    // 0 stem, 1 extension, 2 both
    std::uint8_t KUERZEN = 0;    // 0 shorten by ANZZEICHEN, 1 8.3 form
    QString ENDUNGALT;           // with its dot
    QString ENDUNGNEU;           // with its dot
    bool BEIALLEN = false;
    QString STOPZEICHEN;         // one character, or empty
};
extern TCommandFileSettings CommandSettings;

// Runs the command file CommandFileName: reads the settings and the entries and
// dispatches AKTION. Every entry is normalised ("." and ".." resolved lexically, ".."
// at the root staying there) and used in that form; it is dropped when it is not
// absolute, its name is empty, "." or "..", it lies directly in "/", or it lies below
// WindowsDir (compared case-insensitively) or a protected system folder, as written or
// through symbolic links. A target folder that fails the same test counts as none.
// Action 0 moves the pairs of the undo log back (UndoMoveLog), skipping every pair with
// a path that fails the test; the log stays as it is. Returns normally in every case.
void RunCommandFile();

// The batch of the running action: its next entry as its bytes (fs::encodeName),
// filtered and in the form it is used (valid until the next call), or nullopt after the
// last. A list of paths is read from the command file entry by entry as the action
// goes, so the batch is never held whole; the files a mask line found are collected
// first (HauptForm->AlteDateinamen).
std::optional<QByteArrayView> NextCommandEntry();

// The rename actions 1 to 10. Each computes the new name of every entry of the batch
// (NextCommandEntry), moves (DATEILVK 0, 1) or copies (2) it at once without ever
// replacing a file, and logs each carried-out move to the log file as it goes
// (UndoLogWriter; HauptForm->ProtokollListBox stays empty: the program ends with the
// run, and nothing reads the list). An entry whose old or new path holds CR or LF is
// not moved. With DATEILVK 1 or 2 and no absolute target folder, or any other DATEILVK,
// no file is touched and the log is written empty.
void RenumberFiles();        // 1: STAMMNAME + number (or number + STAMMNAME) + extension
void LetterIndexFiles();     // 2: the same with a letter index
void AddToFileNames();       // 3: STAMMNAME or a number in front of the old stem
void ReplaceInFileNames();   // 4: ZKALT replaced by ZKNEU in the whole name
void InsertIntoFileNames();  // 5: ZK inserted at POSITION
void CutFromFileNames();     // 6: ANZZEICHEN characters cut at POSITION
void ChangeFileNameCase();   // 7: letter case of stem and/or extension
void ShortenFileNames();     // 8: shorten by ANZZEICHEN, or to 8.3 form
void ReplaceFileExtension(); // 9: new extension ENDUNGNEU
void CutAtStopCharacter();   // 10: stem cut at the ANZZEICHEN-th STOPZEICHEN
