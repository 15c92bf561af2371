// Writes the seed corpora of the fuzz targets: what the simulated controller and
// its modem answer to the requests the targets choose, and the files of the
// working directory as the program writes them, with a few a station might
// have edited by hand. Run it again when a format changes:
//   build-fuzz/fuzz/fuzz_seeds fuzz/corpus
#include "archives/archive_reading_choices.h"
#include "link/request_frame.h"
#include "settings/settings_block.h"
#include "sim/sim_controller.h"
#include "sim/sim_modem.h"
#include "support/fuzz_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <cstdio>
#include <cstring>

namespace {

const QDateTime controllerClock(QDate(2025, 3, 5), QTime(14, 30), Qt::UTC);

class Corpus {
public:
    explicit Corpus(const QString& root) : root_(root) {}

    void add(const QString& target, const QString& name, QByteArrayView bytes) const
    {
        const QDir directory(root_ + u'/' + target);
        directory.mkpath(QStringLiteral("."));
        QFile file(directory.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes.data(), bytes.size()) != bytes.size())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    }

    // A file written by the program into the scratch directory, as a seed.
    void addFile(const QString& target, const QString& name, const QString& path) const
    {
        add(target, name, readWholeFile(path));
    }

private:
    QString root_;
};

// ---- answers of the controller ----

// The choice bytes of support/request_choice.h.
enum class Kind : char { Read = 0, WriteOwnAddress = 1, WriteName = 2 };

struct AnswerSeed {
    QString name;
    Kind kind;
    int attempts;
    std::uint8_t choiceAddress;
    std::uint8_t newAddress;
    std::uint8_t function; // the request the simulator answers
    QByteArray data;
    QList<SimFault> faults;
};

WriteCredentials administrator()
{
    WriteCredentials credentials;
    std::memcpy(credentials.password.data(), "222222", 6);
    std::memcpy(credentials.userCode.data(), "0002", 4);
    return credentials;
}

QByteArray range(int table, int first, int count)
{
    const char bytes[] = {static_cast<char>(table), static_cast<char>(first), static_cast<char>(count)};
    return QByteArray(bytes, sizeof bytes);
}

SimFault fault(SimFault::Kind kind)
{
    SimFault spoilt;
    spoilt.match = SimFault::Match::RequestNumber;
    spoilt.key = 1;
    spoilt.kind = kind;
    return spoilt;
}

QByteArray answerOf(SimController& controller, const AnswerSeed& seed, std::uint8_t address,
                    const WriteCredentials& credentials)
{
    FrameBuffer frame{};
    const int length = buildRequestFrame(frame, address, seed.function, seed.data, 0, credentials).value_or(0);
    const std::optional<SimAnswer> answer =
        controller.handle(QByteArrayView(reinterpret_cast<const char*>(frame.data()), length));
    return answer ? answer->bytes : QByteArray();
}

void addAnswer(const Corpus& corpus, const AnswerSeed& seed, const WriteCredentials& credentials = administrator())
{
    SimControllerOptions options;
    options.clock = controllerClock;
    SimController controller(options);
    controller.setFaults(seed.faults);
    QByteArray input;
    input.append(static_cast<char>(static_cast<int>(seed.kind) + 3 * (seed.attempts - 1)));
    input.append(static_cast<char>(seed.choiceAddress));
    input.append(static_cast<char>(seed.newAddress));
    // The simulator answers from its own address 1 whatever address the target chose.
    const std::uint8_t sentTo = seed.choiceAddress == FrameByte::AnyAddress ? FrameByte::AnyAddress : 1;
    for (int attempt = 0; attempt < seed.attempts; ++attempt)
        input += answerOf(controller, seed, sentTo, credentials);
    for (const QString& target : {QStringLiteral("answer_receiver"), QStringLiteral("engine_answer")})
        corpus.add(target, seed.name, input);
}

