#include "app/served_controller.h"

InputCheck servedControllerCheck(const Identification& identification)
{
    if (identification.typeCode() != Identification::ServedTypeCode)
        return InputProblem{QStringLiteral("Код типа подключенного контроллера  %1").arg(identification.typeCode()),
                            QStringLiteral("Программа обслуживает контроллеры ККГ_04")};
    const int version = identification.softwareVersion();
    if (version != Identification::ServedSoftwareVersion && version != Identification::UnconfiguredSoftwareVersion)
        return InputProblem{QStringLiteral("Версия ПО подключенного контроллера %1").arg(version),
                            QStringLiteral("Программа обслуживает контроллеры ККГ только с версией ПО 4")};
    return std::nullopt;
}
