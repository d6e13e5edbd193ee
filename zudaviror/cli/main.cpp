#include "cli_run.h"

#include "zudaviror/latin1.h"
#include "zudaviror/messages.h"

#include <iostream>
#include <new>

int main(int argc, char* argv[]) {
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        return zudaviror::cli::run(arguments, std::cin, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "zudaviror-cli: " << zudaviror::utf8FromLatin1(zudaviror::messages::kOutOfMemory)
                  << '\n';
        return zudaviror::cli::kExitOutOfMemory;
    }
}
