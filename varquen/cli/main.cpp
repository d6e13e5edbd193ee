// varquen-cli: translates a formula file as the program's translation command does.
#include "run.h"

#include "suite/exit_status.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const int status =
        varquen::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
    return suite::flushedStatus(status, std::cerr, "No puedo escribir la traducción en la salida estándar");
}
