#pragma once

#include "gas/report_settings.h"
#include "reports/report_document.h"
#include "reports/report_texts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The pieces the gas-quality documents (daily certificate, daily passport,
// analysis passport) have in common: row names and units, row orders, the
// section headings by calculation method, the rows' cells and the signature
// block.

// Components and then properties, as the passports list them: carbon dioxide before nitrogen.
inline constexpr std::array PassportComponentRows{8, 10, 1, 2, 3, 4, 5, 6, 0, 9, 7};
inline constexpr std::array PassportPropertyRows{18, 13, 12};
// The certificate lists nitrogen before carbon dioxide, and six properties.
inline constexpr std::array CertificateComponentRows{8, 10, 1, 2, 3, 4, 5, 6, 0, 7, 9};
inline constexpr std::array CertificatePropertyRows{18, 12, 13, 11, 14, 19};

// Printed where a representative or a signature line has no text.
inline const QString EmptySignature = QStringLiteral("_________________________________________");

// Whether the properties are the controller's own, computed by the ISO standards.
bool isIsoMethod(const ReportSettings& settings);
// The row's name by the fraction kind, with its leading blank.
QString gasRowName(int slot, const ReportSettings& settings);
// The row's unit by the heat unit; a single blank for the dimensionless ones.
QString gasUnitText(int slot, const ReportSettings& settings);
// The month's name in the genitive ("января"); empty for a number that names no month.
QString genitiveMonth(int month);
// The text, or the underscore line when there is none.
QString textOrSignatureLine(const QString& text);

// One column of the rows' table.
struct GasRowColumn {
    double width; // mm
    Qt::Alignment alignment;
};

// A framed row of `cells` in `columns`, left to right.
ReportBand gasRowBand(const QStringList& cells, const QList<GasRowColumn>& columns, double height, ReportFont font);

// "1. Компонентный состав газа, ..." and below it, indented, the method the composition was measured by.
QList<ReportBand> compositionHeadingBands(const ReportSettings& settings, ReportFont font, double lineHeight);
// "2. Физико-химические показатели" and, by the ISO method, the standard they were computed by.
ReportBand propertiesHeadingBand(const ReportSettings& settings, ReportFont font, double lineHeight);

// The passports' six signature lines in two columns of three, empty ones as the underscore line.
QList<ReportBand> signatureBlockBands(const ReportTexts& texts, ReportFont font, double lineHeight);
