#pragma once

#include "base/safe_save.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <limits>
#include <optional>

// A private-profile (ini) file with the semantics stations rely on: section and
// key names compared without regard to case, the first occurrence wins, blanks and
// one pair of surrounding quotes stripped from values, and every other section,
// key and comment kept when the file is written back. Text is Windows-1251 on disk.
class IniFile {
public:
    // A missing or unreadable file reads as an empty one.
    static IniFile load(const QString& path);

    std::optional<QString> value(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // A value that is not an integer, or lies outside [minimum, maximum], reads as the fallback.
    std::int64_t readInteger(const QString& section, const QString& key, std::int64_t fallback,
                             std::int64_t minimum = std::numeric_limits<std::int32_t>::min(),
                             std::int64_t maximum = std::numeric_limits<std::int32_t>::max()) const;
    bool readBool(const QString& section, const QString& key, bool fallback) const;

    void writeString(const QString& section, const QString& key, const QString& text);
    void writeInteger(const QString& section, const QString& key, std::int64_t number);
    void writeBool(const QString& section, const QString& key, bool flag);

    // Replaces the whole file: either the new content is on disk or the old one stays.
    SaveResult save(const QString& path) const;

private:
    int sectionLine(const QString& section) const;
    int sectionEnd(int headerLine) const;
    int keyLine(int headerLine, const QString& key) const;

    QStringList lines_;
};
