#include "produtostextos.h"

#include "dataset.h"
#include "dm.h"

namespace ProductTexts {

RecordTexts recordTexts()
{
    RecordTexts texts;
    texts.wholeTable = kOrdered;
    texts.keyColumn = QStringLiteral("IDPROD");
    texts.scratch = DM->AuxQuery4;
    texts.newCaption = kNewCaption;
    texts.changeCaption = kChangeCaption;
    texts.goneOnEdit = QStringLiteral("Não é possivel editar o produto, o mesmo já não se encontra mais no sistema!");
    texts.goneOnDelete = QStringLiteral("Produto já foi excluído por outro terminal!");
    texts.deleteTitle = QStringLiteral("Excluir Produto");
    texts.deleteQuestion = [](Dataset &products) {
        return QStringLiteral("Deseja excluir o Produto de código [ ") + products.field(QStringLiteral("NPROD")).asString()
               + QStringLiteral(" ] ?");
    };
    return texts;
}

} // namespace ProductTexts
