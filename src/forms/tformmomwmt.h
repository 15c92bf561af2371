#pragma once

#include "forms/live_values_window.h"

#include <cstdint>

// "Мгновенные данные влагомера": the latest moisture-meter values (table 37),
// the rows by the meter's type, refreshed once a second.
class TFormMomWmt : public LiveValuesWindow {
    Q_OBJECT
public:
    TFormMomWmt(RequestContext context, std::uint8_t meterType, QWidget* parent = nullptr);

private:
    void tick() override;

    std::uint8_t meterType_;
};
