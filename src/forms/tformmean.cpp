#include "forms/tformmean.h"

#include "archives/controller_state.h"
#include "forms/table_dialog_parts.h"

#include <QLabel>
#include <QVBoxLayout>

TFormMean::TFormMean(std::uint8_t fractionKind, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Условные обозначения, принятые в программе"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    auto* lines = new QLabel(legendLines(fractionKind).join(QLatin1Char('\n')), this);
    lines->setObjectName(QStringLiteral("legend"));
    layout->addWidget(lines);
    layout->addLayout(closeRow(*this));
    resize(422, 540);
}
