#pragma once

#include "osmira/ejercicio.h"
#include "osmira/informe.h"

#include <optional>
#include <string>

namespace osmira::render {

// Writes every picture into the report's folder and then the page, atomically (temporary file
// renamed over it); a symbolic link is followed to its target and a read-only page refused before
// anything is written. Nothing when all went well, otherwise the reason of the first failure, in
// Latin-1, naming the path. Needs a QGuiApplication (see EnsureGuiApplication).
std::optional<std::string> WriteReport(const CEjercicio& exercise, const ReportOptions& options,
                                       const std::string& reportPath);

// Text in pictures needs a QGuiApplication: makes one on the offscreen platform (unless
// QT_QPA_PLATFORM says otherwise) when the process has none.
void EnsureGuiApplication();

} // namespace osmira::render
