#pragma once

#include "base/operator.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <deque>

// An operator for tests: answers questions from a queue (an empty queue answers
// "Нет"), records every message and panel text so a test can assert the exact words.
class ScriptedOperator : public Operator {
public:
    struct Message {
        MessageKind kind;
        QString line1;
        QString line2;
    };

    void answerYes(int times = 1) { answers_.insert(answers_.end(), times, true); }
    void answerNo(int times = 1) { answers_.insert(answers_.end(), times, false); }
    void chooseFileName(const QString& path) { files_.push_back(path); }
    // Presses Escape at the given pump call (counted from 1).
    void pressEscapeAtPump(int pumpNumber) { escapeAtPump_ = pumpNumber; }

    const QList<Message>& messages() const { return messages_; }
    // Every file dialog asked for, in order.
    const QList<FileChoice>& fileChoices() const { return fileChoices_; }
    QString panel(StatusPanel panel) const { return panels_.value(panel); }
    // Every text a panel showed, in order (empty texts included).
    QStringList panelHistory(StatusPanel panel) const { return panelHistory_.value(panel); }
    const QList<int>& progressPositions() const { return progressPositions_; }
    int progressMaximum() const { return progressMaximum_; }
    WaitMode progressMode() const { return progressMode_; }
    bool progressShown() const { return progressShown_; }
    // How often a transfer asked for its full bar to be kept in view.
    int progressCompletions() const { return progressCompletions_; }
    int pumpCount() const { return pumps_; }
    bool busy() const { return busy_; }

    bool message(MessageKind kind, const QString& line1, const QString& line2 = {}) override;
    void setPanel(StatusPanel panel, const QString& text) override;
    void setBusy(bool busy) override { busy_ = busy; }
    void beginProgress(WaitMode mode, int maximum) override;
    void setProgress(int position) override { progressPositions_.append(position); }
    void showProgressComplete() override { ++progressCompletions_; }
    void endProgress() override { progressShown_ = false; }
    void pump() override;
    void setEscapeAllowed(bool allowed) override;
    bool takeEscape() override;
    std::optional<QString> chooseFile(const FileChoice& choice) override;

private:
    std::deque<bool> answers_;
    std::deque<QString> files_;
    QList<FileChoice> fileChoices_;
    QList<Message> messages_;
    QMap<StatusPanel, QString> panels_;
    QMap<StatusPanel, QStringList> panelHistory_;
    QList<int> progressPositions_;
    int progressMaximum_ = 0;
    WaitMode progressMode_ = WaitMode::CheckingConfiguration;
    bool progressShown_ = false;
    int progressCompletions_ = 0;
    bool busy_ = false;
    int pumps_ = 0;
    int escapeAtPump_ = 0;
    bool escapeAllowed_ = false;
    bool escapePressed_ = false;
};
