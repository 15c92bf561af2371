#include "cli/cli_collect_options.h"

std::optional<QString> parseCollect(const QCommandLineParser& parser, CliOptions& options)
{
    const QString lists = parser.value(QStringLiteral("subscribers"));
    if (lists.isEmpty() || lists == QLatin1String("all"))
        options.subscriberLists = CliOptions::SubscriberLists::All;
    else if (lists == QLatin1String("ethernet"))
        options.subscriberLists = CliOptions::SubscriberLists::Ethernet;
    else if (lists == QLatin1String("phone"))
        options.subscriberLists = CliOptions::SubscriberLists::Phone;
    else
        return QStringLiteral("collect: --subscribers is ethernet, phone or all");
    options.onlyStations = parser.values(QStringLiteral("only"));
    if (options.onlyStations.contains(QString()))
        return QStringLiteral("collect: --only names a subscriber");
    if (parser.isSet(QStringLiteral("since"))) {
        options.since = QDate::fromString(parser.value(QStringLiteral("since")), QStringLiteral("yyyy-MM-dd"));
        if (!options.since.isValid() || options.since.year() < 2000 || options.since.year() > 2255)
            return QStringLiteral("collect: --since DAY is YYYY-MM-DD");
    }
    if (parser.isSet(QStringLiteral("tcp")) || parser.isSet(QStringLiteral("phone")))
        return QStringLiteral("collect: the stations' addresses and numbers come from the subscriber lists; give no "
                              "--tcp or --phone");
    options.port = parser.value(QStringLiteral("serial"));
    options.command = CliOptions::Command::Collect;
    return std::nullopt;
}
