#pragma once

class QLineEdit;
class QWidget;

// An input field for a password or an identification code: typed characters
// are hidden and at most `maxLength` are taken.
QLineEdit* maskedField(int maxLength, QWidget* parent);
