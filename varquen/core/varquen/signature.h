#pragma once

#include "varquen/notifier.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varquen {

// What became of one declaration entry; a refusal has shown its message.
enum class DeclarationStatus { Declared, Refused };

// The declared universes, variables, functions and relations, and the token table that
// holds every keyword and declared name. Rebuilt from the declaration lists at every
// translation; a refused entry shows one message through the notifier and changes nothing
// but, possibly, a stale name (see declareVariable).
class Signature {
  public:
    static constexpr int kMaxUniverses = 255;
    static constexpr int kMaxPerClass = 256;
    static constexpr int kMaxParameters = 31;
    static constexpr int kTokenTableSize = 7 + 4 * kMaxPerClass;

    struct Token {
        std::string name;
        std::string texForm;
        std::int32_t code = 0;
    };
    struct Variable {
        int nameIndex = 0;
        std::int32_t type = 0;
        // Quantified somewhere in the formula.
        bool bound = false;
        // Occurs outside every quantifier that binds it.
        bool occursFree = false;
    };
    struct Function {
        int nameIndex = 0;
        std::int32_t arity = 0;
        // Position 0 is the result type, positions 1..31 the parameter types.
        std::array<std::int32_t, kMaxParameters + 1> types{};
    };
    struct Relation {
        int nameIndex = 0;
        std::int32_t arity = 0;
    };

    explicit Signature(Notifier& notifier);

    void resetSignature();
    DeclarationStatus registerToken(const std::string& name, std::int32_t code);
    DeclarationStatus declareUniverse(std::string_view entry);
    DeclarationStatus declareVariable(std::string_view entry);
    DeclarationStatus declareFunction(std::string_view entry);
    DeclarationStatus declareRelation(std::string_view entry);

    // Token-table index of a word, or -1.
    int findToken(std::string_view word) const;
    const Token& token(int index) const { return tokens_[index]; }
    int tokenCount() const { return static_cast<int>(tokens_.size()); }

    // One more than the number of declared universes: universe numbers run from 1.
    int universeCount() const { return static_cast<int>(universeNames_.size()); }
    int universeNameIndex(int universe) const { return universeNames_[universe]; }

    int variableCount() const { return static_cast<int>(variables_.size()); }
    const Variable& variable(int index) const { return variables_[index]; }
    void markBound(int index) { variables_[index].bound = true; }
    void markFreeOccurrence(int index) { variables_[index].occursFree = true; }

    int functionCount() const { return static_cast<int>(functions_.size()); }
    const Function& function(int index) const { return functions_[index]; }

    int relationCount() const { return static_cast<int>(relations_.size()); }
    const Relation& relation(int index) const { return relations_[index]; }

  private:
    // The stripped entry, or nothing when it was refused (message shown): a NUL byte, which no
    // screen shows, or more than kMaxEntryLength characters.
    bool stripAndCheckEntry(std::string_view entry, const std::string& caption, std::string& stripped);
    // Splits "name:rest"; refuses a missing colon or an empty name.
    bool splitNamed(const std::string& stripped, const std::string& caption,
                    const std::string& unnamedMessage, std::string& name, std::size_t& afterColon);
    void refuse(const std::string& text, const std::string& caption);

    Notifier& notifier_;
    std::vector<Token> tokens_;
    std::vector<int> universeNames_;
    std::vector<Variable> variables_;
    std::vector<Function> functions_;
    std::vector<Relation> relations_;
};

// Removes spaces, tabs and line feeds; carriage returns stay.
std::string stripBlanks(std::string_view entry);

} // namespace varquen
