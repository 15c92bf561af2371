#pragma once

#include "base/input_problem.h"
#include "tables/flow_computers.h"
#include "tables/param_image.h"

#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

// A whole controller configuration as a configuration file holds it: 2601 bytes
// with every configuration table at its own place and the flow computers as 16
// records of 20 bytes (address, type, pipelines, byte order, write password).
// Bytes no table uses are kept as they came. In memory the passwords are plain.
class ConfigRecord {
public:
    static constexpr int Size = 2601;
    using Bytes = std::array<std::uint8_t, Size>;

    // A configuration created new: every table at its default.
    ConfigRecord();
    // The record of a configuration as its bytes stand.
    explicit ConfigRecord(const Bytes& bytes) : bytes_(bytes) {}

    // The defaults, then every table the bulk read of a controller brings into
    // the image; the write passwords, never read, are blank in all 16 records.
    static ConfigRecord fromImage(const ParamImage& image);

    // Read from a controller rather than created new.
    bool readFromController() const { return bytes_[OriginOffset] != 0; }

    // The bytes of a configuration table the record keeps whole (0, 3 to 6, 9,
    // 14, 15, 21 to 26, 28, 29), as long as the table; empty for any other number,
    // the flow-computer tables included.
    std::span<std::uint8_t> table(int n);
    std::span<const std::uint8_t> table(int n) const;

    // Table 6 says a moisture meter belongs to the installation.
    bool moistureMeterConnected() const;

    // Byte 0 of table 9 as stored, whatever it holds.
    int flowComputerCount() const;
    // The first flowComputerCount() records, at most 16, passwords included.
    std::vector<FlowComputer> flowComputers() const;
    // The records from the first one on, and their number into table 9; the
    // records after them keep their bytes.
    void setFlowComputers(const std::vector<FlowComputer>& computers);

    // The name as the caption shows it, blanks trimmed.
    QString name() const;
    // The 20 name bytes for a name as typed.
    void setName(const QString& name);

    const Bytes& bytes() const { return bytes_; }
    bool operator==(const ConfigRecord&) const = default;

private:
    static constexpr int OriginOffset = 0;

    // The records from the first one on; table 9 is left as it is.
    void putFlowComputers(const std::vector<FlowComputer>& computers);

    Bytes bytes_{};
};

// The record's tables into the image before they are written to a controller.
// The checks come in the order the tables are taken: with `withUsers` the user
// table (exactly one manufacturer-adjuster, names and codes given and not shared),
// then the chromatograph's and the moisture meter's addresses, then the flow
// computers (their number 1 to 16, addresses not 0, and the rules of the
// flow-computer list) and the flow computer the gas temperature comes from. On a
// refusal the image is untouched. The user table taken has its free slots blank
// and byte 5 of every slot 0.
InputCheck copyIntoImage(const ConfigRecord& record, ParamImage& image, bool withUsers);
