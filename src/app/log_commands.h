#pragma once

#include "app/log_windows.h"
#include "app/pc_clock.h"
#include "exchange/request_context.h"

#include <QDate>

class WorkDirectory;

// "Запрос по индексу" and "Запрос за период" of both logs.
class LogCommands {
public:
    LogCommands(RequestContext context, LogWindows& windows, const WorkDirectory& directory, PcClock pcClock);

    // The log's bounds read ("В архиве нет ни одной записи" for an empty log), a
    // range chosen, the records read into the log's datafile and shown.
    void readByIndex(LogKind kind);
    // The controller's time read, a period chosen, the records read block by
    // block and shown; an error the controller found in the log is told first.
    void readByPeriod(LogKind kind);

private:
    // The decoded table of what was read, its header filled as of now.
    LogTable tableOf(LogKind kind, const QByteArray& records, const DateStamp& start, const DateStamp& end) const;

    RequestContext context_;
    LogWindows& windows_;
    const WorkDirectory& directory_;
    PcClock pcClock_;
};

// What decoding needs of the controller, from the image.
LogDecodingContext logDecodingContext(const ParamImage& image);

// "gqc_04-%03d-%02d%02d%02d.aud" / ".ala": the controller's address in the
// header and the PC's date, the name a saved log is proposed under.
QString proposedLogFileName(const LogTable& table, const QDate& pcDate);

// "Сохранить в файле" of a log viewer: the table under the name the operator
// gives (proposed from the header's address and `pcDate`), the log's extension
// added when missing; an existing file replaced only when the operator agrees.
void saveLog(Operator& person, const WorkDirectory& directory, const LogTable& table, const QDate& pcDate);

// "Просмотр/Печать из файла": a file of the log chosen, read and shown; a file
// that is not the log's is refused with the reason.
void viewLogFile(Operator& person, const WorkDirectory& directory, LogKind kind, LogWindows& windows);
