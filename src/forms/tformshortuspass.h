#pragma once

#include <QDialog>

class Operator;
class QLineEdit;
struct OperatorCredentials;

// The operator's identification: the code and the write password that every
// write request carries. "Принять" changes the credentials given to the dialog
// once a code is typed; "Выход" leaves them unchanged.
class TFormShortUsPass : public QDialog {
    Q_OBJECT
public:
    TFormShortUsPass(OperatorCredentials& credentials, Operator& person, QWidget* parent = nullptr);

private:
    void store();

    OperatorCredentials& credentials_;
    Operator& person_;
    QLineEdit* code_ = nullptr;
    QLineEdit* password_ = nullptr;
};
