#include "reports/workbook_relationships.h"

#include <QStringList>

namespace {

QString folderOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : part.left(slash + 1);
}

pugi::xml_node relationshipWhere(const pugi::xml_document& relationships, auto matches)
{
    for (pugi::xml_node relationship : relationships.child("Relationships").children("Relationship"))
        if (matches(relationship))
            return relationship;
    return {};
}

} // namespace

QString relationshipsPartOf(const QString& part)
{
    const QString folder = folderOf(part);
    return folder + QStringLiteral("_rels/") + part.mid(folder.size()) + QStringLiteral(".rels");
}

std::optional<QString> resolveTarget(const QString& sourcePart, const QString& target)
{
    const bool absolute = target.startsWith(QLatin1Char('/'));
    QStringList path = absolute ? QStringList() : folderOf(sourcePart).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& step : target.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("..")) {
            if (path.isEmpty())
                return std::nullopt;
            path.removeLast();
        } else if (step != QLatin1String(".")) {
            path << step;
        }
    }
    if (path.isEmpty())
        return std::nullopt;
    return path.join(QLatin1Char('/'));
}

pugi::xml_node relationshipById(const pugi::xml_document& relationships, const QString& id)
{
    return relationshipWhere(relationships, [&](pugi::xml_node relationship) {
        return QString::fromUtf8(relationship.attribute("Id").value()) == id;
    });
}

pugi::xml_node relationshipByType(const pugi::xml_document& relationships, const QString& typeSuffix)
{
    return relationshipWhere(relationships, [&](pugi::xml_node relationship) {
        return QString::fromUtf8(relationship.attribute("Type").value()).endsWith(typeSuffix);
    });
}

std::optional<QString> relationshipPart(pugi::xml_node relationship, const QString& sourcePart)
{
    if (!relationship || QString::fromUtf8(relationship.attribute("TargetMode").value()) == QLatin1String("External"))
        return std::nullopt;
    return resolveTarget(sourcePart, QString::fromUtf8(relationship.attribute("Target").value()));
}
