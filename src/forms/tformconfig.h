#pragma once

#include "app/configuration_windows.h"

#include <QDialog>
#include <functional>

class Operator;
class QFrame;
class QLineEdit;
class QPushButton;

// A whole configuration: the controller's name, and one button per part that
// opens the table's own dialog on the record's bytes. Accepted ("Принять", or
// "Записать в устройство" when restoring a controller), the record keeps the
// edits; cancelled, it is as it was.
class TFormConfig : public QDialog {
    Q_OBJECT
public:
    TFormConfig(ConfigRecord& record, ConfigEditing editing, Operator& person, QWidget* parent = nullptr);

    void reject() override;

private:
    QPushButton* addPartButton(const QString& caption, const QString& name, std::function<void()> open);
    // Opens a part's dialog; the form shows itself inactive meanwhile.
    void openPart(const std::function<void()>& open);
    void nameEdited(const QString& name);
    void showCaption();
    void editFlowComputers();

    ConfigRecord& record_;
    const ConfigRecord opened_;
    Operator& person_;
    QFrame* panel_;
    QLineEdit* name_;
    QPushButton* moistureMeterPort_ = nullptr;
};
