#include "forms/tformmessage.h"

#include "base/message_dialog.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int lineLeft = 7;
constexpr int firstLineTop = 12;
constexpr int lineSpacing = 26;
constexpr int buttonHeight = 25;
constexpr int buttonBottomMargin = 12;
} // namespace

TFormMessage::TFormMessage(MessageKind kind, const QString& line1, const QString& line2, QWidget* parent)
    : QDialog(parent)
{
    const MessageDialogContent content = messageDialogContent(kind, line1, line2);
    setWindowTitle(content.caption);
    setFixedSize(content.width, content.height);

    int top = firstLineTop;
    for (const QString& text : content.lines) {
        auto* line = new QLabel(text, this);
        line->setAlignment(Qt::AlignCenter);
        line->setGeometry(lineLeft, top, content.lineWidth(), lineSpacing);
        top += lineSpacing;
    }

    const int buttonTop = content.height - buttonHeight - buttonBottomMargin;
    const int buttonWidth = MessageDialogContent::buttonWidth;
    if (content.asksYesNo) {
        // "Нет" in the left third, "Да" in the right third.
        auto* no = new QPushButton(QStringLiteral("Нет"), this);
        auto* yes = new QPushButton(QStringLiteral("Да"), this);
        const int third = content.width / 3;
        no->setGeometry(third - buttonWidth / 2, buttonTop, buttonWidth, buttonHeight);
        yes->setGeometry(2 * third - buttonWidth / 2, buttonTop, buttonWidth, buttonHeight);
        connect(no, &QPushButton::clicked, this, &QDialog::reject);
        connect(yes, &QPushButton::clicked, this, &QDialog::accept);
        yes->setDefault(true);
        yes->setFocus();
    } else {
        auto* close = new QPushButton(QStringLiteral("OK"), this);
        close->setGeometry((content.width - buttonWidth) / 2, buttonTop, buttonWidth, buttonHeight);
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
        close->setDefault(true);
        close->setFocus();
    }
}

bool TFormMessage::ask(MessageKind kind, const QString& line1, const QString& line2, QWidget* parent)
{
    TFormMessage dialog(kind, line1, line2, parent);
    return dialog.exec() == QDialog::Accepted;
}
