#pragma once

#include "reports/report_texts.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;

// The report texts of one panel: the certificate's heading lines and
// representatives, or the passport's signature lines, on a mock-up of the
// document's head. Accepted, `texts` holds the panel's fields; the other
// panel's texts are never touched.
class TFormRepFormate : public QDialog {
    Q_OBJECT
public:
    TFormRepFormate(ReportTexts& texts, ReportTextsPanel panel, QWidget* parent = nullptr);

protected:
    // Enter in a field moves on to the next one, from the last to "Принять".
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The field of the panel's text `index`, in the order Enter moves through them.
    QLineEdit* newField(qsizetype index);
    void store();

    ReportTexts& texts_;
    ReportTextsPanel panel_;
    QList<ReportTextField> places_;
    QList<QLineEdit*> fields_;
    QPushButton* accept_ = nullptr;
};