void addAnswers(const Corpus& corpus)
{
    const QByteArray identification = range(0, 0, 18);
    const QByteArray ownAddress = range(3, 0, 1) + QByteArray(1, 5);
    const QByteArray name = range(5, 0, 1) + QByteArray(20, 'A');
    addAnswer(corpus, {QStringLiteral("read_identification"), Kind::Read, 1, 1, 0, 1, identification, {}});
    addAnswer(corpus, {QStringLiteral("read_any_address"), Kind::Read, 1, 0xFF, 0, 1, identification, {}});
    addAnswer(corpus, {QStringLiteral("write_own_address"), Kind::WriteOwnAddress, 1, 1, 5, 2, ownAddress, {}});
    addAnswer(corpus, {QStringLiteral("write_name"), Kind::WriteName, 1, 1, 0, 2, name, {}});
    addAnswer(corpus, {QStringLiteral("write_name_refused"), Kind::WriteName, 1, 1, 0, 2, name, {}},
              WriteCredentials{});
    addAnswer(corpus, {QStringLiteral("read_missing_table"), Kind::Read, 1, 1, 0, 1, range(1, 0, 1), {}});
    for (const int table : {2, 4, 7, 22, 30, 36})
        addAnswer(corpus, {QStringLiteral("read_table_%1").arg(table), Kind::Read, 1, 1, 0, 1, range(table, 0, 1), {}});
    addAnswer(corpus, {QStringLiteral("read_log_by_index"),
                       Kind::Read,
                       1,
                       1,
                       0,
                       7,
                       QByteArray("\x00\x01\x01\x00\x00\x00\x05", 7),
                       {}});

    SimFault noise = fault(SimFault::Kind::BytesBefore);
    noise.bytes = QByteArray("\x33\x01\x02\x00\x33\x07\x33", 7);
    SimFault cut = fault(SimFault::Kind::CutAfter);
    cut.count = 5;
    SimFault destroyed = fault(SimFault::Kind::ErrorReply);
    destroyed.code = 60;
    destroyed.table = 5;
    SimFault unknownCode = fault(SimFault::Kind::ErrorReply);
    unknownCode.code = 70;
    SimFault otherAddress = fault(SimFault::Kind::OtherAddress);
    otherAddress.address = 7;
    const QList<std::pair<QString, SimFault>> faults{
        {QStringLiteral("noise_before"), noise},
        {QStringLiteral("wrong_checksum"), fault(SimFault::Kind::WrongChecksum)},
        {QStringLiteral("cut_after_header"), cut},
        {QStringLiteral("destroyed_table"), destroyed},
        {QStringLiteral("unknown_error"), unknownCode},
        {QStringLiteral("other_address"), otherAddress},
    };
    for (const auto& [seedName, spoilt] : faults) {
        addAnswer(corpus, {seedName, Kind::Read, 1, 1, 0, 1, identification, {spoilt}});
        // A second attempt that gets the answer whole.
        addAnswer(corpus, {seedName + QStringLiteral("_then_whole"), Kind::Read, 2, 1, 0, 1, identification, {spoilt}});
    }
    addAnswer(corpus,
              {QStringLiteral("write_own_address_noise"), Kind::WriteOwnAddress, 1, 1, 5, 2, ownAddress, {noise}});
}

// ---- files of the working directory ----

void addGqcIni(const Corpus& corpus, const QString& name, const Settings& settings)
{
    const QString path = scratchPath(name);
    QFile::remove(path);
    SettingsBlock block;
    block.gqcIni = settings;
    block.saveSettings(path);
    corpus.addFile(QStringLiteral("gqc_ini"), name, path);
    corpus.addFile(QStringLiteral("ini_file"), name, path);
}

