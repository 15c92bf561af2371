#pragma once

#include "archives/current_data.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <span>

// What the controller-state windows show of tables 8, 16, 33 and the
// flow-computer tables 9, 18, 34 and 35.

// Table 16, the generalised abnormal-situation flags (18 bytes).
namespace AbnormalFlags {
inline constexpr int Size = 18;
inline constexpr int FlowComputers = 6;
inline constexpr int Chromatograph = 7;
inline constexpr int MoistureMeter = 8;
inline constexpr int SelfDiagnostics = 9;
inline constexpr int AbnormalValue = 10;

// The controller that puts the high byte of a word first (table 0 byte 10 = 0)
// sends the two status words (bytes 12-13 and 16-17) that way: they are turned
// into the image's order in place.
void putWordsInOrder(std::span<std::uint8_t> flags, std::uint8_t controllerByteOrder);
// "dd.mm.yy  hh:mm:ss" of the last change of the flags.
QString changeTime(std::span<const std::uint8_t> flags);
} // namespace AbnormalFlags

// A flag byte: "Норма" in black when 0, "Есть" in red otherwise.
ColouredText flagCell(std::uint8_t flag);
// A link byte of table 33: "Норма" in black when non-zero, "Связи нет" in red otherwise.
ColouredText linkCell(std::uint8_t link);
// A function of table 8: "Возможно" when non-zero, "Невозможно" otherwise.
QString functionCell(std::uint8_t possible);
// The row captions of the function window, record 0 first.
QStringList functionRowLabels();

// The flow computers' exchange as tables 9, 18, 34 and 35 hold it.
class FlowComputerExchange {
public:
    static constexpr int MaxCount = 16;
    static constexpr int BlockSize = 3 * MaxCount;

    // The count of table 9 byte 0 is a usable count only from 1 to 16.
    static bool countUsable(std::uint8_t count) { return count >= 1 && count <= MaxCount; }

    // `block`: addresses[16], link flags[16], write flags[16]; `count` 1 to 16.
    FlowComputerExchange(const std::array<std::uint8_t, BlockSize>& block, int count) : block_(block), count_(count) {}

    int count() const { return count_; }
    QString address(int index) const { return QString::number(block_.at(static_cast<std::size_t>(index))); }
    // "Есть", or "Нет" in red.
    ColouredText link(int index) const;
    // "Записываются", or "Не записываются" in red.
    ColouredText writing(int index) const;

private:
    std::array<std::uint8_t, BlockSize> block_;
    int count_;
};

// The lines of the legend window: twenty parameter lines in the fractions
// chosen (0 molar, 1 volume), then the abbreviations.
QStringList legendLines(std::uint8_t fractionKind);
