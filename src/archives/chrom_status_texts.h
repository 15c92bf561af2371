#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// What the chromatograph status dialog is shown for.
enum class ChromStatusMode {
    Moment = 0,     // a 5-minute record: its flags and the chromatograph's status word
    Interval = 1,   // an hourly or daily mean: its status byte
    StatusWord = 2, // the chromatograph's status word alone
};

// One panel of the dialog: its title, a heading with the code, and one line per
// set bit that has a meaning ("Норма" when the code is 0).
struct ChromStatusPanel {
    QString title;
    QString heading;
    QStringList lines;
};

struct ChromStatusTexts {
    std::optional<ChromStatusPanel> controller;
    std::optional<ChromStatusPanel> chromatograph;
};

// The panels for `flags` and `statusWord` in `mode`. A 5-minute record made
// while the controller was off or had no link with the HMU says nothing of the
// chromatograph, so its panel is left out.
ChromStatusTexts chromStatusTexts(ChromStatusMode mode, std::uint8_t flags, std::uint16_t statusWord);
