#pragma once

#include "forms/archive_viewer.h"
#include "gas/report_settings.h"
#include "settings/work_directory.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <QDateTime>
#include <gtest/gtest.h>

// What an archive viewer works with in a test: the default presentation, a
// working directory of its own, a scripted operator and the PC's clock at a
// fixed moment.
class ViewerFixture : public ::testing::Test {
protected:
    void SetUp() override { directory.ensureFolders(); }
    ArchiveViewerContext context()
    {
        return {settings, directory, person, [] { return QDateTime(QDate(2026, 12, 9), QTime(14, 0)); }};
    }

    const ReportSettings settings = ReportSettings::fromBytes({});
    TempWorkdir dir;
    WorkDirectory directory{dir.path()};
    ScriptedOperator person;
};
