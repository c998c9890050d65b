#pragma once

#include "registerpicker.h"

class QLineEdit;

// "Clientes": the point of sale ("vendas"), the service order editor ("ordem")
// and the cheque window ("cheque") choose a client here. The caller tag says
// what accepting does; the clients dataset stays on the chosen client.
class TClientesForm2 : public RegisterPicker
{
    Q_OBJECT
public:
    explicit TClientesForm2(QWidget *parent = nullptr);

    void setCallerTag(const QString &tag) { m_callerTag = tag; }
    QString callerTag() const { return m_callerTag; }

    // The whole protocol a caller follows: with no client current, says
    // "Não existe cliente cadastrado!" and opens nothing; otherwise lists every
    // client, shows the picker modally and destroys it. True when a client was chosen.
    static bool pick(QWidget *caller, const QString &callerTag);

public Q_SLOTS:
    // "Procurar": clients whose name holds the text, by name; all clients unordered when blank.
    void search();

protected:
    void applyChoice() override;

private:
    QString m_callerTag;
    QLineEdit *m_searchBox;
};
