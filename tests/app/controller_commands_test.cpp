#include "base/controller_charset.h"
#include "base/windows1251.h"
#include "scripted_command_windows.h"
#include "support/simulated_link.h"

#include <gtest/gtest.h>

namespace {

using Ranges = std::vector<FieldRange>;

// The PC clock of these tests: a Tuesday in summer time.
const QDateTime PcNow(QDate(2024, 5, 14), QTime(10, 30, 0));

SimControllerOptions controllerTenMinutesBehind(QList<int> destroyed = {})
{
    SimControllerOptions controller;
    controller.clock = PcNow.addSecs(-600);
    controller.destroyed = std::move(destroyed);
    return controller;
}

class ControllerCommandsOnSimulator : public ::testing::Test {
protected:
    void start(const SimControllerOptions& controller = controllerTenMinutesBehind())
    {
        link = std::make_unique<SimulatedLink>(controller);
        ASSERT_TRUE(link->up());
    }
    ControllerCommands commands()
    {
        return {link->context(), windows, [] { return PcNow; }};
    }
    QList<ScriptedOperator::Message> messages() const { return link->person.messages(); }
    // The two data bytes, after the credentials, of every clock correction the controller received.
    QList<QByteArray> clockCorrections()
    {
        QList<QByteArray> corrections;
        for (const QByteArray& frame : link->frames())
            if (frame[3] == 12)
                corrections << frame.mid(20, 2);
        return corrections;
    }

    std::unique_ptr<SimulatedLink> link;
    ScriptedWindows windows;
};

TEST_F(ControllerCommandsOnSimulator, DateAndTimeShowsBothClocksAndSendsTheConfirmedCorrectionLowByteFirst)
{
    start();
    windows.correction = 600;
    commands().dateAndTime();

    EXPECT_EQ(link->reads(), (Ranges{{7, 0, 7}, {6, 0, 10}, {2, 0, 8}}));
    ASSERT_EQ(windows.clockWindows, 1);
    EXPECT_EQ(windows.shownDateTime.left(5), QByteArray::fromHex("18050e0a14")) << "the controller's 10:20";
    EXPECT_EQ(windows.shownSystemParameters, link->server().table(6).left(10));
    EXPECT_EQ(windows.shownPcNow, PcNow);

    EXPECT_EQ(clockCorrections(), QList<QByteArray>{QByteArray::fromHex("5802")});
    EXPECT_EQ(link->frames().last()[3], 12) << "nothing after the correction";
    const qint64 offPc = link->server().clock().secsTo(QDateTime(PcNow.date(), PcNow.time(), Qt::UTC));
    EXPECT_LE(std::abs(offPc), 60) << "the controller moved to the PC's time";
    EXPECT_EQ(link->person.panel(StatusPanel::Transient), "Корректировка времени выполнена");
    EXPECT_EQ(windows.messageTimers, 1);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ControllerCommandsOnSimulator, DateAndTimeSendsANegativeCorrectionAsTwosComplement)
{
    start();
    windows.correction = -10;
    commands().dateAndTime();
    EXPECT_EQ(clockCorrections(), QList<QByteArray>{QByteArray::fromHex("f6ff")});
}

TEST_F(ControllerCommandsOnSimulator, DateAndTimeLeftWithoutACorrectionSendsNothing)
{
    start();
    commands().dateAndTime();
    EXPECT_EQ(windows.clockWindows, 1);
    EXPECT_TRUE(clockCorrections().isEmpty());
    EXPECT_TRUE(link->writes().empty());
    EXPECT_TRUE(link->person.panel(StatusPanel::Transient).isEmpty());
    EXPECT_EQ(windows.messageTimers, 0);
}

TEST_F(ControllerCommandsOnSimulator, ARefusedCorrectionIsToldInThePanelAndInAMessage)
{
    start();
    link->setFaults("code 12 error 26");
    windows.correction = 600;
    commands().dateAndTime();
    EXPECT_EQ(clockCorrections().size(), 1);
    EXPECT_EQ(link->person.panel(StatusPanel::Transient), "Команда 12.  Недостаточный уровень доступа");
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].kind, MessageKind::ExchangeResult);
    EXPECT_EQ(messages()[0].line1, "Корректировка времени не выполнена");
    EXPECT_EQ(windows.messageTimers, 1);
}

