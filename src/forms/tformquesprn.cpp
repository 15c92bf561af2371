#include "forms/tformquesprn.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormQuesPrn::TFormQuesPrn(const QStringList& lines, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Данные в отчете"));
    auto* layout = new QVBoxLayout(this);
    for (const QString& line : lines) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const QString& text, ReportWindows::Choice choice) {
        auto* button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, [this, choice] { choose(choice); });
        buttons->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("Выход"), ReportWindows::Choice::Exit);
    addButton(QStringLiteral("Печать"), ReportWindows::Choice::Print);
    QPushButton* preview = addButton(QStringLiteral("Просмотр"), ReportWindows::Choice::Preview);
    preview->setDefault(true);
    preview->setFocus();
    layout->addLayout(buttons);
}

void TFormQuesPrn::choose(ReportWindows::Choice choice)
{
    choice_ = choice;
    accept();
}
