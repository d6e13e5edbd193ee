#include "run.h"

#include "arguments.h"
#include "commands.h"

#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
    int status = osmira::cli::run({argv + 1, argv + argc}, std::cin, std::cout, std::cerr);
    // What the stream handed to stdio may still fail on its way out.
    if (status != osmira::cli::kExitOutput && (std::fflush(stdout) != 0 || std::ferror(stdout) != 0)) {
        std::cout.setstate(std::ios::badbit);
        return osmira::cli::CheckOutput({std::cout, std::cerr}, status);
    }
    return status;
}
