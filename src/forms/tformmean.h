#pragma once

#include <QDialog>
#include <cstdint>

// "Условные обозначения, принятые в программе": the parameter names in the
// fractions chosen and the abbreviations of the program.
class TFormMean : public QDialog {
    Q_OBJECT
public:
    explicit TFormMean(std::uint8_t fractionKind, QWidget* parent = nullptr);
};
