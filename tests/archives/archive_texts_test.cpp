#include "archive_file_builder.h"
#include "archives/archive_captions.h"
#include "archives/archive_table.h"
#include "archives/chrom_status_texts.h"

#include <gtest/gtest.h>

TEST(ArchiveWindowCaption, NamesTheDataAndThePeriodToTheArchivesUnit)
{
    const auto caption = [](ArchiveKind kind) { return archiveWindowCaption(kind, archiveFile(kind, {}).header); };
    EXPECT_EQ(caption(ArchiveKind::ChromFiveMinute),
              "Мгновенные данные хроматографа за период  с  15.03.26 10:00:00  по  16.03.26 11:00:00");
    EXPECT_EQ(caption(ArchiveKind::ChromHourly),
              "Часовые данные хроматографа за период с 15.03.26  10ч  по  16.03.26  11ч");
    EXPECT_EQ(caption(ArchiveKind::WmtDaily), "Суточные данные влагомера за период с 15.03.26  по  16.03.26");
}

TEST(CalculationMethodLabel, NamesTheMethodAndTheCorrection)
{
    EXPECT_EQ(calculationMethodLabel(ReportSettings::fromBytes(QByteArray::fromHex("0000010001"))),
              "  Расчет по ГОСТ, корректировка по методу абс. калибровки");
    EXPECT_EQ(calculationMethodLabel(ReportSettings::fromBytes({})),
              "  Расчет по ДСТУ ИСО, без корректировки доли компонентов");
}

TEST(ArchiveColumnCaptions, FollowTheFractionsAndTheHeatUnitChosen)
{
    const ArchiveFile file = archiveFile(ArchiveKind::ChromDaily, {});
    const auto molarMj = ArchiveTable::of(file, ReportSettings::fromBytes({}));
    const auto volumeKcal = ArchiveTable::of(file, ReportSettings::fromBytes(QByteArray::fromHex("0101")));
    EXPECT_EQ(molarMj->valueCaptions().size(), 20);
    EXPECT_EQ(molarMj->valueCaptions()[0], (QStringList{"Сум. МД", "гексана", "и б.т.с.,", "%"}));
    EXPECT_EQ(volumeKcal->valueCaptions()[0], (QStringList{"Сум. ОД", "гексана", "и б.т.с.,", "%"}));
    EXPECT_EQ(molarMj->valueCaptions()[11], (QStringList{"МД", "кисло-", "рода,", "%"})) << "oxygen after ethane";
    EXPECT_EQ(molarMj->valueCaptions()[12], (QStringList{"Удельная", "Тсг", "высшая,", "МДж/м3"}));
    EXPECT_EQ(volumeKcal->valueCaptions()[16], (QStringList{"Удельная", "Тсг", "низшая,", "ккал/м3"}));
    EXPECT_EQ(molarMj->valueCaptions()[1], (QStringList{"МД", "пропана,", " ", "%"})) << "a blank third line";
    EXPECT_EQ(molarMj->valueCaptions()[19], (QStringList{"Темпера-", "тура газа,", " ", "°С"}));
    EXPECT_EQ(molarMj->valueCaptions()[17], (QStringList{"Относит.", "плотность", " ", ""}));
    const auto moisture = ArchiveTable::of(archiveFile(ArchiveKind::WmtHourly, {}), ReportSettings::fromBytes({}));
    EXPECT_EQ(moisture->valueCaptions()[2], (QStringList{"Р изб.", "WDP", "", "bar"}));
    EXPECT_TRUE(moisture->methodLabel().isEmpty());
}

TEST(ChromStatusTexts, AnOffRecordWithoutLinkShowsNoChromatographPanel)
{
    const ChromStatusTexts texts = chromStatusTexts(ChromStatusMode::Moment, 0x22, 0xFFFF);
    ASSERT_TRUE(texts.controller.has_value());
    EXPECT_EQ(texts.controller->title, "   Статус контроллера");
    EXPECT_EQ(texts.controller->heading, "  Статус контроллера: 0x22");
    EXPECT_EQ(texts.controller->lines, (QStringList{"Контроллер был выключен", "Не было связи с HMU"}));
    EXPECT_FALSE(texts.chromatograph.has_value());
}

TEST(ChromStatusTexts, TheStatusWordListsItsSetBitsLowByteFirst)
{
    const ChromStatusTexts texts = chromStatusTexts(ChromStatusMode::Moment, 0, 0x8001);
    EXPECT_EQ(texts.controller->lines, QStringList{"Норма"});
    ASSERT_TRUE(texts.chromatograph.has_value());
    EXPECT_EQ(texts.chromatograph->heading, "  Статус хроматографа: 0x8001");
    EXPECT_EQ(texts.chromatograph->lines,
              (QStringList{" Неудачная автокалибровка", " Не поступают данные от хроматографа"}));
    EXPECT_EQ(chromStatusTexts(ChromStatusMode::StatusWord, 0xFF, 0).chromatograph->lines, QStringList{"Норма"});
    EXPECT_FALSE(chromStatusTexts(ChromStatusMode::StatusWord, 0xFF, 0).controller.has_value());
}

TEST(ChromStatusTexts, AMeanNamesTheSubstituteValuesOfItsStatusByte)
{
    const ChromStatusTexts texts = chromStatusTexts(ChromStatusMode::Interval, 0x4A, 0);
    EXPECT_EQ(texts.controller->lines, (QStringList{"Нет данных - контроллер был выключен",
                                                    "Использовалась ЗПЗ - был нештатный режим работы хроматографа",
                                                    "Использовалась ЗПЗ - хроматограф не обновил данные"}));
    EXPECT_FALSE(texts.chromatograph.has_value());
}
