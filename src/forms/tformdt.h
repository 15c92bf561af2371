#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QDialog>
#include <cstdint>
#include <optional>

class Operator;

// The controller's date and time (table 2) beside the PC clock at opening, with
// the controller's differing values in red. "Скорректировать в устройстве"
// asks for confirmation and closes accepted with the correction to send.
class TFormDt : public QDialog {
    Q_OBJECT
public:
    TFormDt(QByteArrayView table2, QByteArrayView table6, const QDateTime& pcNow, Operator& person,
            QWidget* parent = nullptr);

    // Seconds to add to the controller's clock, once the operator confirmed them.
    std::optional<std::int16_t> correction() const { return correction_; }

private:
    void confirmCorrection(std::int16_t seconds);

    Operator& person_;
    std::optional<std::int16_t> correction_;
};
