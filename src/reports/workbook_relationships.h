#pragma once

#include <QString>
#include <optional>
#include <pugixml.hpp>

// Lookups in the relationship parts of an OOXML package, which tie a part (the
// workbook) to the parts it uses (its sheets, its calculation chain).

// The relationship part of `part`: "xl/_rels/workbook.xml.rels" for
// "xl/workbook.xml", "_rels/.rels" for the package itself ("").
QString relationshipsPartOf(const QString& part);

// The part a relationship of `sourcePart` points at: a target relative to the
// source's folder, or absolute from the package's root. None when the target
// leaves the package.
std::optional<QString> resolveTarget(const QString& sourcePart, const QString& target);

// The relationship with the id `id` in a parsed relationship part; null when absent.
pugi::xml_node relationshipById(const pugi::xml_document& relationships, const QString& id);
// The first relationship whose type ends in `typeSuffix` ("/officeDocument"); null when absent.
pugi::xml_node relationshipByType(const pugi::xml_document& relationships, const QString& typeSuffix);
// The internal part a relationship points at; none for an external one or a bad target.
std::optional<QString> relationshipPart(pugi::xml_node relationship, const QString& sourcePart);
