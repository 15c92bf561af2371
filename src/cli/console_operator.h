#pragma once

#include "base/operator.h"

#include <QTextStream>

// The operator of gqc_cli: nobody sits at the console to answer, so messages
// go to the error stream and every question is answered "Нет".
class ConsoleOperator : public Operator {
public:
    explicit ConsoleOperator(QTextStream& errors) : errors_(errors) {}

    bool message(MessageKind kind, const QString& line1, const QString& line2 = {}) override;
    // The status bar and the busy cursor have no place on a console.
    void setPanel(StatusPanel, const QString&) override {}
    void setBusy(bool) override {}
    void beginProgress(WaitMode, int) override {}
    void setProgress(int) override {}
    void endProgress() override {}
    void pump() override;
    void setEscapeAllowed(bool) override {}
    bool takeEscape() override { return false; }
    std::optional<QString> chooseFile(const FileChoice&) override { return std::nullopt; }

private:
    QTextStream& errors_;
};
