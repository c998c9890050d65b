#pragma once

#include "registerlist.h"

// "Lista de Fornecedores": the shop's suppliers, searched by trade name, city
// or first address line.
class TForneForm : public RegisterListWindow
{
    Q_OBJECT
public:
    explicit TForneForm(QWidget *mainWindow);

public Q_SLOTS:
    // A new supplier has no products yet: the products dataset is closed first.
    void addRecord() override;
};
