#pragma once

#include "base/operator.h"

#include <QTextStream>

// The operator of gqc_cli: nobody sits at the console to answer, so messages
// go to the error stream and every question is answered "Нет", but for the
// questions of an archive reading when the command line said "--yes". Where the
// desktop program shows its progress window, a terminal gets one line that is
// rewritten as the transfer goes on; a pipe or a file gets nothing.
class ConsoleOperator : public Operator {
public:
    ConsoleOperator(QTextStream& errors, bool errorsOnTerminal) : errors_(errors), showsProgress_(errorsOnTerminal) {}

    // Records out of the requested period, a start the archive has dropped:
    // read on, and move the start. A retry is never answered Yes, lest a dead
    // link be asked forever.
    void answerReadingQuestions(bool yes) { readingQuestionsYes_ = yes; }

    bool message(MessageKind kind, const QString& line1, const QString& line2 = {}) override;
    // The status bar and the busy cursor have no place on a console.
    void setPanel(StatusPanel, const QString&) override {}
    void setBusy(bool) override {}
    void beginProgress(WaitMode mode, int maximum) override;
    void setProgress(int position) override;
    // Nobody needs a moment to see the line complete.
    void showProgressComplete() override {}
    void endProgress() override;
    void pump() override;
    void setEscapeAllowed(bool) override {}
    bool takeEscape() override { return false; }
    std::optional<QString> chooseFile(const FileChoice&) override { return std::nullopt; }

private:
    QTextStream& errors_;
    const bool showsProgress_;
    QString progressCaption_; // empty while no transfer shows progress
    int progressMaximum_ = 0;
    bool readingQuestionsYes_ = false;
};
