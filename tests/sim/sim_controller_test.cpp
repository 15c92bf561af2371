#include "sim_test_frames.h"

#include "crc/crc16.h"
#include "sim/sim_controller.h"
#include "sim/sim_table_map.h"
#include "sim/sim_users.h"

#include <gtest/gtest.h>
#include <memory>

using namespace SimTestFrames;

namespace {

int at(const QByteArray& bytes, int index)
{
    return index < bytes.size() ? static_cast<std::uint8_t>(bytes[index]) : -1;
}

class SimControllerTest : public ::testing::Test {
protected:
    SimControllerOptions options()
    {
        SimControllerOptions result;
        result.clock = QDateTime(QDate(2024, 3, 31), QTime(10, 0, 0), Qt::UTC);
        return result;
    }

    QByteArray ask(SimController& controller, const QByteArray& request)
    {
        return answerFrame(controller.handle(request));
    }

    // The field values of a read answer.
    QByteArray readValues(SimController& controller, int table, int first, int count, int address = 1)
    {
        const QByteArray frame = ask(controller, readRequest(table, first, count, address));
        EXPECT_EQ(errorCode(frame), 0) << "reading table " << table;
        return frame.mid(8, frame.size() - 10);
    }
};

TEST_F(SimControllerTest, IdentificationAnswerHasChecksumEchoAndLayout)
{
    SimController controller(options());
    const std::optional<SimAnswer> answer = controller.handle(readRequest(0, 0, 18));
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->bytes.startsWith(QByteArray(3, static_cast<char>(0xFF)))) << "three preambles";
    const QByteArray frame = answerFrame(answer);
    ASSERT_EQ(frame.size(), 8 + 18 + 2);
    EXPECT_EQ(crc16(frame), 0);
    EXPECT_EQ(at(frame, 0), 0x33);
    EXPECT_EQ(at(frame, 1), 1);
    EXPECT_EQ(at(frame, 2), frame.size());
    EXPECT_EQ(at(frame, 3), 0x81);
    EXPECT_EQ(frame.mid(5, 3), QByteArray::fromHex("000012"));
    const QByteArray identification = frame.mid(8, 18);
    EXPECT_EQ(at(identification, 0), 0) << "no destroyed table";
    EXPECT_EQ(at(identification, 1), 73);
    EXPECT_EQ(at(identification, 3), 4);
    EXPECT_EQ(at(identification, 12), 0) << "name held in code page 866";

    const QByteArray name = readValues(controller, 5, 0, 1);
    ASSERT_EQ(name.size(), 20);
    EXPECT_EQ(name.left(4), QByteArray::fromHex("83909120")) << "\"ГРС \" in code page 866";
    EXPECT_EQ(readValues(controller, 6, 0, 10), QByteArray::fromHex("03c9030ac904090101 00"));
    EXPECT_EQ(at(readValues(controller, 9, 0, 1), 0), 2) << "two flow computers";
}

TEST_F(SimControllerTest, RefusesFaultyRequestsWithTheirErrorCodes)
{
    SimController controller(options());
    const QByteArray six(10, '\1');
    struct Case {
        const char* what;
        QByteArray request;
        int code;
    };
    const Case cases[] = {
        {"unknown function", request(1, 40, QByteArray(4, '\0')), 1},
        {"read with a body too long", request(1, 1, QByteArray(5, '\0')), 2},
        {"write whose values do not fill its fields", request(1, 2, adjuster() + QByteArray::fromHex("0006000301 02")),
         2},
        {"wrong password", writeRequest(credentials("999999", "0001"), 6, 6, "\x0a"), 3},
        {"unknown user", writeRequest(credentials("111111", "0009"), 6, 6, "\x0a"), 34},
        {"answer too long for a frame", readRequest(4, 0, 12), 4},
        {"no such table", readRequest(38, 0, 1), 9},
        {"passwords are never read", readRequest(13, 0, 1), 11},
        {"identification is read only", writeRequest(adjuster(), 0, 0, "\x01"), 12},
        {"no such field to read", readRequest(0, 17, 2), 13},
        {"no such field to write", writeRequest(adjuster(), 6, 9, "\x01\x01"), 14},
        {"operator may not change the system parameters", writeRequest(operatorLevel(), 6, 6, "\x0a"), 26},
        {"address 0 in the port table", writeRequest(adjuster(), 3, 0, QByteArray(1, '\0')), 4},
    };
    for (const Case& test : cases) {
        const QByteArray frame = ask(controller, test.request);
        ASSERT_GE(frame.size(), 9) << test.what;
        EXPECT_EQ(crc16(frame), 0) << test.what;
        EXPECT_NE(at(frame, 3), at(test.request, 3) | 0x80) << test.what;
        EXPECT_EQ(errorCode(frame), test.code) << test.what;
    }
    EXPECT_EQ(at(readValues(controller, 6, 6, 1), 0), 9) << "refused writes change nothing";
}

