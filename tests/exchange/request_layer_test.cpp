#include "support/fake_line.h"
#include "support/frames.h"
#include "support/simulated_link.h"

#include <gtest/gtest.h>

namespace {

using Ranges = std::vector<FieldRange>;

QByteArray bytesOf(std::span<const std::uint8_t> bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void expectMessage(const ScriptedOperator& person, const QString& line1, const QString& line2)
{
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::Retry);
    EXPECT_EQ(person.messages()[0].line1, line1);
    EXPECT_EQ(person.messages()[0].line2, line2);
}

TEST(RequestLayerRead, ShowsItsProgressAndCopiesTheFieldsIntoTheImage)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    EXPECT_TRUE(link.layer.readFields({22, 4, 3}));
    EXPECT_TRUE(link.layer.readFields({5, 0, 1}));
    EXPECT_TRUE(link.layer.readFields({9, 2, 0}));
    EXPECT_EQ(link.reads(), (Ranges{{22, 4, 3}, {5, 0, 1}, {9, 2, 0}}));
    EXPECT_EQ(link.image.copyOf({22, 4, 3}), link.server().table(22).mid(16, 12));
    EXPECT_EQ(link.image.copyOf({22, 0, 4}), QByteArray(16, '\0'));
    EXPECT_EQ(link.image.copyOf({5, 0, 1}), link.server().table(5)); // as the controller holds it
    EXPECT_EQ(link.person.panelHistory(StatusPanel::Transient),
              (QStringList{"Чтение из таблицы 22 (поля 4-6)", "", "Чтение из таблицы 5 (поле 0)", "",
                           "Чтение из таблицы 9 (поле 2)", ""}));
    EXPECT_TRUE(link.person.messages().isEmpty());
    EXPECT_TRUE(link.layer.failure().isEmpty());
}

TEST(RequestLayerRead, RetryRepeatsTheSameRequestWhileTheOperatorSaysYes)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    link.setFaults("request 1 error 11");
    link.person.answerYes();
    EXPECT_TRUE(link.layer.readFields({5, 0, 1}));
    const QList<QByteArray> frames = link.frames();
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[0], frames[1]);
    expectMessage(link.person, "Не выполнено чтение из таблицы 5.", "\" Наименование контроллера\"");
    EXPECT_EQ(link.person.panelHistory(StatusPanel::Transient),
              (QStringList{"Чтение из таблицы 5 (поле 0)", "Команда 1.  Чтение таблицы невозможно", "",
                           "Чтение из таблицы 5 (поле 0)", ""}));
    EXPECT_EQ(link.image.copyOf({5, 0, 1}), link.server().table(5));
}

TEST(RequestLayerRead, NoGivesUpAndLeavesTheImageAlone)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    link.setFaults("request 1 error 11");
    EXPECT_FALSE(link.layer.readFields({5, 0, 1}));
    EXPECT_EQ(link.frames().size(), 1);
    EXPECT_EQ(link.person.messages().size(), 1);
    EXPECT_EQ(link.image.copyOf({5, 0, 1}), QByteArray(20, '\0'));
    EXPECT_EQ(link.layer.failure(), "Команда 1.  Чтение таблицы невозможно");
}

TEST(RequestLayerRead, WithoutTheInteractiveFlagNothingIsShownOrAsked)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    link.setFaults("request 1 error 11");
    link.person.answerYes();
    EXPECT_FALSE(link.layer.readFields({5, 0, 1}, false));
    EXPECT_EQ(link.frames().size(), 1);
    EXPECT_TRUE(link.person.messages().isEmpty());
    EXPECT_TRUE(link.person.panelHistory(StatusPanel::Transient).isEmpty());
}

TEST(RequestLayerRead, RangesOutsideTheCatalogueAreNotSent)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    EXPECT_FALSE(link.layer.readFields({5, 0, 2}));
    EXPECT_FALSE(link.layer.readFields({38, 0, 1}));
    EXPECT_FALSE(link.layer.writeFields({1, 0, 1}));
    EXPECT_TRUE(link.frames().isEmpty());
}

TEST(RequestLayerWrite, SendsTheImageAndRetriesOnYes)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    ASSERT_TRUE(link.layer.readFields({22, 0, 20}));
    link.image.field(22, 3)[0] ^= 0x55;
    link.forgetRequests();
    link.person.answerYes();
    link.setFaults("request 1 error 26");
    EXPECT_TRUE(link.layer.writeFields({22, 0, 20}));
    const QList<QByteArray> frames = link.frames();
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[0], frames[1]);
    EXPECT_EQ(frames[0].mid(FrameOffset::WriteFirstValue, 80), link.image.copyOf({22, 0, 20}));
    EXPECT_EQ(link.server().table(22), link.image.copyOf({22, 0, 20}));
    expectMessage(link.person, "Не выполнена запись в таблицу 22.",
                  "\" Зона нечувствительности изменений параметров газа\".");
    EXPECT_EQ(link.person.panelHistory(StatusPanel::Transient),
              (QStringList{"Чтение из таблицы 22 (поля 0-19)", "", "Запись в таблицу 22 (поля 0-19)",
                           "Команда 2.  Недостаточный уровень доступа", "", "Запись в таблицу 22 (поля 0-19)", ""}));
}

