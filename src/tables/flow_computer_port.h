#pragma once

#include "base/input_problem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// Table 9, the controller's port to the gas-flow computers, as TFormConVich
// shows it. Byte 0, the number of flow computers, also says how many fields of
// the flow-computer tables are meaningful; their list is edited elsewhere.
struct FlowComputerPortFields {
    QString count;                // a list of 1 to 16 that also takes a typed number
    int bitRate = -1;             // into bitRateItems(), so the code itself
    int failedExchanges = -1;     // into failedPollItems()
    int answerTimeout = -1;       // tenths of a second, into flowComputerTimeoutItems()
    QString preambles;            // "Кол. преамбул  в запросе к вычислителю", as typed
    int writeMode = -1;           // into flowComputerWriteModeItems()
    int temperatureSource = -1;   // the flow computer's index, into temperatureSourceItems()
    int temperaturePipeline = -1; // into temperaturePipelineItems()

    bool operator==(const FlowComputerPortFields&) const = default;
};

QStringList flowComputerCountItems();
QStringList flowComputerTimeoutItems();
// The indexes 0 to count - 1 of the flow computers; none for a count outside 1 to 16.
QStringList temperatureSourceItems(const QString& count);
QStringList temperaturePipelineItems();
// The four choices of " Режим записи параметров газа в вычислители "; a
// caption of two lines has them separated by a line feed.
QStringList flowComputerWriteModeItems();

FlowComputerPortFields flowComputerPortFields(QByteArrayView table);

// Checks in the dialog's order: every field filled and a write mode chosen
// ("Введены не все параметры"), the count, a temperature source among the
// counted flow computers, the preambles. Only when all pass are the eight bytes
// stored.
InputCheck applyFlowComputerPort(const FlowComputerPortFields& fields, QByteArray& table);

// A raised count needs the parameters of the flow computers added before the
// table may be written.
bool flowComputerCountRaised(QByteArrayView asRead, QByteArrayView asAccepted);
