#include "forms/tformdt.h"

#include "base/operator.h"
#include "tables/clock_comparison.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* valueLabel(const QString& name, const QString& text, bool red, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    if (red) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(palette);
    }
    return label;
}

} // namespace

TFormDt::TFormDt(QByteArrayView table2, QByteArrayView table6, const QDateTime& pcNow, Operator& person,
                 QWidget* parent)
    : QDialog(parent), person_(person)
{
    setWindowTitle(QStringLiteral("Текущие дата и время"));
    setFixedSize(540, 196);
    const ClockComparison clocks = compareClocks(table2, table6, pcNow);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("В контроллере"), this), 0, 0, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("В ЭВМ"), this), 0, 1, Qt::AlignCenter);
    const struct {
        const char* name;
        QString ClockColumn::*text;
        bool differs;
    } rows[] = {{"Date", &ClockColumn::date, clocks.differs.date},
                {"Time", &ClockColumn::time, clocks.differs.time},
                {"Day", &ClockColumn::dayName, clocks.differs.dayName},
                {"TimeType", &ClockColumn::timeType, clocks.differs.timeType}};
    int line = 1;
    for (const auto& row : rows) {
        const QString name = QString::fromLatin1(row.name);
        grid->addWidget(valueLabel("controller" + name, clocks.controller.*row.text, row.differs, this), line, 0);
        grid->addWidget(valueLabel("pc" + name, clocks.pc.*row.text, false, this), line, 1);
        ++line;
    }

    auto* correct = new QPushButton(QStringLiteral("Скорректировать в устройстве"), this);
    correct->setEnabled(!clocks.sameSecond);
    auto* leave = new QPushButton(QStringLiteral("Выход"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(correct);
    buttons->addWidget(leave);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(correct, &QPushButton::clicked, this, [this, seconds = clocks.correction] { confirmCorrection(seconds); });
    connect(leave, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormDt::confirmCorrection(std::int16_t seconds)
{
    hide();
    if (!person_.message(MessageKind::Question,
                         QStringLiteral("Вы уверены, что часы ЭВМ показывают правильное время?"))) {
        reject();
        return;
    }
    correction_ = seconds;
    accept();
}