void addGqcInis(const Corpus& corpus)
{
    SettingsBlock defaults;
    defaults.loadSettings(scratchPath(QStringLiteral("missing.ini")), QSize(1280, 1024));
    addGqcIni(corpus, QStringLiteral("gqc_defaults.ini"), defaults.gqcIni);

    Settings modem = defaults.gqcIni;
    modem.current.linkKind = LinkKind::Modem;
    modem.phone.link = LinkRecord{3, 17, 9600, 3, 2, 250, 20};
    modem.phone.command = QStringLiteral("AT&F^ATE0V1^AT+CBST=7,0,1");
    modem.phone.useDefaultCommand = true;
    modem.phone.autoRepeat = true;
    modem.phone.dialAttempts = 3;
    addGqcIni(corpus, QStringLiteral("gqc_modem.ini"), modem);

    Settings ethernet = defaults.gqcIni;
    ethernet.current.linkKind = LinkKind::Ethernet;
    ethernet.current.openPortPerRequest = true;
    ethernet.current.windowLeft = -20;
    ethernet.current.windowTop = 4000;
    ethernet.ethernet.link.address = 255;
    ethernet.ethernet.connectWaitS = 30;
    ethernet.comPorts.insert(7, QStringLiteral("/dev/ttyUSB0"));
    ethernet.comPorts.insert(33, QStringLiteral("/dev/serial/by-id/usb-Модем"));
    addGqcIni(corpus, QStringLiteral("gqc_ethernet_ports.ini"), ethernet);

    Settings direct = defaults.gqcIni;
    direct.direct = LinkRecord{12, 254, 115200, 0, 5, 20, 1};
    direct.current.portOpenWaitS = 0;
    addGqcIni(corpus, QStringLiteral("gqc_direct.ini"), direct);

    // As a station may have edited it: other case, blanks, quotes, hexadecimal, a
    // repeated section, comments, LF line ends, no end of the last line.
    const QByteArray edited =
        "; station settings\n[curr_par]\nconn_prz = 1\n  Form_Width=$400\nForm_Left=-0x10\n"
        "[DIR_CONN_PAR]\nRate=\"9600\"\nAdr='  7'\nCOMPort=300\n[Dir_Conn_Par]\nRate=19200\n"
        "[FON_CONN_PAR]\nCommand=\"ATZ^AT&K0\"\nWaitTime=-1\n[COM_PORTS]\nCOM1=  \"/dev/ttyS9\"  \n"
        "COM2=\n[ETHERNET_CONN_PAR\nRepeat=4294967296\nTimeOut=+15";
    corpus.add(QStringLiteral("gqc_ini"), QStringLiteral("gqc_edited.ini"), edited);
    corpus.add(QStringLiteral("ini_file"), QStringLiteral("gqc_edited.ini"), edited);
}

void addLists(const Corpus& corpus)
{
    SettingsBlock block;
    block.phoneList.count = 3;
    block.phoneList.selected = 1;
    block.phoneList.sortOrder = 2;
    block.phoneList.entries[0] = {QStringLiteral("ГРС Северная"), 1, 1, QStringLiteral("8 (812) 555-01-02")};
    block.phoneList.entries[1] = {QStringLiteral("ГРС Южная, узел 2"), 17, 3, QStringLiteral("+7 921 000 00 00")};
    block.phoneList.entries[2] = {QStringLiteral("\"quoted\""), 255, 0, QStringLiteral("9,,123")};
    const QString phonePath = scratchPath(QStringLiteral("fon_abonents.ini"));
    QFile::remove(phonePath);
    block.savePhoneList(phonePath);
    corpus.addFile(QStringLiteral("subscriber_lists"), QStringLiteral("fon_abonents.ini"), phonePath);
    corpus.addFile(QStringLiteral("ini_file"), QStringLiteral("fon_abonents.ini"), phonePath);

    block.ethernetList.count = 3;
    block.ethernetList.selected = 2;
    block.ethernetList.entries[0] = {QStringLiteral("ГРС Северная"), 1, 0xC0A8010A, 502};
    block.ethernetList.entries[1] = {QStringLiteral("Узел учета"), 2, 0x0A000001, 4001};
    block.ethernetList.entries[2] = {QStringLiteral("far"), 255, 0xFFFFFFFF, 65535};
    const QString ethernetPath = scratchPath(QStringLiteral("ethr_abonents.ini"));
    QFile::remove(ethernetPath);
    block.saveEthernetList(ethernetPath);
    corpus.addFile(QStringLiteral("subscriber_lists"), QStringLiteral("ethr_abonents.ini"), ethernetPath);
    corpus.addFile(QStringLiteral("ini_file"), QStringLiteral("ethr_abonents.ini"), ethernetPath);

    // Short lists as a station may have written them by hand, one of each kind in a file.
    const QByteArray edited =
        "[FON_CONN_PAR]\r\nusers_num=2\r\nuser_index=5\r\n[FON_ABONENT_2]\r\nuser_name=  Узел\r\n"
        "phone_code=\"8-800 (555) 35 35\"\r\ncontr_adr=0x1F\r\n[ETHERNET_CONN_PAR]\r\nusers_num=250\r\n"
        "[ETHERNET_ABONENT_1]\r\nip_adr=-1062731510\r\nport=70000\r\n[ethernet_abonent_2]\r\n"
        "USER_NAME='x'\r\nip_adr=$C0A80101\r\n";
    corpus.add(QStringLiteral("subscriber_lists"), QStringLiteral("lists_edited.ini"), edited);
    corpus.add(QStringLiteral("ini_file"), QStringLiteral("lists_edited.ini"), edited);
}

