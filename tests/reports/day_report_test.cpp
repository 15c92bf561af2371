#include "base/windows1251.h"
#include "reports/day_report.h"
#include "reports/document_painter.h"
#include "support/pdf_text.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

const QString Underscores = QStringLiteral("_________________________________________");

struct Choices {
    std::uint8_t fractions = 0; // molar
    std::uint8_t heat = 0;      // MJ
    std::uint8_t method = 0;    // ISO
    std::uint8_t kind = 0;      // certificate
};

// The choices, and two decimals for every slot.
ReportSettings settings(Choices choices)
{
    QByteArray bytes;
    bytes.append(char(choices.fractions)).append(char(choices.heat)).append(char(choices.method));
    bytes.append(char(choices.kind)).append('\0').append(QByteArray(20, 2));
    return ReportSettings::fromBytes(bytes);
}

// Texts at their offsets in an otherwise empty record.
ReportTexts texts(const QList<std::pair<int, QString>>& placed)
{
    QByteArray bytes(ReportTexts::Size, '\0');
    bytes[500] = 9;
    for (const auto& [offset, text] : placed)
        bytes.replace(offset, toWindows1251(text).size(), toWindows1251(text));
    return ReportTexts::fromBytes(bytes);
}

GasParams dayValues()
{
    GasParams values{};
    const std::array<std::pair<int, float>, 11> fractions{{{0, 0.05f},
                                                           {1, 0.9f},
                                                           {2, 0.1f},
                                                           {3, 0.12f},
                                                           {4, 0.01f},
                                                           {5, 0.03f},
                                                           {6, 0.02f},
                                                           {7, 0.8f},
                                                           {8, 94.0f},
                                                           {9, 0.4f},
                                                           {10, 3.57f}}};
    for (const auto& [slot, value] : fractions)
        values[static_cast<std::size_t>(slot)] = value;
    values[GasSlot::SuperiorHeat] = 37.0f;
    values[GasSlot::Density] = 0.7123f;
    values[GasSlot::WobbeIndex] = 50.2f;
    values[GasSlot::CompressionFactor] = 0.998f;
    values[GasSlot::InferiorHeat] = 34.3456f;
    values[GasSlot::RelativeDensity] = 0.59f;
    return values;
}

// 8 September 2005 from 09:00 to 09:00 of the next day.
DayReport report(const ReportTexts& reportTexts = texts({}), const GasParams& values = dayValues())
{
    return {reportTexts, QStringLiteral("KKG North"), 17, {5, 9, 8, 9, 0, 0}, {5, 9, 9, 9, 0, 0}, values};
}

// The page's non-empty lines, blanks simplified.
QStringList printed(const DayReport& day, const ReportSettings& reportSettings)
{
    const QStringList pages = pdfPages(documentPdf(dayReportDocument(day, reportSettings, ComponentSlotMap())));
    EXPECT_EQ(pages.size(), 1);
    QStringList lines;
    for (const QString& line : pages.value(0).split('\n'))
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    return lines;
}

// The printed line that starts with the row's name; empty when there is none.
QString rowLine(const QStringList& lines, const QString& name)
{
    for (const QString& line : lines)
        if (line.startsWith(name.simplified() + ' '))
            return line;
    return {};
}

// Where each row's line is, in the order of `names`; -1 for a row not printed.
QList<qsizetype> rowPositions(const QStringList& lines, const QStringList& names)
{
    QList<qsizetype> positions;
    for (const QString& name : names) {
        const QString line = rowLine(lines, name);
        positions << (line.isEmpty() ? -1 : lines.indexOf(line));
    }
    return positions;
}

bool ascending(const QList<qsizetype>& positions)
{
    return !positions.contains(-1) && std::is_sorted(positions.begin(), positions.end());
}

TEST(DayReportLines, NameTheDocumentTheDayAndThePeriodForTheDialog)
{
    EXPECT_EQ(dayReportLines(report(), settings({})),
              QStringList({QStringLiteral("СУТОЧНЫЙ СЕРТИФИКАТ"), QStringLiteral("За 8 сентября 2005 года"),
                           QStringLiteral("c  09:00  8 сентября 2005г   до   09:00  9 сентября 2005г")}));
    EXPECT_EQ(dayReportLines(report(), settings({.kind = 1})).value(0), QStringLiteral("СУТОЧНЫЙ ПАСПОРТ"));
}

