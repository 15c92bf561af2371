#include "tables/config_file.h"

#include "base/file_name_part.h"
#include "tables/identification.h"

namespace {

// Byte j of flow computer i's password lies at 403 + 20 × i + j.
constexpr int PasswordsOffset = 403;
constexpr int FlowComputerRecordLength = 20;

// The mapping is its own inverse.
void scramblePasswords(ConfigRecord::Bytes& bytes)
{
    for (int i = 0; i < FlowComputers::Most; ++i)
        for (int j = 0; j < FlowComputer::PasswordLength; ++j) {
            std::uint8_t& b = bytes[static_cast<std::size_t>(PasswordsOffset + FlowComputerRecordLength * i + j)];
            b = static_cast<std::uint8_t>(4 - b);
        }
}

InputProblem notAConfiguration(const QString& fileName)
{
    return {QStringLiteral("Файл %1 не является файлом конфигурации").arg(fileName),
            QStringLiteral("контроллера ККГ_04")};
}

} // namespace

namespace ConfigFile {

QByteArray bytes(const ConfigRecord& record)
{
    ConfigRecord::Bytes scrambled = record.bytes();
    scramblePasswords(scrambled);
    return {reinterpret_cast<const char*>(scrambled.data()), Size};
}

std::variant<ConfigRecord, InputProblem> parse(QByteArrayView bytes, const QString& fileName)
{
    if (bytes.size() != Size)
        return notAConfiguration(fileName);
    ConfigRecord::Bytes plain{};
    std::copy(bytes.begin(), bytes.end(), plain.begin());
    scramblePasswords(plain);
    const ConfigRecord record(plain);
    const Identification identification(record.table(0));
    if (identification.typeCode() != Identification::ServedTypeCode)
        return notAConfiguration(fileName);
    if (identification.softwareVersion() != Identification::ServedSoftwareVersion)
        return InputProblem{
            QStringLiteral("Файл параметров конфигурации %1 подготовлен").arg(fileName),
            QStringLiteral("для контроллера ККГ с версией ПО %1").arg(identification.softwareVersion())};
    if (record.flowComputerCount() < 1 || record.flowComputerCount() > FlowComputers::Most)
        return notAConfiguration(fileName);
    return record;
}

QString proposedName(const ConfigRecord& record, const QDateTime& now)
{
    const Identification identification(record.table(0));
    const QDate date = now.date();
    const QTime time = now.time();
    return QString::asprintf("gqc_%02d-", identification.softwareVersion()) + fileNamePart(record.name()) +
           QString::asprintf("-%02d%02d%02d%02d%02d.cnf", date.year() - 2000, date.month(), date.day(), time.hour(),
                             time.minute());
}

} // namespace ConfigFile
