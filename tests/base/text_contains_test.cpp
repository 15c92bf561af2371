#include "base/text_contains.h"

#include <gtest/gtest.h>

TEST(TextContains, FindsAPatternInAModemReply)
{
    EXPECT_TRUE(text_contains("\r\nCONNECT 9600\r\n", "ONNE"));
    EXPECT_TRUE(text_contains("BUSY", "BUSY"));
    EXPECT_FALSE(text_contains("BUS", "BUSY"));
    EXPECT_FALSE(text_contains("", ""));
    EXPECT_FALSE(text_contains("NO CARRIER", "busy"));
}
