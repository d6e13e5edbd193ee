// Saves its standard input over the file it names, as the programs save: for the tests that kill
// a save between two of its calls.
#include "suite/file_saving.h"

#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: suite-replace-file TARGET < BYTES\n";
        return 2;
    }
    const std::string bytes{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    const suite::FileSave save = suite::replaceFile(argv[1], bytes);
    if (!save.saved()) {
        std::cerr << save.reason() << '\n';
        return 1;
    }
    return 0;
}
