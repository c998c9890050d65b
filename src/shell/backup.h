#pragma once

#include <QDateTime>
#include <functional>

class QProgressBar;
class QWidget;

// What "Fazer Backup agora" needs from the computer: the pause between two
// steps of the progress bar and the clock that names the backup folder.
struct BackupServices {
    std::function<void()> progressPause;   // 50 ms, the bar repainting, when empty
    std::function<QDateTime()> now;        // the current date and time when empty
};

// "Fazer Backup agora": about five seconds of progress, then a copy of this
// workstation's database file into a new folder named by the date and time,
// and a message saying where it went or that it failed. Everything runs on
// the window's thread and blocks it meanwhile.
class DatabaseBackup
{
public:
    explicit DatabaseBackup(BackupServices services = {});

    void run(QWidget *window, QProgressBar *bar) const;

private:
    void showProgress(QProgressBar *bar) const;
    // The database is on this workstation only when localbase.txt names no server.
    static bool databaseIsHere();
    // True when the copy landed at `destination`.
    static bool copy(const QString &source, const QString &destination);

    BackupServices m_services;
};
