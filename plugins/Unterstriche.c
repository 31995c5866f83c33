/* Sample rename plug-in: every blank of a name becomes an underscore. */
#include "CorvexProPlugin.h"

#include <stdlib.h>
#include <string.h>

static char *result;

const char *Neuen_Dateinamen_bestimmen(const char *Name)
{
    const size_t length = strlen(Name);
    char *grown = realloc(result, length + 1);
    if (!grown)
        return NULL;
    result = grown;
    for (size_t i = 0; i <= length; ++i)
        result[i] = Name[i] == ' ' ? '_' : Name[i];
    return result;
}

const char *Funktions_Beschreibung(void)
{
    return "Leerzeichen werden zu Unterstrichen.\r\n"
           "Blanks become underscores.";
}

/* The buffer goes with the library. */
__attribute__((destructor)) static void ReleaseResult(void)
{
    free(result);
    result = NULL;
}
