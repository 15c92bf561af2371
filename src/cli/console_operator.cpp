#include "cli/console_operator.h"

#include "base/wait_texts.h"

#include <QCoreApplication>

namespace {

// The progress window's lines that say what is going on: neither the bare
// "Ожидайте..." nor the Escape hint, which means nothing on a console.
QString progressCaption(WaitMode mode)
{
    QStringList words;
    for (const QString& line : waitModeLines(mode))
        if (line != QStringLiteral("Ожидайте...") && !line.startsWith(QStringLiteral("Esc")))
            words.append(line);
    return words.join(QLatin1Char(' '));
}

} // namespace

bool ConsoleOperator::message(MessageKind kind, const QString& line1, const QString& line2)
{
    // A message ends the progress line rather than being written into it.
    if (!progressCaption_.isEmpty())
        errors_ << '\n';
    errors_ << line1;
    if (!line2.isEmpty())
        errors_ << ' ' << line2;
    errors_ << Qt::endl;
    return readingQuestionsYes_ && (kind == MessageKind::Question || kind == MessageKind::ArchiveDatesChangedQuestion);
}

void ConsoleOperator::beginProgress(WaitMode mode, int maximum)
{
    if (!showsProgress_)
        return;
    progressCaption_ = progressCaption(mode);
    progressMaximum_ = maximum;
}

void ConsoleOperator::setProgress(int position)
{
    if (progressCaption_.isEmpty())
        return;
    errors_ << '\r' << progressCaption_ << ": " << position << " из " << progressMaximum_ << Qt::flush;
}

void ConsoleOperator::endProgress()
{
    if (progressCaption_.isEmpty())
        return;
    errors_ << Qt::endl;
    progressCaption_.clear();
}

void ConsoleOperator::pump()
{
    QCoreApplication::processEvents();
}
