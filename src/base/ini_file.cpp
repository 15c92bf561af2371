#include "base/ini_file.h"

#include "base/windows1251.h"

#include <QFile>

namespace {

bool isSectionHeader(const QString& line)
{
    return line.trimmed().startsWith(u'[');
}

QString sectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    const qsizetype close = trimmed.indexOf(u']');
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

// The key of a "key=value" line, or an empty string for other lines.
QString keyOf(const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.left(equals).trimmed();
}

QString stripQuotes(const QString& text)
{
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') && text.back() == text.front())
        return text.mid(1, text.size() - 2);
    return text;
}

// Integers as the Windows program reads them: decimal with an optional sign, or
// hexadecimal after "$" or "0x".
std::optional<std::int64_t> parseInteger(const QString& text)
{
    QString digits = text.trimmed();
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.front() == u'-';
        digits.remove(0, 1);
    }
    int base = 10;
    if (digits.startsWith(u'$')) {
        digits.remove(0, 1);
        base = 16;
    } else if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits.remove(0, 2);
        base = 16;
    }
    if (digits.isEmpty() || digits.front() == u'-' || digits.front() == u'+')
        return std::nullopt;
    bool ok = false;
    const qulonglong magnitude = digits.toULongLong(&ok, base);
    if (!ok || magnitude > static_cast<qulonglong>(std::numeric_limits<std::uint32_t>::max()) + 1)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
}

} // namespace

IniFile IniFile::load(const QString& path)
{
    IniFile ini;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ini;
    const QString text = fromWindows1251(file.readAll());
    ini.lines_ = text.split(u'\n');
    for (QString& line : ini.lines_)
        if (line.endsWith(u'\r'))
            line.chop(1);
    if (!ini.lines_.isEmpty() && ini.lines_.back().isEmpty())
        ini.lines_.removeLast();
    return ini;
}

int IniFile::sectionLine(const QString& section) const
{
    for (int i = 0; i < lines_.size(); ++i)
        if (isSectionHeader(lines_[i]) && sectionName(lines_[i]).compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int IniFile::sectionEnd(int headerLine) const
{
    int end = headerLine + 1;
    while (end < lines_.size() && !isSectionHeader(lines_[end]))
        ++end;
    return end;
}

int IniFile::keyLine(int headerLine, const QString& key) const
{
    const int end = sectionEnd(headerLine);
    for (int i = headerLine + 1; i < end; ++i)
        if (keyOf(lines_[i]).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const int header = sectionLine(section);
    if (header < 0)
        return std::nullopt;
    const int line = keyLine(header, key);
    if (line < 0)
        return std::nullopt;
    const QString& text = lines_[line];
    return stripQuotes(text.mid(text.indexOf(u'=') + 1).trimmed());
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    return value(section, key).value_or(fallback);
}

std::int64_t IniFile::readInteger(const QString& section, const QString& key, std::int64_t fallback,
                                  std::int64_t minimum, std::int64_t maximum) const
{
    const std::optional<QString> text = value(section, key);
    if (!text)
        return fallback;
    const std::optional<std::int64_t> number = parseInteger(*text);
    return number && *number >= minimum && *number <= maximum ? *number : fallback;
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& text)
{
    const QString line = key + u'=' + text;
    int header = sectionLine(section);
    if (header < 0) {
        if (!lines_.isEmpty() && !lines_.back().trimmed().isEmpty())
            lines_.append(QString());
        lines_.append(u'[' + section + u']');
        lines_.append(line);
        return;
    }
    const int existing = keyLine(header, key);
    if (existing >= 0) {
        lines_[existing] = line;
        return;
    }
    int insertAt = sectionEnd(header);
    while (insertAt > header + 1 && lines_[insertAt - 1].trimmed().isEmpty())
        --insertAt; // keep the blank lines that separate sections after the new key
    lines_.insert(insertAt, line);
}

void IniFile::writeInteger(const QString& section, const QString& key, std::int64_t number)
{
    writeString(section, key, QString::number(number));
}

void IniFile::writeBool(const QString& section, const QString& key, bool flag)
{
    writeString(section, key, flag ? QStringLiteral("1") : QStringLiteral("0"));
}

SaveResult IniFile::save(const QString& path) const
{
    QList<QByteArray> lines;
    lines.reserve(lines_.size());
    for (const QString& line : lines_)
        lines.append(toWindows1251(line) + "\r\n");
    return replaceFile(path, lines);
}
