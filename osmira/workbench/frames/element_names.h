#pragma once

#include "osmira/elemento.h"

#include <QString>

namespace osmira::workbench {

// An element named in Spanish for a screen reader and the status bar: "letra B", "corte que
// contiene A y un corte", "hoja de aserción vacía". Letters are named one by one in drawing
// order, cuts counted.
QString elementName(const CElemento& element);

// The name with its article, as a sentence refers to it: "la letra B", "el corte vacío".
QString elementNameWithArticle(const CElemento& element);

// The element as the object of "aplique … a", marked as the selected one: "a la letra A
// señalada", "al corte señalado, que contiene B", "a la hoja de aserción".
QString elementPointedAt(const CElemento& element);

} // namespace osmira::workbench
