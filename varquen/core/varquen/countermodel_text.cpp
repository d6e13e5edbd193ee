#include "varquen/countermodel_text.h"

#include "suite/json_text.h"
#include "suite/latin1.h"

namespace varquen {

namespace {

// What a table too large to write out (Countermodel::kMaxTableRows) shows instead.
constexpr const char* kTooLarge = "demasiados valores para mostrarlos";

std::string joined(const std::vector<std::string>& items, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : separator) + items[i];
    }
    return text;
}

std::string tupleText(const std::vector<std::string>& tuple) {
    return tuple.size() == 1 ? tuple[0] : "(" + joined(tuple, ", ") + ")";
}

std::string section(const std::string& heading, const std::vector<std::string>& lines) {
    return lines.empty() ? std::string() : heading + "\n  " + joined(lines, "\n  ") + "\n";
}

std::string jsonName(const std::string& latin1) {
    return suite::jsonString(suite::utf8FromLatin1(latin1));
}

std::string jsonList(const std::vector<std::string>& latin1Names) {
    std::vector<std::string> items;
    for (const std::string& name : latin1Names) {
        items.push_back(jsonName(name));
    }
    return "[" + joined(items, ",") + "]";
}

} // namespace

std::string countermodelText(const Countermodel& countermodel) {
    std::vector<std::string> universes, functions, relations, variables;
    for (const Countermodel::Universe& universe : countermodel.universes) {
        universes.push_back(universe.name + " = {" + joined(universe.elements, ", ") + "}");
    }
    for (const Countermodel::Function& function : countermodel.functions) {
        if (!function.complete) {
            functions.push_back(function.name + ": " + suite::latin1FromUtf8(kTooLarge));
        }
        for (const Countermodel::Entry& entry : function.entries) {
            const std::string arguments =
                entry.arguments.empty() ? "" : "(" + joined(entry.arguments, ", ") + ")";
            functions.push_back(function.name + arguments + " = " + entry.value);
        }
    }
    for (const Countermodel::Relation& relation : countermodel.relations) {
        std::vector<std::string> tuples;
        for (const std::vector<std::string>& tuple : relation.tuples) {
            tuples.push_back(tupleText(tuple));
        }
        relations.push_back(relation.complete ? relation.name + " = {" + joined(tuples, ", ") + "}"
                                              : relation.name + ": " + suite::latin1FromUtf8(kTooLarge));
    }
    for (const Countermodel::Assignment& assignment : countermodel.freeVariables) {
        variables.push_back(assignment.variable + " = " + assignment.element);
    }
    return section("Universos:", universes) + section("Funciones:", functions) +
           section("Relaciones:", relations) + section("Variables libres:", variables);
}

std::string answerText(const ValidityAnswer& answer) {
    std::string text = suite::latin1FromUtf8(suite::verdictLine(answer.verdict)) + "\n";
    if (answer.countermodel) {
        text += "Contramodelo:\n" + countermodelText(*answer.countermodel);
    }
    return text;
}

std::string countermodelJson(const Countermodel& countermodel) {
    std::vector<std::string> universes, functions, relations, variables;
    for (const Countermodel::Universe& universe : countermodel.universes) {
        universes.push_back(jsonName(universe.name) + ":" + jsonList(universe.elements));
    }
    for (const Countermodel::Function& function : countermodel.functions) {
        std::vector<std::string> entries;
        for (const Countermodel::Entry& entry : function.entries) {
            entries.push_back("{\"arguments\":" + jsonList(entry.arguments) +
                              ",\"value\":" + jsonName(entry.value) + "}");
        }
        functions.push_back(jsonName(function.name) + ":" +
                            (function.complete ? "[" + joined(entries, ",") + "]" : "null"));
    }
    for (const Countermodel::Relation& relation : countermodel.relations) {
        std::vector<std::string> tuples;
        for (const std::vector<std::string>& tuple : relation.tuples) {
            tuples.push_back(jsonList(tuple));
        }
        relations.push_back(jsonName(relation.name) + ":" +
                            (relation.complete ? "[" + joined(tuples, ",") + "]" : "null"));
    }
    for (const Countermodel::Assignment& assignment : countermodel.freeVariables) {
        variables.push_back(jsonName(assignment.variable) + ":" + jsonName(assignment.element));
    }
    return "{\"universes\":{" + joined(universes, ",") + "},\"functions\":{" + joined(functions, ",") +
           "},\"relations\":{" + joined(relations, ",") + "},\"freeVariables\":{" + joined(variables, ",") +
           "}}";
}

} // namespace varquen
