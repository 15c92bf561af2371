#pragma once

#include "exchange/request_context.h"
#include "tables/table_info_rules.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTableWidget;

// "Состояние таблиц параметров конфигурации": the configuration tables with
// their state, the choice of tables to write and the reset of the controller.
// exec() returns a TableInfo::Result; the chosen tables are left as to-write
// flags in the state set.
class TFormTableInfo : public QDialog {
    Q_OBJECT
public:
    TFormTableInfo(TableStateSet& states, int softwareVersion, RequestContext context, QWidget* parent = nullptr);

private:
    void buildList();
    void buildButtons(int top, int softwareVersion);
    void writeAll();
    void writeChosen();
    void reset();

    TableStateSet& states_;
    RequestContext context_;
    std::vector<TableInfo::Row> rows_;
    QTableWidget* list_ = nullptr;
    QPushButton* resetButton_ = nullptr;
};
