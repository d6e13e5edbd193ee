#include "varquen/translation_reader.h"

#include "varquen/messages.h"
#include "varquen/tokens.h"
#include "varquen/translation.h"

namespace varquen {

namespace {

using Kind = FirstOrderFormula::Kind;

// Reads the translator's own output: every token followed by a blank, parentheses by none,
// connectives infix inside parentheses, functions and relations in prefix order.
class TranslationReader {
  public:
    TranslationReader(const Signature& signature, std::string_view text, std::vector<bool>& freeOccurrences,
                      FirstOrderSignature& used)
        : signature_(signature), text_(text), free_(freeOccurrences), used_(used),
          binders_(static_cast<std::size_t>(signature.variableCount()), 0) {}

    bool formula(FirstOrderFormula& result);
    bool atEnd() {
        skipBlanks();
        return cursor_ == text_.size();
    }

  private:
    struct Word {
        int base = 0; // token:: class base, or the keyword's code
        int index = 0;
    };

    void skipBlanks() {
        while (cursor_ < text_.size() && text_[cursor_] == ' ') {
            ++cursor_;
        }
    }
    bool accept(char c) {
        skipBlanks();
        if (cursor_ < text_.size() && text_[cursor_] == c) {
            ++cursor_;
            return true;
        }
        return false;
    }
    std::optional<Word> word();
    bool startsTerm();
    bool term(int expectedType, FirstOrderTerm& result);
    bool terms(const std::vector<int>& types, std::vector<FirstOrderTerm>& result);
    bool parenthesised(FirstOrderFormula& result);
    bool quantifier(Kind kind, FirstOrderFormula& result);

