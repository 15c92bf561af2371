#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The parsers of files take a path, so a fuzz input reaches them through a
// file. Every process has one scratch directory, made at the first use and
// removed at exit; its files are overwritten run after run.

// Writes `bytes` as the scratch file `name`; returns its path.
QString writeScratchFile(const QString& name, QByteArrayView bytes);
// The path of the scratch file `name`, for files the parsers write themselves.
QString scratchPath(const QString& name);
// The whole content of a file; empty when it cannot be read.
QByteArray readWholeFile(const QString& path);
