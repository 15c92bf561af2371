#include "forms/coloured_label.h"

#include <QLabel>

void showColoured(QLabel& label, const ColouredText& text)
{
    label.setText(text.text);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(text.colour));
    label.setPalette(palette);
}
