#include "shell/Haupt_Globals.h"

QString Arbeitsverzeichnis;
QString StartverzeichnisLinks;
QString StartverzeichnisRechts;
QString Protokolldatei = QStringLiteral("Protokoll.txt");
QString Dateiendungen;
QString FilterEinst;
std::uint8_t Sprachwahl = 1;
std::uint8_t Datum = 0;
std::uint8_t Zeit = 0;
int Startwert = 0;
std::uint8_t Kontextmenu = 0;
std::uint8_t TortenFarbe = 2;
int ThumbsBreite = 100;
int ThumbsHoehe = 100;
std::uint8_t ThumbLinks = 0;
std::uint8_t ThumbRechts = 0;
int ThumbHintGroesse = 100;
std::uint8_t ThumbTransparenz = 255;
std::uint8_t VerstecktAnzeigen = 0;
std::uint8_t BildschirmSpeichern = 0;
int Explorer01aLinks = 150;
int Explorer02aLinks = 150;
std::uint8_t SLVBackground01 = 1;
std::uint8_t SLVBackground02 = 1;
std::uint8_t SLVTextur01 = 1;
std::uint8_t SLVTextur02 = 1;
QString SLVTexturPfad01;
QString SLVTexturPfad02;
int SLVFontColor01 = 0;
int SLVFontColor02 = 0;

const std::array<QString, 17> BuiltinExtensions = {
    QStringLiteral("*.bak"), QStringLiteral("*.doc"), QStringLiteral("*.exe"), QStringLiteral("*.gif"),
    QStringLiteral("*.htm"), QStringLiteral("*.html"), QStringLiteral("*.jpeg"), QStringLiteral("*.jpg"),
    QStringLiteral("*.mp3"), QStringLiteral("*.mpeg"), QStringLiteral("*.mpg"), QStringLiteral("*.pas"),
    QStringLiteral("*.res"), QStringLiteral("*.tmp"), QStringLiteral("*.txt"), QStringLiteral("*.vqf"),
    QStringLiteral("*.zip")};

std::array<QString, 10> OwnExtensions;
std::array<QString, 5> OwnFilters;
QString FilterString;

QString ProgramDir;
QString WindowsDir;
QString CommandFileName;
QString CommandLineFolder;
std::uint8_t ActiveExplorer = 1;
std::uint8_t ViewMode = 1;
std::array<std::uint8_t, 4> PreviousViewMode = {1, 1, 1, 1};
QStringList FilterMasksLeft;
QStringList FilterMasksRight;
QString CurrentFolderLeft;
QString CurrentFolderRight;
QString EditedFolderOldPath;
int BatchCount = 0;
int LastIndexValue = 0;
bool Mp3TagChanged = false;
