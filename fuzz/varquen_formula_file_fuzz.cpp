// The formula-file reader on any bytes, then the translation of what it read, plain and TeX.
#include "varquen/formula_file.h"
#include "varquen/notifier.h"
#include "varquen/translation.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

class SilentNotifier : public varquen::Notifier {
  public:
    void showMessage(const std::string&, const std::string&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const varquen::FormulaFileRead read =
        varquen::readFormulaFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.value) {
        return 0;
    }
    SilentNotifier notifier;
    for (const bool tex : {false, true}) {
        const varquen::Translation translation =
            varquen::translateFormula(read.value->declarations, read.value->formula, tex, notifier);
        (void)varquen::spelledOutput(translation);
    }
    // What was read and can be written reads back the same.
    const varquen::FormulaFileWrite written = varquen::writeFormulaFile(*read.value);
    if (written.bytes) {
        const varquen::FormulaFileRead again = varquen::readFormulaFile(*written.bytes);
        if (!again.value) {
            __builtin_trap();
        }
    }
    return 0;
}
