#include "run.h"

#include "arguments.h"
#include "commands.h"
#include "report_files.h"
#include "suite/exit_status.h"

#include <QGuiApplication>

#include <cstdio>
#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Only the report draws, and its letters need fonts; the other commands never start Qt Gui.
    std::unique_ptr<QGuiApplication> application;
    if (!arguments.empty() && arguments.front() == "report") {
        application = osmira::render::makeReportApplication();
    }
    const int status = osmira::cli::run(arguments, std::cin, std::cout, std::cerr);
    return suite::flushedStatus(status, std::cerr, "osmira-cli: no se puede escribir en la salida estándar");
}
