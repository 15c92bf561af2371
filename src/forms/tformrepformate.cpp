#include "forms/tformrepformate.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 642;
constexpr int DialogHeight = 352;
constexpr int ColumnFields = 3;

QLabel* centred(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

TFormRepFormate::TFormRepFormate(ReportTexts& texts, ReportTextsPanel panel, QWidget* parent)
    : QDialog(parent), texts_(texts), panel_(panel), places_(ReportTexts::panelFields(panel))
{
    const bool certificate = panel == ReportTextsPanel::Certificate;
    for (qsizetype index = 0; index < places_.size(); ++index)
        fields_ << newField(index);
    setWindowTitle(certificate ? QStringLiteral("Формат суточного сертификата")
                               : QStringLiteral("Формат суточного паспорта"));
    resize(DialogWidth, DialogHeight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(centred(QStringLiteral("Контроллер << имя >>  (адрес    )"), this));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    if (certificate) {
        layout->addWidget(centred(QStringLiteral("СУТОЧНЫЙ  СЕРТИФИКАТ"), this));
        for (int line = 0; line < ReportTexts::HeadingLines; ++line)
            layout->addWidget(fields_[line]);
        layout->addWidget(new QLabel(QStringLiteral("Данные отчета..."), this));
        left->addWidget(centred(QStringLiteral("Представитель"), this));
        left->addWidget(fields_[ReportTexts::HeadingLines]);
        right->addWidget(centred(QStringLiteral("Представитель"), this));
        right->addWidget(fields_[ReportTexts::HeadingLines + 1]);
    } else {
        layout->addWidget(centred(QStringLiteral("СУТОЧНЫЙ  ПАСПОРТ"), this));
        layout->addWidget(centred(QStringLiteral("физико-химических показателей природного газа"), this));
        layout->addWidget(centred(QStringLiteral("За ______________________"), this));
        layout->addWidget(centred(QStringLiteral("с _______________     по ________________"), this));
        layout->addWidget(new QLabel(QStringLiteral("Данные отчета..."), this));
        for (int line = 0; line < ColumnFields; ++line) {
            left->addWidget(fields_[line]);
            right->addWidget(fields_[line + ColumnFields]);
        }
    }
    layout->addLayout(columns);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    accept_ = new QPushButton(QStringLiteral("Принять"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    connect(accept_, &QPushButton::clicked, this, &TFormRepFormate::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(accept_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

QLineEdit* TFormRepFormate::newField(qsizetype index)
{
    const ReportTextField& place = places_[index];
    auto* edit = new QLineEdit(texts_.fieldText(place), this);
    edit->setObjectName(QStringLiteral("field%1").arg(index));
    edit->setMaxLength(place.maxLength());
    edit->installEventFilter(this);
    return edit;
}

bool TFormRepFormate::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const qsizetype index = fields_.indexOf(qobject_cast<QLineEdit*>(watched));
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && index >= 0) {
            if (index + 1 < fields_.size())
                fields_[index + 1]->setFocus();
            else
                accept_->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormRepFormate::store()
{
    QStringList texts;
    for (const QLineEdit* edit : fields_)
        texts << edit->text();
    texts_.storePanel(panel_, texts);
    accept();
}
