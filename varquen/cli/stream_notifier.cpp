#include "stream_notifier.h"

#include "suite/latin1.h"

namespace varquen::cli {

void StreamNotifier::showMessage(const std::string& text, const std::string& caption) {
    std::string line = suite::utf8FromLatin1(caption) + ": " + suite::utf8FromLatin1(text);
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    err_ << line << '\n';
}

} // namespace varquen::cli
