#include "base/windows1251.h"
#include "tables/controller_name.h"

#include <gtest/gtest.h>

namespace {

void putName(ParamImage& image, const QByteArray& bytes)
{
    image.assign({5, 0, 1}, bytes.leftJustified(20, ' '));
}

TEST(ControllerName, ConvertedOnlyWhenTheControllerHoldsCodePage866)
{
    ParamImage image;
    const QByteArray name866 = QByteArray::fromHex("8390912091a5a2a5e0ada0ef"); // "ГРС Северная"
    putName(image, name866);
    ControllerName::fromController(image);
    EXPECT_EQ(image.copyOf({5, 0, 1}), toWindows1251("ГРС Северная").leftJustified(20, ' '));
    ControllerName::toController(image);
    EXPECT_EQ(image.copyOf({5, 0, 1}), name866.leftJustified(20, ' '));

    image.field(0, 12)[0] = 1; // the controller holds Windows-1251
    ControllerName::fromController(image);
    EXPECT_EQ(image.copyOf({5, 0, 1}), name866.leftJustified(20, ' '));
}

TEST(ControllerName, ShownWithBlanksTrimmedAtBothEnds)
{
    ParamImage image;
    putName(image, toWindows1251("  ГРС  1"));
    EXPECT_EQ(ControllerName::shown(image), "ГРС  1");
    putName(image, {});
    EXPECT_EQ(ControllerName::shown(image), "");
}

} // namespace
