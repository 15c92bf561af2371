#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The caption lines of the four moisture-meter value columns, the unit last.
QList<QStringList> wmtColumnCaptions();

// A short name of every column, for scripts: "wdp", "hdp", "pressure", "wdp-abs".
QStringList wmtColumnKeys();
