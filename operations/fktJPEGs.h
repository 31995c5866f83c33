#pragma once
// The JPEG tools of the graphics page: the search for defective JPEG files and the
// reduction of JPEG files, with the lock of the main window while one runs. The byte
// layout they read: fktJPEGs_Segmente.h.

#include <QString>

#include <cstdint>

extern std::uint8_t JpegAbortFlag; // 1 asks the running search or reduction to stop
extern QString DefectFolder;       // "Defekt/" of the last search, with a trailing "/"
extern std::int64_t BytesRemoved;  // bytes saved by the current or last reduction

// Defective: a file of at most 25 bytes, or one with no pair FF D9 beginning in its last
// quarter (above Size x 0.75 rounded half to even). A file that is no regular file (a
// symbolic link among them) or cannot be read is not judged: false.
bool IsJpegDefective(const QString &FileName);

// Tests every gathered file and copies or moves each defective one to DefectFolder as
// "Defekt" + its number + "_" + its name; the moves are the undo log of kind 0.
void SearchDefectiveJpegs();

// Removes the chosen steps' bytes from each gathered JPEG file (or its copy in the
// target folder), after one OK/Abort question; each file is replaced once, atomically.
void ReduceJpegFiles();
// The steps on one file: application segments, the comment segment, what follows the
// end of image, in this order; the file is replaced only when something goes. The bytes
// removed are added to BytesRemoved. Nothing happens to a file that is no regular file,
// is read-only, has other hard links or an owner the new file cannot be given.
void ReduceJpegFile(const QString &FileName, bool Applications, bool Comment, bool AfterEoi);

// Lock and unlock the main window during a JPEG run: tool bar, the four main menus (and
// their shortcuts), the graphics page's tabs, switches, start buttons, options and
// target field, and both explorer pairs; the cancel buttons stay usable.
void DisableMainUi();
void EnableMainUi();
