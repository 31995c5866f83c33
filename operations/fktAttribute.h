#pragma once
// Time stamps and attributes of one file or folder: the attributes page, the attribute
// tab and the attribute batch.

#include "platform/DateTime.h"
#include "platform/fs/Attributes.h"
#include "platform/fs/FileSystem.h"

#include <QString>

#include <optional>

// The three time stamps as local date-time values; the outputs are written only when
// all three could be read.
bool GetFileTimes(const QString &FileName, TDateTime &Created, TDateTime &Accessed, TDateTime &Written);
// Writes all three time stamps; false when any of them cannot be written.
bool SetFileTimes(const QString &FileName, TDateTime Created, TDateTime Accessed, TDateTime Written);

// ---- 12-hour form (Zeit 1), the same on both pages ----
// Hour 0 is 12 "am", 1 to 11 "am", 12 is 12 "pm", 13 to 23 hour - 12 "pm".
struct TTwelveHour {
    int Hour = 12;
    bool Pm = false;
};
TTwelveHour ToTwelveHour(int Hour);
// The hour of the day of a shown hour 1 to 12 with its box text; nullopt when the text
// is neither "am" nor "pm" (compared exactly) or the hour is out of range.
std::optional<int> FromTwelveHour(int Shown, const QString &AmPm);

// ---- Attributes page ----
// Fills the page for one path (name, size, associated program, attributes, stamps); an
// empty path clears it. Writes nothing.
void ShowFileAttributes(const QString &FileName);
void ClearAttributePage();

// Mode 1: the attributes of the attributes page's boxes. Mode 2: those of the attribute
// tab, after the old attribute word is appended to ProtokollListBox and the word is
// cleared. The errno of a failed write of the attributes.
fs::Result ApplyFileAttributes(const QString &FileName, int Mode);
// Mode 1: the three stamps the attributes page shows, when they form dates that exist
// and the item's stamps could be read; then AttrSpeedButton01 is disabled.
// Mode 2: the batch's change of one file whose stamps Old the batch read: the three old
// stamps are appended to ProtokollListBox (creation, last write, last access), then
// every checked component of the change kind takes the tab's value; when one new stamp
// cannot be formed the file keeps its stamps (EINVAL). The errno of a failed write of
// the stamps in mode 2.
fs::Result ApplyFileTimes(const QString &FileName, int Mode, const fs::FileTimes &Old = {});
// Lays out the date and time fields of both pages by Datum and Zeit: the day and month
// columns, the am/pm boxes, the hour ranges; the hours held keep their hour of the day.
void ArrangeDateTimeFields();

// ---- The attribute batch ----
// Changes attributes, stamps or both of the collected files after one question, logs
// them for the undo (kind 1) and enables the undo when some file took a change; the
// files that failed are reported in one box after the batch.
void ChangeAttributesOfFiles();
void HMenuAktionenAttrAendernClick();
