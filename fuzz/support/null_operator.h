#pragma once

#include "base/operator.h"

// An operator nobody sits at: every question is answered "no", nothing is shown.
// Targets override what they need to watch.
class NullOperator : public Operator {
public:
    bool message(MessageKind, const QString&, const QString&) override { return false; }
    void setPanel(StatusPanel, const QString&) override {}
    void setBusy(bool) override {}
    void beginProgress(WaitMode, int) override {}
    void setProgress(int) override {}
    void showProgressComplete() override {}
    void endProgress() override {}
    void pump() override {}
    void setEscapeAllowed(bool) override {}
    bool takeEscape() override { return false; }
    std::optional<QString> chooseFile(const FileChoice&) override { return std::nullopt; }
};
