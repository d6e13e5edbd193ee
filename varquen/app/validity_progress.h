#pragma once

#include "varquen/validity.h"

class QWidget;

namespace varquen::app {

// "¿Es válida?" put to the provers on a thread of its own while the window keeps answering. A
// question that takes longer than a fifth of a second shows that it is working, modal over the
// program, and "Cancelar" stops it (an unknown answer: pregunta cancelada); the dialog stays until
// the provers have stopped.
ValidityAnswer askShowingProgress(QWidget* parent, const FirstOrderProblem& problem);

} // namespace varquen::app
