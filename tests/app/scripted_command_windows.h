#pragma once

#include "app/controller_commands.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <functional>

inline QByteArray bytesOf(std::span<const std::uint8_t> bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// The windows around the commands: each dialog answers as told and records what it was shown.
class ScriptedWindows : public ControllerCommandWindows {
public:
    // The date window: the correction the operator confirms (none: "Выход").
    std::optional<std::int16_t> correction;
    // The user window: the record stored into the slot, or none for "Выход";
    // `scribbled` leaves the window after changing the bytes nonetheless.
    std::optional<std::pair<int, QByteArray>> userChange;
    bool scribbled = false;

    int clockWindows = 0;
    QByteArray shownDateTime;
    QByteArray shownSystemParameters;
    QDateTime shownPcNow;
    int userWindows = 0;
    const std::uint8_t* shownUserTable = nullptr;
    int messageTimers = 0;

    std::optional<std::int16_t> chooseClockCorrection(std::span<const std::uint8_t> dateTime,
                                                      std::span<const std::uint8_t> systemParameters,
                                                      const QDateTime& pcNow) override
    {
        ++clockWindows;
        shownDateTime = bytesOf(dateTime);
        shownSystemParameters = bytesOf(systemParameters);
        shownPcNow = pcNow;
        return correction;
    }
    std::optional<int> changeUser(std::span<std::uint8_t> userTable) override
    {
        ++userWindows;
        shownUserTable = userTable.data();
        if (scribbled)
            std::memset(userTable.data(), 'X', userTable.size());
        if (!userChange)
            return std::nullopt;
        const auto& [slot, record] = *userChange;
        std::memcpy(userTable.data() + slot * record.size(), record.constData(), record.size());
        return slot;
    }
    void startMessageTimer() override { ++messageTimers; }

    // The identification window.
    int identificationWindows = 0;
    QByteArray shownIdentification;
    void showIdentification(std::span<const std::uint8_t> identification) override
    {
        ++identificationWindows;
        shownIdentification = bytesOf(identification);
    }

    // The name window: the name the operator confirms (none: "Отменить").
    std::optional<QString> name;
    QString shownName;
    std::optional<QString> editControllerName(const QString& shown) override
    {
        shownName = shown;
        return name;
    }

    // The system-parameters window: the bytes it stores into table 6 (none: "Отменить").
    std::optional<QByteArray> systemParameters;
    QByteArray systemWindowBytes;
    bool editSystemParameters(std::span<std::uint8_t> table) override
    {
        systemWindowBytes = bytesOf(table);
        if (!systemParameters)
            return false;
        std::memcpy(table.data(), systemParameters->constData(), table.size());
        return true;
    }

    // The gas-parameter windows: the bytes each stores into its table (none: "Отменить").
    std::optional<QByteArray> gasTableEdit;
    std::optional<GasSetPoint> shownSetPoint;
    bool editGasTable(std::span<std::uint8_t> table)
    {
        if (!gasTableEdit)
            return false;
        std::memcpy(table.data(), gasTableEdit->constData(), std::min<std::size_t>(table.size(), gasTableEdit->size()));
        return true;
    }
    bool editGasParamWriting(std::span<std::uint8_t> table) override { return editGasTable(table); }
    bool editSetPoints(GasSetPoint setPoint, std::span<std::uint8_t> table) override
    {
        shownSetPoint = setPoint;
        return editGasTable(table);
    }
    bool editHourlyMeanPeriod(std::span<std::uint8_t> table) override { return editGasTable(table); }

    // The flow-computer window: what the operator does to the list (none: "Отменить").
    std::function<void(FlowComputerList&)> flowComputerEdit;
    std::vector<FlowComputer> shownFlowComputers;
    bool editFlowComputers(FlowComputerList& list) override
    {
        shownFlowComputers = list.computers();
        if (!flowComputerEdit)
            return false;
        flowComputerEdit(list);
        return true;
    }
};
