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

    // The windows that edit one table (gas parameters, ports): the bytes each
    // stores into its table (none: "Отменить"), and what it was opened with.
    std::optional<QByteArray> tableEdit;
    std::optional<GasSetPoint> shownSetPoint;
    std::optional<bool> shownRateEditable;
    std::optional<ModbusInstrument> shownInstrument;
    bool editTable(std::span<std::uint8_t> table)
    {
        if (!tableEdit)
            return false;
        std::memcpy(table.data(), tableEdit->constData(), std::min<std::size_t>(table.size(), tableEdit->size()));
        return true;
    }
    bool editGasParamWriting(std::span<std::uint8_t> table) override { return editTable(table); }
    bool editSetPoints(GasSetPoint setPoint, std::span<std::uint8_t> table) override
    {
        shownSetPoint = setPoint;
        return editTable(table);
    }
    bool editHourlyMeanPeriod(std::span<std::uint8_t> table) override { return editTable(table); }
    bool editUpperLevelPort(std::span<std::uint8_t> table, bool rateEditable) override
    {
        shownRateEditable = rateEditable;
        return editTable(table);
    }
    bool editModbusPort(ModbusInstrument instrument, std::span<std::uint8_t> table) override
    {
        shownInstrument = instrument;
        return editTable(table);
    }
    bool editFlowComputerPort(std::span<std::uint8_t> table) override { return editTable(table); }
    bool editEthernetPort(std::span<std::uint8_t> table) override { return editTable(table); }

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
