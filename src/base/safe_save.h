#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

// How replacing a file ended. On every failure the file that was there keeps its
// old bytes and no temporary file is left beside it.
enum class SaveStatus {
    Saved,
    Unchanged,   // nothing was written: the file already holds what it should
    NotCreated,  // no new file could be made: a read-only file, a folder in its place, no folder to hold it
    NotWritten,  // the new content did not all reach the disk (the disk is full)
    NotReplaced, // the new file could not take the old one's place
};

// Not to be dropped: a save nobody looks at is the silent loss this type exists to stop.
struct [[nodiscard]] SaveResult {
    SaveStatus status = SaveStatus::Saved;
    QString path;
    QString reason; // the system's own words, for the console and diagnosis

    bool failed() const { return status != SaveStatus::Saved && status != SaveStatus::Unchanged; }
};

// Where the bytes of one replacement go. The program's device writes a temporary
// file beside the target and renames it over the target on commit; destroying a
// device that was not committed removes its temporary file.
class SaveDevice {
public:
    virtual ~SaveDevice() = default;
    virtual bool open() = 0;
    // True only when every byte was taken.
    virtual bool write(const QByteArray& bytes) = 0;
    // True only when everything written is in the file, not in a buffer.
    virtual bool flush() = 0;
    // Puts the new file in the old one's place.
    virtual bool commit() = 0;
    virtual QString errorString() const = 0;
};

using SaveDeviceFactory = std::function<std::unique_ptr<SaveDevice>(const QString& path)>;

// The program's device for `path`, over QSaveFile.
std::unique_ptr<SaveDevice> fileSaveDevice(const QString& path);

// Replaces the file at `path` with `pieces` written in order. Every write, the
// flush and the rename are checked; the first failure ends the save with the old
// file untouched.
SaveResult replaceFile(const QString& path, const QList<QByteArray>& pieces);

// While it lives, replaceFile takes its devices from `factory` instead of
// fileSaveDevice: a test puts in devices that fail where it wants them to.
class ScopedSaveDevices {
public:
    explicit ScopedSaveDevices(SaveDeviceFactory factory);
    ~ScopedSaveDevices();
    ScopedSaveDevices(const ScopedSaveDevices&) = delete;
    ScopedSaveDevices& operator=(const ScopedSaveDevices&) = delete;

private:
    SaveDeviceFactory previous_;
};
