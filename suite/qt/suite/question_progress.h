#pragma once

#include <QString>

#include <functional>
#include <stop_token>

class QWidget;

namespace suite {

// A question (a prover's, a tableau's) run on a thread of its own while the window keeps
// answering. One that takes longer than a fifth of a second shows that it is working, modal over
// the program, with `label` and "Cancelar", which asks it to stop through its stop token; the
// dialog stays until the question has ended. Returns when it has.
void askShowingProgress(QWidget* parent, const QString& label,
                        const std::function<void(std::stop_token)>& question);

} // namespace suite
