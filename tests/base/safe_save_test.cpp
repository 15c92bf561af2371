#include "base/safe_save.h"
#include "base/save_report.h"
#include "support/failing_saves.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QByteArray oldBytes = "[CURR_PAR]\r\nConn_Prz=1\r\n";
const QList<QByteArray> newPieces = {"[CURR_PAR]\r\n", "Conn_Prz=2\r\n", "Free_Port_Wait=3\r\n"};

class SafeSave : public ::testing::Test {
protected:
    void SetUp() override { dir.write("INI/gqc.ini", oldBytes); }

    QString target() const { return dir.file("INI/gqc.ini"); }
    // What the folder holds: the file alone, no temporary left beside it.
    QStringList folder() const
    {
        return QDir(dir.file("INI")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    TempWorkdir dir;
};

// The process may write files no longer than `bytes` while it lives; a longer
// write fails as on a full disk (EFBIG instead of ENOSPC), whoever runs the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

TEST_F(SafeSave, ASaveReplacesTheFileWholeAndLeavesNothingBeside)
{
    const SaveResult result = replaceFile(target(), newPieces);
    EXPECT_EQ(result.status, SaveStatus::Saved);
    EXPECT_FALSE(result.failed());
    EXPECT_EQ(dir.read("INI/gqc.ini"), newPieces.join());
    EXPECT_EQ(folder(), QStringList{"gqc.ini"});
}

TEST_F(SafeSave, AFailureAtAnyStepKeepsTheOldBytesAndRemovesTheTemporary)
{
    const struct {
        SaveFault fault;
        SaveStatus status;
    } cases[] = {
        {{SaveFault::Step::Open, 0, {}}, SaveStatus::NotCreated},
        {{SaveFault::Step::Write, 1, {}}, SaveStatus::NotWritten},
        {{SaveFault::Step::Write, 3, {}}, SaveStatus::NotWritten},
        {{SaveFault::Step::Flush, 0, {}}, SaveStatus::NotWritten},
        {{SaveFault::Step::Commit, 0, {}}, SaveStatus::NotReplaced},
    };
    for (const auto& each : cases) {
        const FailingSaves failing(each.fault);
        const SaveResult result = replaceFile(target(), newPieces);
        EXPECT_EQ(result.status, each.status) << int(each.fault.step) << " " << each.fault.write;
        EXPECT_TRUE(result.failed());
        EXPECT_EQ(result.path, target());
        EXPECT_FALSE(result.reason.isEmpty());
        EXPECT_EQ(dir.read("INI/gqc.ini"), oldBytes) << int(each.fault.step) << " " << each.fault.write;
        EXPECT_EQ(folder(), QStringList{"gqc.ini"}) << int(each.fault.step) << " " << each.fault.write;
    }
    EXPECT_EQ(replaceFile(target(), newPieces).status, SaveStatus::Saved) << "the devices are the program's again";
}

TEST_F(SafeSave, AFileTooLongForTheDiskIsNotPutInPlaceOfTheOldOne)
{
    // Shorter than the file device's buffer, so the failure comes only when it is flushed.
    const QList<QByteArray> long_ = {QByteArray(4000, 'x')};
    {
        const FileSizeLimit limit(1000);
        EXPECT_EQ(replaceFile(target(), long_).status, SaveStatus::NotWritten);
    }
    EXPECT_EQ(dir.read("INI/gqc.ini"), oldBytes);
    EXPECT_EQ(folder(), QStringList{"gqc.ini"});
}

TEST_F(SafeSave, AFolderInPlaceOfTheFileOrOfItsFolderIsLeftAlone)
{
    QDir(dir.path()).mkpath("INI/rd_arh.ini");
    const SaveResult intoFolder = replaceFile(dir.file("INI/rd_arh.ini"), newPieces);
    EXPECT_TRUE(intoFolder.failed());
    EXPECT_TRUE(QFileInfo(dir.file("INI/rd_arh.ini")).isDir());
    EXPECT_TRUE(QDir(dir.file("INI/rd_arh.ini")).isEmpty());

    dir.write("CONFIG", "not a folder");
    EXPECT_EQ(replaceFile(dir.file("CONFIG/gqc.ini"), newPieces).status, SaveStatus::NotCreated);
    EXPECT_EQ(dir.read("CONFIG"), "not a folder");
}

TEST_F(SafeSave, AReadOnlyFileKeepsItsBytes)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the file's permissions do not stop root; the injected failures stand for it";
    QFile::setPermissions(target(), QFileDevice::ReadOwner);
    EXPECT_EQ(replaceFile(target(), newPieces).status, SaveStatus::NotCreated);
    EXPECT_EQ(dir.read("INI/gqc.ini"), oldBytes);
    EXPECT_EQ(folder(), QStringList{"gqc.ini"});
}

TEST(SaveReport, TheOperatorIsToldWhichFileOnlyWhenTheSaveFailed)
{
    ScriptedOperator person;
    reportSaveFailure(person, {SaveStatus::Saved, "/work/INI/gqc.ini", {}});
    reportSaveFailure(person, {SaveStatus::Unchanged, "/work/INI/gqc.ini", {}});
    EXPECT_TRUE(person.messages().isEmpty());

    reportSaveFailure(person, {SaveStatus::NotWritten, "/work/INI/gqc.ini", "No space left on device"});
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(person.messages()[0].line1, "Ошибка записи файла");
    EXPECT_EQ(person.messages()[0].line2, "/work/INI/gqc.ini");
}

} // namespace
