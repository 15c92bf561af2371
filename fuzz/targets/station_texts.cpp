// "report.ini" and "title.ini" as they may be found: any length, any bytes.
// Input: the file, read as each of the two. The report texts are the first 801
// bytes, or empty texts with the gas day at 9 when the file is shorter; every
// text stays within its field. The organisation's name is at most 40 characters,
// the file's bytes up to the first zero.
#include "base/windows1251.h"
#include "reports/organisation_title.h"
#include "reports/report_texts.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"

#include <algorithm>

namespace {

constexpr int SignatureLineSize = 50;
constexpr int DefaultDayStartHour = 9;

void checkReportTexts(QByteArrayView file)
{
    const ReportTexts texts = ReportTexts::read(writeScratchFile(QStringLiteral("report.ini"), file));
    fuzzCheck(texts.bytes().size() == ReportTexts::Size, "the texts are one whole record");
    if (file.size() >= ReportTexts::Size)
        fuzzCheck(texts.bytes() == file.first(ReportTexts::Size), "a whole record is taken as it is");
    else
        fuzzCheck(texts.dayStartHour() == DefaultDayStartHour && texts.bytes().count('\0') == ReportTexts::Size - 1,
                  "a short file gives empty texts and the gas day at 9");
    for (int line = 0; line < ReportTexts::SignatureLines; ++line)
        fuzzCheck(texts.signatureLine(line).size() <= SignatureLineSize, "a signature line stays within its field");
    for (const ReportTextsPanel panel : {ReportTextsPanel::Certificate, ReportTextsPanel::Passport})
        for (const ReportTextField& field : ReportTexts::panelFields(panel))
            fuzzCheck(texts.fieldText(field).size() <= field.size, "an edited text stays within its field");
}

void checkOrganisationTitle(QByteArrayView file)
{
    const QString name = OrganisationTitle::read(writeScratchFile(QStringLiteral("title.ini"), file));
    QByteArray expected = file.first(std::min<qsizetype>(file.size(), OrganisationTitle::Size)).toByteArray();
    if (const qsizetype end = expected.indexOf('\0'); end >= 0)
        expected.truncate(end);
    fuzzCheck(name == fromWindows1251(expected), "the name is the file's bytes up to the first zero");
    fuzzCheck(name.size() <= OrganisationTitle::Size, "the name has at most 40 characters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), size);
    checkReportTexts(bytes);
    checkOrganisationTitle(bytes);
    return 0;
}
