// varquen-cli: translates a formula file as the program's translation command does.
#include "run.h"

#include "suite/validity_verdict.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const int status =
        varquen::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
    // What the stream buffer handed to stdio may still fail on its way out.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        if (status == 0 || status == 1) {
            std::cerr << "No puedo escribir la traducción en la salida estándar\n";
            return static_cast<int>(suite::ValidityExit::OutputFailed);
        }
    }
    return status;
}
