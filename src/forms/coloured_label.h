#pragma once

#include "archives/current_data.h"

class QLabel;

// Shows the text in its colour.
void showColoured(QLabel& label, const ColouredText& text);
