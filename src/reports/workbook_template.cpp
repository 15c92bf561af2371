#include "reports/workbook_template.h"

#include "reports/workbook_relationships.h"

#include <algorithm>
#include <cstring>

namespace {

// Whitespace is kept as it stands: a text of one blank is a text.
constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata;
const char* const ContentTypesPart = "[Content_Types].xml";

// The children of <workbook> that follow <calcPr>, in the order the format fixes.
const char* const AfterCalcPr[] = {"oleSize",        "customWorkbookViews", "pivotCaches",
                                   "smartTagPr",     "smartTagTypes",       "webPublishing",
                                   "fileRecoveryPr", "webPublishObjects",   "extLst"};

bool parsePart(WorkbookPackage& package, const QString& name, pugi::xml_document& into, QString& reason)
{
    const ZipEntry* entry = package.part(name);
    if (!entry) {
        reason = QStringLiteral("the part %1 is missing").arg(name);
        return false;
    }
    const pugi::xml_parse_result parsed =
        into.load_buffer(entry->data.constData(), entry->data.size(), ParseOptions, pugi::encoding_auto);
    if (!parsed) {
        reason = QStringLiteral("the part %1: %2").arg(name, QString::fromUtf8(parsed.description()));
        return false;
    }
    return true;
}

struct BytesWriter : pugi::xml_writer {
    QByteArray bytes;
    void write(const void* data, size_t size) override { bytes.append(static_cast<const char*>(data), size); }
};

// The document as UTF-8, which its declaration then says.
void storePart(WorkbookPackage& package, const QString& name, pugi::xml_document& document)
{
    if (pugi::xml_node declaration = document.first_child();
        declaration.type() == pugi::node_declaration && declaration.attribute("encoding"))
        declaration.attribute("encoding").set_value("UTF-8");
    BytesWriter writer;
    document.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    if (ZipEntry* part = package.part(name))
        part->data = std::move(writer.bytes);
}

// The r:id of a <sheet>, whatever prefix the relationships' namespace has.
QString relationshipIdOf(pugi::xml_node sheet)
{
    for (pugi::xml_attribute attribute : sheet.attributes())
        if (const char* colon = std::strchr(attribute.name(), ':'); colon && std::strcmp(colon, ":id") == 0)
            return QString::fromUtf8(attribute.value());
    return {};
}

void setFullCalcOnLoad(pugi::xml_node workbook)
{
    pugi::xml_node calcPr = workbook.child("calcPr");
    if (!calcPr) {
        pugi::xml_node follower;
        for (const char* name : AfterCalcPr)
            if (!follower)
                follower = workbook.child(name);
        calcPr = follower ? workbook.insert_child_before("calcPr", follower) : workbook.append_child("calcPr");
    }
    pugi::xml_attribute full = calcPr.attribute("fullCalcOnLoad");
    (full ? full : calcPr.append_attribute("fullCalcOnLoad")).set_value("1");
}

} // namespace

std::optional<WorkbookTemplate> WorkbookTemplate::open(const QByteArray& archive, QString& reason)
{
    std::optional<WorkbookPackage> package = WorkbookPackage::unpack(archive, reason);
    if (!package)
        return std::nullopt;
    WorkbookTemplate opened(std::move(*package));
    if (!opened.readParts(reason))
        return std::nullopt;
    return opened;
}

bool WorkbookTemplate::readParts(QString& reason)
{
    pugi::xml_document packageRelationships;
    if (!parsePart(package_, relationshipsPartOf(QString()), packageRelationships, reason))
        return false;
    const std::optional<QString> workbookPart =
        relationshipPart(relationshipByType(packageRelationships, QStringLiteral("/officeDocument")), QString());
    if (!workbookPart) {
        reason = QStringLiteral("the package names no workbook");
        return false;
    }
    workbookPart_ = *workbookPart;
    if (!parsePart(package_, workbookPart_, *workbook_, reason))
        return false;

    const pugi::xml_node workbook = workbook_->child("workbook");
    const int activeTab = workbook.child("bookViews").child("workbookView").attribute("activeTab").as_int(0);
    pugi::xml_node sheet = workbook.child("sheets").child("sheet");
    for (int tab = 0; tab < activeTab && sheet; ++tab)
        sheet = sheet.next_sibling("sheet");
    pugi::xml_document workbookRelationships;
    if (!sheet || !parsePart(package_, relationshipsPartOf(workbookPart_), workbookRelationships, reason)) {
        if (!sheet)
            reason = QStringLiteral("the workbook has no active sheet");
        return false;
    }
    const std::optional<QString> sheetPart =
        relationshipPart(relationshipById(workbookRelationships, relationshipIdOf(sheet)), workbookPart_);
    if (!sheetPart) {
        reason = QStringLiteral("the active sheet has no part");
        return false;
    }
    sheetPart_ = *sheetPart;
    if (!parsePart(package_, sheetPart_, *sheet_, reason))
        return false;
    cells_ = SheetCells::of(*sheet_);
    if (!cells_) {
        reason = QStringLiteral("the active sheet is no worksheet");
        return false;
    }
    return true;
}

void WorkbookTemplate::dropCalculationChain()
{
    const QString relationshipsPart = relationshipsPartOf(workbookPart_);
    pugi::xml_document relationships;
    QString ignored;
    if (!parsePart(package_, relationshipsPart, relationships, ignored))
        return;
    const pugi::xml_node chain = relationshipByType(relationships, QStringLiteral("/calcChain"));
    const std::optional<QString> chainPart = relationshipPart(chain, workbookPart_);
    const QString kept[] = {workbookPart_, sheetPart_, relationshipsPart, QString::fromLatin1(ContentTypesPart)};
    if (!chainPart || std::any_of(std::begin(kept), std::end(kept), [&](const QString& part) {
            return part.compare(*chainPart, Qt::CaseInsensitive) == 0;
        }))
        return; // a chain that claims to be a part the workbook needs is left alone
    package_.remove(*chainPart);
    relationships.child("Relationships").remove_child(chain);
    storePart(package_, relationshipsPart, relationships);

    pugi::xml_document contentTypes;
    if (!parsePart(package_, QString::fromLatin1(ContentTypesPart), contentTypes, ignored))
        return;
    pugi::xml_node types = contentTypes.child("Types");
    for (pugi::xml_node override = types.child("Override"); override;) {
        const pugi::xml_node next = override.next_sibling("Override");
        if (QString::fromUtf8(override.attribute("PartName").value())
                .compare(QLatin1Char('/') + *chainPart, Qt::CaseInsensitive) == 0)
            types.remove_child(override);
        override = next;
    }
    storePart(package_, QString::fromLatin1(ContentTypesPart), contentTypes);
}

std::optional<QByteArray> WorkbookTemplate::filled(QString& reason)
{
    setFullCalcOnLoad(workbook_->child("workbook"));
    storePart(package_, workbookPart_, *workbook_);
    storePart(package_, sheetPart_, *sheet_);
    dropCalculationChain();
    return package_.pack(reason);
}
