#include "tables/param_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

// Bytes of the image that differ from zero, as {offset, value}.
std::vector<std::pair<int, int>> nonZero(const ParamImage& image)
{
    std::vector<std::pair<int, int>> found;
    for (int i = 0; i < TableCatalogue::ImageSize; ++i)
        if (image.all()[i] != 0)
            found.push_back({i, image.all()[i]});
    return found;
}

} // namespace

TEST(ParamImage, FieldsLieAtTheirTablesPlaceOneFieldLengthApart)
{
    ParamImage image;
    image.field(4, 0)[0] = 0x11;
    image.field(4, 15)[21] = 0x22;
    image.field(37, 6)[3] = 0x33;
    image.table(0)[17] = 0x44;
    const std::vector<std::pair<int, int>> expected = {{17, 0x44}, {30, 0x11}, {381, 0x22}, {1583, 0x33}};
    EXPECT_EQ(nonZero(image), expected);
    EXPECT_EQ(image.table(4).size(), 352u);
    EXPECT_EQ(image.field(4, 3).size(), 22u);
    EXPECT_EQ(image.fields({22, 5, 3}).size(), 12u);
}

TEST(ParamImage, WrongTablesFieldsAndRangesGiveNothing)
{
    ParamImage image;
    for (int t : {-1, 1, 31, 38, 256 + 4, INT_MIN, INT_MAX})
        EXPECT_TRUE(image.table(t).empty()) << "table " << t;
    for (auto [t, i] : {std::pair{0, 18}, {4, 16}, {4, -1}, {5, 1}, {4, 256}, {4, INT_MAX}, {1, 0}, {40, 0}})
        EXPECT_TRUE(image.field(t, i).empty()) << "table " << t << " field " << i;
    for (FieldRange range : {FieldRange{4, 11, 6}, {4, 200, 100}, {0, 18, 1}, {38, 0, 1}, {255, 0, 0}})
        EXPECT_TRUE(image.fields(range).empty());
    EXPECT_TRUE(image.copyOf({4, 11, 6}).isEmpty());
    EXPECT_TRUE(nonZero(image).empty());
}

TEST(ParamImage, AssignTakesExactlyTheRangesBytesOrNothing)
{
    ParamImage image;
    EXPECT_TRUE(image.assign({22, 19, 1}, QByteArray("\x01\x02\x03\x04", 4)));
    const ParamImage before = image;

    EXPECT_FALSE(image.assign({22, 19, 1}, QByteArray(3, 'x')));   // short answer
    EXPECT_FALSE(image.assign({22, 19, 1}, QByteArray(5, 'x')));   // long answer
    EXPECT_FALSE(image.assign({22, 19, 2}, QByteArray(8, 'x')));   // past the last field
    EXPECT_FALSE(image.assign({38, 0, 1}, QByteArray(1, 'x')));    // no such table
    EXPECT_FALSE(image.assign({36, 0, 28}, QByteArray(112, 'x'))); // would run into table 37
    EXPECT_EQ(image, before);

    EXPECT_EQ(image.copyOf({22, 18, 2}), QByteArray("\0\0\0\0\x01\x02\x03\x04", 8));
    const std::vector<std::pair<int, int>> expected = {{934, 1}, {935, 2}, {936, 3}, {937, 4}};
    EXPECT_EQ(nonZero(image), expected);
}

TEST(ParamImage, ACopyKeepsTheBytesAsReadWhileTheImageIsEdited)
{
    ParamImage image;
    image.field(5, 0)[0] = 'A';
    const ParamImage asRead = image;
    const QByteArray nameAsRead = image.copyOf({5, 0, 1});
    image.field(5, 0)[0] = 'B';
    EXPECT_EQ(asRead.field(5, 0)[0], 'A');
    EXPECT_EQ(nameAsRead.at(0), 'A');
    EXPECT_NE(image, asRead);
}
