#include "commands.h"

#include <iostream>

int main(int argc, char** argv) {
    return osmira::cli::Run({argv + 1, argv + argc}, {std::cout, std::cerr});
}
