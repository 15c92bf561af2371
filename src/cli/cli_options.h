#pragma once

#include "archives/archive_kind.h"
#include "logs/log_kind.h"
#include "reports/spreadsheet_report.h"
#include "tables/date_stamp.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// What gqc_cli was asked to do. Link options left out take the defaults of the
// link's section of gqc.ini.
struct CliOptions {
    enum class Command {
        Identify,
        Read,
        Write,
        ReadConfig,
        Reset,
        Clock,
        SyncClock,
        SaveConfig,
        ConfigInfo,
        WriteConfig,
        ConfigDiff,
        ReadArchive,
        ReadLog,
        View,
        ReportDay,
        ReportPrint,
        ReportSpreadsheet,
        Watch,
        Collect,
        Plot,
    };

    QString workdir; // empty: the program's usual working directory
    QString trace;   // --trace FILE: every frame sent and received is appended to FILE
    bool tcp = false;
    QString host; // --tcp HOST:PORT
    QString service;
    QString port; // --serial COMn or a device path

    // --phone: the controller is dialled through the modem on the serial port.
    // Left out, the modem items take "Command", "Conn_Repeat" and
    // "ConnectWaitTime" of the telephone section of gqc.ini.
    std::optional<QString> phone;
    std::optional<QString> modemInit;
    std::optional<int> dialAttempts;
    std::optional<int> connectWaitS;

    std::optional<int> address;
    std::optional<int> baud;
    std::optional<int> preambles;
    std::optional<int> attempts;
    std::optional<int> interByteMs;
    std::optional<int> answerTimeoutS;
    std::optional<int> sendPauseMs;     // --tcp only
    std::optional<int> watchCount;      // watch: rounds; none: until interrupted
    std::optional<QByteArray> userCode; // Windows-1251 bytes, at most 4
    std::optional<QByteArray> password; // Windows-1251 bytes, at most 12
    bool confirmed = false;             // --yes: what cannot be undone may be done

    Command command = Command::Identify;
    int table = 0;
    int first = 0;
    int count = 0;     // read
    QByteArray values; // write
    // save-config, config-info and write-config: the configuration file, ".cnf"
    // added for save-config; config-diff: its two sides, a file or the controller.
    QString file;
    QString otherFile;
    // read-archive: the archive and the period (the parts finer than the
    // archive's unit are ignored); `file` is the archive data file to write.
    ArchiveKind archiveKind = ArchiveKind::ChromFiveMinute;
    DateStamp periodFrom;
    DateStamp periodTo;
    // read-log: the log and what to read of it (by index: from `logFirst`, or the
    // last `logCount`; else the period); `file` is the log file to write.
    LogKind logKind = LogKind::Interventions;
    enum class LogPart { Range, Last, Period } logPart = LogPart::Range;
    std::uint32_t logFirst = 0;
    std::uint32_t logCount = 0;
    QString csv;     // view: the CSV file written; read-archive: written too when given
    QString xlsx;    // view: the workbook written (chromatograph archives)
    QString pdf;     // view: the printout written; report: the daily document
    QDate reportDay; // report day: the gas day
    // report xlsx-day and xlsx-month: the workbook, the object as named (it
    // need not be in the object list), the day or the first of the month, and
    // whether a report already there is replaced.
    SpreadsheetReportKind spreadsheetKind = SpreadsheetReportKind::Day;
    QString objectName;
    DateStamp spreadsheetDate;
    bool replaceReport = false;
    // collect: the subscriber lists walked, the subscribers named (every one
    // when empty), the first day fetched when a station has no state yet, and
    // how many Ethernet stations are collected at once.
    enum class SubscriberLists { Ethernet, Phone, All } subscriberLists = SubscriberLists::All;
    QStringList onlyStations;
    QDate since;
    std::optional<int> jobs;
    // plot: the parameters by name, the image or PDF written, the configuration
    // file whose set-points are drawn (empty: none).
    QStringList plotParameters;
    QString plotOutput;
    QString plotConfig;
};

// The word that stands for the connected controller as a side of config-diff.
inline const QString ControllerSide = QStringLiteral("controller");

// Only the commands that talk to the controller open a link; config-info,
// view and config-diff of two files do not.
bool needsLink(const CliOptions& options);

// The exit status of a failed connection or exchange: 1, but 3 for config-diff,
// whose 1 means that the two sides differ.
int failureStatus(const CliOptions& options);

// Text for stdout instead of a command (--help, --version); exit status 0.
struct CliInformation {
    QString text;
};

// A usage error, or no arguments at all: the text for stderr; exit status 2.
struct CliUsageError {
    QString text;
};

using CliRequest = std::variant<CliOptions, CliInformation, CliUsageError>;

// "gqc_cli: what is wrong", as Qt's parser words a usage error, with its line end.
QString usageErrorText(const QString& error);

// The whole command line, the program's name first. Options may stand before
// or after the command and its arguments.
CliRequest parseCliOptions(const QStringList& arguments);
