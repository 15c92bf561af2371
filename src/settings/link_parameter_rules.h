#pragma once

#include "base/input_problem.h"
#include "settings/settings.h"

#include <QList>

// The link-parameters dialog's fields as typed, for the link kind being edited.
// Fields a kind does not show are ignored.
struct LinkParameterFields {
    int port = 1;        // chosen from the ports that exist (direct line, telephone)
    int bitRate = 38400; // chosen from the 22 rates (direct line, telephone)
    QString preambles;
    QString answerWaitS;
    QString interByteMs;
    QString attempts;
    bool closePortAfterSession = false; // direct line
    QString portOpenWaitS;              // direct line, with the check box set
    QString modemCommand;               // telephone
    QString connectWaitS;               // telephone, Ethernet
    QString connectAttempts;            // telephone, Ethernet
    QString sendPauseMs;                // Ethernet
};

LinkParameterFields linkParameterFields(const Settings& settings, LinkKind kind);

// The bit rates the dialog offers, rising: the 22 rates of the list and, when the
// stored rate is none of them (a hand-edited gqc.ini), the stored rate at its
// place among them. The stored rate is the one selected, so accepting without a
// choice keeps it.
struct BitRateChoices {
    QList<int> rates;
    int selected = 0; // index into rates
};
BitRateChoices bitRateChoices(int storedRate);

// Checks every field is filled, then the ranges in the dialog's order; the first
// violation names its parameter. Only when all pass are the values stored.
InputCheck applyLinkParameters(const LinkParameterFields& fields, LinkKind kind, Settings& settings);

// The dialog's caption for a link kind.
QString linkParametersCaption(LinkKind kind);
