#include "forms/tformchromerror.h"

#include "forms/table_dialog_parts.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int DialogWidth = 450;
constexpr int LineHeight = 15;
constexpr int PanelMargin = 8;

// The panel's title above, then the heading and one line per text, each 15 pixels high.
QGroupBox* panelBox(const ChromStatusPanel& panel, const QString& name, QWidget* parent)
{
    auto* box = new QGroupBox(panel.title, parent);
    box->setObjectName(name);
    auto* lines = new QVBoxLayout(box);
    lines->setSpacing(0);
    lines->setContentsMargins(PanelMargin, PanelMargin / 2, PanelMargin, PanelMargin / 2);
    const QStringList texts = QStringList{panel.heading} + panel.lines;
    for (const QString& text : texts) {
        auto* label = new QLabel(text, box);
        label->setFixedHeight(LineHeight);
        lines->addWidget(label);
    }
    box->setMinimumHeight(static_cast<int>(texts.size()) * LineHeight + PanelMargin);
    return box;
}

} // namespace

TFormChromError::TFormChromError(ChromStatusMode mode, std::uint8_t flags, std::uint16_t statusWord, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Признаки наличия нештатных ситуаций, связанных с работой хроматографа"));
    setFixedWidth(DialogWidth);
    const ChromStatusTexts texts = chromStatusTexts(mode, flags, statusWord);
    auto* layout = new QVBoxLayout(this);
    if (texts.controller)
        layout->addWidget(panelBox(*texts.controller, QStringLiteral("controllerPanel"), this));
    if (texts.chromatograph)
        layout->addWidget(panelBox(*texts.chromatograph, QStringLiteral("chromatographPanel"), this));
    layout->addLayout(closeRow(*this));
}
