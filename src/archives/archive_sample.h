#pragma once

// A value cell of an archive viewer as a number, for the trend chart.
struct ArchiveSample {
    // Missing: the record holds no value there (switched off, no link, calibration,
    // a parameter this instrument does not deliver, a value that is no number).
    // Substituted: the controller put a substitute into the value.
    enum class State { Damaged, Missing, Measured, Substituted };
    State state = State::Missing;
    double value = 0; // of a measured or substituted sample
};
