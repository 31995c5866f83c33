#pragma once
// Shared by the rules of the rename module: taking an entry of NeueDateinamen apart,
// putting it together again, counting characters, and the rules' messages.

#include <QString>
#include <QStringList>

#include <vector>

namespace RenameEntry {

// An entry split into its folder (trailing "/"), its stem and its extension (from the
// last "." of the name, the dot included; empty when the name has none).
struct Parts {
    QString Folder;
    QString Stem;
    QString Ext;
};
Parts Split(const QString &Entry);

// Target mode of DatUmbRadioGroup01: 0 rename in place, 1 move, 2 copy.
int TargetMode();
// The folder a text rule writes an entry into: its own folder in mode 0; in modes 1
// and 2 RenameTargetFolder + the entry's sub-path below RenameBaseFolder.
QString TextRuleFolder(const QString &Folder);
// Item Index of Names := Folder + Name, unless Name is empty, "." or ".." (the entry
// then stays as it is and drops out of the batch).
void Store(QStringList &Names, qsizetype Index, const QString &Folder, const QString &Name);
// Typed text that goes into a name: "/" and "\" removed, so no rule adds a folder.
QString NameText(const QString &Text);

// Letter case of "A"-"Z" and "a"-"z" only; every other character stays as it is.
QChar AsciiUpper(QChar C);
QChar AsciiLower(QChar C);
QString AsciiUpper(const QString &S);
QString AsciiLower(const QString &S);

// A text seen as characters: a surrogate pair is one character; every other code unit
// (a lone surrogate standing for an undecodable byte included) is one character.
class Characters {
public:
    explicit Characters(const QString &Text);
    int Length() const { return length_; }
    // The first Count characters (Count clamped to 0..Length).
    QString Left(int Count) const;
    // The characters from index From (0-based, clamped) to the end.
    QString From(int From) const;

private:
    qsizetype Offset(int Index) const; // code unit offset of character Index (clamped)
    const QString &text_;
    std::vector<qsizetype> starts_; // empty when every character is one code unit
    int length_;
};

// Information box with OK, in the dialogs' language.
void ShowInformation(const QString &Text);
// Text Id as an information box, then the silent abort.
[[noreturn]] void ShowAndAbort(int Id);

} // namespace RenameEntry