TEST_F(SimControllerTest, WriteIsEchoedAndKept)
{
    SimController controller(options());
    const QByteArray frame = ask(controller, writeRequest(adjuster(), 6, 6, "\x0a\x01"));
    ASSERT_EQ(frame.size(), 10);
    EXPECT_EQ(crc16(frame), 0);
    EXPECT_EQ(at(frame, 3), 0x82);
    EXPECT_EQ(frame.mid(5, 3), QByteArray::fromHex("060602"));
    EXPECT_EQ(readValues(controller, 6, 6, 2), QByteArray::fromHex("0a01"));
}

TEST_F(SimControllerTest, DestroyedTablesAreReportedWithTheirNumbersUntilWritten)
{
    SimControllerOptions start = options();
    start.destroyed = {6, 21};
    SimController controller(start);
    const QByteArray refusal = ask(controller, readRequest(6, 0, 10));
    EXPECT_EQ(errorCode(refusal), 60);
    EXPECT_EQ(at(refusal, 6), 6);
    EXPECT_EQ(at(readValues(controller, 0, 0, 1), 0), 6);
    const QByteArray states = readValues(controller, 7, 0, 38);
    for (int table = 0; table < 38; ++table)
        EXPECT_EQ(at(states, table), table == 6 || table == 21 ? 1 : 0) << "table " << table;

    ASSERT_EQ(errorCode(ask(controller, writeRequest(adjuster(), 6, 0, QByteArray::fromHex("03c9030ac904090100 00")))),
              0);
    EXPECT_EQ(at(readValues(controller, 0, 0, 1), 0), 21) << "the next destroyed table";
    EXPECT_EQ(at(readValues(controller, 6, 8, 1), 0), 0);
}

TEST_F(SimControllerTest, ClockRunsFromItsStartAndCorrectionShiftsIt)
{
    SimController controller(options());
    const QByteArray date = readValues(controller, 2, 0, 8);
    EXPECT_EQ(date.left(5), QByteArray::fromHex("18031f0a00"));
    EXPECT_LE(at(date, 5), 1);
    EXPECT_EQ(at(date, 6), 1) << "31 March 2024 is a Sunday";
    EXPECT_EQ(at(date, 7), 0) << "summer time from 3:00 of the last Sunday of March";

    const QDateTime before = controller.clock();
    ASSERT_EQ(errorCode(ask(controller, correctionRequest(operatorLevel(), -600))), 0);
    EXPECT_NEAR(before.secsTo(controller.clock()), -600, 1);
    EXPECT_EQ(errorCode(ask(controller, correctionRequest(operatorLevel(), 3601))), 17);
    EXPECT_EQ(errorCode(ask(controller, correctionRequest(credentials("", ""), 10))), 34);

    controller.setClock(QDateTime(QDate(2024, 3, 31), QTime(2, 59, 0), Qt::UTC));
    EXPECT_EQ(at(readValues(controller, 2, 7, 1), 0), 128) << "winter before the switch hour";
    controller.setClock(QDateTime(QDate(2024, 10, 27), QTime(3, 59, 0), Qt::UTC));
    EXPECT_EQ(at(readValues(controller, 2, 7, 1), 0), 0);
    controller.setClock(QDateTime(QDate(2024, 10, 27), QTime(4, 0, 0), Qt::UTC));
    EXPECT_EQ(at(readValues(controller, 2, 7, 1), 0), 128) << "winter from 4:00 of the last Sunday of October";
}

