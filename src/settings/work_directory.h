#pragma once

#include <QString>
#include <QStringList>

// The program's directory tree: configuration files, logs, archives, reports and
// settings each have their own folder; temporary data files lie in the root.
class WorkDirectory {
public:
    explicit WorkDirectory(QString root);

    // The working directory: `--workdir DIR` when given, else the program's own
    // directory when it is writable and not that of an installed program (whose
    // data lie in ../share/gqc_monitor), else the per-user data directory.
    static QString choose(const QStringList& arguments, const QString& programDirectory,
                          const QString& userDataDirectory);
    // Where an installed program in <prefix>/bin keeps its data (the report
    // templates): <prefix>/share/gqc_monitor.
    static QString installedDataDirectory(const QString& programDirectory);

    // Creates each of the eight folders that is missing; nothing else is checked.
    void ensureFolders() const;

    QString root() const { return root_; }
    QString config() const { return folder("CONFIG"); }
    QString interventionLogs() const { return folder("AUDFILES"); }
    QString diagnosticLogs() const { return folder("ALAFILES"); }
    QString fiveMinuteData() const { return folder("MOMDATA"); }
    QString hourData() const { return folder("HOURDATA"); }
    QString dayData() const { return folder("DAYDATA"); }
    QString reports() const { return folder("REPORT"); }
    QString ini() const { return folder("INI"); }

    QString settingsFile() const { return ini() + "/gqc.ini"; }
    QString phoneListFile() const { return ini() + "/fon_abonents.ini"; }
    QString ethernetListFile() const { return ini() + "/ethr_abonents.ini"; }
    QString objectListFile() const { return ini() + "/objects.ini"; }
    QString archiveChoicesFile() const { return ini() + "/rd_arh.ini"; }
    QString reportSettingsFile() const { return ini() + "/repconf.ini"; }

    // Data read from the controller land here first; they are deleted at exit.
    QStringList temporaryFiles() const;
    QString temporaryArchiveFile() const { return root_ + "/datafile.hdm"; }

private:
    QString folder(const char* name) const { return root_ + '/' + QLatin1String(name); }

    QString root_;
};
