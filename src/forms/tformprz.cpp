#include "forms/tformprz.h"

#include "app/current_data_reads.h"
#include "archives/controller_state.h"
#include "forms/coloured_label.h"
#include "forms/live_refresh.h"
#include "forms/tformmom.h"
#include "forms/tformmomwmt.h"
#include "forms/tformvichinf.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString StopText = QStringLiteral("Не обновлять данные");
const QString ResumeText = QStringLiteral("Обновлять данные");

struct FlagRow {
    const char* caption;
    int byte;
};

// The moisture meter's row shows byte 8, which the controller keeps for the
// moisture meter's polling as byte 7 is kept for the chromatograph's.
constexpr std::array<FlagRow, 5> FlagRows = {{
    {"Нештатные ситуации, связанные с обменом \nс вычислителями РГ", AbnormalFlags::FlowComputers},
    {"Нештатные ситуации, связанные с опросом хроматографа", AbnormalFlags::Chromatograph},
    {"Нештатные ситуации, связанные с опросом влагомера", AbnormalFlags::MoistureMeter},
    {"Нештатные ситуации, связанные с самодиагностикой", AbnormalFlags::SelfDiagnostics},
    {"Наличие нештатного значения контролируемых величин", AbnormalFlags::AbnormalValue},
}};

QString flagName(int byte)
{
    return QStringLiteral("flag%1").arg(byte);
}

QString linkName(int record)
{
    return QStringLiteral("link%1").arg(record);
}

} // namespace

TFormPrz::TFormPrz(RequestContext context, TableStateSet& states, Setting setting, QWidget* parent)
    : QDialog(parent), context_(context), states_(states), setting_(std::move(setting)),
      refresh_(new LiveRefresh(*this, [this] { tick(); }))
{
    setWindowTitle(QStringLiteral("Текущее состояние контроллера"));
    addRows();
    addButtons();
    resize(532, 544);
}

void TFormPrz::addRows()
{
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& caption, const QString& name, bool enabled) {
        auto* label = new QLabel(caption, this);
        auto* cell = new QLabel(this);
        cell->setObjectName(name);
        cell->setFrameShape(QFrame::Panel);
        cell->setFrameShadow(QFrame::Sunken);
        label->setEnabled(enabled);
        cell->setEnabled(enabled);
        grid->addWidget(label, row, 0);
        grid->addWidget(cell, row, 1);
        cells_[name] = cell;
        ++row;
    };
    const bool moistureMeter = context_.moistureMeter != 0;
    addRow(QStringLiteral("Дата и время последнего изменения\nпризнаков нештатных ситуаций"),
           QStringLiteral("changeTime"), true);
    for (const FlagRow& flag : FlagRows)
        addRow(QString::fromUtf8(flag.caption), flagName(flag.byte),
               moistureMeter || flag.byte != AbnormalFlags::MoistureMeter);
    addRow(QStringLiteral("Наличие связи с хроматографом"), linkName(0), true);
    addRow(QStringLiteral("Наличие связи с влагомером"), linkName(1), moistureMeter);
    layout->addLayout(grid);
}

void TFormPrz::addButtons()
{
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addButton = [&](const QString& caption, const QString& name, bool enabled, auto action) {
        auto* label = new QLabel(caption, this);
        auto* button = new QPushButton(QStringLiteral("Просмотр"), this);
        button->setObjectName(name);
        label->setEnabled(enabled);
        button->setEnabled(enabled);
        grid->addWidget(label, row, 0);
        grid->addWidget(button, row, 1);
        ++row;
        connect(button, &QPushButton::clicked, this, action);
        return button;
    };
    const bool moistureMeter = context_.moistureMeter != 0;
    lockedButtons_.push_back(addButton(
        QStringLiteral("Мгновенные данные хроматографа, зоны параметров газа"), QStringLiteral("chromatographData"),
        true,
        [this] { withRefreshPaused([this] { TFormMom(context_, setting_.report, setting_.slotMap, this).exec(); }); }));
    addButton(QStringLiteral("Мгновенные данные влагомера"), QStringLiteral("moistureData"), moistureMeter, [this] {
        withRefreshPaused([this] { TFormMomWmt(context_, setting_.moistureMeterType, this).exec(); });
    });
    lockedButtons_.push_back(addButton(QStringLiteral("Состояние таблиц параметров конфигурации"),
                                       QStringLiteral("selfDiagnostics"), true, [this] { readTableStates(); }));
    lockedButtons_.push_back(addButton(QStringLiteral("Состояние процесса записи параметров в вычислители"),
                                       QStringLiteral("flowComputers"), true, [this] { showFlowComputers(); }));
    layout->addLayout(grid);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    toggle_ = new QPushButton(StopText, this);
    toggle_->setObjectName(QStringLiteral("toggle"));
    auto* exit = new QPushButton(QStringLiteral("Выход"), this);
    exit->setObjectName(QStringLiteral("exit"));
    lockedButtons_.push_back(exit);
    buttons->addWidget(toggle_);
    buttons->addStretch();
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(toggle_, &QPushButton::clicked, this, &TFormPrz::toggleUpdating);
    connect(exit, &QPushButton::clicked, this, &TFormPrz::reject);
}

void TFormPrz::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    tableStatesRequested_ = false;
    toggle_->setText(StopText);
    refresh_->start();
}

void TFormPrz::reject()
{
    if (refresh_->closeNow())
        QDialog::reject();
}

void TFormPrz::tick()
{
    CurrentDataReads reads(context_);
    if (reads.readAbnormalFlags()) {
        const auto flags = context_.image.table(16);
        cells_[QStringLiteral("changeTime")]->setText(AbnormalFlags::changeTime(flags));
        for (const FlagRow& flag : FlagRows) {
            if (flag.byte != AbnormalFlags::MoistureMeter || context_.moistureMeter != 0)
                showColoured(*cells_[flagName(flag.byte)], flagCell(flags[static_cast<std::size_t>(flag.byte)]));
        }
    }
    if (!refresh_->proceed() || !reads.readLinks())
        return;
    const auto links = context_.image.table(33);
    showColoured(*cells_[linkName(0)], linkCell(links[0]));
    if (context_.moistureMeter != 0)
        showColoured(*cells_[linkName(1)], linkCell(links[1]));
}

void TFormPrz::toggleUpdating()
{
    const bool on = !refresh_->updating();
    refresh_->setUpdating(on);
    toggle_->setText(on ? StopText : ResumeText);
}

void TFormPrz::withRefreshPaused(const std::function<void()>& action)
{
    refresh_->pause();
    for (QPushButton* button : lockedButtons_)
        button->setEnabled(false);
    action();
    for (QPushButton* button : lockedButtons_)
        button->setEnabled(true);
    refresh_->resume();
}

void TFormPrz::readTableStates()
{
    bool read = false;
    withRefreshPaused([&] {
        read = CurrentDataReads(context_).readTableStates();
        setting_.startMessageTimer();
    });
    if (!read)
        return;
    states_ = TableStateSet(DestroyedTables(context_.image.table(7)));
    tableStatesRequested_ = true;
    reject();
}

void TFormPrz::showFlowComputers()
{
    withRefreshPaused([this] {
        const auto exchange = CurrentDataReads(context_).flowComputers();
        setting_.startMessageTimer();
        if (exchange)
            TFormVichInf(*exchange, this).exec();
    });
}
