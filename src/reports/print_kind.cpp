#include "reports/print_kind.h"

#include <array>

namespace {

enum class PeriodUnit { Hour, Day, Second };

struct KindTexts {
    const char* title;
    const char* second; // "контроллерa" ends in a Latin a, as the station's printouts always had it
    PeriodUnit unit;
};

const std::array<KindTexts, 9> Kinds{{
    {"Часовые измерительные данные хроматографа", "контроллерa ККГ_04", PeriodUnit::Hour},
    {"Суточные измерительные данные хроматографа", "контроллерa ККГ_04", PeriodUnit::Day},
    {"Мгновенные данные хроматографа", "контроллерa  ККГ_04", PeriodUnit::Second},
    {"Перечень диагностических сообщений", "контроллерa ККГ_04", PeriodUnit::Second},
    {"Перечень сообщений о вмешательствах оператора", "в работу к контроллерa ККГ_04", PeriodUnit::Second},
    {"Архив оценок качества калибровки хроматографа", "контроллерa ККГ_04", PeriodUnit::Second},
    {"Часовые измерительные данные влагомера", "контроллерa ККГ_04", PeriodUnit::Hour},
    {"Суточные измерительные данные влагомера", "контроллерa ККГ_04", PeriodUnit::Day},
    {"Мгновенные данные влагомера", "контроллерa  ККГ_04", PeriodUnit::Second},
}};

QString periodLine(PeriodUnit unit, const DateStamp& s, const DateStamp& e)
{
    switch (unit) {
    case PeriodUnit::Hour:
        return QString::asprintf("за период  с  %02d.%02d.%02d  %02dч  по  %02d.%02d.%02d  %02dч", s.day, s.month,
                                 s.year, s.hour, e.day, e.month, e.year, e.hour);
    case PeriodUnit::Day:
        return QString::asprintf("за период  с  %02d.%02d.%02d  по  %02d.%02d.%02d", s.day, s.month, s.year, e.day,
                                 e.month, e.year);
    case PeriodUnit::Second:
        break;
    }
    return QString::asprintf("за период  с  %02d.%02d.%02d  %02d:%02d:%02d  по  %02d.%02d.%02d  %02d:%02d:%02d", s.day,
                             s.month, s.year, s.hour, s.minute, s.second, e.day, e.month, e.year, e.hour, e.minute,
                             e.second);
}

} // namespace

DocumentTitle documentTitle(PrintKind kind, const DateStamp& start, const DateStamp& end)
{
    const KindTexts& texts = Kinds[static_cast<std::size_t>(kind)];
    return {QString::fromUtf8(texts.title), QString::fromUtf8(texts.second), periodLine(texts.unit, start, end)};
}

PrintKind printKindOf(ArchiveKind archive)
{
    switch (archive) {
    case ArchiveKind::ChromFiveMinute:
        return PrintKind::ChromMoment;
    case ArchiveKind::ChromHourly:
        return PrintKind::ChromHourly;
    case ArchiveKind::ChromDaily:
        return PrintKind::ChromDaily;
    case ArchiveKind::WmtFiveMinute:
        return PrintKind::WmtMoment;
    case ArchiveKind::WmtHourly:
        return PrintKind::WmtHourly;
    case ArchiveKind::WmtDaily:
        break;
    }
    return PrintKind::WmtDaily;
}
