#include "support/failing_saves.h"

#include <QFileInfo>

namespace {

// The program's device with one step refused. A refused write or flush hands
// nothing more to the file, so the temporary holds what was written before it.
class FailingDevice : public SaveDevice {
public:
    FailingDevice(const QString& path, SaveFault fault) : real_(fileSaveDevice(path)), fault_(std::move(fault)) {}

    bool open() override { return fault_.step != SaveFault::Step::Open && real_->open(); }
    bool write(const QByteArray& bytes) override
    {
        ++writes_;
        return !(fault_.step == SaveFault::Step::Write && writes_ == fault_.write) && real_->write(bytes);
    }
    bool flush() override { return fault_.step != SaveFault::Step::Flush && real_->flush(); }
    bool commit() override { return fault_.step != SaveFault::Step::Commit && real_->commit(); }
    QString errorString() const override { return QStringLiteral("refused by the test"); }

private:
    std::unique_ptr<SaveDevice> real_;
    SaveFault fault_;
    int writes_ = 0;
};

} // namespace

FailingSaves::FailingSaves(SaveFault fault)
    : devices_([fault](const QString& path) -> std::unique_ptr<SaveDevice> {
          if (!fault.fileName.isEmpty() && QFileInfo(path).fileName() != fault.fileName)
              return fileSaveDevice(path);
          return std::make_unique<FailingDevice>(path, fault);
      })
{
}
