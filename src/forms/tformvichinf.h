#pragma once

#include "archives/controller_state.h"

#include <QDialog>

// "Состояние обмена с вычислителями РГ": address, link and writing state of
// each flow computer.
class TFormVichInf : public QDialog {
    Q_OBJECT
public:
    explicit TFormVichInf(const FlowComputerExchange& exchange, QWidget* parent = nullptr);
};
