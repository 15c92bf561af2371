#include "forms/tformexcrep_date.h"

#include "base/operator.h"
#include "base/save_report.h"
#include "forms/tformobject.h"
#include "forms/tformobjects_list.h"
#include "reports/spreadsheet_report_date.h"
#include "settings/object_list_editing.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int centuryBase = 2000;
constexpr int lastYear = centuryBase + 255; // the year byte's reach
} // namespace

TFormExcRep_Date::TFormExcRep_Date(SpreadsheetReportKind kind, const ArchiveBounds& dayArchive, ObjectList& objects,
                                   QString objectsFile, Operator& person, QWidget* parent)
    : QDialog(parent), kind_(kind), dayArchive_(dayArchive), objects_(objects), objectsFile_(std::move(objectsFile)),
      person_(person)
{
    setWindowTitle(reportDateCaption(kind));
    setFixedSize(480, kind == SpreadsheetReportKind::Day ? 323 : 283);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildObjectRow());
    layout->addWidget(new QLabel(oldestDayRecordText(dayArchive), this));
    layout->addWidget(new QLabel(newestDayRecordText(dayArchive), this));
    buildDateRows(layout, initialReportDate(dayArchive));
    layout->addStretch();
    layout->addLayout(buildButtons());
    fillObjects();
}

QLayout* TFormExcRep_Date::buildObjectRow()
{
    object_ = new QComboBox(this);
    object_->setObjectName(QStringLiteral("object"));
    connect(object_, &QComboBox::activated, this, &TFormExcRep_Date::chooseObject);
    auto* listButton = new QPushButton(QStringLiteral("Список объектов"), this);
    connect(listButton, &QPushButton::clicked, this, &TFormExcRep_Date::editObjectList);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Объект"), this));
    row->addWidget(object_, 1);
    row->addWidget(listButton);
    return row;
}

void TFormExcRep_Date::buildDateRows(QBoxLayout* layout, const DateStamp& initial)
{
    year_ = new QSpinBox(this);
    year_->setObjectName(QStringLiteral("year"));
    year_->setRange(centuryBase, lastYear);
    year_->setValue(centuryBase + initial.year);
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("month"));
    month_->addItems(nominativeMonthNames());
    month_->setCurrentIndex(initial.month - 1);
    day_ = new QComboBox(this);
    day_->setObjectName(QStringLiteral("day"));
    layout->addWidget(buildDateRow(QStringLiteral("Год"), year_));
    layout->addWidget(buildDateRow(QStringLiteral("Месяц"), month_));
    QWidget* dayRow = buildDateRow(QStringLiteral("День"), day_);
    layout->addWidget(dayRow);
    // A month report takes the whole month: no day is asked for.
    dayRow->setHidden(kind_ == SpreadsheetReportKind::Month);
    fillDays();
    day_->setCurrentIndex(initial.day - 1);
    connect(year_, &QSpinBox::valueChanged, this, &TFormExcRep_Date::fillDays);
    connect(month_, &QComboBox::currentIndexChanged, this, &TFormExcRep_Date::fillDays);
}

QLayout* TFormExcRep_Date::buildButtons()
{
    auto* accept = new QPushButton(QStringLiteral("Принять"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    connect(accept, &QPushButton::clicked, this, &TFormExcRep_Date::acceptChoice);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    return buttons;
}

QWidget* TFormExcRep_Date::buildDateRow(const QString& label, QWidget* field)
{
    auto* row = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(new QLabel(label, row));
    rowLayout->addWidget(field);
    rowLayout->addStretch();
    return row;
}

void TFormExcRep_Date::fillObjects()
{
    object_->clear();
    object_->addItems(objectChoices(objects_));
    object_->setCurrentIndex(objects_.selectedObject() ? objects_.selected : -1);
}

void TFormExcRep_Date::chooseObject(int index)
{
    if (index < objects_.objects.size()) {
        objects_.selected = index;
        return;
    }
    MeteringObject object;
    TFormObject editor(object, person_, this);
    if (editor.exec() == QDialog::Accepted && appendObject(objects_, object))
        reportSaveFailure(person_, saveObjectList(objectsFile_, objects_));
    fillObjects();
}

void TFormExcRep_Date::editObjectList()
{
    TFormObjects_List list(objects_, objectsFile_, person_, this);
    list.exec();
    fillObjects();
}

void TFormExcRep_Date::fillDays()
{
    const DateStamp date = dayWithinMonth(shownDate());
    const QSignalBlocker quiet(day_);
    day_->clear();
    for (int day = 1; day <= daysInDateMonth(date); ++day)
        day_->addItem(QString::number(day));
    day_->setCurrentIndex(date.day - 1);
}

DateStamp TFormExcRep_Date::shownDate() const
{
    return {year_->value() - centuryBase, month_->currentIndex() + 1, day_->currentIndex() + 1};
}

void TFormExcRep_Date::acceptChoice()
{
    const int index = object_->currentIndex();
    const bool objectChosen = index >= 0 && index < objects_.objects.size();
    const DateStamp date = shownDate();
    const InputCheck problem = checkReportChoice(kind_, objectChosen, date, dayArchive_);
    if (problem) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        return;
    }
    objects_.selected = index;
    choice_ = {objects_.objects[index].name, reportDate(kind_, date)};
    accept();
}
