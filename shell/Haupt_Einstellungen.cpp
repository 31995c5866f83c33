#include "shell/Haupt_Einstellungen.h"

#include "localisation/fktSprache.h"
#include "operations/fktAllgemein.h"
#include "platform/Environment.h"
#include "platform/fs/FileSystem.h"
#include "platform/registry/TRegistry.h"
#include "shell/Haupt_Globals.h"

const QString SettingsKey = QStringLiteral("\\Software\\Wexmoor\\CorvexPro\\V1.50");

namespace {

// A string setting whose read error keeps the value it had.
void ReadKeptString(const TRegistry &Reg, const QString &Name, QString &Setting)
{
    try {
        Setting = Reg.ReadString(Name);
    } catch (...) {
    }
}

QString ReadStringOr(const TRegistry &Reg, const QString &Name)
{
    try {
        return Reg.ReadString(Name);
    } catch (...) {
        return {};
    }
}

int ReadIntegerOr(const TRegistry &Reg, const QString &Name, int Default)
{
    try {
        return Reg.ReadInteger(Name);
    } catch (...) {
        return Default;
    }
}

// "byte" settings keep the low 8 bits of the stored number.
std::uint8_t ReadByteOr(const TRegistry &Reg, const QString &Name, std::uint8_t Default)
{
    return std::uint8_t(ReadIntegerOr(Reg, Name, Default));
}

std::uint8_t ReadTruthOr(const TRegistry &Reg, const QString &Name, bool Default)
{
    try {
        return Reg.ReadBool(Name) ? 1 : 0;
    } catch (...) {
        return Default ? 1 : 0;
    }
}

// A folder setting: Default() when empty, else with a trailing "/".
void CompleteFolder(QString &Setting, QString (*Default)())
{
    Setting = Setting.isEmpty() ? Default() : AddTrailingBackslash(Setting);
}

} // namespace

QString ProgramDataFolder()
{
    if (IsWritableFolder(ProgramDir))
        return ProgramDir;
    const QString folder = DataHomeFolder() + QStringLiteral("Wexmoor/CorvexPro/");
    fs::createFolders(folder);
    return folder;
}

