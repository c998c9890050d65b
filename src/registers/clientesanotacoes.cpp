#include "clientesanotacoes.h"

#include "dm.h"
#include "messages.h"

namespace ClientAnnotations {

QStringList items()
{
    return {QStringLiteral("Preto - Sem Anotação"), QStringLiteral("Verde"), QStringLiteral("Azul"),
            QStringLiteral("Vermelho")};
}

std::optional<QColor> rowColour(int tipoAnot)
{
    switch (tipoAnot) {
    case 1: return QColor(0, 0, 0);
    case 2: return QColor(0, 128, 0);
    case 3: return QColor(0, 0, 255);
    case 4: return QColor(255, 0, 0);
    default: return std::nullopt;
    }
}

void showLegend(QWidget *parent)
{
    // A closed settings dataset has no row: the shop's captions then read empty.
    auto caption = [](const char *column) {
        Dataset *config = DM->ConfigQuery;
        return config->isOpen() && config->currentRow() >= 0 ? config->field(QLatin1String(column)).asString()
                                                             : QString();
    };
    const QString text = QStringLiteral("Preto - Sem Anotação\n") + QStringLiteral("Verde - ") + caption("VERDE")
                         + QStringLiteral("\nAzul - ") + caption("AZUL") + QStringLiteral("\nVermelho - ")
                         + caption("VERMELHO");
    Messages::warn(parent, text, QStringLiteral("Legenda Tipos de Anotações"));
}

} // namespace ClientAnnotations
