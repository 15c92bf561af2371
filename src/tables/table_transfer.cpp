#include "tables/table_transfer.h"

#include "base/table_numbers.h"
#include "tables/table_catalogue.h"

#include <algorithm>
#include <array>

namespace {

constexpr int FlowComputerCountByte = 0; // of the flow-computer port table

bool holdsOneFieldPerFlowComputer(int table)
{
    return table == TableNumber::FlowComputerPasswords ||
           (table >= TableNumber::FlowComputerTypes && table <= TableNumber::FlowComputerByteOrders);
}

int fieldsPer(int table, int maxBytes)
{
    const int length = TableCatalogue::descriptor(table).fieldLength;
    return length > 0 ? maxBytes / length : 0;
}

std::vector<FieldRange> split(int table, int fieldCount, int perRequest)
{
    std::vector<FieldRange> requests;
    if (perRequest <= 0)
        return requests;
    for (int first = 0; first < fieldCount; first += perRequest)
        requests.push_back({static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
                            static_cast<std::uint8_t>(std::min(perRequest, fieldCount - first))});
    return requests;
}

} // namespace

namespace TableTransfer {

int fieldsPerRead(int table)
{
    return fieldsPer(table, MaxReadBytes);
}

int fieldsPerWrite(int table)
{
    return fieldsPer(table, MaxWriteBytes);
}

int flowComputerCount(const ParamImage& image)
{
    const int capacity = TableCatalogue::descriptor(TableNumber::FlowComputerPasswords).fieldCount;
    return std::min<int>(image.table(TableNumber::FlowComputerPort)[FlowComputerCountByte], capacity);
}

int transferredFieldCount(int table, const ParamImage& image)
{
    return holdsOneFieldPerFlowComputer(table) ? flowComputerCount(image)
                                               : TableCatalogue::descriptor(table).fieldCount;
}

std::vector<FieldRange> readRequests(int table, const ParamImage& image)
{
    if (table == TableNumber::FlowComputerPasswords)
        return {};
    return split(table, transferredFieldCount(table, image), fieldsPerRead(table));
}

std::vector<FieldRange> writeRequests(int table, const ParamImage& image)
{
    return split(table, transferredFieldCount(table, image), fieldsPerWrite(table));
}

std::vector<int> configurationReadOrder()
{
    std::vector<int> order;
    for (int t = 0; t < TableCatalogue::TableCount; ++t)
        if (TableCatalogue::descriptor(t).configuration && t != TableNumber::FlowComputerPasswords)
            order.push_back(t);
    return order;
}

std::vector<int> configurationWriteOrder()
{
    constexpr std::array<int, 6> leading = {TableNumber::FlowComputerPort,       TableNumber::FlowComputerTypes,
                                            TableNumber::FlowComputerAddresses,  TableNumber::FlowComputerPipelines,
                                            TableNumber::FlowComputerByteOrders, TableNumber::FlowComputerPasswords};
    std::vector<int> order(leading.begin(), leading.end());
    for (int t = 0; t < TableCatalogue::TableCount; ++t)
        if (TableCatalogue::descriptor(t).configuration &&
            std::find(leading.begin(), leading.end(), t) == leading.end())
            order.push_back(t);
    return order;
}

} // namespace TableTransfer
