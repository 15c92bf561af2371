#pragma once

#include "sim/sim_frame_parser.h"
#include "sim/sim_line_writer.h"

#include <QElapsedTimer>
#include <QObject>

class SimController;

// One line to the controller (a TCP connection, the pseudo-terminal): finds the request
// frames in what arrives and puts the controller's answers back on the line.
class SimProtocolLine : public QObject {
    Q_OBJECT
public:
    SimProtocolLine(SimController& controller, SimLineWriter::Sink sink, int turnaroundMs, bool pace,
                    QObject* parent = nullptr);

    void receive(QByteArrayView bytes);

private:
    SimController& controller_;
    SimFrameParser parser_;
    SimLineWriter writer_;
    QElapsedTimer clock_;
};
