#include "run.h"

#include "suite/latin1.h"
#include "zudaviror/messages.h"

#include <cstdio>
#include <iostream>
#include <new>

int main(int argc, char* argv[]) {
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        const int status = zudaviror::cli::run(arguments, std::cin, std::cout, std::cerr);
        // What the stream buffer handed to stdio may still fail on its way out.
        if ((std::fflush(stdout) != 0 || std::ferror(stdout) != 0) &&
            status != zudaviror::cli::kExitOutputFailed) {
            std::cerr << "zudaviror-cli: no se ha podido escribir en la salida estándar\n";
            return zudaviror::cli::kExitOutputFailed;
        }
        return status;
    } catch (const std::bad_alloc&) {
        std::cerr << "zudaviror-cli: " << suite::utf8FromLatin1(zudaviror::messages::kOutOfMemory) << '\n';
        return zudaviror::cli::kExitOutOfMemory;
    }
}