TEST(DayReportLines, AMonthByteThatNamesNoMonthPrintsNoName)
{
    DayReport day = report();
    day.start.month = 0;
    day.end.month = 200;
    EXPECT_EQ(dayReportLines(day, settings({})).value(2), QStringLiteral("c  09:00  8  2005г   до   09:00  9  2005г"));
}

TEST(DailyCertificate, PrintsTheTitleBandWithTheHeadingLinesInOrder)
{
    const QStringList lines = printed(report(texts({{0, QStringLiteral("ООО Газ")},
                                                    {100, QStringLiteral("ГИС Северная")},
                                                    {200, QStringLiteral("Линия 2")},
                                                    {300, QStringLiteral("Узел учета")}})),
                                      settings({}));
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines.mid(0, 10),
              QStringList({QStringLiteral("Контроллер \"KKG North\" (адрес 17)"), QStringLiteral("СУТОЧНЫЙ СЕРТИФИКАТ"),
                           QStringLiteral("ООО Газ"), QStringLiteral("ГИС Северная"), QStringLiteral("Линия 2"),
                           QStringLiteral("Узел учета"), QStringLiteral("За 8 сентября 2005 года"),
                           QStringLiteral("c 09:00 8 сентября 2005г до 09:00 9 сентября 2005г"),
                           QStringLiteral("1. Компонентный состав газа, определенный хроматографическим методом"),
                           QStringLiteral("по ДСТУ ISO 6974:2007 и МВУ 06-063:2011")}));
}

TEST(DailyCertificate, ListsNitrogenBeforeCarbonDioxideAndSixPropertiesWithVolumeNames)
{
    const QStringList lines = printed(report(), settings({.fractions = 1}));
    EXPECT_TRUE(ascending(rowPositions(
        lines,
        {QStringLiteral(" Объемная доля метана (CH4)"), QStringLiteral(" Объемная доля  этана (C2H6)"),
         QStringLiteral(" Объемная доля пропана (C3H8)"), QStringLiteral(" Объемная доля и-бутана (i-C4H10)"),
         QStringLiteral(" Объемная доля н-бутана (n-C4H10)"), QStringLiteral(" Объемная доля нео-пентана (C5H12)"),
         QStringLiteral(" Объемная доля и-пентана (i-C5H12)"), QStringLiteral(" Объемная доля  н-пентана (n-C5H12)"),
         QStringLiteral(" Суммарная объемная доля гексана и б.т.с."), QStringLiteral(" Объемная доля азота (N2)"),
         QStringLiteral(" Объемная доля диоксида углерода (CO2)"),
         QStringLiteral(" Удельная Тсг низшая <реального газа>"), QStringLiteral(" Абсолютная  плотность"),
         QStringLiteral(" Число Воббе высшее"), QStringLiteral(" Удельная Тсг высшая <реального газа>"),
         QStringLiteral(" Фактор сжимаемости"), QStringLiteral(" Относительная плотность <реального газа>")})));
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Молярная доля метана (CH4)")), QString());
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Температура газа")), QString());
    EXPECT_NE(lines.indexOf(QStringLiteral("Наименование компонентов Значение")), -1);
    EXPECT_NE(lines.indexOf(QStringLiteral("Наименование показателей Значение")), -1);
}

TEST(DailyCertificate, ShowsTheHeatsInKilocaloriesWithTheirUnitByTheKcalSetting)
{
    const QStringList lines = printed(report(), settings({.heat = 1}));
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Удельная Тсг высшая <реального газа>")),
              QStringLiteral("Удельная Тсг высшая <реального газа> 8845.96 ккал/м3"));
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Число Воббе высшее")),
              QStringLiteral("Число Воббе высшее 12001.82 ккал/м3"));
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Абсолютная  плотность°")),
              QStringLiteral("Абсолютная плотность° 0.71 кг/м3"));
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Молярная доля метана (CH4)")),
              QStringLiteral("Молярная доля метана (CH4) 94.00 %"));
}

TEST(DailyCertificate, NamesTheStandardsOfTheCalculationMethod)
{
    const QStringList gost = printed(report(), settings({.method = 1}));
    EXPECT_NE(gost.indexOf(QStringLiteral("по ГОСТ 22667-82 и ГОСТ 30319.1-96")), -1);
    EXPECT_NE(gost.indexOf(QStringLiteral("2. Физико-химические показатели")), -1);
    EXPECT_EQ(gost.indexOf(QStringLiteral("по ДСТУ ISO 6974:2007 и МВУ 06-063:2011")), -1);
    const QStringList iso = printed(report(), settings({}));
    EXPECT_NE(iso.indexOf(QStringLiteral("2. Физико-химические показатели, рассчитанные по ДСТУ ISO 6976:2009")), -1);
    EXPECT_EQ(iso.indexOf(QStringLiteral("по ГОСТ 22667-82 и ГОСТ 30319.1-96")), -1);
}

