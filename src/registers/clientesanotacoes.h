#pragma once

#include <QColor>
#include <QStringList>
#include <optional>

class QWidget;

// The client's annotation type (TIPOANOT): a colour code whose green, blue
// and red meanings the shop writes in its settings row; black is "no annotation".
namespace ClientAnnotations {

// The items of "Tipo de Anotação", for TIPOANOT 1 to 4.
QStringList items();
// The text colour of a client's row in the list; nothing for a value outside 1..4.
std::optional<QColor> rowColour(int tipoAnot);
// "Legenda Tipos de Anotações": the four colours and what the shop means by them,
// read from the settings row as the data module holds it.
void showLegend(QWidget *parent);

} // namespace ClientAnnotations
