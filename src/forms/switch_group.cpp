#include "forms/switch_group.h"

#include <QComboBox>
#include <QFormLayout>

namespace {
enum DayKind { DayOfMonth = 0, WeekdayInMonth = 1 };
} // namespace

SwitchGroup::SwitchGroup(Season season, const SwitchChoice& choice, QWidget* parent)
    : QGroupBox(season == Season::Summer ? QStringLiteral(" Переход на летнее время ")
                                         : QStringLiteral(" Переход на зимнее время "),
                parent),
      season_(season)
{
    setObjectName(season == Season::Summer ? QStringLiteral("summer") : QStringLiteral("winter"));
    new QFormLayout(this);
    month_ = addList(QStringLiteral("Месяц перехода"), switchMonthItems(season), choice.month, QStringLiteral("month"));
    dayKind_ = addList(QStringLiteral("Способ задания дня перехода"),
                       {QStringLiteral("День месяца (число)"), QStringLiteral("День недели в месяце")},
                       choice.byWeekday ? WeekdayInMonth : DayOfMonth, QStringLiteral("dayKind"));
    day_ = addList(QStringLiteral("День в месяце"), switchDayItems(season, choice.month), choice.day,
                   QStringLiteral("day"));
    week_ = addList(QStringLiteral("Номер \"дня недели\" в месяце"), switchWeekItems(), choice.week,
                    QStringLiteral("week"));
    weekday_ = addList(QStringLiteral("День недели"), weekdayItems(), choice.weekday, QStringLiteral("weekday"));
    hour_ = addList(QStringLiteral("Час перехода"), switchHourItems(season), choice.hour, QStringLiteral("hour"));
    connect(month_, &QComboBox::currentIndexChanged, this, &SwitchGroup::monthChosen);
    connect(dayKind_, &QComboBox::currentIndexChanged, this, &SwitchGroup::showFields);
    showFields();
}

QComboBox* SwitchGroup::addList(const QString& label, const QStringList& items, int selected, const QString& name)
{
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->addItems(items);
    // A stored value no item stands for shows no selection.
    list->setCurrentIndex(selected >= 0 && selected < list->count() ? selected : -1);
    static_cast<QFormLayout*>(layout())->addRow(label, list);
    return list;
}

SwitchChoice SwitchGroup::choice() const
{
    return {month_->currentIndex(),   dayKind_->currentIndex() == WeekdayInMonth,
            day_->currentIndex(),     week_->currentIndex(),
            weekday_->currentIndex(), hour_->currentIndex()};
}

// Another month has another length: the day stays chosen when the month has it.
void SwitchGroup::monthChosen()
{
    const int day = day_->currentIndex();
    day_->clear();
    day_->addItems(switchDayItems(season_, month_->currentIndex()));
    day_->setCurrentIndex(day < day_->count() ? day : -1);
    showFields();
}

void SwitchGroup::showFields()
{
    auto* form = static_cast<QFormLayout*>(layout());
    const bool switches = month_->currentIndex() > 0;
    const bool byWeekday = dayKind_->currentIndex() == WeekdayInMonth;
    form->setRowVisible(dayKind_, switches);
    form->setRowVisible(day_, switches && !byWeekday);
    form->setRowVisible(week_, switches && byWeekday);
    form->setRowVisible(weekday_, switches && byWeekday);
    form->setRowVisible(hour_, switches);
}
