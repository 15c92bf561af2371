#include "reports/organisation_title.h"
#include "settings/work_directory.h"
#include "support/temp_workdir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class OrganisationTitleFile : public ::testing::Test {
protected:
    TempWorkdir workdir;
    QString path = workdir.file(QStringLiteral("INI/title.ini"));

    void SetUp() override { workdir.write(QStringLiteral("INI/gqc.ini"), {}); }
};

} // namespace

TEST_F(OrganisationTitleFile, AMissingFileGivesAnEmptyName)
{
    EXPECT_EQ(OrganisationTitle::read(path), QString());
}

TEST_F(OrganisationTitleFile, EnteringANameCreatesTheFileOfFortyBytes)
{
    const SaveResult saved = OrganisationTitle::store(path, QStringLiteral("ПАО Газ"), {});
    EXPECT_EQ(saved.status, SaveStatus::Saved);
    const QByteArray bytes = workdir.read(QStringLiteral("INI/title.ini"));
    EXPECT_EQ(bytes, QByteArray("\xcf\xc0\xce \xc3\xe0\xe7") + QByteArray(33, '\0')) << "Windows-1251, zero-padded";
    EXPECT_EQ(OrganisationTitle::read(path), "ПАО Газ");
}

TEST_F(OrganisationTitleFile, TheSameNameOrNoNameWhereThereWasNoneIsNotWritten)
{
    EXPECT_EQ(OrganisationTitle::store(path, {}, {}).status, SaveStatus::Unchanged);
    EXPECT_FALSE(QFileInfo::exists(path));
    workdir.write(QStringLiteral("INI/title.ini"), "Old" + QByteArray(37, '\0'));
    EXPECT_EQ(OrganisationTitle::store(path, QStringLiteral("Old"), OrganisationTitle::read(path)).status,
              SaveStatus::Unchanged);
}

TEST_F(OrganisationTitleFile, ANameIsCutToFortyCharacters)
{
    const QString long50 = QString(50, QLatin1Char('x'));
    ASSERT_FALSE(OrganisationTitle::store(path, long50, {}).failed());
    EXPECT_EQ(workdir.read(QStringLiteral("INI/title.ini")), QByteArray(40, 'x'));
    EXPECT_EQ(OrganisationTitle::bounded(long50).size(), 40);
}

TEST(OrganisationTitle, LivesInTheIniFolder)
{
    EXPECT_TRUE(OrganisationTitle::filePath(WorkDirectory(QStringLiteral("/w"))).endsWith("/INI/title.ini"));
}
