#pragma once

#include <QString>
#include <optional>

// Kinds of the operator message dialog. The numbers are the dialog kinds the
// rest of the program is written against; the question kinds return the yes flag.
enum class MessageKind {
    Error = 1,                        // caption "Ошибка"
    InputError = 2,                   // caption "Ошибка ввода параметров"
    Question = 3,                     // Да/Нет
    SeeControllerState = 4,           // third line "(см. текущее состояние контроллера)"
    ExchangeResult = 5,               // caption "Результат обмена с устройством"
    Information = 6,                  // no caption
    Retry = 7,                        // third line "Повторить попытку?", Да/Нет
    CreateDailyReport = 8,            // third line "Создавать суточный отчет?", Да/Нет
    ArchiveDatesChanged = 9,          // fixed first two lines, caller's line below
    ArchiveDatesChangedQuestion = 10, // the same, Да/Нет
    CertificateImpossible = 11, // third line "Суточный сертификат не может быть создан"
};

// Panels the core may write: the four panels of the main status bar, the
// subscriber line of the second bar and the modem progress of the third.
enum class StatusPanel { Link = 0, Address = 1, Transient = 2, Exchange = 3, Subscriber, Modem };

// Text sets of the progress window of long transfers.
enum class WaitMode {
    CheckingConfiguration = 0,
    ReadingData = 1,
    WritingConfiguration = 2,
    ReadingConfiguration = 3,
    MakingSpreadsheet = 4,
    AwaitingReconnect = 5
};

struct FileChoice {
    enum class Mode { Open, Save } mode = Mode::Open;
    QString title;
    QString directory;
    QString filter;       // Qt filter syntax, e.g. "Конфигурация (*.cnf)"
    QString proposedName; // file name offered in a save dialog
    QString chosenFilter; // the entry of `filter` selected at first; empty: the first
};

// Everything the core may ask of a person. The window implements it with real
// dialogs, the tests with a scripted operator, gqc_cli on the console.
class Operator {
public:
    virtual ~Operator() = default;

    // Shows the message dialog of the given kind; returns the yes flag
    // (always false for the kinds that only close).
    virtual bool message(MessageKind kind, const QString& line1, const QString& line2 = {}) = 0;
    virtual void setPanel(StatusPanel panel, const QString& text) = 0;
    virtual void setBusy(bool busy) = 0;

    virtual void beginProgress(WaitMode mode, int maximum) = 0;
    virtual void setProgress(int position) = 0;
    // The transfer is over and its bar full: a window that shows the bar keeps
    // it in view a moment, so that the operator sees the transfer complete.
    virtual void showProgressComplete() = 0;
    virtual void endProgress() = 0;

    // Lets the user interface process pending events (repaint, keyboard).
    virtual void pump() = 0;
    // Escape is noted only while allowed; takeEscape() reports and clears it.
    virtual void setEscapeAllowed(bool allowed) = 0;
    virtual bool takeEscape() = 0;

    virtual std::optional<QString> chooseFile(const FileChoice& choice) = 0;
};

// Shows the busy cursor for the lifetime of the guard.
class BusyCursor {
public:
    explicit BusyCursor(Operator& person) : person_(person) { person_.setBusy(true); }
    ~BusyCursor() { person_.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Operator& person_;
};
