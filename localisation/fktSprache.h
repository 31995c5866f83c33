#pragma once
// The text table and the language state.

#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>

// Language offset: 0, 10000, 20000, 30000 or 40000 (German, English, Dutch, Spanish, French).
extern int Sprache;
// Index into LanguageNames, derived from Sprache.
extern std::uint8_t LanguageIndex;
extern const std::array<QString, 5> LanguageNames;

// Text of German id Id in the chosen language: entry Id + Sprache, at most 254
// characters; empty when the entry is empty or missing.
QString LoadLangString(int Id);
// Sets LanguageIndex from Sprache by exact comparison; other values leave it as it is.
void SetLanguageIndexFromSprache();
// The language name of the dialogs: LanguageNames[LanguageIndex].
QString LanguageName();
// The locale of the chosen language (LanguageIndex): numbers shown in the window's
// language, such as the sizes of the report view.
QLocale LanguageLocale();

// "(" + text 8990 + the release date + ")", set by ApplyLanguageCaptions.
extern QString VersionDateText;
// Puts the texts of the chosen language on the main window (HauptForm): its caption
// "Corvex Pro V1.52 " + VersionDateText and the rows of MainWindowTexts()
// (fktSprache_Captions.h). Refilled option groups choose item 0 and run their click
// handlers, without a preview meanwhile; with the preview on it is refreshed once at
// the end.
void ApplyLanguageCaptions();
