#pragma once

#include "recordwindow.h"

class DBEdit;
class QWidget;
class RadioGroup;

// The clients' texts for the record sequences: statements, captions, messages,
// and the client's service orders deleted with it.
RecordTexts clientRecordTexts();

// "Cadastro de Cliente" / "Alteração de Cliente": one client of ClientesQuery.
// The person type enables either the natural person's boxes or the company's,
// clearing none; the annotation type and the person type are copied into
// TIPOANOT and TIPOPESSOA when saving.
class TClientesForm : public RecordWindow
{
    Q_OBJECT
public:
    explicit TClientesForm(QWidget *parent = nullptr);

    // "Adicionar Cliente" of the point of sale, the service order editor and the
    // cheque window: a new client appended without refreshing, shown modally.
    static void addFromOtherScreen(QWidget *opener);

    void readUnboundControls() override;
    void writeUnboundControls() override;
    QString validationMessage() const override;

    RadioGroup *personType() const { return m_personType; }
    RadioGroup *annotationType() const { return m_annotationType; }

private:
    void showPersonType(int index);
    void openSettings();

    RadioGroup *m_personType;
    RadioGroup *m_annotationType;
    DBEdit *m_homePhone, *m_cpf, *m_rg, *m_cnpj, *m_ie, *m_contact;
};