TEST_F(ControllerCommandsOnSimulator, DestroyedSystemParametersStopTheDateCommandBeforeAnyOtherRequest)
{
    start(controllerTenMinutesBehind({6}));
    windows.correction = 600;
    commands().dateAndTime();
    EXPECT_EQ(link->reads(), (Ranges{{7, 0, 7}}));
    EXPECT_EQ(link->frames().size(), 1);
    EXPECT_EQ(windows.clockWindows, 0);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(messages()[0].line1, "Разрушена таблица системных параметров.");
    EXPECT_EQ(messages()[0].line2, "Информация о текущих дате и времени не может быть представлена");
}

TEST_F(ControllerCommandsOnSimulator, ADestroyedClockIsSetFromThePcOnceTheOperatorConfirmsTwice)
{
    start(controllerTenMinutesBehind({2}));
    link->person.answerYes(2);
    commands().dateAndTime();
    EXPECT_EQ(windows.clockWindows, 0) << "no date window on a destroyed clock";
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[0].kind, MessageKind::Question);
    EXPECT_EQ(messages()[0].line1, "Таблица даты и времени разрушена.");
    EXPECT_EQ(messages()[0].line2, QStringLiteral("Во") + QLatin1Char('c') + QStringLiteral("становить сейчас?"))
        << "with a Latin c";
    EXPECT_EQ(messages()[1].line1, "В контроллер будет записано время ЭВМ.");
    EXPECT_EQ(messages()[1].line2, "Вы уверены, что часы ЭВМ показывают правильное время?");

    EXPECT_EQ(link->reads(), (Ranges{{7, 0, 7}, {6, 0, 10}}));
    ASSERT_EQ(link->writes(), (Ranges{{2, 0, 8}}));
    // 14.05.24 10:30:00, a Tuesday (3), summer time (0).
    EXPECT_EQ(link->frames().last().mid(FrameOffset::WriteFirstValue, 8), QByteArray::fromHex("18050e0a1e000300"));
    EXPECT_EQ(link->image.copyOf({2, 0, 8}), QByteArray::fromHex("18050e0a1e000300"));
    EXPECT_TRUE(clockCorrections().isEmpty());
}

TEST_F(ControllerCommandsOnSimulator, ADestroyedClockIsLeftAloneWhenTheOperatorDeclinesEitherQuestion)
{
    start(controllerTenMinutesBehind({2}));
    commands().dateAndTime();
    EXPECT_EQ(messages().size(), 1) << "declined at the first question";

    link->person.answerYes();
    commands().dateAndTime();
    ASSERT_EQ(messages().size(), 3);
    EXPECT_EQ(messages()[2].line1, "В контроллер будет записано время ЭВМ.");

    EXPECT_TRUE(link->writes().empty());
    EXPECT_TRUE(clockCorrections().isEmpty());
    EXPECT_EQ(windows.clockWindows, 0);
}

// A registered engineer in the free slot 3.
const QByteArray Engineer = QByteArray("ENG ") + '\x03' + '\0' + QByteArray("333333      ") + QByteArray("0003");

TEST_F(ControllerCommandsOnSimulator, UserAccessShowsTheImagesTableAndWritesTheOneChangedUser)
{
    start();
    windows.userChange = {{3, Engineer}};
    commands().userAccess();

    EXPECT_EQ(link->reads(), (Ranges{{7, 0, 38}, {4, 0, 11}, {4, 11, 5}}));
    ASSERT_EQ(windows.userWindows, 1);
    EXPECT_EQ(windows.shownUserTable, link->image.table(4).data()) << "the dialog edits the image's bytes";
    ASSERT_EQ(link->writes(), (Ranges{{4, 3, 1}}));
    EXPECT_EQ(link->frames().last().mid(FrameOffset::WriteFirstValue, 22), Engineer);
    EXPECT_EQ(link->server().table(4).mid(3 * 22, 22), Engineer);
    EXPECT_EQ(bytesOf(link->image.table(4)), link->server().table(4)) << "the image holds what was written";
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ControllerCommandsOnSimulator, ARefusedUserChangeIsTakenBackOutOfTheImage)
{
    start();
    link->logIn(SimulatedLink::Operator4); // an operator may not change users
    const QByteArray held = link->server().table(4);
    windows.userChange = {{3, Engineer}};
    commands().userAccess();

    EXPECT_EQ(link->writes(), (Ranges{{4, 3, 1}}));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].kind, MessageKind::Retry);
    EXPECT_EQ(link->server().table(4), held);
    EXPECT_EQ(bytesOf(link->image.table(4)), held) << "the image keeps what the controller holds";
}

