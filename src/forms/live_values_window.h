#pragma once

#include "exchange/request_context.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class LiveRefresh;
class QGridLayout;
class QLabel;
class QPushButton;

// A window of current values that refreshes itself once a second: the time of
// the last poll, one row per value (a caption, a value and optionally a zone),
// the update toggle and "Выход". The subclass reads in its tick().
class LiveValuesWindow : public QDialog {
    Q_OBJECT
public:
    void reject() override;

protected:
    LiveValuesWindow(RequestContext context, const QString& caption, const QString& timeCaption,
                     const QStringList& rows, bool zones, QWidget* parent);

    // One round of reads; calls proceed() before each.
    virtual void tick() = 0;
    bool proceed();

    void showEvent(QShowEvent* event) override;

    RequestContext context_;
    QLabel* time_ = nullptr;
    std::vector<QLabel*> values_;
    std::vector<QLabel*> zones_;
    // Sits above the rows: the subclass may put a caption there.
    QGridLayout* header_ = nullptr;

private:
    void toggleUpdating();

    LiveRefresh* refresh_ = nullptr;
    QPushButton* toggle_ = nullptr;
};
