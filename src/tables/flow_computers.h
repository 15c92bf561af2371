#pragma once

#include "base/input_problem.h"
#include "tables/param_image.h"

#include <QString>
#include <QStringList>
#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

// The gas-flow computers the controller writes gas parameters into, one record
// each, kept by the controller in five tables with one field per flow computer:
// address (18), type (17), pipelines (19), byte order (20) and write password (13).
// Passwords are never read back; one is written only when the operator typed it.
struct FlowComputer {
    static constexpr int PasswordLength = 16;

    std::uint8_t address = 0;   // MODBUS address, 1 to 254
    std::uint8_t type = 0;      // model 0 to 3; model 1 has one pipeline
    std::uint8_t pipelines = 0; // bit 0 pipeline 1, bit 1 pipeline 2, bit 2 pipeline 3
    std::uint8_t byteOrder = 0; // of multi-byte variables, 0 or 1
    std::array<std::uint8_t, PasswordLength> password{};

    bool operator==(const FlowComputer&) const = default;
};

namespace FlowComputers {

constexpr int Most = 16;
constexpr int Types = 4;
constexpr int ByteOrders = 2;
constexpr int Pipelines = 3;
constexpr int SinglePipelineType = 1;

// The type and byte-order lists of the dialogs.
QStringList typeNames();
QStringList byteOrderNames();

// A list row's texts: address, type, byte order and the pipelines as "0x%02X";
// " ?" for a code no list item stands for.
QStringList rowTexts(const FlowComputer& computer);

// The first `count` records as the tables of the image hold them (`count` is
// clamped to 0..16); the passwords blank, as the controller never gives them.
std::vector<FlowComputer> fromImage(const ParamImage& image, int count);
// Puts the records into the tables of the image, passwords included.
void intoImage(const std::vector<FlowComputer>& computers, ParamImage& image);
// The number of flow computers into table 9 (`port`, its 8 bytes); the gas
// temperature is then read from the first flow computer if the one it was read
// from is gone.
void intoPortTable(int count, std::span<std::uint8_t> port);
// Table 9 reads the gas temperature from one of the flow computers it counts.
bool temperatureSourceCounted(std::span<const std::uint8_t> port);

// Every row, the last included: an address of 0 or 255, a type above 3 or a
// byte order above 1 gives "Вычислитель № %d" / "Неверно заданы параметры";
// an address used again by a later row gives "Повтор адреса %d".
InputCheck checkList(const std::vector<FlowComputer>& computers);

} // namespace FlowComputers

// The list being edited, with the flags of the positions whose password must
// be written: an added record, or one whose password bytes were changed.
class FlowComputerList {
public:
    explicit FlowComputerList(std::vector<FlowComputer> computers) : computers_(std::move(computers)) {}

    const std::vector<FlowComputer>& computers() const { return computers_; }
    bool passwordChanged(int position) const { return passwordChanged_.test(static_cast<std::size_t>(position)); }

    bool canAdd() const { return computers_.size() < FlowComputers::Most; }
    bool canRemove() const { return computers_.size() >= 2; }
    void add(const FlowComputer& computer);
    void change(int position, const FlowComputer& computer);
    // Later rows move up with their flags.
    void remove(int position);

private:
    std::vector<FlowComputer> computers_;
    std::bitset<FlowComputers::Most> passwordChanged_;
};

// The one-record dialog's fields as the operator left them.
struct FlowComputerFields {
    QString address; // typed or chosen, 1 to 254
    int type = -1;
    int byteOrder = -1;
    std::array<bool, FlowComputers::Pipelines> pipelines{};
    // The password as one field of 16, or as a password of 12 and a code of 4.
    bool split = false;
    QString password;
    QString code;
};

// The fields a record shows; the password as its blank-trimmed text.
FlowComputerFields flowComputerFields(const FlowComputer& computer, bool split);
// The password fields, whole or split, blank-padded into the record's 16 bytes.
void storePassword(const FlowComputerFields& fields, FlowComputer& computer);
// Whether a pipeline box may be ticked for a type.
bool pipelineOffered(int type, int pipeline);
// "Введены не все параметры" for an empty choice, "Адрес вне допускаемого
// диапазона" outside 1 to 254; otherwise the record, mask from the ticked boxes
// a type offers, password blank-padded.
InputCheck applyFlowComputerFields(const FlowComputerFields& fields, FlowComputer& computer);
