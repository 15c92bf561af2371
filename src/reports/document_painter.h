#pragma once

#include "reports/report_document.h"

#include <QByteArray>

class QPagedPaintDevice;

// Paints `document` onto `device` (a printer, a PDF writer), one page after
// another on A4 portrait from the paper's corner: a printer must print the full
// page. False when the device cannot be painted on.
bool paintDocument(const ReportDocument& document, QPagedPaintDevice& device);

// The document as the bytes of a PDF file, its fonts embedded; empty when it
// could not be made.
QByteArray documentPdf(const ReportDocument& document);
