#include "reports/workbook_template.h"
#include "reports/zip_entries.h"

#include <gtest/gtest.h>

namespace {

const char* const Declaration = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
const char* const SheetNamespaces = R"( xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main")"
                                    R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")";

QByteArray sheetPart(const QByteArray& rows)
{
    return QByteArray(Declaration) + "<worksheet" + SheetNamespaces + "><sheetData>" + rows +
           "</sheetData></worksheet>";
}

// A workbook of two sheets, the second one active, kept where the relationships say.
struct Package {
    QByteArray contentTypes =
        QByteArray(Declaration) +
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
        R"(<Override PartName="/xl/calcChain.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/>)"
        "</Types>";
    QByteArray packageRelationships =
        QByteArray(Declaration) +
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
        "</Relationships>";
    QByteArray workbook =
        QByteArray(Declaration) + "<workbook" + SheetNamespaces +
        R"(><bookViews><workbookView activeTab="1"/></bookViews>)"
        R"(<sheets><sheet name="A" sheetId="1" r:id="rId1"/><sheet name="B" sheetId="2" r:id="rId7"/></sheets>)"
        R"(<calcPr calcId="191029"/></workbook>)";
    QByteArray workbookRelationships =
        QByteArray(Declaration) +
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
        R"(<Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/report.xml"/>)"
        R"(<Relationship Id="rId9" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain" Target="calcChain.xml"/>)"
        "</Relationships>";
    QByteArray firstSheet = sheetPart(R"(<row r="1"><c r="A1"><v>1</v></c></row>)");
    QByteArray reportSheet = sheetPart(R"(<row r="2" ht="20" customHeight="1"><c r="B2" s="3"><v>1</v></c>)"
                                       R"(<c r="D2" s="4" t="s"><v>0</v></c></row>)"
                                       R"(<row r="5"><c r="C5" s="2"><f>SUM(A1:B1)</f><v>7</v></c></row>)");
    QByteArray calcChain = "<calcChain/>";
    QByteArray other = "any bytes of another part";

    std::vector<ZipEntry> entries() const
    {
        return {{"[Content_Types].xml", contentTypes},
                {"_rels/.rels", packageRelationships},
                {"xl/workbook.xml", workbook},
                {"xl/_rels/workbook.xml.rels", workbookRelationships},
                {"xl/worksheets/sheet1.xml", firstSheet},
                {"xl/worksheets/report.xml", reportSheet},
                {"xl/calcChain.xml", calcChain},
                {"docProps/app.xml", other}};
    }

    QByteArray zipped() const
    {
        QString reason;
        return zipEntries(entries(), reason).value();
    }
};

std::map<std::string, QByteArray> unzipped(const QByteArray& archive)
{
    QString reason;
    std::map<std::string, QByteArray> parts;
    const std::vector<ZipEntry> entries = unzipEntries(archive, reason).value();
    for (const ZipEntry& entry : entries)
        parts[entry.name] = entry.data;
    return parts;
}

// The filled workbook's parts after `write` ran on its active sheet.
std::map<std::string, QByteArray> filled(const Package& package, auto write)
{
    QString reason;
    std::optional<WorkbookTemplate> workbook = WorkbookTemplate::open(package.zipped(), reason);
    EXPECT_TRUE(workbook) << reason.toStdString();
    if (!workbook)
        return {};
    write(workbook->activeSheet());
    return unzipped(workbook->filled(reason).value());
}

QByteArray sheetData(const QByteArray& sheet)
{
    const qsizetype from = sheet.indexOf("<sheetData>"), to = sheet.indexOf("</sheetData>");
    return sheet.mid(from + 11, to - from - 11);
}

} // namespace

TEST(WorkbookTemplate, WritesTheActiveSheetInOrderKeepingEachCellsStyle)
{
    const Package package;
    const auto parts = filled(package, [](SheetCells& sheet) {
        sheet.setText(2, 4, "За  період");
        sheet.setNumber(2, 3, 10.277786f);
        sheet.setNumber(2, 1, 0.1f);
        sheet.setNumber(5, 3, -1e-5f);
        sheet.setText(3, 28, "--");
        sheet.setNumber(9, 2, 2.0f);
    });

    EXPECT_EQ(sheetData(parts.at("xl/worksheets/report.xml")),
              R"(<row r="2" ht="20" customHeight="1"><c r="A2"><v>0.1</v></c><c r="B2" s="3"><v>1</v></c>)"
              R"(<c r="C2"><v>10.277786</v></c>)"
              R"(<c r="D2" s="4" t="inlineStr"><is><t xml:space="preserve">За  період</t></is></c></row>)"
              R"(<row r="3"><c r="AB3" t="inlineStr"><is><t xml:space="preserve">--</t></is></c></row>)"
              R"(<row r="5"><c r="C5" s="2"><v>-1e-05</v></c></row>)"
              R"(<row r="9"><c r="B9"><v>2</v></c></row>)");
    EXPECT_EQ(parts.at("xl/worksheets/sheet1.xml"), package.firstSheet) << "the other sheet is not touched";
    EXPECT_EQ(parts.at("docProps/app.xml"), package.other);
}