TEST_F(ControllerCommandsOnSimulator, UserAccessLeftWithoutAChangeSendsNothingAndKeepsTheImage)
{
    start();
    windows.scribbled = true;
    commands().userAccess();
    EXPECT_EQ(windows.userWindows, 1);
    EXPECT_TRUE(link->writes().empty());
    EXPECT_EQ(bytesOf(link->image.table(4)), link->server().table(4));
}

TEST_F(ControllerCommandsOnSimulator, ADestroyedUserTableIsLeftToTheRepairAtConnection)
{
    start(controllerTenMinutesBehind({4}));
    windows.userChange = {{3, Engineer}};
    commands().userAccess();
    EXPECT_EQ(link->reads(), (Ranges{{7, 0, 38}}));
    EXPECT_EQ(link->frames().size(), 1);
    EXPECT_EQ(windows.userWindows, 0);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(messages()[0].line1, "Таблица доступа пользователей");
    EXPECT_EQ(messages()[0].line2, "требует полной перезаписи");
}

TEST_F(ControllerCommandsOnSimulator, AFailedReadEndsEitherCommandWithoutItsDialog)
{
    start();
    link->setFaults("code 1 error 9");
    windows.correction = 600;
    windows.userChange = {{3, Engineer}};
    commands().dateAndTime();
    commands().userAccess();
    EXPECT_EQ(windows.clockWindows + windows.userWindows, 0);
    EXPECT_EQ(link->frames().size(), 2) << "one read each, given up at the retry question";
    EXPECT_EQ(messages().size(), 2);
}

TEST_F(ControllerCommandsOnSimulator, IdentificationShowsTable0AsRead)
{
    start();
    commands().identification();
    EXPECT_EQ(link->reads(), (Ranges{{0, 0, 18}}));
    ASSERT_EQ(windows.identificationWindows, 1);
    EXPECT_EQ(windows.shownIdentification, link->server().table(0).left(18));
}

// The simulated controller holds its name in code page 866.
QByteArray heldName(const QString& name)
{
    return toControllerCharset(toWindows1251(name).leftJustified(20, ' '));
}

TEST_F(ControllerCommandsOnSimulator, ANewNameIsSentBlankPaddedInTheControllersCharacterSet)
{
    start();
    ASSERT_TRUE(link->layer.readFields({0, 0, 18})) << "the image knows the controller's character set";
    windows.name = QStringLiteral("ГРС Южная");
    commands().controllerName();
    EXPECT_EQ(windows.shownName, QStringLiteral("ГРС Северная"));
    ASSERT_EQ(link->writes(), (Ranges{{5, 0, 1}}));
    EXPECT_EQ(link->server().table(5), heldName(QStringLiteral("ГРС Южная")));
    EXPECT_EQ(bytesOf(link->image.table(5)), toWindows1251(QStringLiteral("ГРС Южная")).leftJustified(20, ' '))
        << "the image keeps the program's character set";
    EXPECT_EQ(link->person.panel(StatusPanel::Address), QStringLiteral("ГРС Южная"));
}

TEST_F(ControllerCommandsOnSimulator, ANameLeftAsItWasOrNotConfirmedSendsNothing)
{
    start();
    ASSERT_TRUE(link->layer.readFields({0, 0, 18}));
    commands().controllerName();
    windows.name = QStringLiteral("ГРС Северная");
    commands().controllerName();
    EXPECT_TRUE(link->writes().empty());
}

TEST_F(ControllerCommandsOnSimulator, ARefusedNameKeepsTheNameTheControllerHolds)
{
    start();
    ASSERT_TRUE(link->layer.readFields({0, 0, 18}));
    link->logIn(SimulatedLink::Operator4);
    windows.name = QStringLiteral("Другое имя");
    commands().controllerName();
    EXPECT_EQ(link->writes(), (Ranges{{5, 0, 1}}));
    EXPECT_EQ(link->server().table(5), heldName(QStringLiteral("ГРС Северная")));
    EXPECT_EQ(bytesOf(link->image.table(5)), toWindows1251(QStringLiteral("ГРС Северная")).leftJustified(20, ' '));
}

