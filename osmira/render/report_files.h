#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/report/informe.h"

#include <memory>
#include <optional>
#include <string>

class QGuiApplication;

namespace osmira::render {

// Writes every picture into the report's folder and the page, as one: all are written beside their
// targets first and put in place only when every one is whole, the page last, so a failure leaves
// the old report as it was. A symbolic link is followed to its target; a loop of links, a read-only
// page, a folder or a device is refused before anything is drawn. Nothing when all went well,
// otherwise the reason of the first failure, in Latin-1, naming the path. Text in pictures needs
// fonts: the caller has made a QGuiApplication (a program without a screen, MakeReportApplication).
// `progress` is told of every picture; when it answers false nothing is put in place, and the
// reason is kInformeCancelado. It may run on a thread of its own, as long as nothing changes the
// exercise meanwhile.
std::optional<std::string> writeReport(const CEjercicio& exercise, const ReportOptions& options,
                                       const std::string& reportPath, const ReportProgress& progress = {});

// The application of a process that draws reports without a screen: on the offscreen platform
// (unless QT_QPA_PLATFORM says otherwise), named "osmira", whatever the process's own arguments.
// The caller owns it; the process must have no other.
std::unique_ptr<QGuiApplication> makeReportApplication();

} // namespace osmira::render
