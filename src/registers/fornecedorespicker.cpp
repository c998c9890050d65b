#include "fornecedorespicker.h"

#include "dataset.h"
#include "dm.h"
#include "messages.h"

#include <QLineEdit>
#include <memory>

TForneForm2::TForneForm2(QWidget *parent)
    : RegisterPicker(DM->ForneQuery, QStringLiteral("Fornecedores"),
                     {{QStringLiteral("Cod. Fornecedor"), QStringLiteral("IDFORNECE")},
                      {QStringLiteral("Nome Fantasia"), QStringLiteral("NOMEFANTASIA")}},
                     parent)
{
}

std::optional<TForneForm2::Choice> TForneForm2::pick(QWidget *caller)
{
    if (!hasRecord(caller, DM->ForneQuery, QStringLiteral("IDFORNECE"), QStringLiteral("Não existe fornecedor cadastrado!")))
        return std::nullopt;
    std::unique_ptr<TForneForm2> picker(new TForneForm2(caller));
    if (Messages::execModal(picker.get()) != QDialog::Accepted)
        return std::nullopt;
    return picker->choice();
}

bool TForneForm2::pickInto(QWidget *caller, QLineEdit *codeBox, QLineEdit *nameBox)
{
    const std::optional<Choice> chosen = pick(caller);
    if (!chosen)
        return false;
    codeBox->setText(QString::number(chosen->key));
    nameBox->setText(chosen->tradeName);
    return true;
}

void TForneForm2::applyChoice()
{
    Dataset *suppliers = dataset();
    m_choice = Choice{suppliers->field(QStringLiteral("IDFORNECE")).asInteger(),
                      suppliers->field(QStringLiteral("NOMEFANTASIA")).asString()};
}