    const Signature& signature_;
    std::string_view text_;
    std::vector<bool>& free_;
    FirstOrderSignature& used_;
    std::vector<int> binders_;
    std::size_t cursor_ = 0;
};

std::optional<TranslationReader::Word> TranslationReader::word() {
    skipBlanks();
    if (cursor_ == text_.size()) {
        return std::nullopt;
    }
    if (const int k = symbolIndex(text_[cursor_]); k >= 0) {
        ++cursor_;
        return Word{signature_.token(k).code, k};
    }
    const std::size_t start = cursor_;
    while (cursor_ < text_.size() && text_[cursor_] != ' ' && text_[cursor_] != '(' &&
           text_[cursor_] != ')') {
        ++cursor_;
    }
    const int index = signature_.findToken(text_.substr(start, cursor_ - start));
    if (cursor_ == start || index < kKeywordCount) {
        return std::nullopt;
    }
    const int code = signature_.token(index).code;
    return Word{code & ~0xFF, code & 0xFF};
}

// A term begins with a variable or with a function whose result is a universe.
bool TranslationReader::startsTerm() {
    const std::size_t start = cursor_;
    const std::optional<Word> next = word();
    cursor_ = start;
    return next && (next->base == token::Variable ||
                    (next->base == token::Function && signature_.function(next->index).types[0] >= 1));
}

bool TranslationReader::terms(const std::vector<int>& types, std::vector<FirstOrderTerm>& result) {
    result.resize(types.size());
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (!term(types[i], result[i])) {
            return false;
        }
    }
    return true;
}

// expectedType 0 accepts a term of any universe.
bool TranslationReader::term(int expectedType, FirstOrderTerm& result) {
    const std::optional<Word> next = word();
    if (next && next->base == token::Variable && next->index < signature_.variableCount()) {
        const int type = signature_.variable(next->index).type;
        if (binders_[static_cast<std::size_t>(next->index)] == 0) {
            free_[static_cast<std::size_t>(next->index)] = true;
        }
        result = {FirstOrderTerm::Kind::Variable, next->index, {}};
        return expectedType == 0 || expectedType == type;
    }
    if (!next || next->base != token::Function || next->index >= signature_.functionCount()) {
        return false;
    }
    const FirstOrderSignature::Function& function = used_.functions[static_cast<std::size_t>(next->index)];
    used_.functions[static_cast<std::size_t>(next->index)].used = true;
    result = {FirstOrderTerm::Kind::Function, next->index, {}};
    const int resultType = function.types[0];
    return resultType >= 1 && (expectedType == 0 || expectedType == resultType) &&
           terms({function.types.begin() + 1, function.types.end()}, result.arguments);
}

bool TranslationReader::parenthesised(FirstOrderFormula& result) {
    if (startsTerm()) {
        result.kind = Kind::Equals;
        result.terms.resize(2);
        const bool equality = term(0, result.terms[0]);
        const std::optional<Word> op = word();
        return equality && op && op->base == token::Equals && term(0, result.terms[1]) && accept(')');
    }
    result.parts.resize(2);
    if (!formula(result.parts[0])) {
        return false;
    }
    const std::optional<Word> op = word();
    if (!op || (op->base != token::And && op->base != token::Or && op->base != token::Implies)) {
        return false;
    }
    result.kind = op->base == token::And ? Kind::And : op->base == token::Or ? Kind::Or : Kind::Implies;
    return formula(result.parts[1]) && accept(')');
}

bool TranslationReader::quantifier(Kind kind, FirstOrderFormula& result) {
    const std::optional<Word> variable = word();
    if (!variable || variable->base != token::Variable || variable->index >= signature_.variableCount()) {
        return false;
    }
    result.kind = kind;
    result.symbol = variable->index;
    result.parts.resize(1);
    int& binders = binders_[static_cast<std::size_t>(variable->index)];
    ++binders;
    const bool body = formula(result.parts[0]);
    --binders;
    return body;
}

bool TranslationReader::formula(FirstOrderFormula& result) {
    if (accept('(')) {
        return parenthesised(result);
    }
    const std::optional<Word> next = word();
    if (!next) {
        return false;
    }
    result.symbol = next->index;
    switch (next->base) {
    case token::Not:
        result.kind = Kind::Not;
        result.parts.resize(1);
        return formula(result.parts[0]);
    case token::ForAll:
    case token::Exists:
        return quantifier(next->base == token::ForAll ? Kind::ForAll : Kind::Exists, result);
    case token::Universe:
        result.kind = Kind::Universe;
        result.terms.resize(1);
        return next->index < signature_.universeCount() && term(0, result.terms[0]);
    case token::Relation: {
        if (next->index >= signature_.relationCount()) {
            return false;
        }
        result.kind = Kind::Relation;
        FirstOrderSignature::Relation& relation = used_.relations[static_cast<std::size_t>(next->index)];
        relation.used = true;
        return terms(std::vector<int>(static_cast<std::size_t>(relation.arity), 0), result.terms);
    }
    case token::Function: {
        if (next->index >= signature_.functionCount()) {
            return false;
        }
        FirstOrderSignature::Function& function = used_.functions[static_cast<std::size_t>(next->index)];
        function.used = true;
        result.kind = Kind::Predicate;
        return function.types[0] == 0 &&
               terms({function.types.begin() + 1, function.types.end()}, result.terms);
    }
    default:
        return false;
    }
}

FirstOrderSignature firstOrderSignature(const Signature& signature) {
    FirstOrderSignature result;
    for (int u = 1; u < signature.universeCount(); ++u) {
        result.universes.push_back(signature.token(signature.universeNameIndex(u)).name);
    }
    for (int v = 0; v < signature.variableCount(); ++v) {
        const Signature::Variable& variable = signature.variable(v);
        result.variables.push_back({signature.token(variable.nameIndex).name, variable.type});
    }
    for (int f = 0; f < signature.functionCount(); ++f) {
        const Signature::Function& function = signature.function(f);
        const auto end = function.types.begin() + 1 + std::max(function.arity, 0);
        result.functions.push_back({signature.token(function.nameIndex).name, {function.types.begin(), end}});
    }
    for (int r = 0; r < signature.relationCount(); ++r) {
        const Signature::Relation& relation = signature.relation(r);
        result.relations.push_back({signature.token(relation.nameIndex).name, relation.arity});
    }
    return result;
}

} // namespace

std::optional<FirstOrderFormula> readTranslation(const Signature& signature, std::string_view output,
                                                 std::vector<bool>& freeOccurrences,
                                                 FirstOrderSignature& used) {
    freeOccurrences.assign(static_cast<std::size_t>(signature.variableCount()), false);
    TranslationReader reader(signature, output, freeOccurrences, used);
    FirstOrderFormula formula;
    if (!reader.formula(formula) || !reader.atEnd()) {
        return std::nullopt;
    }
    return formula;
}

ProblemRead validityProblem(const Declarations& declarations, const std::string& formula,
                            Notifier& notifier) {
    const Translation translation = translateFormula(declarations, formula, false, notifier);
    if (translation.error != ParseError::None) {
        return {std::nullopt, translation.status};
    }
    SilentNotifier silent;
    Signature signature(silent);
    rebuildSignature(signature, declarations);
    FirstOrderProblem problem{firstOrderSignature(signature), {}, {}};
    std::vector<bool> freeOccurrences;
    std::optional<FirstOrderFormula> read =
        readTranslation(signature, translation.output, freeOccurrences, problem.signature);
    if (!read) {
        notifier.showMessage(messages::unreadableTranslation(), messages::validityCaption());
        return {std::nullopt, messages::unreadableTranslation()};
    }
    problem.formula = std::move(*read);
    for (std::size_t v = 0; v < freeOccurrences.size(); ++v) {
        if (freeOccurrences[v]) {
            problem.freeVariables.push_back(static_cast<int>(v));
        }
    }
    return {std::move(problem), {}};
}

} // namespace varquen
