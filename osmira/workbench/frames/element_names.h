#pragma once

#include "osmira/model/elemento.h"

#include <QString>

namespace osmira::workbench {

// An element named in Spanish for a screen reader and the status bar: "letra B", "corte que
// contiene A y un corte", "hoja de aserción vacía". Letters are named one by one in drawing
// order, cuts counted.
QString elementName(const CElemento& element);

// The name with its article, as a sentence refers to it: "la letra B", "el corte vacío".
QString elementNameWithArticle(const CElemento& element);

// The element marked as the selected one, as the object of a sentence: "la letra A señalada",
// "el corte señalado, que contiene B", "el corte vacío señalado", "la hoja de aserción".
QString elementPointed(const CElemento& element);

// The same after "a": "a la letra A señalada", "al corte señalado, que contiene B", "a la hoja de
// aserción".
QString elementPointedAt(const CElemento& element);

// A phrase after a preposition, with "a el" and "de el" contracted as Spanish writes them:
// "al corte", "dentro del corte", "a la letra A".
QString afterPreposition(const QString& preposition, const QString& phrase);

} // namespace osmira::workbench
