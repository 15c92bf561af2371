#include "link/frame_trace_file.h"

#include "link/frame_trace.h"

namespace {

// Qt's message handler and category filter are plain functions: they find the
// open trace file here.
FrameTraceFile* activeTraceFile = nullptr;

// By name: the filter also runs while the trace's own category is being made.
bool isTrace(const char* category)
{
    return category && qstrcmp(category, FrameTraceCategory) == 0;
}

} // namespace

FrameTraceFile::~FrameTraceFile()
{
    if (activeTraceFile != this)
        return;
    qInstallMessageHandler(previousHandler_);
    // Reinstalling the previous filter applies the logging rules to the trace again.
    QLoggingCategory::installFilter(previousFilter_);
    activeTraceFile = nullptr;
}

bool FrameTraceFile::open(const QString& path)
{
    Q_ASSERT(activeTraceFile == nullptr);
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    activeTraceFile = this;
    previousHandler_ = qInstallMessageHandler(handleMessage);
    previousFilter_ = QLoggingCategory::installFilter(enableTrace);
    return true;
}

void FrameTraceFile::handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!isTrace(context.category)) {
        // Null only while the handler is being installed.
        if (activeTraceFile->previousHandler_)
            activeTraceFile->previousHandler_(type, context, text);
        return;
    }
    activeTraceFile->file_.write(text.toUtf8() + '\n');
    // A run that ends badly still leaves every line it traced.
    activeTraceFile->file_.flush();
}

void FrameTraceFile::enableTrace(QLoggingCategory* category)
{
    // Qt runs a new filter over every category before it hands back the old
    // one; those categories keep the state the old filter gave them.
    if (activeTraceFile->previousFilter_)
        activeTraceFile->previousFilter_(category);
    if (isTrace(category->categoryName()))
        category->setEnabled(QtDebugMsg, true);
}
