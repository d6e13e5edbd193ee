#include "varquen/signature.h"

#include "varquen/messages.h"
#include "varquen/parse_codes.h"
#include "varquen/tokens.h"

#include <limits>

namespace varquen {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the decimal digits at pos (none gives 0), advancing pos past them.
// Returns false when the number does not fit in 32 bits.
bool readNumber(const std::string& text, std::size_t& pos, std::int32_t& value) {
    std::int64_t accumulated = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        accumulated = accumulated * 10 + (text[pos] - '0');
        if (accumulated > std::numeric_limits<std::int32_t>::max()) {
            return false;
        }
        ++pos;
    }
    value = static_cast<std::int32_t>(accumulated);
    return true;
}

} // namespace

std::string stripBlanks(std::string_view entry) {
    std::string stripped;
    for (char c : entry) {
        if (c != ' ' && c != '\t' && c != '\n') {
            stripped += c;
        }
    }
    return stripped;
}

Signature::Signature(Notifier& notifier) : notifier_(notifier) {
    tokens_.reserve(kTokenTableSize);
    resetSignature();
}

void Signature::resetSignature() {
    tokens_.clear();
    for (int k = 0; k < kKeywordCount; ++k) {
        tokens_.push_back(
            {std::string(kKeywordNames[k]), std::string(kKeywordTexForms[k]), token::Equals + k});
    }
    universeNames_.assign(1, 0);
    variables_.clear();
    functions_.clear();
    relations_.clear();
}

DeclarationStatus Signature::registerToken(const std::string& name, std::int32_t code) {
    if (findToken(name) >= 0) {
        refuse(messages::tokenRepeated(name), messages::clashCaption());
        return DeclarationStatus::Refused;
    }
    tokens_.push_back({name, name, code});
    return DeclarationStatus::Declared;
}

int Signature::findToken(std::string_view word) const {
    for (int k = 0; k < tokenCount(); ++k) {
        if (tokens_[k].name == word) {
            return k;
        }
    }
    return -1;
}

void Signature::refuse(const std::string& text, const std::string& caption) {
    notifier_.showMessage(text, caption);
}

bool Signature::stripAndCheckEntry(std::string_view entry, const std::string& caption,
                                   std::string& stripped) {
    if (entry.find('\0') != std::string_view::npos) {
        refuse(messages::nulInEntry(), caption);
        return false;
    }
    stripped = stripBlanks(entry);
    if (stripped.size() > kMaxEntryLength) {
        refuse(messages::entryTooLong(static_cast<int>(kMaxEntryLength)), caption);
        return false;
    }
    return true;
}

bool Signature::splitNamed(const std::string& stripped, const std::string& caption,
                           const std::string& unnamedMessage, std::string& name, std::size_t& afterColon) {
    const std::size_t colon = stripped.find(':');
    if (colon == std::string::npos) {
        refuse(messages::colonNeeded(), caption);
        return false;
    }
    if (colon == 0) {
        refuse(unnamedMessage, caption);
        return false;
    }
    name = stripped.substr(0, colon);
    afterColon = colon + 1;
    return true;
}

DeclarationStatus Signature::declareUniverse(std::string_view entry) {
    const std::string caption = messages::universeCaption();
    if (universeCount() == kMaxUniverses + 1) {
        refuse(messages::tooManyUniverses(kMaxUniverses + 1), caption);
        return DeclarationStatus::Refused;
    }
    std::string name;
    if (!stripAndCheckEntry(entry, caption, name)) {
        return DeclarationStatus::Refused;
    }
    if (name.empty()) {
        refuse(messages::unnamedUniverse(), caption);
        return DeclarationStatus::Refused;
    }
    if (registerToken(name, token::Universe + universeCount()) != DeclarationStatus::Declared) {
        return DeclarationStatus::Refused;
    }
    universeNames_.push_back(tokenCount() - 1);
    return DeclarationStatus::Declared;
}

