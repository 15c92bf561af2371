#include "base/text_contains.h"

#include <gtest/gtest.h>

TEST(TextContains, FindsAPatternInAModemReply)
{
    EXPECT_TRUE(textContains("\r\nCONNECT 9600\r\n", "ONNE"));
    EXPECT_TRUE(textContains("BUSY", "BUSY"));
    EXPECT_FALSE(textContains("BUS", "BUSY"));
    EXPECT_FALSE(textContains("", ""));
    EXPECT_FALSE(textContains("NO CARRIER", "busy"));
}
