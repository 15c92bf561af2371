#include "reports/zip_entries.h"

#include <memory>
#include <zip.h>

namespace {

// Far above any report template (a few kilobytes per part), far below what
// would strain the memory of an operator's PC.
constexpr zip_uint64_t LargestEntry = 64u * 1024 * 1024;
constexpr zip_uint64_t LargestArchive = 128u * 1024 * 1024;
constexpr zip_int64_t MostEntries = 10000;
constexpr zip_uint64_t ReadPiece = 64 * 1024;

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct SourceFreer {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using EntryFile = std::unique_ptr<zip_file_t, FileCloser>;
using Source = std::unique_ptr<zip_source_t, SourceFreer>;

QString errorText(zip_error_t* error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

// The whole entry, read piece by piece up to the limit: the size the archive
// declares is not trusted, the unpacked bytes are counted.
std::optional<QByteArray> readEntry(zip_t* archive, zip_uint64_t index, zip_uint64_t limit, QString& reason)
{
    const EntryFile file(zip_fopen_index(archive, index, 0));
    if (!file) {
        reason = errorText(zip_get_error(archive));
        return std::nullopt;
    }
    QByteArray data;
    for (;;) {
        const qsizetype before = data.size();
        data.resize(before + static_cast<qsizetype>(ReadPiece));
        const zip_int64_t got = zip_fread(file.get(), data.data() + before, ReadPiece);
        if (got < 0) {
            reason = errorText(zip_file_get_error(file.get()));
            return std::nullopt;
        }
        data.resize(before + static_cast<qsizetype>(got));
        if (static_cast<zip_uint64_t>(data.size()) > limit) {
            reason = QStringLiteral("an entry unpacks to more than a workbook can hold");
            return std::nullopt;
        }
        if (got == 0)
            return data;
    }
}

} // namespace

std::optional<std::vector<ZipEntry>> unzipEntries(const QByteArray& archiveBytes, QString& reason)
{
    zip_error_t error;
    zip_error_init(&error);
    Source source(zip_source_buffer_create(archiveBytes.constData(), archiveBytes.size(), 0, &error));
    Archive archive(source ? zip_open_from_source(source.get(), ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr);
    if (!archive) {
        reason = errorText(&error);
        zip_error_fini(&error);
        return std::nullopt;
    }
    source.release(); // the archive owns its source now
    zip_error_fini(&error);

    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count > MostEntries) {
        reason = QStringLiteral("too many entries for a workbook");
        return std::nullopt;
    }
    std::vector<ZipEntry> entries;
    zip_uint64_t unpacked = 0;
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* name = zip_get_name(archive.get(), index, ZIP_FL_ENC_RAW);
        if (!name) {
            reason = errorText(zip_get_error(archive.get()));
            return std::nullopt;
        }
        const zip_uint64_t limit = std::min(LargestEntry, LargestArchive - unpacked);
        std::optional<QByteArray> data = readEntry(archive.get(), index, limit, reason);
        if (!data)
            return std::nullopt;
        unpacked += static_cast<zip_uint64_t>(data->size());
        entries.push_back({name, std::move(*data)});
    }
    return entries;
}

std::optional<QByteArray> zipEntries(const std::vector<ZipEntry>& entries, QString& reason)
{
    zip_error_t error;
    zip_error_init(&error);
    Source buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer) {
        reason = errorText(&error);
        zip_error_fini(&error);
        return std::nullopt;
    }
    zip_source_keep(buffer.get()); // the packed bytes are read from it after the archive is closed
    Archive archive(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error));
    if (!archive) {
        zip_source_free(buffer.get()); // the reference the archive did not take
        reason = errorText(&error);
        zip_error_fini(&error);
        return std::nullopt;
    }
    zip_error_fini(&error);

    for (const ZipEntry& entry : entries) {
        zip_source_t* data = zip_source_buffer(archive.get(), entry.data.constData(), entry.data.size(), 0);
        if (!data || zip_file_add(archive.get(), entry.name.c_str(), data, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(data);
            reason = errorText(zip_get_error(archive.get()));
            return std::nullopt;
        }
    }
    if (zip_close(archive.get()) < 0) {
        reason = errorText(zip_get_error(archive.get()));
        return std::nullopt;
    }
    archive.release(); // closed and freed

    zip_stat_t stat;
    if (zip_source_stat(buffer.get(), &stat) < 0 || zip_source_open(buffer.get()) < 0) {
        reason = errorText(zip_source_error(buffer.get()));
        return std::nullopt;
    }
    QByteArray packed(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    const zip_int64_t read = zip_source_read(buffer.get(), packed.data(), stat.size);
    zip_source_close(buffer.get());
    if (read != static_cast<zip_int64_t>(stat.size)) {
        reason = errorText(zip_source_error(buffer.get()));
        return std::nullopt;
    }
    return packed;
}
