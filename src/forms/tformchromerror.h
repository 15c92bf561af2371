#pragma once

#include "archives/chrom_status_texts.h"

#include <QDialog>

// The chromatograph status dialog: the controller's flags and the
// chromatograph's status word of one record, one line per set bit. The caller
// sets the caption.
class TFormChromError : public QDialog {
    Q_OBJECT
public:
    TFormChromError(ChromStatusMode mode, std::uint8_t flags, std::uint16_t statusWord, QWidget* parent = nullptr);
};
