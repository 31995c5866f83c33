/* Rename plug-ins of Corvex Pro.
 *
 * A plug-in is a shared library (.so) that the rename page's rule "Externe
 * Umbenennungsfunktion" loads for one batch, one preview or one description, and
 * releases after it. It exports with C linkage:
 *
 *   Neuen_Dateinamen_bestimmen  the new name of one file. Name is the file's current
 *                               name (with extension, without folder) as its bytes on
 *                               disk, NUL-terminated. The result is the new name in the
 *                               same form; NULL or "" leaves the file as it is, and a
 *                               "/" or "\" in it is dropped. The program copies the
 *                               result before its next call, so a buffer of the
 *                               plug-in's own (or Name itself) will do.
 *   Funktions_Beschreibung      a description for the user, UTF-8 (else read as
 *                               Windows-1252); CR LF, LF or CR end its lines.
 *
 * A plug-in keeps no state the program relies on between two loads.
 */
#ifndef CORVEXPRO_PLUGIN_H
#define CORVEXPRO_PLUGIN_H

#ifdef __cplusplus
extern "C" {
#endif

#define CORVEXPRO_PLUGIN_EXPORT __attribute__((visibility("default")))

CORVEXPRO_PLUGIN_EXPORT const char *Neuen_Dateinamen_bestimmen(const char *Name);
CORVEXPRO_PLUGIN_EXPORT const char *Funktions_Beschreibung(void);

typedef const char *(*Neuen_Dateinamen_bestimmen_t)(const char *Name);
typedef const char *(*Funktions_Beschreibung_t)(void);

#ifdef __cplusplus
}
#endif

#endif
