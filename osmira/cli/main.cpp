#include "run.h"

#include "arguments.h"
#include "commands.h"
#include "report_files.h"

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
    int status = osmira::cli::run(arguments, std::cin, std::cout, std::cerr);
    // What the stream handed to stdio may still fail on its way out.
    if (status != osmira::cli::kExitOutput && (std::fflush(stdout) != 0 || std::ferror(stdout) != 0)) {
        std::cout.setstate(std::ios::badbit);
        return osmira::cli::checkOutput({std::cout, std::cerr}, status);
    }
    return status;
}
