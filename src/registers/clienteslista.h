#pragma once

#include "registerlist.h"

// "Lista de Clientes": the shop's clients, searched by name, city or first
// address line, each row in its annotation colour.
class TListaClientesForm : public RegisterListWindow
{
    Q_OBJECT
public:
    explicit TListaClientesForm(QWidget *mainWindow);
};
