#include "reports/print_kind.h"

#include <gtest/gtest.h>

namespace {

const DateStamp Start{26, 3, 5, 7, 8, 9};
const DateStamp End{26, 4, 6, 10, 11, 12};

} // namespace

TEST(DocumentTitle, HourlyAndDailyDataAreTitledWithTheirPeriodToTheHourAndToTheDay)
{
    const DocumentTitle hourly = documentTitle(PrintKind::ChromHourly, Start, End);
    EXPECT_EQ(hourly.title, "Часовые измерительные данные хроматографа");
    EXPECT_EQ(hourly.second, "контроллерa ККГ_04");
    EXPECT_EQ(hourly.period, "за период  с  05.03.26  07ч  по  06.04.26  10ч");
    const DocumentTitle daily = documentTitle(PrintKind::WmtDaily, Start, End);
    EXPECT_EQ(daily.title, "Суточные измерительные данные влагомера");
    EXPECT_EQ(daily.period, "за период  с  05.03.26  по  06.04.26");
}

TEST(DocumentTitle, FiveMinuteDataHaveTwoBlanksBeforeTheControllersTypeAndTheirPeriodToTheSecond)
{
    for (const PrintKind kind : {PrintKind::ChromMoment, PrintKind::WmtMoment}) {
        const DocumentTitle title = documentTitle(kind, Start, End);
        EXPECT_EQ(title.second, "контроллерa  ККГ_04");
        EXPECT_EQ(title.period, "за период  с  05.03.26  07:08:09  по  06.04.26  10:11:12");
    }
    EXPECT_EQ(documentTitle(PrintKind::WmtMoment, Start, End).title, "Мгновенные данные влагомера");
}

TEST(DocumentTitle, TheControllerWordEndsInALatinA)
{
    EXPECT_TRUE(documentTitle(PrintKind::ChromDaily, Start, End).second.startsWith(QStringLiteral("контроллер") + 'a'));
    EXPECT_EQ(documentTitle(PrintKind::InterventionLog, Start, End).second, "в работу к контроллерa ККГ_04");
}

TEST(PrintKindOf, EachArchiveHasItsDocument)
{
    EXPECT_EQ(printKindOf(ArchiveKind::ChromFiveMinute), PrintKind::ChromMoment);
    EXPECT_EQ(printKindOf(ArchiveKind::ChromDaily), PrintKind::ChromDaily);
    EXPECT_EQ(printKindOf(ArchiveKind::WmtHourly), PrintKind::WmtHourly);
    EXPECT_EQ(printKindOf(ArchiveKind::WmtFiveMinute), PrintKind::WmtMoment);
}
