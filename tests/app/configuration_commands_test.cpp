#include "app/configuration_commands.h"
#include "settings/work_directory.h"
#include "support/failing_saves.h"
#include "support/simulated_link.h"
#include "support/temp_workdir.h"
#include "tables/config_file.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QDateTime PcNow(QDate(2026, 12, 9), QTime(14, 7, 30));

// The configuration editor: accepts with `change` applied, or cancels.
class ScriptedEditor : public ConfigurationWindows {
public:
    std::function<void(ConfigRecord&)> change = [](ConfigRecord&) {};
    bool accept = true;
    std::optional<ConfigRecord> opened;

    bool editConfiguration(ConfigRecord& record, ConfigEditing editing) override
    {
        EXPECT_FALSE(editing.restoring);
        opened = record;
        change(record);
        return accept;
    }
    bool rebuildUserTable(std::span<std::uint8_t>) override { return false; }
};

class ConfigurationFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(link.up());
        QDir(dir.path()).mkpath(QStringLiteral("CONFIG"));
    }
    ConfigurationCommands commands()
    {
        return {directory, link.context(), editor, [] { return PcNow; }};
    }
    ScriptedOperator& person() { return link.person; }
    QStringList messages()
    {
        QStringList texts;
        for (const auto& message : person().messages())
            texts << message.line1 + " / " + message.line2;
        return texts;
    }
    QString configFile(const QString& name) { return dir.path() + "/CONFIG/" + name; }

    SimulatedLink link{[] {
        SimControllerOptions controller;
        controller.flowComputers = 3;
        return controller;
    }()};
    TempWorkdir dir;
    WorkDirectory directory{dir.path()};
    ScriptedEditor editor;
};

TEST_F(ConfigurationFiles, ANewConfigurationAcceptedUnchangedIsOfferedForSavingUnderItsProposedName)
{
    const QString proposed = configFile("gqc_04--2612091407.cnf");
    person().chooseFileName(proposed);
    commands().createNew();
    ASSERT_EQ(person().fileChoices().size(), 1);
    const FileChoice& choice = person().fileChoices()[0];
    EXPECT_EQ(choice.mode, FileChoice::Mode::Save);
    EXPECT_EQ(choice.title, "Выбор файла для записи параметров конфигурации");
    EXPECT_EQ(choice.directory, dir.path() + "/CONFIG");
    EXPECT_EQ(choice.proposedName, "gqc_04--2612091407.cnf");
    EXPECT_EQ(dir.read("CONFIG/gqc_04--2612091407.cnf"), ConfigFile::bytes(ConfigRecord()));
    EXPECT_EQ(messages(), QStringList{"Параметры конфигурации / сохранены в файле gqc_04--2612091407.cnf"});
}

TEST_F(ConfigurationFiles, ACancelledEditorSavesNothing)
{
    editor.accept = false;
    commands().createNew();
    EXPECT_TRUE(person().fileChoices().isEmpty());
}

TEST_F(ConfigurationFiles, ALoadedConfigurationIsOfferedForSavingOnlyWhenChanged)
{
    ConfigRecord record;
    record.setName(QStringLiteral("ГРС"));
    dir.write("CONFIG/a.cnf", ConfigFile::bytes(record));

    person().chooseFileName(configFile("a.cnf"));
    commands().viewFile();
    ASSERT_TRUE(editor.opened);
    EXPECT_EQ(*editor.opened, record);
    EXPECT_EQ(person().fileChoices().size(), 1) << "the open dialog only";
    EXPECT_EQ(person().fileChoices()[0].title, "Выбор файла с параметрами конфигурации");

    editor.change = [](ConfigRecord& r) { r.setName(QStringLiteral("ГРС-2")); };
    person().chooseFileName(configFile("a.cnf"));
    person().chooseFileName(configFile("b"));
    commands().viewFile();
    ASSERT_EQ(person().fileChoices().size(), 3);
    EXPECT_EQ(person().fileChoices()[2].proposedName, "gqc_04-ГРС-2-2612091407.cnf");
    const auto parsed = ConfigFile::parse(dir.read("CONFIG/b.cnf"), "b.cnf");
    ASSERT_TRUE(std::holds_alternative<ConfigRecord>(parsed)) << "the extension is added";
    EXPECT_EQ(std::get<ConfigRecord>(parsed).name(), "ГРС-2");
}

