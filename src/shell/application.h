#pragma once

#include <QApplication>

// The program's application object. A database error that reaches the event
// loop (a grid fetching rows from a server that went away, say) is shown in
// a message box with the database's own text, and the program goes on.
class TavrelApplication : public QApplication
{
    Q_OBJECT
public:
    TavrelApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