void ReadSettings()
{
    TRegistry Reg;
    Reg.OpenKey(SettingsKey, true); // when it cannot be opened, every read gives its default

    ReadKeptString(Reg, QStringLiteral("Arbeitsverzeichnis"), Arbeitsverzeichnis);
    CompleteFolder(Arbeitsverzeichnis, ProgramDataFolder);
    ReadKeptString(Reg, QStringLiteral("StartverzeichnisLinks"), StartverzeichnisLinks);
    CompleteFolder(StartverzeichnisLinks, HomeFolder);
    ReadKeptString(Reg, QStringLiteral("StartverzeichnisRechts"), StartverzeichnisRechts);
    CompleteFolder(StartverzeichnisRechts, HomeFolder);
    ReadKeptString(Reg, QStringLiteral("Protokolldatei"), Protokolldatei);
    if (Protokolldatei.isEmpty())
        Protokolldatei = QStringLiteral("Protokoll.txt");
    Dateiendungen = ReadStringOr(Reg, QStringLiteral("Dateiendungen"));
    FilterEinst = ReadStringOr(Reg, QStringLiteral("FilterEinst"));

    Sprache = ReadIntegerOr(Reg, QStringLiteral("Sprache"), 0);
    Sprachwahl = ReadTruthOr(Reg, QStringLiteral("Sprachwahl"), true);
    Datum = ReadByteOr(Reg, QStringLiteral("Datum"), 0);
    Zeit = ReadByteOr(Reg, QStringLiteral("Zeit"), 0);
    Startwert = ReadIntegerOr(Reg, QStringLiteral("Startwert"), 0);
    Kontextmenu = ReadTruthOr(Reg, QStringLiteral("Kontextmenu"), false);
    TortenFarbe = ReadByteOr(Reg, QStringLiteral("TortenFarbe"), 2);
    ThumbsBreite = ReadIntegerOr(Reg, QStringLiteral("ThumbsBreite"), 100);
    ThumbsHoehe = ReadIntegerOr(Reg, QStringLiteral("ThumbsHoehe"), 100);
    ThumbLinks = ReadTruthOr(Reg, QStringLiteral("ThumbLinks"), false);
    ThumbRechts = ReadTruthOr(Reg, QStringLiteral("ThumbRechts"), false);
    ThumbHintGroesse = ReadIntegerOr(Reg, QStringLiteral("ThumbHintGroesse"), 100);
    ThumbTransparenz = ReadByteOr(Reg, QStringLiteral("ThumbTransparenz"), 255);
    VerstecktAnzeigen = ReadTruthOr(Reg, QStringLiteral("VerstecktAnzeigen"), false);
    BildschirmSpeichern = ReadTruthOr(Reg, QStringLiteral("BildschirmSpeichern"), false);
    Explorer01aLinks = ReadIntegerOr(Reg, QStringLiteral("Explorer01aLinks"), 150);
    Explorer02aLinks = ReadIntegerOr(Reg, QStringLiteral("Explorer02aLinks"), 150);
    SLVBackground01 = ReadTruthOr(Reg, QStringLiteral("SLVBackground01"), true);
    SLVBackground02 = ReadTruthOr(Reg, QStringLiteral("SLVBackground02"), true);
    SLVTextur01 = ReadByteOr(Reg, QStringLiteral("SLVTextur01"), 1);
    SLVTextur02 = ReadByteOr(Reg, QStringLiteral("SLVTextur02"), 1);
    SLVTexturPfad01 = ReadStringOr(Reg, QStringLiteral("SLVTexturPfad01"));
    SLVTexturPfad02 = ReadStringOr(Reg, QStringLiteral("SLVTexturPfad02"));
    SLVFontColor01 = ReadIntegerOr(Reg, QStringLiteral("SLVFontColor01"), 0);
    SLVFontColor02 = ReadIntegerOr(Reg, QStringLiteral("SLVFontColor02"), 0);

    Reg.CloseKey();
    SetLanguageIndexFromSprache();
}

int SplitOwnExtensions(const QString &Stored)
{
    OwnExtensions.fill(QString());
    QString current;
    int n = 0;
    for (qsizetype i = 0; i < Stored.size() && n < int(OwnExtensions.size()); ++i) {
        const QChar c = Stored[i];
        const bool star = c == QLatin1Char('*');
        if (!star || current.size() <= 1)
            current += c;
        if ((star && current.size() >= 3) || i == Stored.size() - 1) {
            OwnExtensions[size_t(n++)] = current.left(7);
            current = QStringLiteral("*");
        }
    }
    return n;
}

int SplitOwnFilters(const QString &Stored)
{
    OwnFilters.fill(QString());
    QString current;
    int n = 0;
    int k = 0; // characters since the last ";"
    for (qsizetype i = 0; i < Stored.size() && n < int(OwnFilters.size()); ++i) {
        const QChar c = Stored[i];
        const bool star = c == QLatin1Char('*');
        if (!star || k <= 1) {
            current += c;
            k = c == QLatin1Char(';') ? 0 : k + 1;
        }
        if ((star && k >= 3) || i == Stored.size() - 1) {
            OwnFilters[size_t(n++)] = current.left(30);
            current = QStringLiteral("*");
            k = 1;
        }
    }
    FilterString.clear();
    if (!Stored.isEmpty()) {
        FilterString = QStringLiteral("|");
        for (int e = 0; e < n; ++e)
            FilterString += OwnFilters[size_t(e)] + QLatin1Char('|') + OwnFilters[size_t(e)] + QLatin1Char('|');
    }
    return n;
}

