#include "exchange/configuration_transfer.h"

#include "base/table_numbers.h"
#include "exchange/table_effects.h"
#include "tables/controller_name.h"
#include "tables/table_catalogue.h"
#include "tables/table_transfer.h"

namespace {

// The progress window for the lifetime of a bulk transfer.
class Progress {
public:
    Progress(Operator& person, WaitMode mode, int maximum) : person_(person), maximum_(maximum)
    {
        person_.beginProgress(mode, maximum_);
        person_.setProgress(0);
    }
    ~Progress() { person_.endProgress(); }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void step()
    {
        person_.setProgress(++position_);
        person_.pump();
    }

    void complete()
    {
        person_.setProgress(maximum_);
        person_.showProgressComplete();
    }

private:
    Operator& person_;
    int maximum_;
    int position_ = 0;
};

template <typename Transfer> bool everyRequest(const std::vector<FieldRange>& requests, Transfer transfer)
{
    for (const FieldRange& range : requests)
        if (!transfer(range))
            return false;
    return true;
}

bool writeTable(RequestLayer& layer, int table)
{
    ParamImage& image = layer.context().image;
    const bool name = table == TableNumber::ControllerName;
    if (name)
        ControllerName::toController(image);
    const bool written = everyRequest(TableTransfer::writeRequests(table, image),
                                      [&](const FieldRange& range) { return layer.writeFields(range); });
    // The image keeps the program's character set whether the write went through or not.
    if (name)
        ControllerName::fromController(image);
    return written;
}

} // namespace

bool readConfigurationTables(RequestLayer& layer)
{
    RequestContext& context = layer.context();
    Progress progress(context.person, WaitMode::ReadingConfiguration, TableCatalogue::configurationTableCount() + 1);
    for (int table : TableTransfer::configurationReadOrder()) {
        // Tables 17 to 20 take their field count from table 9, read before them.
        if (!everyRequest(TableTransfer::readRequests(table, context.image),
                          [&](const FieldRange& range) { return layer.readFields(range); }))
            return false;
        progress.step();
        if (table == TableNumber::ControllerName)
            TableEffects::nameArrived(context);
        else if (table == TableNumber::SystemParameters)
            TableEffects::takeSystemParameters(context);
    }
    progress.complete();
    return true;
}

bool writeConfigurationTables(RequestLayer& layer, TableStateSet& flags)
{
    RequestContext& context = layer.context();
    Progress progress(context.person, WaitMode::WritingConfiguration, TableCatalogue::configurationTableCount());
    for (int table : TableTransfer::configurationWriteOrder()) {
        if (!flags.isToWrite(table))
            continue;
        if (!writeTable(layer, table))
            return false;
        flags.setToWrite(table, false);
        progress.step();
        if (table == TableNumber::ControllerName)
            TableEffects::showControllerName(context);
        else if (table == TableNumber::SystemParameters)
            TableEffects::takeSystemParameters(context);
        else if (table == TableNumber::UpperLevelPort)
            TableEffects::takePortParameters(context);
    }
    progress.complete();
    return true;
}
