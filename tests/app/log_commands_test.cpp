#include "app/log_commands.h"

#include "crc/crc16.h"
#include "settings/work_directory.h"
#include "support/engine_settings.h"
#include "support/fake_line.h"
#include "support/frames.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class ScriptedLogWindows : public LogWindows {
public:
    std::optional<IndexRange> chooseIndexRange(LogKind, const LogBounds& bounds) override
    {
        ++indexDialogs;
        shownBounds = bounds;
        return presetRange(choice, bounds);
    }
    std::optional<Period> chooseLogPeriod(const DateStamp&) override { return period; }
    void showLog(const LogView& view) override { shown.push_back(view); }
    void startMessageTimer() override {}

    IndexChoice choice = IndexChoice::Last100;
    Period period{{26, 3, 14, 0, 0, 0}, {26, 3, 15, 0, 0, 0}};
    int indexDialogs = 0;
    LogBounds shownBounds;
    std::vector<LogView> shown;
};

QByteArray interventionRecord(int minute)
{
    QByteArray record = QByteArray::fromHex("1a030e0a") + char(minute) + char(0);
    record += QByteArray(16, '\x01');
    appendCrc16(record);
    return record;
}

class LogCommandsOnScriptedLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        changeSettings(engine, [](ExchangeSettings& s) {
            s.openPerRequest = false;
            s.attempts = 1;
            s.bitRate = 115200;
        });
        engine.setTransport(line.connect());
        directory.ensureFolders();
        image.table(14)[6] = 2; // the chromatograph type whose files the program shows
    }
    void answerBounds(std::uint8_t table, std::uint32_t oldest, std::uint32_t newest)
    {
        QByteArray values(8, '\0');
        qToLittleEndian(oldest, values.data());
        qToLittleEndian(newest, values.data() + 4);
        line.answer(TestFrames::fieldsAnswer(1, table, 0, 2, values));
    }
    void answerByIndex(int announced, int present)
    {
        QByteArray body = QByteArray::fromHex("000100000000") + char(announced);
        for (int i = 0; i < present; ++i)
            body += interventionRecord(i);
        line.answer(TestFrames::answer(1, 0x87, body));
    }
    void answerByPeriod(std::uint8_t flags, int count, bool more)
    {
        QByteArray body = QByteArray(1, char(flags)) + char(0) + char(count) + char(more);
        for (int i = 0; i < count; ++i)
            body += interventionRecord(i);
        line.answer(TestFrames::answer(1, 0x88, body));
    }
    QList<QByteArray> requests(std::uint8_t function)
    {
        QList<QByteArray> found;
        for (const QByteArray& frame : line.writes())
            if (static_cast<std::uint8_t>(frame[3]) == function)
                found << frame;
        return found;
    }
    LogCommands commands()
    {
        return LogCommands(context(), windows, directory, [this] { return PcNow; });
    }
    RequestContext context() { return {engine, person, image, settings, moistureMeter}; }

    const QDateTime PcNow{QDate(2026, 3, 15), QTime(11, 0, 0)};
    FakeLine line;
    hgcbox engine{1};
    ScriptedOperator person;
    ParamImage image;
    SettingsBlock settings;
    std::uint8_t moistureMeter = 0;
    TempWorkdir workdir;
    WorkDirectory directory{workdir.path()};
    ScriptedLogWindows windows;
};

TEST_F(LogCommandsOnScriptedLine, EqualBoundsAreAnEmptyLogAndNoRangeIsAskedFor)
{
    answerBounds(11, 1000, 1000);
    commands().readByIndex(LogKind::Interventions);
    EXPECT_EQ(windows.indexDialogs, 0);
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "В архиве нет ни одной записи");
}

TEST_F(LogCommandsOnScriptedLine, ANewestIndexBelowTheOldestIsAnEmptyLogToo)
{
    answerBounds(10, 120, 5);
    commands().readByIndex(LogKind::Diagnostics);
    EXPECT_EQ(windows.indexDialogs, 0);
    EXPECT_TRUE(requests(7).isEmpty());
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "В архиве нет ни одной записи");
}

