#include "base/safe_save.h"

#include <QSaveFile>

namespace {

class FileSaveDevice : public SaveDevice {
public:
    explicit FileSaveDevice(const QString& path) : file_(path) {}

    bool open() override { return file_.open(QIODevice::WriteOnly); }
    bool write(const QByteArray& bytes) override { return file_.write(bytes) == bytes.size(); }
    // Flushed before commit(): commit() flushes while closing but does not notice
    // when that fails, and a full disk would put a short file in the good one's place.
    bool flush() override { return file_.flush(); }
    bool commit() override { return file_.commit(); }
    QString errorString() const override { return file_.errorString(); }

private:
    QSaveFile file_;
};

SaveDeviceFactory& installedFactory()
{
    static SaveDeviceFactory factory = fileSaveDevice;
    return factory;
}

SaveResult failure(SaveStatus status, const QString& path, const SaveDevice& device)
{
    return {status, path, device.errorString()};
}

} // namespace

std::unique_ptr<SaveDevice> fileSaveDevice(const QString& path)
{
    return std::make_unique<FileSaveDevice>(path);
}

SaveResult replaceFile(const QString& path, const QList<QByteArray>& pieces)
{
    const std::unique_ptr<SaveDevice> device = installedFactory()(path);
    if (!device->open())
        return failure(SaveStatus::NotCreated, path, *device);
    for (const QByteArray& piece : pieces)
        if (!device->write(piece))
            return failure(SaveStatus::NotWritten, path, *device);
    if (!device->flush())
        return failure(SaveStatus::NotWritten, path, *device);
    if (!device->commit())
        return failure(SaveStatus::NotReplaced, path, *device);
    return {SaveStatus::Saved, path, {}};
}

ScopedSaveDevices::ScopedSaveDevices(SaveDeviceFactory factory) : previous_(std::move(installedFactory()))
{
    installedFactory() = std::move(factory);
}

ScopedSaveDevices::~ScopedSaveDevices()
{
    installedFactory() = std::move(previous_);
}
