#include "exchange/changed_fields.h"
#include "link/request_frame.h"
#include "support/simulated_link.h"
#include "tables/table_catalogue.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const FieldRun& run, std::ostream* os)
{
    *os << "{" << run.first << ", " << run.count << "}";
}

namespace {

using Runs = std::vector<FieldRun>;
using Ranges = std::vector<FieldRange>;

// `fields` fields of `length` bytes, and a copy with the given fields changed.
struct Edit {
    QByteArray before;
    QByteArray now;
};

Edit edit(int fields, int length, std::initializer_list<int> changed)
{
    Edit result{QByteArray(fields * length, 'a'), QByteArray(fields * length, 'a')};
    for (int field : changed)
        result.now[field * length + length - 1] = 'b';
    return result;
}

Runs runs(int fields, int length, std::initializer_list<int> changed)
{
    const Edit e = edit(fields, length, changed);
    return changedFieldRuns(length, e.before, e.now);
}

TEST(ChangedFieldRuns, OneRequestWhenItCostsLessThanOnePerRun)
{
    EXPECT_EQ(runs(20, 1, {2, 9}), (Runs{{2, 8}}));         // 26 + 8 against 2 x 27
    EXPECT_EQ(runs(10, 1, {0, 3}), (Runs{{0, 4}}));         // 30 against 54
    EXPECT_EQ(runs(20, 4, {0, 9}), (Runs{{0, 1}, {9, 1}})); // 66 against 60
    EXPECT_EQ(runs(20, 40, {2, 9}), (Runs{{2, 1}, {9, 1}}));
    EXPECT_EQ(runs(20, 2, {0, 14}), (Runs{{0, 1}, {14, 1}})); // 56 against 56: only a cheaper request wins
    EXPECT_EQ(runs(20, 2, {0, 13}), (Runs{{0, 14}}));
}

TEST(ChangedFieldRuns, NeighboursAndUnbrokenRunsGoInOneRequest)
{
    EXPECT_EQ(runs(20, 40, {4, 5}), (Runs{{4, 2}}));
    EXPECT_EQ(runs(20, 40, {4, 6}), (Runs{{4, 1}, {6, 1}}));
    EXPECT_EQ(runs(20, 4, {3, 4, 5, 6}), (Runs{{3, 4}}));
    EXPECT_EQ(runs(20, 4, {7}), (Runs{{7, 1}}));
    EXPECT_TRUE(runs(20, 4, {}).empty());
}

TEST(ChangedFieldRuns, NoRequestIsLongerThanAWriteFrame)
{
    // Every user record changed: 352 bytes go as 10 + 6 records.
    EXPECT_EQ(runs(16, 22, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), (Runs{{0, 10}, {10, 6}}));
    // Records 0..10 but 5: one request would be cheaper, but 11 records do not fit in one.
    EXPECT_EQ(runs(16, 22, {0, 1, 2, 3, 4, 6, 7, 8, 9, 10}), (Runs{{0, 5}, {6, 5}}));
}

TEST(ChangedFieldRuns, UnequalLengthsChangeNothing)
{
    EXPECT_TRUE(changedFieldRuns(4, QByteArray(8, 'a'), QByteArray(12, 'b')).empty());
    EXPECT_TRUE(changedFieldRuns(0, QByteArray(8, 'a'), QByteArray(8, 'b')).empty());
}

// The edit of a table as read from the controller; the requests that carry it.
Ranges writeEdit(SimulatedLink& link, const FieldRange& range, std::initializer_list<int> changedFields)
{
    EXPECT_TRUE(link.layer.readFields(range));
    const QByteArray before = link.image.copyOf(range);
    for (int field : changedFields)
        link.image.field(range.table, field)[0] ^= 1;
    link.forgetRequests();
    EXPECT_TRUE(link.layer.writeChangedFields(range, before));
    EXPECT_EQ(link.server().table(range.table).mid(range.first * TableCatalogue::descriptor(range.table).fieldLength),
              link.image.copyOf(range));
    return link.writes();
}

TEST(WriteChangedFields, SendsTheChosenRequestsToTheController)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    EXPECT_EQ(writeEdit(link, {21, 0, 20}, {2, 9}), (Ranges{{21, 2, 8}}));
    EXPECT_EQ(writeEdit(link, {6, 0, 10}, {0, 3}), (Ranges{{6, 0, 4}}));
    EXPECT_EQ(writeEdit(link, {23, 0, 20}, {0, 9}), (Ranges{{23, 0, 1}, {23, 9, 1}}));
    EXPECT_TRUE(writeEdit(link, {24, 0, 20}, {}).empty());
    EXPECT_TRUE(link.frames().isEmpty());
}

TEST(WriteChangedFields, UnchangedFieldsInsideTheRequestGoWithTheirCurrentValues)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    ASSERT_TRUE(link.layer.readFields({21, 0, 20}));
    const QByteArray before = link.image.copyOf({21, 0, 20});
    link.image.field(21, 2)[0] ^= 1;
    link.image.field(21, 9)[0] ^= 1;
    link.forgetRequests();
    ASSERT_TRUE(link.layer.writeChangedFields({21, 0, 20}, before));
    ASSERT_EQ(link.frames().size(), 1);
    EXPECT_EQ(link.frames()[0].mid(FrameOffset::WriteFirstValue, 8), link.image.copyOf({21, 2, 8}));
}

TEST(WriteChangedFields, StopsAtTheFirstFailedRequest)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    ASSERT_TRUE(link.layer.readFields({23, 0, 20}));
    const QByteArray before = link.image.copyOf({23, 0, 20});
    link.image.field(23, 0)[0] ^= 1;
    link.image.field(23, 9)[0] ^= 1;
    link.forgetRequests();
    link.setFaults("request 1 error 26");
    EXPECT_FALSE(link.layer.writeChangedFields({23, 0, 20}, before));
    EXPECT_EQ(link.writes(), (Ranges{{23, 0, 1}}));
    EXPECT_EQ(link.person.messages().size(), 1);
}

TEST(WriteChangedFields, AContentOfAnotherSizeIsRefused)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    EXPECT_FALSE(link.layer.writeChangedFields({21, 0, 20}, QByteArray(19, '\0')));
    EXPECT_TRUE(link.frames().isEmpty());
}

} // namespace
