#include "processstarter.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

bool startHiddenDetached(const ProcessRequest &request)
{
    QProcess process;
    process.setProgram(request.program);
    process.setWorkingDirectory(request.workingFolder);
#ifdef Q_OS_WIN
    // Handed to the program exactly as written, quotes and all.
    process.setNativeArguments(request.arguments);
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_HIDE;
    });
#else
    // Split the way the Windows command line would be: a quoted part
    // ("A, B, C") stays inside its argument, without the quotes.
    process.setArguments(QProcess::splitCommand(request.arguments));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
#endif
    return process.startDetached();
}
