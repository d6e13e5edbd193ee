#include "cli_run.h"
#include "zudaviror/messages.h"
#include "zudaviror/unicode_signs.h"

#include <iostream>
#include <new>

int main(int argc, char* argv[]) {
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        return zudaviror::cli::runCli(arguments, std::cin, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "zudaviror-cli: " << zudaviror::latin1ToUtf8(zudaviror::messages::kOutOfMemory) << '\n';
        return zudaviror::cli::kExitOutOfMemory;
    }
}
