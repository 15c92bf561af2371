#include "support/pdf_text.h"

#include <QProcess>
#include <QTemporaryFile>

namespace {

// What `program` prints for the PDF, given as the file `arguments` end in (and `after` follows).
QString popplerOutput(const QString& program, QStringList arguments, const QByteArray& pdf,
                      const QStringList& after = {})
{
    QTemporaryFile file;
    if (!file.open() || file.write(pdf) != pdf.size() || !file.flush())
        return {};
    arguments << file.fileName() << after;
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QStringList pdfPages(const QByteArray& pdf)
{
    QStringList pages =
        popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout")}, pdf, {QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    // pdftotext ends every page with a form feed, the last one too.
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString pdfFonts(const QByteArray& pdf)
{
    return popplerOutput(QStringLiteral("pdffonts"), {}, pdf);
}