TEST_F(ControllerCommandsOnSimulator, SystemParametersWriteOnlyTheChangedFieldsAndTakeTheMoistureMeter)
{
    start();
    link->moistureMeter = 1;
    QByteArray edited = link->server().table(6);
    edited[6] = 7; // contract hour
    edited[8] = 0; // no moisture meter
    windows.systemParameters = edited;
    commands().systemParameters();
    EXPECT_EQ(link->reads(), (Ranges{{6, 0, 10}}));
    EXPECT_EQ(link->writes(), (Ranges{{6, 6, 3}}));
    EXPECT_EQ(link->server().table(6), edited);
    EXPECT_EQ(link->moistureMeter, 0);

    link->forgetRequests();
    windows.systemParameters = edited;
    commands().systemParameters();
    EXPECT_TRUE(link->writes().empty()) << "nothing changed, nothing sent";
    windows.systemParameters.reset();
    commands().systemParameters();
    EXPECT_TRUE(link->writes().empty());
}

TEST_F(ControllerCommandsOnSimulator, RefusedSystemParametersLeaveTheImageAsTheControllerHoldsIt)
{
    start();
    link->logIn(SimulatedLink::Operator4);
    link->moistureMeter = 1;
    const QByteArray held = link->server().table(6);
    QByteArray edited = held;
    edited[8] = 0;
    windows.systemParameters = edited;
    commands().systemParameters();
    EXPECT_EQ(link->writes(), (Ranges{{6, 8, 1}}));
    EXPECT_EQ(bytesOf(link->image.table(6)), held);
    EXPECT_EQ(link->moistureMeter, 1);
}

FlowComputer flowComputer(std::uint8_t address, const QByteArray& password)
{
    FlowComputer record;
    record.address = address;
    record.type = 2;
    record.pipelines = 0x03;
    std::copy(password.cbegin(), password.cend(), record.password.begin());
    return record;
}

TEST_F(ControllerCommandsOnSimulator, AnAddedFlowComputerIsWrittenWholeWithItsPasswordOnly)
{
    start();
    windows.flowComputerEdit = [](FlowComputerList& list) { list.add(flowComputer(9, "NEW-PASSWORD    ")); };
    commands().flowComputers();
    EXPECT_EQ(link->reads(), (Ranges{{9, 0, 8}, {17, 0, 2}, {18, 0, 2}, {19, 0, 2}, {20, 0, 2}}));
    ASSERT_EQ(windows.shownFlowComputers.size(), 2U);
    EXPECT_EQ(windows.shownFlowComputers[1].address, 2);
    EXPECT_EQ(link->writes(), (Ranges{{9, 0, 1}, {17, 2, 1}, {18, 2, 1}, {19, 2, 1}, {20, 2, 1}, {13, 2, 1}}));
    EXPECT_EQ(link->server().table(18).left(3), QByteArray::fromHex("010209"));
    EXPECT_EQ(link->server().table(13).mid(32, 16), "NEW-PASSWORD    ");
    EXPECT_EQ(link->server().table(13).left(4), "VRG1") << "a password not retyped is never written";
}

TEST_F(ControllerCommandsOnSimulator, AChangedAddressIsTheOnlyFieldWritten)
{
    start();
    windows.flowComputerEdit = [](FlowComputerList& list) {
        FlowComputer second = list.computers()[1];
        second.address = 30;
        list.change(1, second);
    };
    commands().flowComputers();
    EXPECT_EQ(link->writes(), (Ranges{{18, 1, 1}}));
    EXPECT_EQ(link->server().table(18).left(2), QByteArray::fromHex("011e"));
}

TEST_F(ControllerCommandsOnSimulator, ARemovedFlowComputerLowersTheCountAndTheTemperatureSource)
{
    SimControllerOptions controller = controllerTenMinutesBehind();
    controller.flowComputers = 3;
    start(controller);
    link->image.table(9)[6] = 2;
    ASSERT_TRUE(link->layer.writeFields({9, 6, 1}));
    link->forgetRequests();
    windows.flowComputerEdit = [](FlowComputerList& list) { list.remove(2); };
    commands().flowComputers();
    EXPECT_EQ(link->writes(), (Ranges{{9, 0, 7}}));
    EXPECT_EQ(link->server().table(9)[0], 2);
    EXPECT_EQ(link->server().table(9)[6], 0);
}

TEST_F(ControllerCommandsOnSimulator, FlowComputersLeftUnconfirmedWriteNothing)
{
    start();
    commands().flowComputers();
    EXPECT_EQ(windows.shownFlowComputers.size(), 2U);
    EXPECT_TRUE(link->writes().empty());
}

TEST_F(ControllerCommandsOnSimulator, ASetPointChangedInOneRowWritesThatFieldOnly)
{
    start();
    link->layer.readFields({23, 0, 20});
    QByteArray edited = link->server().table(23);
    edited[8 * 4] = 0x11; // methane's lower warning, lowest byte
    windows.tableEdit = edited;
    commands().setPoints(GasSetPoint::LowerWarning);
    EXPECT_EQ(windows.shownSetPoint, GasSetPoint::LowerWarning);
    EXPECT_EQ(link->writes(), (Ranges{{23, 8, 1}}));
    EXPECT_EQ(link->server().table(23), edited);
}