void WriteOptionsSettings()
{
    TRegistry Reg;
    Reg.OpenKey(SettingsKey, true);
    Reg.WriteString(QStringLiteral("Arbeitsverzeichnis"), Arbeitsverzeichnis);
    Reg.WriteString(QStringLiteral("StartverzeichnisLinks"), StartverzeichnisLinks);
    Reg.WriteString(QStringLiteral("StartverzeichnisRechts"), StartverzeichnisRechts);
    Reg.WriteString(QStringLiteral("Protokolldatei"), Protokolldatei);
    Reg.WriteString(QStringLiteral("Dateiendungen"), Dateiendungen);
    Reg.WriteString(QStringLiteral("FilterEinst"), FilterEinst);
    Reg.WriteInteger(QStringLiteral("Sprache"), Sprache);
    Reg.WriteInteger(QStringLiteral("Datum"), Datum);
    Reg.WriteInteger(QStringLiteral("Zeit"), Zeit);
    Reg.WriteInteger(QStringLiteral("Startwert"), Startwert);
    Reg.WriteInteger(QStringLiteral("TortenFarbe"), TortenFarbe);
    Reg.WriteBool(QStringLiteral("Kontextmenu"), Kontextmenu != 0);
    Reg.WriteBool(QStringLiteral("ThumbLinks"), ThumbLinks != 0);
    Reg.WriteBool(QStringLiteral("ThumbRechts"), ThumbRechts != 0);
    Reg.WriteInteger(QStringLiteral("ThumbHintGroesse"), ThumbHintGroesse);
    Reg.WriteInteger(QStringLiteral("ThumbTransparenz"), ThumbTransparenz);
    Reg.WriteBool(QStringLiteral("VerstecktAnzeigen"), VerstecktAnzeigen != 0);
    Reg.WriteBool(QStringLiteral("BildschirmSpeichern"), BildschirmSpeichern != 0);
    Reg.WriteBool(QStringLiteral("SLVBackground01"), SLVBackground01 != 0);
    Reg.WriteBool(QStringLiteral("SLVBackground02"), SLVBackground02 != 0);
    Reg.WriteInteger(QStringLiteral("SLVTextur01"), SLVTextur01);
    Reg.WriteInteger(QStringLiteral("SLVTextur02"), SLVTextur02);
    Reg.WriteString(QStringLiteral("SLVTexturPfad01"), SLVTexturPfad01);
    Reg.WriteString(QStringLiteral("SLVTexturPfad02"), SLVTexturPfad02);
    Reg.WriteInteger(QStringLiteral("SLVFontColor01"), SLVFontColor01);
    Reg.WriteInteger(QStringLiteral("SLVFontColor02"), SLVFontColor02);
    Reg.CloseKey();
}

void WriteLanguageSettings()
{
    TRegistry Reg;
    Reg.OpenKey(SettingsKey, true);
    Reg.WriteString(QStringLiteral("Arbeitsverzeichnis"), Arbeitsverzeichnis);
    Reg.WriteString(QStringLiteral("Protokolldatei"), Protokolldatei);
    Reg.WriteInteger(QStringLiteral("Sprache"), Sprache);
    Reg.WriteBool(QStringLiteral("Sprachwahl"), Sprachwahl != 0);
    Reg.CloseKey();
}

void WriteTreePaneWidths(int Left, int Right)
{
    TRegistry Reg;
    Reg.OpenKey(SettingsKey, true);
    Reg.WriteInteger(QStringLiteral("Explorer01aLinks"), Left);
    Reg.WriteInteger(QStringLiteral("Explorer02aLinks"), Right);
    Reg.CloseKey();
}

void WriteThumbSize(int Size)
{
    TRegistry Reg;
    Reg.OpenKey(SettingsKey, true);
    Reg.WriteInteger(QStringLiteral("ThumbsBreite"), Size);
    Reg.WriteInteger(QStringLiteral("ThumbsHoehe"), Size);
    Reg.CloseKey();
}