void addArchiveReadingChoices(const Corpus& corpus)
{
    const QString target = QStringLiteral("archive_reading_choices");
    const QString path = scratchPath(QStringLiteral("rd_arh.ini"));
    ArchiveReadingChoices choices = ArchiveReadingChoices::defaults(QDateTime(QDate(2025, 3, 5), QTime(14, 30, 15)));
    choices.save(path);
    corpus.addFile(target, QStringLiteral("rd_arh_defaults.ini"), path);
    choices.setPeriod(QDateTime(QDate(1899, 12, 30), QTime(0, 0)), QDateTime(QDate(9999, 12, 31), QTime(0, 0)));
    choices.save(path);
    corpus.addFile(target, QStringLiteral("rd_arh_extremes.ini"), path);
    choices.setPeriod(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999)), QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    choices.save(path);
    corpus.addFile(target, QStringLiteral("rd_arh_leap_day.ini"), path);
    const QByteArray saved = readWholeFile(path);
    corpus.add(target, QStringLiteral("rd_arh_short.ini"), saved.first(40));
    corpus.add(target, QStringLiteral("rd_arh_long.ini"), saved + saved);
}

void addReportSettings(const Corpus& corpus)
{
    const QString target = QStringLiteral("report_settings");
    QByteArray typical(25, '\0');
    typical.replace(5, 20, QByteArray(20, 4));
    corpus.add(target, QStringLiteral("repconf_typical.ini"), typical);
    QByteArray chosen("\x01\x01\x01\x01\x01", 5);
    for (int slot = 0; slot < 20; ++slot)
        chosen.append(static_cast<char>(slot % 7));
    corpus.add(target, QStringLiteral("repconf_chosen.ini"), chosen);
    corpus.add(target, QStringLiteral("repconf_zero.ini"), QByteArray(25, '\0'));
    corpus.add(target, QStringLiteral("repconf_short.ini"), chosen.first(7));
}

// ---- replies of the modem ----

// What the modem sends back to each command in turn, as one transcript.
QByteArray modemTranscript(const SimModemSettings& settings, const QList<QByteArray>& commands)
{
    SimModem modem(settings);
    QByteArray replies;
    qint64 now = 0;
    for (const QByteArray& command : commands) {
        now += 2000; // the guard time around "+++" has passed
        replies += modem.feed(command, now).toLine;
        replies += modem.poll(now + 2000).toLine;
    }
    return replies;
}

void addModemReplies(const Corpus& corpus)
{
    const QString target = QStringLiteral("modem_reply");
    const QList<QByteArray> dialling{"ATE0\r", "ATV1\r", "AT&F\r", "AT+CPAS\r", "ATD88125550102\r"};
    corpus.add(target, QStringLiteral("dial_connect"), modemTranscript({}, dialling));
    for (const QByteArray& result : {QByteArray("BUSY"), QByteArray("NO CARRIER"), QByteArray("NO DIALTONE"),
                                     QByteArray("NO ANSWER"), QByteArray("ERROR")}) {
        SimModemSettings settings;
        settings.dialResult = result;
        corpus.add(target, QStringLiteral("dial_") + QString::fromLatin1(result).replace(u' ', u'_').toLower(),
                   modemTranscript(settings, dialling));
    }
    SimModemSettings numeric;
    numeric.numericAtStart = true;
    corpus.add(target, QStringLiteral("numeric_codes"), modemTranscript(numeric, {"ATE0\r", "AT&F\r", "ATV1\r"}));
    SimModemSettings noGsm;
    noGsm.gsmReady = false;
    corpus.add(target, QStringLiteral("gsm_not_ready"), modemTranscript(noGsm, {"ATE0\r", "AT+CPAS\r"}));
    corpus.add(target, QStringLiteral("escape_and_hang_up"), modemTranscript({}, {"ATE0\r", "ATD1\r", "+++", "ath\r"}));
    corpus.add(target, QStringLiteral("time_and_escape"), QByteArray("\r\nTime out\r\nEscape...\r\n0\r"));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds CORPUS_DIRECTORY\n");
        return 2;
    }
    const Corpus corpus(QString::fromLocal8Bit(argv[1]));
    addAnswers(corpus);
    addGqcInis(corpus);
    addLists(corpus);
    addArchiveReadingChoices(corpus);
    addReportSettings(corpus);
    addModemReplies(corpus);
    return 0;
}
