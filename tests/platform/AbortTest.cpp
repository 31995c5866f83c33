#include "platform/Abort.h"

#include <gtest/gtest.h>

TEST(Abort, ThrowsEAbort)
{
    EXPECT_THROW(Abort(), EAbort);
}
