#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/report/informe.h"

#include <optional>
#include <string>

class QWidget;

namespace osmira::workbench {

// writeReport on a thread of its own, while the window keeps answering: a report that takes longer
// than half a second shows its progress in a modal dialog over `parent`, whose "Cancelar" stops it
// at the next picture with nothing put in place (kInformeCancelado). The dialog stays until the
// report has stopped, so nothing changes the exercise while the thread reads it. Answers what
// writeReport answers.
std::optional<std::string> writeReportShowingProgress(QWidget* parent, const CEjercicio& exercise,
                                                      const ReportOptions& options, const std::string& path);

} // namespace osmira::workbench
