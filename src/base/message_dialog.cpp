#include "base/message_dialog.h"

#include <algorithm>

namespace {
const QString archiveDatesLine1 = QStringLiteral("За время работы оператора изменились даты");
const QString archiveDatesLine2 = QStringLiteral("самой старой  и последней записей в архиве.");
} // namespace

bool asksYesNo(MessageKind kind)
{
    return kind == MessageKind::Question || kind == MessageKind::Retry || kind == MessageKind::CreateDailyReport ||
           kind == MessageKind::ArchiveDatesChangedQuestion;
}

MessageDialogContent messageDialogContent(MessageKind kind, const QString& line1, const QString& line2)
{
    MessageDialogContent content;
    content.asksYesNo = asksYesNo(kind);
    content.lines = {line1, line2, QString()};
    switch (kind) {
    case MessageKind::Error:
        content.caption = QStringLiteral("Ошибка");
        break;
    case MessageKind::InputError:
        content.caption = QStringLiteral("Ошибка ввода параметров");
        break;
    case MessageKind::ExchangeResult:
        content.caption = QStringLiteral("Результат обмена с устройством");
        break;
    case MessageKind::SeeControllerState:
        content.lines[2] = QStringLiteral("(см. текущее состояние контроллера)");
        break;
    case MessageKind::Retry:
        content.lines[2] = QStringLiteral("Повторить попытку?");
        break;
    case MessageKind::CreateDailyReport:
        content.lines[2] = QStringLiteral("Создавать суточный отчет?");
        break;
    case MessageKind::CertificateImpossible:
        content.lines[2] = QStringLiteral("Суточный сертификат не может быть создан");
        break;
    case MessageKind::ArchiveDatesChanged:
    case MessageKind::ArchiveDatesChangedQuestion:
        content.lines = {archiveDatesLine1, archiveDatesLine2, line1};
        break;
    case MessageKind::Question:
    case MessageKind::Information:
        break;
    }

    if (content.lines[1].isEmpty() && content.lines[2].isEmpty())
        content.height = 124;
    else if (content.lines[2].isEmpty())
        content.height = 150;
    else
        content.height = 175;

    qsizetype longest = content.caption.size();
    for (const QString& line : content.lines)
        longest = std::max(longest, line.size());
    content.width = std::max(static_cast<int>(longest) * 10 + 20, 2 * MessageDialogContent::buttonWidth + 60);
    return content;
}