TEST_F(ControllerCommandsOnSimulator, TheWriteFlagsAndThePeriodTablesAreReadAndWrittenWhole)
{
    start();
    windows.tableEdit = QByteArray::fromHex("0600");
    commands().hourlyMeanPeriod();
    EXPECT_EQ(link->reads(), (Ranges{{28, 0, 2}}));
    EXPECT_EQ(link->writes(), (Ranges{{28, 0, 1}}));
    EXPECT_EQ(link->server().table(28).left(2), QByteArray::fromHex("0600"));

    link->forgetRequests();
    windows.tableEdit.reset();
    commands().gasParamWriting();
    EXPECT_EQ(link->reads(), (Ranges{{21, 0, 20}}));
    EXPECT_TRUE(link->writes().empty()) << "a dialog left unconfirmed writes nothing";
}

TEST_F(ControllerCommandsOnSimulator, AfterTable3IsWrittenTheNextRequestGoesToTheNewAddress)
{
    start();
    ASSERT_TRUE(link->layer.readFields({0, 0, 18}));
    QByteArray port = link->server().table(3);
    port[0] = 5;
    windows.tableEdit = port;
    commands().upperLevelPort();
    EXPECT_EQ(windows.shownRateEditable, false) << "over TCP the rate cannot follow the controller";
    EXPECT_EQ(link->writes(), (Ranges{{3, 0, 1}}));
    EXPECT_EQ(link->engine.address(), 5);
    link->forgetRequests();
    ASSERT_TRUE(link->layer.readFields({0, 0, 18}));
    EXPECT_EQ(static_cast<std::uint8_t>(link->frames().last()[1]), 5);
}

TEST_F(ControllerCommandsOnSimulator, ChangingOnlyTheGatewayWritesField2)
{
    start();
    QByteArray ethernet = link->server().table(29);
    ethernet[11] = 0x7F;
    windows.tableEdit = ethernet;
    commands().ethernetPort();
    EXPECT_EQ(link->reads(), (Ranges{{29, 0, 7}}));
    EXPECT_EQ(link->writes(), (Ranges{{29, 2, 1}}));
    EXPECT_EQ(link->server().table(29), ethernet);
}

TEST_F(ControllerCommandsOnSimulator, ARaisedFlowComputerCountAnsweredNoWritesNothing)
{
    start();
    QByteArray port = link->server().table(9);
    port[0] = 3;
    windows.tableEdit = port;
    windows.flowComputerEdit = [](FlowComputerList&) {};
    link->person.answerNo();
    commands().flowComputerPort();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].line1, "Количество вычислителей не может быть увеличено");
    EXPECT_TRUE(windows.shownFlowComputers.empty()) << "no list without a yes";
    EXPECT_TRUE(link->writes().empty());
    EXPECT_EQ(link->image.table(9)[0], 2) << "the image keeps what the controller holds";
}

TEST_F(ControllerCommandsOnSimulator, ARaisedCountAnsweredYesWritesThePortThenTheNewFlowComputer)
{
    start();
    QByteArray port = link->server().table(9);
    port[0] = 3;
    windows.tableEdit = port;
    windows.flowComputerEdit = [](FlowComputerList& list) {
        FlowComputer third = list.computers()[2];
        third.address = 12;
        list.change(2, third);
    };
    link->person.answerYes();
    commands().flowComputerPort();
    ASSERT_EQ(windows.shownFlowComputers.size(), 3U);
    EXPECT_EQ(link->writes(), (Ranges{{9, 0, 1}, {17, 2, 1}, {18, 2, 1}, {19, 2, 1}, {20, 2, 1}}));
    EXPECT_EQ(link->server().table(18)[2], 12);
}

TEST_F(ControllerCommandsOnSimulator, AModbusPortIsReadAndWrittenForItsInstrument)
{
    start();
    QByteArray moisture = link->server().table(15);
    moisture[0] = 9;
    windows.tableEdit = moisture;
    commands().modbusPort(ModbusInstrument::MoistureMeter);
    EXPECT_EQ(windows.shownInstrument, ModbusInstrument::MoistureMeter);
    EXPECT_EQ(link->writes(), (Ranges{{15, 0, 1}}));
}

} // namespace
