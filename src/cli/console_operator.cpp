#include "cli/console_operator.h"

#include <QCoreApplication>

bool ConsoleOperator::message(MessageKind, const QString& line1, const QString& line2)
{
    errors_ << line1;
    if (!line2.isEmpty())
        errors_ << ' ' << line2;
    errors_ << Qt::endl;
    return false;
}

void ConsoleOperator::pump()
{
    QCoreApplication::processEvents();
}