TEST_F(SimControllerTest, WritingTheDateTableSetsTheClock)
{
    SimController controller(options());
    ASSERT_EQ(errorCode(ask(controller, writeRequest(operatorLevel(), 2, 0, QByteArray::fromHex("1901020304050080")))),
              0);
    const QByteArray date = readValues(controller, 2, 0, 8);
    EXPECT_EQ(date.left(5), QByteArray::fromHex("1901020304"));
    EXPECT_EQ(at(date, 6), 5) << "2 January 2025 is a Thursday";
    EXPECT_EQ(at(date, 7), 128);
    EXPECT_EQ(errorCode(ask(controller, writeRequest(operatorLevel(), 2, 0, QByteArray::fromHex("190d020304050080")))),
              4);
}

TEST_F(SimControllerTest, PortTableWriteAnswersFromTheNewAddress)
{
    SimController controller(options());
    const QByteArray frame = ask(controller, writeRequest(adjuster(), 3, 0, "\x09"));
    EXPECT_EQ(errorCode(frame), 0);
    EXPECT_EQ(at(frame, 1), 9);
    EXPECT_FALSE(controller.handle(readRequest(0, 0, 1, 1))) << "the old address is silent";
    EXPECT_EQ(at(ask(controller, readRequest(0, 0, 1, 9)), 1), 9);
    EXPECT_EQ(at(ask(controller, readRequest(0, 0, 1, 0xFF)), 1), 9) << "0xFF reaches any controller";
    EXPECT_EQ(controller.requests().size(), 4) << "every frame is logged, heard or not";
}

TEST_F(SimControllerTest, UserTableKeepsItsAdjusterAndUniqueNames)
{
    SimController controller(options());
    const auto user = [](const QByteArray& name, char level, const QByteArray& code) {
        return name.leftJustified(4, ' ') + level + '\0' + QByteArray("555555").leftJustified(12, ' ') + code;
    };
    EXPECT_EQ(errorCode(ask(controller, writeRequest(adjuster(), 4, 0, user("MAN", 2, "0001"), 1, 22))), 30);
    EXPECT_EQ(errorCode(ask(controller, writeRequest(adjuster(), 4, 5, user("NEW", 1, "0005"), 1, 22))), 29);
    EXPECT_EQ(errorCode(ask(controller, writeRequest(adjuster(), 4, 5, user("ADM", 3, "0005"), 1, 22))), 33);
    EXPECT_EQ(errorCode(ask(controller, writeRequest(adjuster(), 4, 5, user("ENG", 3, "0005"), 1, 22))), 0);
    EXPECT_EQ(errorCode(ask(controller, writeRequest(credentials("555555", "0005"), 6, 6, "\x0a"))), 0)
        << "the new engineer may write";
}

TEST_F(SimControllerTest, ResetMakesAVersion14ControllerAtAddress1)
{
    SimControllerOptions start = options();
    start.address = 7;
    SimController controller(start);
    EXPECT_EQ(errorCode(ask(controller, resetRequest(operatorLevel(), 7))), 26);
    const QByteArray answer = ask(controller, resetRequest(adjuster(), 7));
    EXPECT_EQ(errorCode(answer), 0);
    EXPECT_EQ(at(answer, 1), 7) << "answered before the restart";
    EXPECT_EQ(controller.address(), 1);
    EXPECT_EQ(controller.bitsPerSecond(), 9600);
    EXPECT_FALSE(controller.handle(readRequest(0, 0, 18, 7)));

    const QByteArray identification = readValues(controller, 0, 0, 18);
    EXPECT_EQ(at(identification, 3), 14);
    EXPECT_EQ(at(identification, 0), 2) << "the first configuration table";
    const QByteArray states = readValues(controller, 7, 0, 38);
    for (const int table : {2, 3, 4, 5, 6, 9, 13, 14, 15, 17, 20, 21, 26, 28, 29})
        EXPECT_EQ(at(states, table), 1) << "table " << table;
    EXPECT_EQ(at(states, 0) + at(states, 7) + at(states, 30), 0);
    EXPECT_EQ(at(ask(controller, readRequest(6, 0, 10)), 6), 6) << "error 60 names table 6";
}

