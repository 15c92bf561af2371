#pragma once

#include "base/operator.h"

#include <QCoreApplication>

// The operator of the benchmarks: pumps the event loop as the window does and asks nothing.
class PumpingOperator : public Operator {
public:
    bool message(MessageKind, const QString&, const QString&) override { return false; }
    void setPanel(StatusPanel, const QString&) override {}
    void setBusy(bool) override {}
    void beginProgress(WaitMode, int) override {}
    void setProgress(int) override {}
    void showProgressComplete() override {}
    void endProgress() override {}
    void pump() override { QCoreApplication::processEvents(); }
    void setEscapeAllowed(bool) override {}
    bool takeEscape() override { return false; }
    std::optional<QString> chooseFile(const FileChoice&) override { return std::nullopt; }
};
