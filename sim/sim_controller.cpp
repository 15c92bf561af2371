#include "sim/sim_controller.h"

#include "sim/sim_answer_frame.h"
#include "sim/sim_default_tables.h"
#include "sim/sim_table_map.h"
#include "sim/sim_users.h"

#include <algorithm>

namespace {

constexpr std::uint8_t anyController = 0xFF;
constexpr char preambleByte = static_cast<char>(0xFF);
constexpr int largestBody = 255 - 6;
constexpr int largestCorrection = 3600; // seconds
constexpr int administrator = 2, operatorLevel = 4;
constexpr int restartAddress = 1, restartBaudCode = 11;

enum Function : std::uint8_t { readCode = 1, writeCode = 2, clockCode = 12, resetCode = 25 };

enum Error : std::uint8_t {
    unknownFunction = 1,
    badLength = 2,
    badParameters = 4,
    tooLargeCorrection = 17,
    destroyed = 60,
};

// Total frame length of the requests whose body has a fixed size.
int fixedLength(std::uint8_t function)
{
    switch (function) {
    case readCode:
        return 10;
    case 7:
        return 13;
    case 8:
        return 21;
    case clockCode:
        return 24;
    case 14:
        return 19;
    case 15:
        return 17;
    case 16:
        return 15;
    case resetCode:
        return 22;
    default:
        return 0;
    }
}

std::uint8_t byteAt(QByteArrayView bytes, int index)
{
    return index < bytes.size() ? static_cast<std::uint8_t>(bytes[index]) : 0;
}

const SimFault* findFault(const QList<SimFault>& faults, SimFault::Kind kind)
{
    const auto found =
        std::find_if(faults.cbegin(), faults.cend(), [kind](const SimFault& fault) { return fault.kind == kind; });
    return found == faults.cend() ? nullptr : &*found;
}

// The table a request names, for A[5] of an error reply.
std::uint8_t requestedTable(std::uint8_t function, QByteArrayView frame)
{
    constexpr int readTableAt = 5, writeTableAt = 21;
    if (function == readCode)
        return byteAt(frame, readTableAt);
    if (function == writeCode)
        return byteAt(frame, writeTableAt);
    return 0;
}

} // namespace

SimController::SimController(const SimControllerOptions& options)
    : clock_(options.clock.isValid() ? options.clock : QDateTime::currentDateTime()),
      state_(options.version, options.destroyed), access_(tables_, state_, clock_), history_(options.history),
      faults_(options.faults), logPath_(options.logFile)
{
    SimDefaultTables::fill(tables_, options);
    port_ = portTableSettings();
}

bool SimController::openLog(QString* error)
{
    return log_.open(logPath_, error);
}

void SimController::setFaults(const QList<SimFault>& faults)
{
    faults_ = faults;
    requestNumber_ = 0;
}

int SimController::bitsPerSecond() const
{
    return SimDefaultTables::baudRate(port_.baudCode);
}

QByteArray SimController::table(int number)
{
    if (!SimTableMap::exists(number))
        return {};
    access_.refreshComputedTables();
    bringTablesUpToDate(number);
    return tables_.table(number);
}

void SimController::bringTablesUpToDate(int number)
{
    if (SimTableMap::isHistory(number))
        history_.refreshTables(tables_, clock_.now());
    for (auto held = held_.cbegin(); held != held_.cend(); ++held)
        tables_.table(held.key()) = held.value();
}

SimController::PortSettings SimController::portTableSettings() const
{
    const QByteArray& port = tables_.table(SimTableMap::portTable);
    return {byteAt(port, 0), byteAt(port, 1), byteAt(port, 2)};
}

std::optional<SimAnswer> SimController::handle(QByteArrayView frame)
{
    if (frame.size() < 6)
        return std::nullopt;
    log_.add(frame.toByteArray());
    const std::uint8_t target = byteAt(frame, 1);
    if (target != port_.address && target != anyController)
        return std::nullopt;
    const std::uint8_t function = byteAt(frame, 3);
    ++requestNumber_;
    QList<SimFault> faults;
    for (const SimFault& fault : faults_)
        if (fault.matches(requestNumber_, function))
            faults.append(fault);
    if (findFault(faults, SimFault::Kind::Silence))
        return std::nullopt;

    bool restarts = false;
    const SimFault* refusal = findFault(faults, SimFault::Kind::ErrorReply);
    const QByteArray answerFrame =
        refusal ? SimAnswerFrame::error(port_.address, function, static_cast<std::uint8_t>(refusal->code),
                                        requestedTable(function, frame), static_cast<std::uint8_t>(refusal->table))
                : carryOut(function, frame, &restarts);
    SimAnswer answer = frameAnswer(answerFrame, faults);
    if (restarts)
        port_ = portTableSettings();
    return answer;
}

