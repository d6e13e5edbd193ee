#pragma once

#include "osmira/ejercicio.h"
#include "osmira/informe.h"

#include <optional>
#include <string>

namespace osmira::render {

// Writes every picture into the report's folder and the page, as one: all are written beside their
// targets first and put in place only when every one is whole, the page last, so a failure leaves
// the old report as it was. A symbolic link is followed to its target; a loop of links, a read-only
// page, a folder or a device is refused before anything is drawn. Nothing when all went well,
// otherwise the reason of the first failure, in Latin-1, naming the path. Needs a
// QGuiApplication (see EnsureGuiApplication).
std::optional<std::string> WriteReport(const CEjercicio& exercise, const ReportOptions& options,
                                       const std::string& reportPath);

// Text in pictures needs a QGuiApplication: makes one on the offscreen platform (unless
// QT_QPA_PLATFORM says otherwise) when the process has none.
void EnsureGuiApplication();

} // namespace osmira::render
