#pragma once

#include "osmira/model/ejercicio.h"

#include <ostream>
#include <string>
#include <vector>

namespace osmira::test {

// A text a student may put in any field of a handed-in exercise (title, author, description,
// step titles, comments), as Latin-1 bytes. Every writer that carries such text into a page, a
// file name, an export, a CSV or a terminal is checked once against all of them.
struct HostileText {
    const char* name; // the case's name in test output
    std::string bytes;
};

// Parameterised tests print the case's name, never its bytes.
inline void PrintTo(const HostileText& text, std::ostream* out) {
    *out << text.name;
}

inline std::vector<HostileText> hostileTexts() {
    using namespace std::string_literals;
    return {
        {"Markup", "<script>document.title=\"X\"</script><img src=x onerror=alert(1)>"},
        {"Quotes", "\" onmouseover=\"alert(1)\" x='y'"},
        {"Entities", "A<B & C>D &amp; &lt;"},
        {"Placeholders", "#Titulo #Coment #Archivo #sAutor #sFecha\n#sDocumentacion #sTituloEjercicio"},
        {"ParentFolders", "../../victim/notes.txt"},
        {"AbsolutePath", "/tmp/osmira-absolute"},
        {"LeadingDot", ".bashrc"},
        {"NulByte", "../../victim/notes.txt\0tail"s},
        {"ControlCharacters", "\x1B]0;titulo\x07\x1B[2J\x1B[31mrojo\r\b\x7F\x85\x9B"
                              "31m"},
        {"LineBreaks", "primera\r\nsegunda\ntercera\r"},
        {"TexSpecials", "\\input{/etc/passwd} \\def\\x{1} { } $ & # ^ _ % ~ \\\\"},
        {"SpreadsheetFormula", "=1+2"},
        {"SpreadsheetPrefixes", "+1\t-1\t@SUM(A1)"},
        {"Latin1", "L\xF3gica: \xBF\xF1"
                   "and\xFA? \xAE \xD8"},
        {"Empty", ""},
        {"VeryLong", std::string(210000, 'x')},
    };
}

// Every text a student writes in the exercise (title, author, description, each step's title
// and comment) set to `text`.
inline void setEveryText(CEjercicio& exercise, const std::string& text) {
    exercise.SetTitle(text);
    exercise.SetAuthor(text);
    exercise.SetDescription(text);
    for (const auto& step : exercise.GetSteps()) {
        step->SetTitle(text);
        step->SetComment(text);
    }
}

} // namespace osmira::test
