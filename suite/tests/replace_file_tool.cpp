// Saves its standard input over the file it names, as the programs save: for the tests that kill
// a save between two of its calls. Given several files, it replaces them as one batch, each with
// its standard input followed by the file's own path.
#include "suite/file_saving.h"

#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: suite-replace-file TARGET... < BYTES\n";
        return 2;
    }
    const std::string bytes{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    if (argc == 2) {
        const suite::FileSave save = suite::replaceFile(argv[1], bytes);
        if (!save.saved()) {
            std::cerr << save.reason() << '\n';
            return 1;
        }
        return 0;
    }
    suite::FileReplacement batch;
    for (int i = 1; i < argc; ++i) {
        if (const suite::FileSave staged = batch.stage(argv[i], bytes + argv[i]); !staged.saved()) {
            std::cerr << staged.reason() << '\n';
            return 1;
        }
    }
    if (const suite::FileSave committed = batch.commit(); !committed.saved()) {
        std::cerr << committed.reason() << '\n';
        return 1;
    }
    return 0;
}
