#pragma once

#include <QFile>
#include <QLoggingCategory>
#include <QString>
#include <QtGlobal>

// Routes the frame trace into a file for as long as it lives, so that support
// gets the exchanges of one run from a person who only has to name a file.
// While open, the trace is on whatever the logging rules say, its lines are
// appended to the file (and nowhere else), and every other message goes where
// it went before. A program has one message handler, so one of these at a time.
class FrameTraceFile {
public:
    FrameTraceFile() = default;
    ~FrameTraceFile();
    FrameTraceFile(const FrameTraceFile&) = delete;
    FrameTraceFile& operator=(const FrameTraceFile&) = delete;

    // Opens `path` for appending and starts routing; false, with the reason in
    // errorString(), when the file cannot be opened.
    bool open(const QString& path);
    QString errorString() const { return file_.errorString(); }

private:
    static void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text);
    static void enableTrace(QLoggingCategory* category);

    QFile file_;
    QtMessageHandler previousHandler_ = nullptr;
    QLoggingCategory::CategoryFilter previousFilter_ = nullptr;
};
