// A configuration file as it may be found: any length, any bytes. Input: the
// file. A file is accepted only at the record's size; an accepted one is
// described as the dialogs show it, without the text of any password or code,
// and written again byte for byte.
#include "tables/config_file.h"
#include "support/fuzz_check.h"
#include "tables/config_comparison.h"
#include "tables/config_description.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto parsed = ConfigFile::parse(bytes, QStringLiteral("fuzz.cnf"));
    if (const auto* problem = std::get_if<InputProblem>(&parsed)) {
        fuzzCheck(!problem->line1.isEmpty(), "a refusal says why");
        return 0;
    }
    fuzzCheck(bytes.size() == ConfigFile::Size, "only a file of the record's size is accepted");
    const ConfigRecord& record = std::get<ConfigRecord>(parsed);
    const std::vector<ConfigItem> items = describeConfiguration(record);
    for (const ConfigItem& item : items) {
        fuzzCheck(!item.label.isEmpty() && !item.label.contains(u'\n') && !item.value.contains(u'\n'),
                  "every item has a label and both are one line");
        fuzzCheck(!item.secret || item.value.isEmpty(), "a password or code has no text");
    }
    fuzzCheck(configDifferences(items, items).isEmpty(), "a description is alike to itself");
    fuzzCheck(ConfigFile::bytes(record) == bytes, "the record is written back byte for byte");
    return 0;
}
