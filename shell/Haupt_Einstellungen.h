#pragma once
// The settings store: every setting global of shell/Haupt_Globals.h (and Sprache) is a
// value of the same name in SettingsKey. Read once at start; four writers store
// values back, each with its own registry access and in its own order.

#include <QString>

// Below HKEY_CURRENT_USER.
extern const QString SettingsKey;

// Reads every setting into its global (each read guarded: a missing or wrongly typed
// value gives the default), then sets LanguageIndex from Sprache.
void ReadSettings();

// The folder of the program's own files: ProgramDir when it is writable, else
// $XDG_DATA_HOME/Wexmoor/CorvexPro/ (created when missing). Trailing "/".
QString ProgramDataFolder();

// Splits Dateiendungen-style text (entries joined without separators) into
// OwnExtensions (at most 10 of at most 7 characters); returns the number of entries.
int SplitOwnExtensions(const QString &Stored);
// Splits FilterEinst-style text (mask lists joined without separators) into OwnFilters
// (at most 5 of at most 30 characters) and sets FilterString, the filters in the pair
// form "|f|f|" (empty for an empty text); returns the number of entries.
int SplitOwnFilters(const QString &Stored);

// Writers: each stores its values in one replacement of the store file, or throws
// ERegistryException and stores none of them.
// Options OK: the 26 settings other than Sprachwahl, ThumbsBreite, ThumbsHoehe,
// Explorer01aLinks and Explorer02aLinks.
void WriteOptionsSettings();
// Language OK: Arbeitsverzeichnis, Protokolldatei, Sprache, Sprachwahl.
void WriteLanguageSettings();
// Closing main window: Explorer01aLinks, Explorer02aLinks.
void WriteTreePaneWidths(int Left, int Right);
// Thumbnail size control: ThumbsBreite and ThumbsHoehe, both Size.
void WriteThumbSize(int Size);