TEST_F(LogCommandsOnScriptedLine, TheLast100RecordsOfBounds5To120AreReadFrom21InTenRequests)
{
    answerBounds(11, 5, 120);
    for (int i = 0; i < 10; ++i)
        answerByIndex(10, 10);
    commands().readByIndex(LogKind::Interventions);

    EXPECT_EQ(windows.shownBounds.newest, 120u);
    const QList<QByteArray> sent = requests(7);
    ASSERT_EQ(sent.size(), 10);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(sent[0].constData() + 6), 21u);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(sent[9].constData() + 6), 111u);
    ASSERT_EQ(windows.shown.size(), 1u);
    const LogView& view = windows.shown[0];
    EXPECT_EQ(view.table.rows.size(), 100);
    EXPECT_EQ(logCaption(view.table, view.mode, view.firstIndex),
              "Сообщения о вмешательствах оператора с индексами от 21 до 120");
    EXPECT_EQ(view.table.header.periodStart(6), (DateStamp{26, 3, 14, 10, 0, 0}));
    EXPECT_EQ(view.table.header.periodEnd(6), (DateStamp{26, 3, 14, 10, 9, 0}));
    EXPECT_EQ(workdir.read("datafile.aud").size(), 100 * 24);
}

TEST_F(LogCommandsOnScriptedLine, AnAnswerAnnouncingMoreRecordsThanItHoldsIsAFailedRequest)
{
    answerBounds(11, 5, 120);
    answerByIndex(10, 9);
    commands().readByIndex(LogKind::Interventions);
    EXPECT_TRUE(windows.shown.empty());
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line2, "не прочитаны");
    EXPECT_EQ(requests(7).size(), 1);
}

TEST_F(LogCommandsOnScriptedLine, APeriodAnswerWithoutTheMoreFlagEndsTheReadingAndItsErrorIsTold)
{
    line.answer(TestFrames::fieldsAnswer(1, 2, 0, 8, QByteArray::fromHex("1a030f0b00000101")));
    answerByPeriod(0x81, 3, false);
    answerByPeriod(0x01, 3, false);
    commands().readByPeriod(LogKind::Interventions);

    EXPECT_EQ(requests(8).size(), 1);
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Обнаружена ошибка");
    EXPECT_EQ(person.messages()[0].line2, "в архиве сообщений о вмешательствах");
    ASSERT_EQ(windows.shown.size(), 1u);
    EXPECT_EQ(logCaption(windows.shown[0].table, windows.shown[0].mode, 0),
              "Сообщения о вмешательствах оператора за период с 14.03.26 00:00:00 по 15.03.26 00:00:00");
}

TEST_F(LogCommandsOnScriptedLine, AnEmptyAnswerEndsThePeriodEvenWhenItSaysMoreFollow)
{
    line.answer(TestFrames::fieldsAnswer(1, 2, 0, 8, QByteArray::fromHex("1a030f0b00000101")));
    answerByPeriod(0x00, 2, true);
    answerByPeriod(0x00, 0, true);
    answerByPeriod(0x00, 2, false);
    commands().readByPeriod(LogKind::Interventions);

    const QList<QByteArray> sent = requests(8);
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent[0][6], 0);
    EXPECT_EQ(sent[1][6], 1);
    ASSERT_EQ(windows.shown.size(), 1u);
    EXPECT_EQ(windows.shown[0].table.rows.size(), 2);
    EXPECT_TRUE(person.messages().isEmpty());
}

TEST_F(LogCommandsOnScriptedLine, ASavedLogReadsBackFromTheFileCommand)
{
    line.answer(TestFrames::fieldsAnswer(1, 2, 0, 8, QByteArray::fromHex("1a030f0b00000101")));
    answerByPeriod(0x00, 2, false);
    commands().readByPeriod(LogKind::Interventions);
    ASSERT_EQ(windows.shown.size(), 1u);

    person.chooseFileName(directory.interventionLogs() + "/saved");
    saveLog(person, directory, windows.shown[0].table, PcNow.date());
    EXPECT_EQ(person.fileChoices().last().proposedName, "gqc_04-001-260315.aud");
    EXPECT_EQ(person.messages().last().line1, "Данные сохранены в файле saved.aud.");

    person.chooseFileName(directory.interventionLogs() + "/saved.aud");
    viewLogFile(person, directory, LogKind::Interventions, windows);
    ASSERT_EQ(windows.shown.size(), 2u);
    EXPECT_EQ(windows.shown[1].mode, LogViewMode::FromFile);
    EXPECT_EQ(windows.shown[1].table.rows.size(), 2);
    EXPECT_EQ(windows.shown[1].table.header.bytes(), windows.shown[0].table.header.bytes());

    person.chooseFileName(directory.interventionLogs() + "/saved.aud");
    viewLogFile(person, directory, LogKind::Diagnostics, windows);
    EXPECT_EQ(windows.shown.size(), 2u);
    EXPECT_EQ(person.messages().last().line2, "диагностические сообщения контроллера ККГ_04");
}

} // namespace