QByteArray SimController::carryOut(std::uint8_t function, QByteArrayView frame, bool* restarts)
{
    const int versionBefore = state_.version();
    SimOutcome outcome = dispatch(function, frame);
    if (outcome.error == 0 && outcome.body.size() > largestBody)
        outcome = SimOutcome::failure(badParameters);
    const bool succeeded = outcome.error == 0;
    const bool portWritten =
        succeeded && function == writeCode && requestedTable(function, frame) == SimTableMap::portTable;
    const bool configured = versionBefore != state_.version() && !state_.configuring();
    // A working controller answers a change of its port from the new address and takes the new
    // rate and preambles after the answer; one that is being configured takes its port settings,
    // like a reset, when it starts again.
    const bool working = !state_.configuring() && !configured;
    if (portWritten && working)
        port_.address = portTableSettings().address;
    *restarts = (portWritten && working) || (succeeded && function == resetCode) || configured;
    if (!succeeded)
        return SimAnswerFrame::error(port_.address, function, outcome.error, requestedTable(function, frame),
                                     outcome.destroyedTable);
    return SimAnswerFrame::success(port_.address, function, outcome.body);
}

SimOutcome SimController::dispatch(std::uint8_t function, QByteArrayView frame)
{
    const int length = static_cast<int>(frame.size());
    const int expected = fixedLength(function);
    if (expected != 0 && length != expected)
        return SimOutcome::failure(badLength);
    const QByteArrayView body = frame.sliced(4, length - 6);
    switch (function) {
    case readCode:
        return readFields(body);
    case writeCode:
        return access_.write(body);
    case clockCode:
        return correctClock(body);
    case resetCode:
        return reset(body);
    default:
        break;
    }
    if (!SimHistory::handles(function) || expected == 0)
        return SimOutcome::failure(unknownFunction);
    const SimReply reply = history_.answer(function, body, clock_.now());
    return reply.error ? SimOutcome::failure(reply.errorCode) : SimOutcome::success(reply.body);
}

SimOutcome SimController::readFields(QByteArrayView body)
{
    if (body.size() == 4)
        bringTablesUpToDate(byteAt(body, 1));
    return access_.read(body);
}

SimOutcome SimController::checkWriter(QByteArrayView credentials, int highestLevel) const
{
    constexpr std::uint8_t levelTooLow = 26;
    if (state_.isDestroyed(SimTableMap::userTable))
        return SimOutcome::failure(destroyed, SimTableMap::userTable);
    const SimUsers::Check user = SimUsers::check(tables_.table(SimTableMap::userTable), credentials);
    if (user.error != 0)
        return SimOutcome::failure(user.error);
    if (user.level > highestLevel)
        return SimOutcome::failure(levelTooLow);
    return {};
}

SimOutcome SimController::correctClock(QByteArrayView body)
{
    if (const SimOutcome refusal = checkWriter(body.first(SimUsers::credentialsLength), operatorLevel);
        refusal.error != 0)
        return refusal;
    if (state_.isDestroyed(SimTableMap::dateTable))
        return SimOutcome::failure(destroyed, SimTableMap::dateTable);
    const auto seconds = static_cast<std::int16_t>(byteAt(body, 16) | (byteAt(body, 17) << 8));
    if (seconds > largestCorrection || seconds < -largestCorrection)
        return SimOutcome::failure(tooLargeCorrection);
    clock_.shift(seconds);
    return SimOutcome::success({});
}

SimOutcome SimController::reset(QByteArrayView body)
{
    // With its user table destroyed nobody could ever reset the controller, so it then trusts anyone.
    if (!state_.isDestroyed(SimTableMap::userTable))
        if (const SimOutcome refusal = checkWriter(body, administrator); refusal.error != 0)
            return refusal;
    state_.destroyConfiguration();
    QByteArray& port = tables_.table(SimTableMap::portTable);
    port[0] = static_cast<char>(restartAddress);
    port[1] = static_cast<char>(restartBaudCode);
    return SimOutcome::success({});
}

SimAnswer SimController::frameAnswer(const QByteArray& frame, const QList<SimFault>& faults) const
{
    QByteArray out = frame;
    QByteArray noise;
    int pauseAfter = -1, pauseMs = 0;
    for (const SimFault& fault : faults) {
        switch (fault.kind) {
        case SimFault::Kind::OtherAddress:
            out = SimAnswerFrame::readdressed(out, static_cast<std::uint8_t>(fault.address));
            break;
        case SimFault::Kind::BytesBefore:
            noise += fault.bytes;
            break;
        case SimFault::Kind::Pause:
            if (pauseAfter < 0) {
                pauseAfter = fault.count;
                pauseMs = fault.milliseconds;
            }
            break;
        default:
            break;
        }
    }
    for (const SimFault& fault : faults)
        if (fault.kind == SimFault::Kind::WrongChecksum && !out.isEmpty())
            out[out.size() - 1] = static_cast<char>(out.back() ^ 0xFF);
    for (const SimFault& fault : faults)
        if (fault.kind == SimFault::Kind::CutAfter)
            out.truncate(fault.count);

    SimAnswer answer;
    answer.bytes = noise + QByteArray(port_.preambles, preambleByte) + out;
    if (pauseAfter >= 0 && pauseAfter < out.size()) {
        answer.pauseAt = static_cast<int>(answer.bytes.size() - out.size()) + pauseAfter;
        answer.pauseMs = pauseMs;
    }
    answer.bitsPerSecond = bitsPerSecond();
    return answer;
}
