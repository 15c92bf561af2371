#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// One fault the simulated controller puts into its answer to chosen requests.
struct SimFault {
    enum class Match { RequestNumber, FunctionCode };
    enum class Kind {
        BytesBefore,   // `bytes` go out ahead of the answer
        WrongChecksum, // the answer's checksum is spoilt
        Silence,       // the request is not heard: no answer, no effect
        CutAfter,      // only the first `count` frame bytes go out
        Pause,         // the line falls silent for `milliseconds` after `count` frame bytes
        ErrorReply,    // an error reply with `code` (and `table` as A[6]) instead of the answer
        OtherAddress,  // the answer carries `address`
    };

    Match match = Match::RequestNumber;
    int key = 0; // request number (1 = first request to this controller) or function code
    Kind kind = Kind::Silence;
    QByteArray bytes;
    int count = 0;
    int milliseconds = 0;
    int code = 0;
    int table = 0;
    int address = 0;

    bool matches(int requestNumber, int function) const
    {
        return key == (match == Match::RequestNumber ? requestNumber : function);
    }

    // One line of a fault file ("request 3 cut 5", "code 1 error 60 5"); nothing for a
    // blank or comment line; `error` names what is wrong with a line that is neither.
    static std::optional<SimFault> parseLine(const QString& line, QString* error);

    // A whole fault file's text; false and the line number in `error` on a bad line.
    static bool parseText(const QString& text, QList<SimFault>* faults, QString* error);
};
