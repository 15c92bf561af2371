#pragma once

#include "forms/live_values_window.h"
#include "gas/component_slot_map.h"
#include "gas/report_settings.h"

// "Мгновенные данные хроматографа, зоны параметров газа": the latest analysis
// (table 30) as the operator chose to see it and the zone of every parameter
// (table 32), refreshed once a second.
class TFormMom : public LiveValuesWindow {
    Q_OBJECT
public:
    TFormMom(RequestContext context, const ReportSettings& settings, const ComponentSlotMap& slotMap,
             QWidget* parent = nullptr);

private:
    void tick() override;

    ReportSettings settings_;
    ComponentSlotMap slotMap_;
};
