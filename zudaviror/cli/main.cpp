#include "run.h"

#include "suite/exit_status.h"

#include "suite/latin1.h"
#include "zudaviror/messages.h"

#include <cstdio>
#include <iostream>
#include <new>

int main(int argc, char* argv[]) {
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        const int status = zudaviror::cli::run(arguments, std::cin, std::cout, std::cerr);
        return suite::flushedStatus(status, std::cerr,
                                    "zudaviror-cli: no se ha podido escribir en la salida estándar");
    } catch (const std::bad_alloc&) {
        std::cerr << "zudaviror-cli: " << suite::utf8FromLatin1(zudaviror::messages::kOutOfMemory) << '\n';
        return zudaviror::cli::kExitOutOfMemory;
    }
}
