#pragma once
// The MP3 view of the rename tab: file names from ID3v1 tags, artist folders for the
// sorting action, the tag editor (HauptForm->ID3Tag names the file it shows) and the
// album page. The rename rule, the artist rule and the album writing read and write
// through components of their own, so they never change the file the editor shows.

#include <QString>

// The German word put in place of a missing artist, in every language.
inline constexpr QStringView UnknownArtist = u"Unbekannt";

// Rename rule of DatUmb01 page 3: NeueDateinamen (a copy of AlteDateinamen) from each
// file's artist, title and track by the scheme of MP3RadioGroup1, as "<name>.mp3" in
// the file's folder (mode 0) or directly in RenameTargetFolder (modes 1 and 2). Special
// characters are removed from the built name only. A file the scheme gives no name
// keeps its entry. Message 9003 and Abort when a target mode has no target folder.
void NameMp3FilesFromTags();
// The targets of the sorting action's MP3 branch: each file with an artist goes to
// RenameTargetFolder + artist + "/" + its name; the artist loses "/" and "\", and one
// that is then empty, "." or ".." gives no target. Message 9003 and Abort when the
// target mode has no target folder.
void SortMp3FilesByArtist();

// The tag editor: shows the tag of FileName (".mp3" or ".mp+", case-sensitive), or
// clears and disables the editor for any other name. Unsaved edits are offered for
// saving into the file shown so far first (question 9020).
void ShowMp3Tag(const QString &FileName);
// Writes the editor's fields into the file shown; after a failure the edits stay
// unsaved.
void SaveMp3Tag();
// Writes the album page to the files selected in the left list, in list order; the
// files that failed are reported in one box afterwards. Messages 9000, 9021/9022 and
// 9085/9086 end it through the silent abort.
void WriteAlbumTags();
