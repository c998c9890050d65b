#pragma once

#include <QString>
#include <functional>

// A program to start: its file, its arguments as one command-line text
// (quotes included, as the program expects them) and the folder to run in.
struct ProcessRequest {
    QString program;
    QString arguments;
    QString workingFolder;

    // The whole command line: the program's file, a blank, the arguments.
    QString commandLine() const { return program + QLatin1Char(' ') + arguments; }
};

// Starts a program and returns at once; true when it was started.
using ProcessStarter = std::function<bool(const ProcessRequest &)>;

// Starts the program without a window and without waiting for it.
bool startHiddenDetached(const ProcessRequest &request);
