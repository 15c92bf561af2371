#pragma once

#include "archives/archive_sample.h"

#include <QString>
#include <cstdint>

// A moisture-meter value with as many decimals as its size needs: the smaller
// the value, the more decimals, down to "%.2e" below 0.000001; "0" for zero and
// "NAN" for a value that is no number or infinite.
QString wmtValueText(float value);

// The value cell of a moisture-meter viewer for the record's flags or status
// byte `state`: "  Выкл." while the controller was off, "       0" without a
// link with the meter, else two blanks and the value.
QString wmtValueCell(std::uint8_t state, float value);

// The record shows its values: neither off nor without a link.
bool wmtShowsValues(std::uint8_t state);

// The value cell as a number: none of a damaged record, of one without values
// or of a value that is no number. The moisture meter has no substitutes.
ArchiveSample wmtSample(bool intact, std::uint8_t state, float value);
