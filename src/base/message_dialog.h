#pragma once

#include "base/operator.h"

#include <QString>
#include <array>

// What the operator message dialog shows for a kind and the caller's two lines,
// and the size the window takes to fit that text.
struct MessageDialogContent {
    static constexpr int buttonWidth = 75;

    QString caption;
    std::array<QString, 3> lines;
    bool asksYesNo = false; // "Да"/"Нет" instead of one closing button
    int width = 0;          // pixels
    int height = 0;

    int lineWidth() const { return width - 14; }
};

MessageDialogContent messageDialogContent(MessageKind kind, const QString& line1, const QString& line2);

// Whether the kind asks a question (its answer is the yes flag).
bool asksYesNo(MessageKind kind);
