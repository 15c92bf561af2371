#include "app/work_directory_note.h"

#include <gtest/gtest.h>

namespace {

const QString UserData = QStringLiteral("/home/op/.local/share/gqc_Monitor");

TEST(WorkDirectoryNote, SaysWhereTheFilesAreOnlyWhenThePerUserDirectoryIsNew)
{
    EXPECT_EQ(workDirectoryNote(UserData, UserData, false),
              QStringLiteral("Рабочий каталог: /home/op/.local/share/gqc_Monitor"));
    EXPECT_EQ(workDirectoryNote(UserData + QLatin1Char('/'), UserData, false),
              workDirectoryNote(UserData, UserData, false))
        << "the same directory however written";

    EXPECT_TRUE(workDirectoryNote(UserData, UserData, true).isEmpty()) << "said at the first start already";
    EXPECT_TRUE(workDirectoryNote(QStringLiteral("/opt/gqc/bin"), UserData, false).isEmpty())
        << "beside the program, where the operator expects the files";
    EXPECT_TRUE(workDirectoryNote(QStringLiteral("/srv/station"), UserData, false).isEmpty()) << "named by --workdir";
}

} // namespace
