#pragma once

#include <QList>
#include <array>
#include <cstddef>

// The mean of each value over the records a viewer shows with values, kept for
// the printouts. A value that is no number or infinite is left out of its mean.
class ArchiveMeans {
public:
    explicit ArchiveMeans(int valueCount) : sums_(valueCount, 0.0), counts_(valueCount, 0) {}

    template <std::size_t N> void add(const std::array<float, N>& values)
    {
        ++records_;
        for (std::size_t k = 0; k < N; ++k)
            addValue(static_cast<int>(k), values[k]);
    }

    // No record was shown with values: the printout gets no means.
    bool none() const { return records_ == 0; }
    int records() const { return records_; }
    // The mean of value `index`; NaN when none of its values was a number.
    double mean(int index) const;

private:
    void addValue(int index, float value);

    QList<double> sums_;
    QList<int> counts_;
    int records_ = 0;
};
