#pragma once
// Settings and state globals of the main window's module. Each setting bears the
// name of its value in the settings store.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// Settings
extern QString Arbeitsverzeichnis;     // working folder, trailing "/"
extern QString StartverzeichnisLinks;  // start folder of the left explorer, trailing "/"
extern QString StartverzeichnisRechts; // start folder of the right explorer, trailing "/"
extern QString Protokolldatei;         // file name of the undo log in Arbeitsverzeichnis
extern QString Dateiendungen;
extern QString FilterEinst;
// Sprache lives with the text table (localisation/fktSprache.h)
extern std::uint8_t Sprachwahl;
extern std::uint8_t Datum;
extern std::uint8_t Zeit;
extern int Startwert;
extern std::uint8_t Kontextmenu;
extern std::uint8_t TortenFarbe;
extern int ThumbsBreite;
extern int ThumbsHoehe;
extern std::uint8_t ThumbLinks;
extern std::uint8_t ThumbRechts;
extern int ThumbHintGroesse;
extern std::uint8_t ThumbTransparenz;
extern std::uint8_t VerstecktAnzeigen;
extern std::uint8_t BildschirmSpeichern;
extern int Explorer01aLinks;
extern int Explorer02aLinks;
extern std::uint8_t SLVBackground01;
extern std::uint8_t SLVBackground02;
extern std::uint8_t SLVTextur01;
extern std::uint8_t SLVTextur02;
extern QString SLVTexturPfad01;
extern QString SLVTexturPfad02;
extern int SLVFontColor01;
extern int SLVFontColor02;

// The built-in extension masks of the rename page's extension boxes
extern const std::array<QString, 17> BuiltinExtensions;

// Derived from the settings
extern std::array<QString, 10> OwnExtensions;
extern std::array<QString, 5> OwnFilters;
extern QString FilterString;
// The filter list both explorer filter boxes start with: caption|mask pairs.
inline constexpr QStringView BuiltinFilterList =
    u"*.*|*.*|*.bak|*.bak|*.doc|*.doc|*.exe|*.exe|*.gif|*.gif|*.htm;*.html|*.htm;*.html|"
    u"*.jpg;*.jpeg|*.jpg;*.jpeg|*.mp3;*.mp+|*.mp3;*.mp+|*.mpg;*.mpeg|*.mpg;*.mpeg|*.pas|*.pas|"
    u"*.res|*.res|*.tmp|*.tmp|*.txt|*.txt|*.vqf|*.vqf|*.zip|*.zip";

// Program state
extern QString ProgramDir;        // folder of the executable, trailing "/"
extern QString WindowsDir;
extern QString CommandFileName;   // the file after /R:, empty otherwise
extern QString CommandLineFolder; // first argument when it is not /R:
extern std::uint8_t ActiveExplorer; // 1 left explorer pair, 2 right pair
extern std::uint8_t ViewMode;       // 1 to 10
extern std::array<std::uint8_t, 4> PreviousViewMode;
extern QStringList FilterMasksLeft;
extern QStringList FilterMasksRight;
extern QString CurrentFolderLeft;
extern QString CurrentFolderRight;
extern QString EditedFolderOldPath; // the tree folder whose label is being edited
extern int BatchCount;
extern int LastIndexValue;
extern bool Mp3TagChanged; // the MP3 tag editor holds edits not saved yet