DeclarationStatus Signature::declareVariable(std::string_view entry) {
    const std::string caption = messages::variableCaption();
    if (variableCount() == kMaxPerClass) {
        refuse(messages::tooManyVariables(kMaxPerClass), caption);
        return DeclarationStatus::Refused;
    }
    std::string stripped, name;
    std::size_t pos = 0;
    if (!stripAndCheckEntry(entry, caption, stripped) ||
        !splitNamed(stripped, caption, messages::unnamedVariable(), name, pos)) {
        return DeclarationStatus::Refused;
    }
    if (registerToken(name, token::Variable + variableCount()) != DeclarationStatus::Declared) {
        return DeclarationStatus::Refused;
    }
    std::int32_t type = 0;
    if (!readNumber(stripped, pos, type)) {
        refuse(messages::numberTooLarge(), caption);
        return DeclarationStatus::Refused;
    }
    const int declaredUniverses = universeCount() - 1;
    if (type < 1 || type > declaredUniverses) {
        refuse(messages::variableTypeOutOfRange(declaredUniverses), caption);
        return DeclarationStatus::Refused;
    }
    variables_.push_back({tokenCount() - 1, type, false});
    return DeclarationStatus::Declared;
}

DeclarationStatus Signature::declareFunction(std::string_view entry) {
    const std::string caption = messages::functionCaption();
    if (functionCount() == kMaxPerClass) {
        refuse(messages::tooManyFunctions(kMaxPerClass), caption);
        return DeclarationStatus::Refused;
    }
    std::string stripped, name;
    std::size_t pos = 0;
    if (!stripAndCheckEntry(entry, caption, stripped) ||
        !splitNamed(stripped, caption, messages::unnamedFunction(), name, pos)) {
        return DeclarationStatus::Refused;
    }
    if (registerToken(name, token::Function + functionCount()) != DeclarationStatus::Declared) {
        return DeclarationStatus::Refused;
    }
    Function function;
    function.nameIndex = tokenCount() - 1;
    const int declaredUniverses = universeCount() - 1;
    int i = 0;
    while (pos < stripped.size()) {
        if (i > kMaxParameters) {
            refuse(messages::tooManyParameters(name, kMaxParameters), caption);
            return DeclarationStatus::Refused;
        }
        std::int32_t type = 0;
        if (!readNumber(stripped, pos, type)) {
            refuse(messages::numberTooLarge(), caption);
            return DeclarationStatus::Refused;
        }
        function.types[i] = type;
        if (i > 0 && type < 1) {
            refuse(messages::parameterTypeTooSmall(name), caption);
            return DeclarationStatus::Refused;
        }
        if (type > declaredUniverses) {
            refuse(messages::parameterTypeTooLarge(name, declaredUniverses), caption);
            return DeclarationStatus::Refused;
        }
        if (pos < stripped.size()) {
            if (stripped[pos] != ',') {
                refuse(messages::parameterListSyntax(name), caption);
                return DeclarationStatus::Refused;
            }
            ++pos;
        }
        ++i;
    }
    // "f:" lists no types at all: a formula-valued function without parameters.
    function.arity = i == 0 ? 0 : i - 1;
    functions_.push_back(function);
    return DeclarationStatus::Declared;
}

DeclarationStatus Signature::declareRelation(std::string_view entry) {
    const std::string caption = messages::relationCaption();
    if (relationCount() == kMaxPerClass) {
        refuse(messages::tooManyRelations(kMaxPerClass), caption);
        return DeclarationStatus::Refused;
    }
    std::string stripped, name;
    std::size_t pos = 0;
    if (!stripAndCheckEntry(entry, caption, stripped) ||
        !splitNamed(stripped, caption, messages::unnamedRelation(), name, pos)) {
        return DeclarationStatus::Refused;
    }
    if (registerToken(name, token::Relation + relationCount()) != DeclarationStatus::Declared) {
        return DeclarationStatus::Refused;
    }
    std::int32_t arity = 0;
    if (!readNumber(stripped, pos, arity)) {
        refuse(messages::numberTooLarge(), caption);
        return DeclarationStatus::Refused;
    }
    if (arity < 1) {
        refuse(messages::relationWithoutParameters(), caption);
        return DeclarationStatus::Refused;
    }
    relations_.push_back({tokenCount() - 1, arity});
    return DeclarationStatus::Declared;
}

} // namespace varquen