TEST_F(ConfigurationFiles, AnExistingFileIsReplacedOnlyWhenTheOperatorAgrees)
{
    dir.write("CONFIG/old.cnf", "kept");
    person().chooseFileName(configFile("old"));
    person().answerNo();
    person().chooseFileName(configFile("old.cnf"));
    person().answerYes();
    commands().createNew();
    EXPECT_EQ(person().fileChoices().size(), 2) << "the dialog comes again after a no";
    EXPECT_EQ(messages().mid(0, 2), (QStringList{"Файл old.cnf уже есть. / Вы хотите заменить существующий файл?",
                                                 "Файл old.cnf уже есть. / Вы хотите заменить существующий файл?"}));
    EXPECT_EQ(dir.read("CONFIG/old.cnf").size(), 2601);
}

TEST_F(ConfigurationFiles, ASaveThatFailsKeepsTheOldFileAndSaysSo)
{
    dir.write("CONFIG/old.cnf", "kept");
    const FailingSaves failing(SaveFault{});
    person().chooseFileName(configFile("old.cnf"));
    person().answerYes();
    commands().createNew();
    EXPECT_EQ(dir.read("CONFIG/old.cnf"), "kept");
    EXPECT_EQ(messages().last(), "Ошибка записи файла / " + QDir::toNativeSeparators(configFile("old.cnf")));
}

TEST_F(ConfigurationFiles, AFileThatIsNotAConfigurationIsToldAndNotOpened)
{
    QByteArray otherVersion = ConfigFile::bytes(ConfigRecord());
    otherVersion[4] = 14;
    dir.write("CONFIG/v14.cnf", otherVersion);
    person().chooseFileName(configFile("v14.cnf"));
    person().chooseFileName(configFile("missing.cnf"));
    commands().viewFile();
    commands().viewFile();
    EXPECT_FALSE(editor.opened);
    EXPECT_EQ(messages(),
              (QStringList{"Файл параметров конфигурации v14.cnf подготовлен / для контроллера ККГ с версией ПО 14",
                           "Ошибка открытия файла / "}));
}

TEST_F(ConfigurationFiles, TheControllersConfigurationIsReadWholeAndSavedWithBlankPasswords)
{
    ASSERT_TRUE(link.layer.readFields({0, 0, 18}));
    person().chooseFileName(configFile("ctl.cnf"));
    commands().saveFromController();
    EXPECT_EQ(person().progressMode(), WaitMode::ReadingConfiguration);
    const QByteArray bytes = dir.read("CONFIG/ctl.cnf");
    const auto parsed = ConfigFile::parse(bytes, "ctl.cnf");
    ASSERT_TRUE(std::holds_alternative<ConfigRecord>(parsed)) << messages().join('\n').toStdString();
    const ConfigRecord& record = std::get<ConfigRecord>(parsed);
    EXPECT_TRUE(record.readFromController());
    EXPECT_EQ(record.name(), "ГРС Северная");
    ASSERT_EQ(record.flowComputers().size(), 3u);
    EXPECT_EQ(record.flowComputers()[2].address, 3);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(bytes.mid(403 + 20 * i, 16), QByteArray(16, static_cast<char>(4 - ' '))) << i;
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(record.table(29).data()), 28), link.server().table(29));
}

TEST_F(ConfigurationFiles, AFailedReadOffersNoFile)
{
    link.setFaults(QStringLiteral("code 1 error 9"));
    commands().saveFromController();
    EXPECT_TRUE(person().fileChoices().isEmpty());
    EXPECT_EQ(messages().last(), "Параметры конфигурации не прочитаны / ");
}

} // namespace
