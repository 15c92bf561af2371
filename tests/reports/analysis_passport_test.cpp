#include "base/windows1251.h"
#include "reports/analysis_passport.h"
#include "reports/document_painter.h"
#include "support/pdf_text.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString Controller = QStringLiteral("Контроллер \"KKG North\"  (адрес 17)");
const QString Station = QStringLiteral("ГИС Северная");
const QString Underscores = QStringLiteral("_________________________________________");

ReportSettings settingsWithMethod(std::uint8_t method)
{
    // Molar fractions, MJ/m3, two decimals everywhere.
    return ReportSettings::fromBytes(QByteArray(2, '\0') + char(method) + QByteArray(2, '\0') + QByteArray(20, 2));
}

// A natural gas: mostly methane, the rest in the ratios of a pipeline gas.
PassportAnalysis analysis()
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
    values[GasSlot::SuperiorHeat] = 38.1f;
    values[GasSlot::Density] = 0.7123f;
    values[GasSlot::WobbeIndex] = 50.2f;
    values[GasSlot::CompressionFactor] = 0.998f;
    values[GasSlot::InferiorHeat] = 34.3456f;
    values[GasSlot::RelativeDensity] = 0.59f;
    return {Controller, {26, 3, 15, 10, 5, 30}, values};
}

ReportTexts signatures(const QStringList& lines)
{
    QByteArray bytes(ReportTexts::Size, '\0');
    for (qsizetype line = 0; line < lines.size(); ++line)
        bytes.replace(501 + 50 * line, toWindows1251(lines[line]).size(), toWindows1251(lines[line]));
    return ReportTexts::fromBytes(bytes);
}

QStringList printedLines(const ReportSettings& settings, const ReportTexts& texts = ReportTexts::fromBytes({}))
{
    const QStringList pages =
        pdfPages(documentPdf(analysisPassport(analysis(), Station, texts, settings, ComponentSlotMap())));
    EXPECT_EQ(pages.size(), 1);
    QStringList lines;
    for (const QString& line : pages.value(0).split('\n'))
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    return lines;
}

// The printed line that starts with the row's name.
QString rowLine(const QStringList& lines, const QString& name)
{
    for (const QString& line : lines)
        if (line.startsWith(name.simplified() + ' '))
            return line;
    return {};
}

TEST(AnalysisPassport, PrintsTheControllerTheStationAndTheTimeOfTheAnalysisAtTheTop)
{
    const QStringList lines = printedLines(settingsWithMethod(0));
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], Controller.simplified());
    EXPECT_EQ(lines[1], Station);
    EXPECT_EQ(lines[2], QStringLiteral("Физико-химические показатели природного газа"));
    EXPECT_EQ(lines[3], QStringLiteral("по результатам однократного анализа 10:05:30 15 марта 2026г"));
}

TEST(AnalysisPassport, ListsMethaneFirstAndCarbonDioxideBeforeNitrogenThenTheThreeProperties)
{
    const QStringList lines = printedLines(settingsWithMethod(0));
    QList<qsizetype> positions;
    for (const char* name :
         {"Молярная доля метана", "Молярная доля этана", "Молярная доля пропана", "Молярная доля и-бутана",
          "Молярная доля н-бутана", "Молярная доля нео-пентана", "Молярная доля и-пентана", "Молярная доля н-пентана",
          "Суммарная молярная доля гексана", "Молярная доля диоксида углерода", "Молярная доля азота",
          "Удельная Тсг низшая", "Число Воббе высшее", "Абсолютная плотность"}) {
        const auto found = std::find_if(lines.begin(), lines.end(),
                                        [&](const QString& line) { return line.startsWith(QString::fromUtf8(name)); });
        ASSERT_NE(found, lines.end()) << name;
        positions << (found - lines.begin());
    }
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Фактор сжимаемости")), QString());
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Удельная Тсг высшая <реального газа>")), QString());
}

TEST(AnalysisPassport, GivesEachValueInItsSlotsDecimalsWithItsUnitAndByIsoItsUncertainty)
{
    const QStringList lines = printedLines(settingsWithMethod(0));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Молярная доля метана \\(CH4\\) 94\\.00 % \\d+\\.\\d\\d$"))
                    .match(rowLine(lines, QStringLiteral(" Молярная доля метана (CH4)")))
                    .hasMatch());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Удельная Тсг низшая <реального газа> 34\\.35 МДж/м3 \\d+\\.\\d\\d$"))
            .match(rowLine(lines, QStringLiteral(" Удельная Тсг низшая <реального газа>")))
            .hasMatch());
    const QString text = lines.join('\n');
    EXPECT_TRUE(text.contains(QStringLiteral("Расширенная")));
    EXPECT_TRUE(text.contains(QStringLiteral("неопределенность, %")));
    EXPECT_NE(lines.indexOf(QStringLiteral("2. Физико-химические показатели, рассчитанные по ДСТУ ISO 6976:2009")), -1);
}

TEST(AnalysisPassport, LeavesTheUncertaintyColumnEmptyByTheGostMethod)
{
    const QStringList lines = printedLines(settingsWithMethod(1));
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Молярная доля метана (CH4)")),
              QStringLiteral("Молярная доля метана (CH4) 94.00 %"));
    EXPECT_EQ(rowLine(lines, QStringLiteral(" Абсолютная  плотность°")),
              QStringLiteral("Абсолютная плотность° 0.71 кг/м3"));
    EXPECT_NE(lines.indexOf(QStringLiteral("по ГОСТ 22667-82 и ГОСТ 30319.1-96")), -1);
    EXPECT_NE(lines.indexOf(QStringLiteral("2. Физико-химические показатели")), -1);
}

TEST(AnalysisPassport, PrintsTheSignatureLinesInTwoColumnsAndUnderscoresForEmptyOnes)
{
    const QStringList lines =
        printedLines(settingsWithMethod(0), signatures({QStringLiteral("Начальник ГИС"), QString(),
                                                        QStringLiteral("Иванов И.И."), QStringLiteral("Инженер")}));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(lines.size() - 3),
              QStringList({QStringLiteral("Начальник ГИС Инженер"), Underscores + ' ' + Underscores,
                           QStringLiteral("Иванов И.И. ") + Underscores}));
}

} // namespace
