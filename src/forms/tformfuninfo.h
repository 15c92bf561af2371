#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

// "Возможность исполнения контроллером его функций": the two functions of
// table 8, possible or not.
class TFormFunInfo : public QDialog {
    Q_OBJECT
public:
    explicit TFormFunInfo(const std::array<std::uint8_t, 2>& functions, QWidget* parent = nullptr);
};
