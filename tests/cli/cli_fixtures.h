#pragma once

#include "sim/sim_server.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <memory>

// gqc_cli run as a process in a working directory of its own.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString errors;
};

class GqcCli : public ::testing::Test {
protected:
    QProcess* start(const QStringList& arguments)
    {
        process.setProgram(QStringLiteral(GQC_CLI_PATH));
        process.setArguments(QStringList{QStringLiteral("--workdir"), workdir.path()} + arguments);
        process.start();
        return &process;
    }
    CliRun finish()
    {
        EXPECT_TRUE(process.waitForFinished(20000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    CliRun run(const QStringList& arguments)
    {
        start(arguments);
        return finish();
    }

    TempWorkdir workdir;
    QProcess process;
};

// The simulated controller on a pseudo-terminal: a serial line for gqc_cli.
class GqcCliWithSimulator : public GqcCli {
protected:
    void SetUp() override
    {
        SimServerOptions options;
        options.pty = true;
        server = std::make_unique<SimServer>(options);
        QString error;
        ASSERT_TRUE(server->start(&error)) << error.toStdString();
    }
    CliRun runOnSimulator(const QStringList& arguments)
    {
        return run(QStringList{QStringLiteral("--serial"), server->ptyPath()} + arguments);
    }

    std::unique_ptr<SimServer> server;
};
