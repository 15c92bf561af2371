#include "archives/archive_file_builder.h"
#include "archives/archive_grid_model.h"
#include "archives/record_bytes.h"
#include "charts/trend_chart_view.h"
#include "forms/trend_window.h"
#include "tables/config_file.h"
#include "viewer_fixture.h"

#include <QChart>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

namespace {

using RecordBytes::bytes;

class TrendWindowTest : public ViewerFixture {
protected:
    TrendWindowTest()
        : table(ArchiveTable::of(
              archiveFile(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 0, 0}), 0),
                                                         RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 0}), 0x10)}),
              settings)),
          values(*table, ArchiveGridModel::Side::Values)
    {
    }
    QPushButton* button(const TrendWindow& window, const QString& text)
    {
        for (QPushButton* found : window.findChildren<QPushButton*>())
            if (found->text() == text)
                return found;
        return nullptr;
    }
    int seriesShown(TrendWindow& window) { return static_cast<int>(window.chartView().chart()->series().size()); }

    std::unique_ptr<ArchiveTable> table;
    ArchiveGridModel values;
};

} // namespace

TEST_F(TrendWindowTest, TheCheckedParametersAreDrawnTheFirstAtOnce)
{
    TrendWindow window(values, table->caption(), {person, directory, {}});
    ASSERT_EQ(window.parameterList().count(), 19);
    EXPECT_EQ(window.parameterList().item(8)->text(), "МД метана, %");
    EXPECT_EQ(seriesShown(window), 2) << "the first parameter's line and its substitute";
    window.parameterList().item(8)->setCheckState(Qt::Checked);
    EXPECT_EQ(seriesShown(window), 4);
    window.parameterList().item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(window.chartView().chart()->series().at(0)->name(), "МД метана, %");
    EXPECT_FALSE(button(window, QStringLiteral("Уставки контроллера"))->isEnabled()) << "not connected";
}

TEST_F(TrendWindowTest, SetPointsComeFromTheControllerOrAConfigurationFile)
{
    int reads = 0;
    TrendWindow window(values, table->caption(), {person, directory, [&] {
                                                      ++reads;
                                                      return std::optional(GasSetPointLevels::of(ConfigRecord()));
                                                  }});
    window.parameterList().item(0)->setCheckState(Qt::Unchecked);
    window.parameterList().item(8)->setCheckState(Qt::Checked);
    EXPECT_EQ(reads, 0) << "the controller is asked only on the button";
    button(window, QStringLiteral("Уставки контроллера"))->click();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(seriesShown(window), 2 + 4);
    window.findChild<QCheckBox*>()->setChecked(false);
    EXPECT_EQ(seriesShown(window), 2);

    dir.write(QStringLiteral("CONFIG/station.cnf"), ConfigFile::bytes(ConfigRecord()));
    person.chooseFileName(dir.file(QStringLiteral("CONFIG/station.cnf")));
    button(window, QStringLiteral("Уставки из файла..."))->click();
    EXPECT_EQ(seriesShown(window), 2 + 4);
    EXPECT_TRUE(window.findChild<QCheckBox*>()->isChecked());
}

TEST_F(TrendWindowTest, TheChartIsSavedWhereTheOperatorSays)
{
    TrendWindow window(values, table->caption(), {person, directory, {}});
    person.chooseFileName(dir.file(QStringLiteral("trend.pdf")));
    button(window, QStringLiteral("Сохранить график"))->click();
    EXPECT_TRUE(dir.read(QStringLiteral("trend.pdf")).startsWith("%PDF-"));
}
