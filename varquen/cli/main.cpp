// varquen-cli: translates a formula file as the program's translation command does.
#include "run.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    return varquen::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
