#include "platform/Abort.h"

void Abort()
{
    throw EAbort();
}
