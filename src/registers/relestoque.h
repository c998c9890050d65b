#pragma once

#include "listwindow.h"

#include <QDate>

class DBGrid;
class QDateEdit;
class RadioGroup;

// The stock report window "Relatório de Estoque - Entrada / Saida": the
// movements of a period, of one type or of both, in a grid (entries blue,
// exits red) and in the printed movement report.
class TRelForm : public ListWindow
{
    Q_OBJECT
public:
    enum Type { Todos, Entrada, Saida };

    explicit TRelForm(QWidget *mainWindow);

    // The movement statement: the movements of `type` dated from `first` to `last`, both included.
    static QString movementStatement(int type, const QDate &first, const QDate &last);

    DBGrid *grid() const { return m_grid; }

public Q_SLOTS:
    // "Filtrar [Estoque]": the grid shows the movements of the current choices.
    void filtrar();
    // "Imprimir": the movement report of the current choices.
    void imprimir();

private:
    QString currentStatement() const;

    RadioGroup *m_type;
    QDateEdit *m_first;
    QDateEdit *m_last;
    DBGrid *m_grid;
};
