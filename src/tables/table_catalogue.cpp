#include "tables/table_catalogue.h"

#include "base/common_texts.h"

#include <array>

namespace {

struct Shape {
    std::uint8_t fieldCount;
    std::uint8_t fieldLength;
    bool configuration;
};

// Field count, field length and configuration flag of tables 0..37, as the controller holds them.
constexpr std::array<Shape, TableCatalogue::TableCount> shapes = {{
    {18, 1, false}, // 0 identification
    {0, 0, false},  // 1 not held
    {8, 1, true},   // 2 date and time
    {4, 1, true},   // 3 port to the PC
    {16, 22, true}, // 4 users
    {1, 20, true},  // 5 controller name
    {10, 1, true},  // 6 system parameters
    {38, 1, false}, // 7 destroyed flag per table
    {2, 1, false},  // 8 function availability
    {8, 1, true},   // 9 flow-computer port; byte 0 = number of flow computers
    {2, 4, false},  // 10 diagnostic log bounds
    {2, 4, false},  // 11 intervention log bounds
    {2, 4, false},  // 12 calibration-quality log bounds
    {16, 16, true}, // 13 write password per flow computer
    {8, 1, true},   // 14 chromatograph port
    {8, 1, true},   // 15 moisture-meter port
    {18, 1, false}, // 16 abnormal-situation flags
    {16, 1, true},  // 17 type per flow computer
    {16, 1, true},  // 18 address per flow computer
    {16, 1, true},  // 19 gas parameters needed per flow computer
    {16, 1, true},  // 20 byte order per flow computer
    {20, 1, true},  // 21 write flag per gas parameter
    {20, 4, true},  // 22 dead band per gas parameter
    {20, 4, true},  // 23 lower warning set-point
    {20, 4, true},  // 24 upper warning set-point
    {20, 4, true},  // 25 lower limit for writing
    {20, 4, true},  // 26 upper limit for writing
    {3, 6, false},  // 27 first record stamps of the archives
    {2, 1, true},   // 28 hourly write period
    {7, 4, true},   // 29 Ethernet settings
    {22, 4, false}, // 30 current chromatograph data
    {0, 0, false},  // 31 not held
    {20, 1, false}, // 32 zone per gas parameter
    {2, 1, false},  // 33 chromatograph link
    {16, 1, false}, // 34 flow-computer links
    {16, 1, false}, // 35 flow-computer write state
    {27, 4, false}, // 36 moving averages
    {7, 4, false},  // 37 further current data
}};

// Tables lie back to back in number order; those without fields take no room.
constexpr std::array<TableDescriptor, TableCatalogue::TableCount> makeDescriptors()
{
    std::array<TableDescriptor, TableCatalogue::TableCount> descriptors{};
    int offset = 0;
    for (std::size_t t = 0; t < shapes.size(); ++t) {
        TableDescriptor& d = descriptors[t];
        d.fieldCount = shapes[t].fieldCount;
        d.fieldLength = shapes[t].fieldLength;
        d.configuration = shapes[t].configuration;
        if (d.size() > 0) {
            d.offset = offset;
            offset += d.size();
        }
    }
    return descriptors;
}

constexpr auto descriptors = makeDescriptors();

constexpr int imageEnd()
{
    int end = 0;
    for (const TableDescriptor& d : descriptors)
        end += d.size();
    return end;
}
static_assert(imageEnd() == TableCatalogue::ImageSize);

constexpr TableDescriptor noTable{};

} // namespace

namespace TableCatalogue {

bool isTable(int table)
{
    return table >= 0 && table < TableCount;
}

const TableDescriptor& descriptor(int table)
{
    return isTable(table) ? descriptors[static_cast<std::size_t>(table)] : noTable;
}

QString name(int table)
{
    return isTable(table) ? commonText(CommonTextBase::TableNames + table) : QString();
}

bool contains(const FieldRange& range)
{
    return isTable(range.table) && range.first + range.count <= descriptor(range.table).fieldCount;
}

int configurationTableCount()
{
    int count = 0;
    for (const TableDescriptor& d : descriptors)
        count += d.configuration ? 1 : 0;
    return count;
}

} // namespace TableCatalogue
