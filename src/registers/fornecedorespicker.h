#pragma once

#include "registerpicker.h"

#include <optional>

class QLineEdit;

// "Fornecedores": the product record window chooses a product's supplier here.
class TForneForm2 : public RegisterPicker
{
    Q_OBJECT
public:
    struct Choice {
        int key = 0;          // IDFORNECE
        QString tradeName;    // NOMEFANTASIA
    };

    explicit TForneForm2(QWidget *parent = nullptr);

    // The protocol of the "..." button: with no supplier current, says
    // "Não existe fornecedor cadastrado!" and opens nothing; otherwise shows
    // the suppliers as the dataset holds them and returns the one accepted.
    static std::optional<Choice> pick(QWidget *caller);
    // The same, copying the choice into the caller's two read-only boxes,
    // "Cod. Fornecedor" (the key in decimal) and "Nome do Fornecedor".
    static bool pickInto(QWidget *caller, QLineEdit *codeBox, QLineEdit *nameBox);

    std::optional<Choice> choice() const { return m_choice; }

protected:
    void applyChoice() override;

private:
    std::optional<Choice> m_choice;
};