TEST(RequestLayerWrite, WithoutTheInteractiveFlagOnlyTheProgressIsShown)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    link.setFaults("request 1 error 26");
    EXPECT_FALSE(link.layer.writeFields({6, 1, 1}, false));
    EXPECT_TRUE(link.person.messages().isEmpty());
    EXPECT_EQ(link.person.panelHistory(StatusPanel::Transient), (QStringList{"Запись в таблицу 6 (поле 1)"}));
    EXPECT_EQ(link.layer.failure(), "Команда 2.  Недостаточный уровень доступа");
}

// Answers the link tests' scripted line gives: a controller that echoes the wrong thing.
class MismatchedAnswers : public ::testing::Test {
protected:
    MismatchedAnswers()
    {
        ExchangeSettings settings;
        settings.linkKind = LinkKind::Modem;
        settings.openPerRequest = false;
        settings.address = 1;
        settings.attempts = 1;
        engine.setSettings(settings);
        engine.setOperator(&person);
        engine.setTransport(line.connect());
    }

    FakeLine line;
    hgcbox engine{1};
    ScriptedOperator person;
    ParamImage image;
    SettingsBlock settings;
    std::uint8_t moistureMeter = 0;
    RequestLayer layer{{engine, person, image, settings, moistureMeter}};
};

TEST_F(MismatchedAnswers, ReadAnswerOfAnotherTableIsRefusedAndNothingIsCopied)
{
    line.answer(TestFrames::fieldsAnswer(1, 6, 0, 1, QByteArray(20, 'X')));
    EXPECT_FALSE(layer.readFields({5, 0, 1}));
    expectMessage(person, "Несоответствие запрошенных и переданных данных.", "Табл. 5 \" Наименование контроллера\".");
    EXPECT_EQ(bytesOf(image.table(5)), QByteArray(20, '\0'));
    EXPECT_EQ(layer.failure(), "Несоответствие запрошенных и переданных данных.");
}

TEST_F(MismatchedAnswers, YesAsksAgainAndTheRightAnswerIsTaken)
{
    line.answer(TestFrames::fieldsAnswer(1, 5, 0, 1, QByteArray(12, 'Y'))); // fewer bytes than a field
    line.answer(TestFrames::fieldsAnswer(1, 5, 0, 1, QByteArray(20, 'Z')));
    person.answerYes();
    EXPECT_TRUE(layer.readFields({5, 0, 1}));
    EXPECT_EQ(line.writes().size(), 2);
    EXPECT_EQ(person.messages().size(), 1);
    EXPECT_EQ(bytesOf(image.table(5)), QByteArray(20, 'Z'));
}

TEST_F(MismatchedAnswers, WriteEchoOfAnotherRangeIsQuestioned)
{
    line.answer(TestFrames::answer(1, 0x82, QByteArray::fromHex("00160114")));
    EXPECT_FALSE(layer.writeFields({22, 0, 20}));
    expectMessage(person, "Несоответствие заголовка ответа заголовку запроса на запись.",
                  "Табл. 22 \" Зона нечувствительности изменений параметров газа\".");
    EXPECT_EQ(person.panel(StatusPanel::Transient), "Запись в таблицу 22 (поля 0-19)");
}

// Each of the three echoed bytes on its own: an answer to a write is taken only
// when it repeats the table, the first field and the field count of the request.
TEST_F(MismatchedAnswers, WriteEchoMustRepeatTableFirstFieldAndCount)
{
    const char* const wrongEchoes[] = {"00170014", "00160114", "00160013", "00160015"};
    for (const char* echo : wrongEchoes) {
        SCOPED_TRACE(echo);
        line.answer(TestFrames::answer(1, 0x82, QByteArray::fromHex(echo)));
        EXPECT_FALSE(layer.writeFields({22, 0, 20}, false));
        EXPECT_EQ(layer.failure(), "Несоответствие заголовка ответа заголовку запроса на запись.");
    }
    line.answer(TestFrames::answer(1, 0x82, QByteArray::fromHex("00160014")));
    EXPECT_TRUE(layer.writeFields({22, 0, 20}, false));
    EXPECT_EQ(line.writes().size(), 5);
}

} // namespace
