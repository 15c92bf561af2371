#pragma once

#include "settings/link_record.h"

#include <QDialog>

class AppState;
class Operator;
class QButtonGroup;
class QComboBox;
class QPushButton;
class QWidget;

// "Связаться": the operator chooses the kind of link and the controller (an
// address on a direct line, a subscriber of the telephone or Ethernet list),
// may edit the link settings and the lists, and confirms. Accepted means the
// engine is loaded and the link open.
class TFormConnect : public QDialog {
    Q_OBJECT
public:
    TFormConnect(AppState& state, Operator& person, QWidget* parent = nullptr);

private:
    void applyKind(LinkKind kind);
    void fillSelector();
    void subscriberChosen(int position);
    void addSubscriber();
    void editList();
    void editLinkParameters();
    void confirm();
    void setButtonsEnabled(bool enabled);
    void saveCurrentList();
    int subscriberCount() const;

    AppState& state_;
    Operator& person_;
    LinkKind kind_ = LinkKind::Direct;
    QButtonGroup* kinds_ = nullptr;
    QComboBox* address_ = nullptr;
    QWidget* subscriberPanel_ = nullptr;
    QComboBox* subscribers_ = nullptr;
    QPushButton* parameters_ = nullptr;
    QPushButton* connect_ = nullptr;
    int shownPosition_ = -1; // selector position before "Новый абонент" was chosen
};