class SimVersion14Test : public SimControllerTest {
protected:
    SimVersion14Test()
    {
        SimControllerOptions start = options();
        start.version = 14;
        start.flowComputers = 1;
        controller = std::make_unique<SimController>(start);
    }

    // Writes a whole table (the first flow computer only of the per-flow-computer tables).
    int writeTable(int table)
    {
        const int length = SimTableMap::fieldLength(table);
        const int fields = SimTableMap::isPerFlowComputer(table) ? 1 : SimTableMap::fieldCount(table);
        QByteArray values(fields * length, '\0');
        if (table == SimTableMap::flowPortTable)
            values[0] = 1;
        if (table == SimTableMap::portTable)
            values = QByteArray::fromHex("050b0300"); // the new address 5
        if (table == SimTableMap::dateTable)
            values = QByteArray::fromHex("1804010c00000080");
        return errorCode(ask(*controller, writeRequest(adjuster(), table, 0, values, 1, length)));
    }

    // The user table is written first, in two parts, with blank credentials.
    void restoreUsers()
    {
        QByteArray users = SimUsers::record("MAN", 1, "111111", "0001");
        for (int slot = 1; slot < 16; ++slot)
            users += SimUsers::record("", 0, "", "");
        const QByteArray blank = credentials("", "");
        ASSERT_EQ(errorCode(ask(*controller, writeRequest(blank, 4, 0, users.left(10 * 22), 1, 22))), 0);
        ASSERT_EQ(errorCode(ask(*controller, writeRequest(blank, 4, 10, users.mid(10 * 22), 1, 22))), 0);
    }

    std::unique_ptr<SimController> controller;
};

TEST_F(SimVersion14Test, RefusesTablesWrittenOutOfOrder)
{
    const QByteArray refusal = ask(*controller, writeRequest(adjuster(), 6, 0, QByteArray(10, '\0')));
    EXPECT_EQ(errorCode(refusal), 60) << "nothing can be written before the user table";
    EXPECT_EQ(at(refusal, 6), 4);
    restoreUsers();
    EXPECT_EQ(writeTable(9), 0);
    EXPECT_EQ(writeTable(18), 0);
    EXPECT_EQ(writeTable(17), 7) << "table 17 comes before table 18";
    EXPECT_EQ(writeTable(3), 0);
    EXPECT_EQ(writeTable(20), 7);
}

TEST_F(SimVersion14Test, AllTablesInOrderMakeItAVersion4ControllerAtItsNewAddress)
{
    restoreUsers();
    ASSERT_EQ(writeTable(2), 0);
    for (const int table : {9, 17, 18, 19, 20, 13, 3, 5, 6, 14, 15, 21, 22, 23, 24, 25, 26, 28}) {
        ASSERT_EQ(writeTable(table), 0) << "table " << table;
        EXPECT_EQ(controller->version(), 14);
        EXPECT_EQ(controller->address(), 1) << "the new port settings wait for the next start";
    }
    ASSERT_EQ(writeTable(29), 0);
    EXPECT_EQ(controller->version(), 4);
    EXPECT_EQ(controller->address(), 5);
    const QByteArray identification = readValues(*controller, 0, 0, 18, 5);
    ASSERT_EQ(identification.size(), 18);
    EXPECT_EQ(at(identification, 3), 4);
    EXPECT_EQ(at(identification, 0), 0);
    EXPECT_EQ(readValues(*controller, 2, 0, 3, 5), QByteArray::fromHex("180401"));
}

} // namespace