TEST(DailyCertificate, WithoutTextsPrintsNoHeadingLinesAndUnderscoresForTheRepresentatives)
{
    const QStringList lines = printed(report(), settings({}));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[2], QStringLiteral("За 8 сентября 2005 года"));
    const QString both = Underscores + ' ' + Underscores;
    EXPECT_EQ(lines.mid(lines.size() - 3), QStringList({QStringLiteral("Представитель Представитель"), both, both}));
}

TEST(DailyCertificate, PrintsEachRepresentativeAboveTheLineForTheSignature)
{
    const QStringList lines = printed(
        report(texts({{400, QStringLiteral("ООО Газтранзит")}, {450, QStringLiteral("ПАО Облгаз")}})), settings({}));
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.mid(lines.size() - 2),
              QStringList({QStringLiteral("ООО Газтранзит ПАО Облгаз"), Underscores + ' ' + Underscores}));
}

TEST(DailyCertificate, PrintsNanWhereTheControllerSentNoNumberForAProperty)
{
    GasParams values = dayValues();
    values[GasSlot::InferiorHeat] = std::numeric_limits<float>::quiet_NaN();
    values[GasSlot::CompressionFactor] = std::numeric_limits<float>::infinity();
    const QStringList iso = printed(report(texts({}), values), settings({}));
    EXPECT_EQ(rowLine(iso, QStringLiteral(" Удельная Тсг низшая <реального газа>")),
              QStringLiteral("Удельная Тсг низшая <реального газа> NAN МДж/м3"));
    EXPECT_EQ(rowLine(iso, QStringLiteral(" Фактор сжимаемости")), QStringLiteral("Фактор сжимаемости NAN"));
    // By GOST the heat is computed here from the composition.
    const QStringList gost = printed(report(texts({}), values), settings({.method = 1}));
    EXPECT_NE(rowLine(gost, QStringLiteral(" Удельная Тсг низшая <реального газа>")),
              QStringLiteral("Удельная Тсг низшая <реального газа> NAN МДж/м3"));
}

TEST(DailyPassport, PrintsItsTitleCarbonDioxideBeforeNitrogenAndThreeProperties)
{
    const QStringList lines = printed(report(), settings({.kind = 1}));
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.mid(1, 4), QStringList({QStringLiteral("СУТОЧНЫЙ ПАСПОРТ"),
                                            QStringLiteral("физико-химических показателей природного газа"),
                                            QStringLiteral("За 8 сентября 2005 года"),
                                            QStringLiteral("c 09:00 8 сентября 2005г до 09:00 9 сентября 2005г")}));
    EXPECT_TRUE(ascending(rowPositions(
        lines,
        {QStringLiteral(" Молярная доля метана (CH4)"), QStringLiteral(" Суммарная молярная доля гексана и б.т.с."),
         QStringLiteral(" Молярная доля диоксида углерода (CO2)"), QStringLiteral(" Молярная доля азота (N2)"),
         QStringLiteral(" Удельная Тсг низшая <реального газа>"), QStringLiteral(" Число Воббе высшее"),
         QStringLiteral(" Абсолютная  плотность°")})));
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Удельная Тсг высшая <реального газа>")), QString());
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Фактор сжимаемости")), QString());
    EXPECT_EQ(lines.indexOf(QStringLiteral("Представитель Представитель")), -1);
}

TEST(DailyPassport, PrintsTheSignatureLinesInTwoColumnsAndUnderscoresForEmptyOnes)
{
    const QStringList lines = printed(report(texts({{501, QStringLiteral("Начальник ГИС")},
                                                    {601, QStringLiteral("Иванов И.И.")},
                                                    {651, QStringLiteral("Инженер")}})),
                                      settings({.kind = 1}));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(lines.size() - 3),
              QStringList({QStringLiteral("Начальник ГИС Инженер"), Underscores + ' ' + Underscores,
                           QStringLiteral("Иванов И.И. ") + Underscores}));
}

} // namespace
