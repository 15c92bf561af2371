#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>

// The fuzz target this program is built with; GQC_FUZZ_SUITE is named after it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Every file of `directory` in name order; none when there is no such directory.
QStringList inputFiles(const QString& directory)
{
    QStringList paths;
    for (const QFileInfo& file : QDir(directory).entryInfoList(QDir::Files, QDir::Name))
        paths.append(file.filePath());
    return paths;
}

void replay(const QStringList& paths)
{
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size()));
    }
}

} // namespace

TEST(GQC_FUZZ_SUITE, EverySeedInputKeepsTheTargetsInvariants)
{
    const QStringList seeds = inputFiles(QStringLiteral(GQC_FUZZ_CORPUS));
    ASSERT_FALSE(seeds.isEmpty()) << "no seed corpus in " << GQC_FUZZ_CORPUS;
    replay(seeds);
}

TEST(GQC_FUZZ_SUITE, EveryInputThatOnceBrokeTheTargetNowKeepsItsInvariants)
{
    replay(inputFiles(QStringLiteral(GQC_FUZZ_REGRESSIONS)));
}
