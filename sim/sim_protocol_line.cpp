#include "sim/sim_protocol_line.h"

#include "sim/sim_controller.h"

SimProtocolLine::SimProtocolLine(SimController& controller, SimLineWriter::Sink sink, int turnaroundMs, bool pace,
                                 QObject* parent)
    : QObject(parent), controller_(controller), writer_(std::move(sink), turnaroundMs, pace, this)
{
    clock_.start();
}

void SimProtocolLine::receive(QByteArrayView bytes)
{
    for (const QByteArray& frame : parser_.feed(bytes, clock_.elapsed()))
        if (const std::optional<SimAnswer> answer = controller_.handle(frame))
            writer_.send(*answer);
}