TEST(WorkbookTemplate, RowsAndCellsWithoutTheirPlaceFollowTheOnesBefore)
{
    Package package;
    package.reportSheet = sheetPart(R"(<row r="2"><c r="B2"/><c s="5"/></row><row><c r="A3"/></row>)");
    const auto parts = filled(package, [](SheetCells& sheet) {
        sheet.setNumber(2, 3, 1.0f);
        sheet.setNumber(3, 2, 2.0f);
    });

    EXPECT_EQ(sheetData(parts.at("xl/worksheets/report.xml")),
              R"(<row r="2"><c r="B2"/><c s="5"><v>1</v></c></row><row><c r="A3"/><c r="B3"><v>2</v></c></row>)");
}

TEST(WorkbookTemplate, RecalculatesOnOpeningAndDropsTheCalculationChain)
{
    const auto parts = filled(Package(), [](SheetCells&) {});

    EXPECT_NE(parts.at("xl/workbook.xml").indexOf(R"(<calcPr calcId="191029" fullCalcOnLoad="1"/>)"), -1);
    EXPECT_FALSE(parts.contains("xl/calcChain.xml"));
    EXPECT_EQ(parts.at("xl/_rels/workbook.xml.rels").indexOf("calcChain"), -1);
    EXPECT_EQ(parts.at("[Content_Types].xml").indexOf("calcChain"), -1);
    EXPECT_NE(parts.at("[Content_Types].xml").indexOf("/xl/workbook.xml"), -1);

    Package withoutCalcPr;
    withoutCalcPr.workbook.replace(R"(<calcPr calcId="191029"/>)", "<extLst/>");
    EXPECT_NE(filled(withoutCalcPr, [](SheetCells&) {})
                  .at("xl/workbook.xml")
                  .indexOf(R"(<calcPr fullCalcOnLoad="1"/><extLst/>)"),
              -1)
        << "calcPr goes before the extensions";
}

TEST(WorkbookTemplate, RefusesWhatIsNoWorkbookOfOurs)
{
    const auto refused = [](const Package& package) {
        QString reason;
        return !WorkbookTemplate::open(package.zipped(), reason) && !reason.isEmpty();
    };
    Package noActiveSheet;
    noActiveSheet.workbook.replace(R"(activeTab="1")", R"(activeTab="2")");
    EXPECT_TRUE(refused(noActiveSheet));
    Package badSheet;
    badSheet.reportSheet = "<worksheet><sheetData>";
    EXPECT_TRUE(refused(badSheet));
    Package noSheetData;
    noSheetData.reportSheet = sheetPart("").replace("<sheetData></sheetData>", "");
    EXPECT_TRUE(refused(noSheetData));
    Package externalSheet;
    externalSheet.workbookRelationships.replace(R"(Target="/xl/worksheets/report.xml")",
                                                R"(Target="http://x/report.xml" TargetMode="External")");
    EXPECT_TRUE(refused(externalSheet));
    Package noWorkbook;
    noWorkbook.packageRelationships.replace("officeDocument\"", "other\"");
    EXPECT_TRUE(refused(noWorkbook));

    QString reason;
    EXPECT_FALSE(WorkbookTemplate::open("not a zip archive", reason));
    std::vector<ZipEntry> twice = Package().entries();
    twice.push_back({"XL/Workbook.xml", "<workbook/>"});
    EXPECT_FALSE(WorkbookTemplate::open(zipEntries(twice, reason).value(), reason)) << "one part stored twice";
}

TEST(WorkbookTemplate, RefusesAPartThatUnpacksBeyondAnyWorkbook)
{
    std::vector<ZipEntry> entries = Package().entries();
    entries.push_back({"xl/media/huge.bin", QByteArray(64 * 1024 * 1024 + 1, '\0')});
    QString reason;
    const QByteArray bomb = zipEntries(entries, reason).value();
    ASSERT_LT(bomb.size(), 1024 * 1024);
    EXPECT_FALSE(WorkbookTemplate::open(bomb, reason));
}
