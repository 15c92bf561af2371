#include "app/current_data_reads.h"

#include "exchange/request_layer.h"
#include "tables/table_catalogue.h"

namespace {

constexpr int IdentificationTable = 0;
constexpr int ByteOrderField = 10;
constexpr int FlowPortTable = 9;
constexpr int FlowAddressTable = 18;
constexpr int FlowLinkTable = 34;
constexpr int FlowWritingTable = 35;

} // namespace

bool CurrentDataReads::quiet(int table, int first, int count)
{
    return RequestLayer(context_).readFields(
        {static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(count)}, false);
}

bool CurrentDataReads::interactive(int table, int first, int count)
{
    return RequestLayer(context_).readFields(
        {static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(count)});
}

bool CurrentDataReads::linkPresent(Instrument instrument)
{
    const int record = static_cast<int>(instrument);
    {
        BusyCursor busy(context_.person);
        if (!interactive(33, record, 1))
            return false;
    }
    context_.person.setPanel(StatusPanel::Transient, {});
    if (context_.image.field(33, record)[0] != 0)
        return true;
    context_.person.message(MessageKind::SeeControllerState, instrument == Instrument::Chromatograph
                                                                 ? QStringLiteral("Нет связи с хроматографом")
                                                                 : QStringLiteral("Нет связи с влагомером"));
    return false;
}

std::optional<std::array<std::uint8_t, 2>> CurrentDataReads::functions()
{
    BusyCursor busy(context_.person);
    if (!interactive(8, 0, 2))
        return std::nullopt;
    const auto table = context_.image.table(8);
    return std::array<std::uint8_t, 2>{table[0], table[1]};
}

bool CurrentDataReads::readAbnormalFlags()
{
    if (!quiet(16, 0, AbnormalFlags::Size))
        return false;
    AbnormalFlags::putWordsInOrder(context_.image.table(16),
                                   context_.image.field(IdentificationTable, ByteOrderField)[0]);
    return true;
}

bool CurrentDataReads::readTableStates()
{
    BusyCursor busy(context_.person);
    return interactive(7, 0, 38);
}

std::optional<FlowComputerExchange> CurrentDataReads::flowComputers()
{
    BusyCursor busy(context_.person);
    if (!interactive(FlowPortTable, 0, 1))
        return std::nullopt;
    const std::uint8_t count = context_.image.field(FlowPortTable, 0)[0];
    // A count the controller cannot hold is a failed read: it never sizes the reads below.
    if (!FlowComputerExchange::countUsable(count)) {
        context_.person.message(
            MessageKind::Error, QStringLiteral("Несоответствие запрошенных и переданных данных."),
            QStringLiteral("Табл. %1 \"%2\".").arg(FlowPortTable).arg(TableCatalogue::name(FlowPortTable)));
        return std::nullopt;
    }
    std::array<std::uint8_t, FlowComputerExchange::BlockSize> block{};
    const std::array<int, 3> tables = {FlowAddressTable, FlowLinkTable, FlowWritingTable};
    for (std::size_t run = 0; run < tables.size(); ++run) {
        if (!interactive(tables[run], 0, count))
            return std::nullopt;
        const auto values = context_.image.table(tables[run]);
        std::copy_n(values.begin(), count,
                    block.begin() + static_cast<std::ptrdiff_t>(run * FlowComputerExchange::MaxCount));
    }
    return FlowComputerExchange(block, count);
}
