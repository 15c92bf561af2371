#include "support/scripted_operator.h"

#include "base/message_dialog.h"

#include <QCoreApplication>

bool ScriptedOperator::message(MessageKind kind, const QString& line1, const QString& line2)
{
    messages_.append({kind, line1, line2});
    if (!asksYesNo(kind) || answers_.empty())
        return false;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

void ScriptedOperator::setPanel(StatusPanel panel, const QString& text)
{
    panels_[panel] = text;
    panelHistory_[panel].append(text);
}

void ScriptedOperator::beginProgress(WaitMode mode, int maximum)
{
    progressMode_ = mode;
    progressMaximum_ = maximum;
    progressShown_ = true;
    progressPositions_.clear();
}

void ScriptedOperator::pump()
{
    ++pumps_;
    if (escapeAtPump_ == pumps_ && escapeAllowed_)
        escapePressed_ = true;
    QCoreApplication::processEvents();
}

void ScriptedOperator::setEscapeAllowed(bool allowed)
{
    escapeAllowed_ = allowed;
    if (!allowed)
        escapePressed_ = false;
}

bool ScriptedOperator::takeEscape()
{
    const bool pressed = escapePressed_;
    escapePressed_ = false;
    return pressed;
}

std::optional<QString> ScriptedOperator::chooseFile(const FileChoice& choice)
{
    fileChoices_.append(choice);
    if (files_.empty())
        return std::nullopt;
    QString path = files_.front();
    files_.pop_front();
    return path;
}
