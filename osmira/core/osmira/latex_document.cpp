#include "osmira/latex_document.h"

#include "osmira/derivation_check.h"
#include "osmira/drawing.h"
#include "osmira/export_text.h"
#include "osmira/informe.h"
#include "osmira/tikz_writer.h"

namespace osmira {

namespace {

// Latin Modern with T1: vector fonts at every size, so the PDF has no bitmap (Type 3) font and
// its text copies as written. Babel's Spanish names the figures, the date and the hyphenation;
// without its shorthands, so a student's " < > and the pictures' decimals stay as written.
// Figures that do not float: a derivation of a hundred steps keeps its order, and LaTeX never
// runs out of room for pending floats.
constexpr const char* kPreamble = "\\documentclass[a4paper]{article}\n"
                                  "\\usepackage[utf8]{inputenc}\n"
                                  "\\usepackage[T1]{fontenc}\n"
                                  "\\usepackage{lmodern}\n"
                                  "\\usepackage[spanish,es-noshorthands,es-nodecimaldot]{babel}\n"
                                  "\\usepackage{tikz}\n"
                                  "\\makeatletter\n"
                                  "\\newcommand{\\pasofigura}{\\def\\@captype{figure}}\n"
                                  "\\makeatother\n";

std::string line(const std::string& latin1) {
    return latexText(latin1, LineFeeds::Spaces);
}

std::string titlePage(const CEjercicio& exercise) {
    std::string text = "\\title{" + line(exercise.GetTitle()) + "}\n\\author{" + line(exercise.GetAuthor()) +
                       "}\n\\date{" + reportDate(exercise.GetCreationDate()) +
                       "}\n\\begin{document}\n\\maketitle\n";
    if (!exercise.GetDescription().empty()) {
        text += "\\section*{Descripción del Ejercicio}\n" + latexText(exercise.GetDescription()) + "\n";
    }
    return text + "\\section*{Secuencia de Diagramas}\n";
}

// A caption also goes to the .aux file as one line, which TeX reads back into its buffer of
// 200,000 characters: the list of figures takes it with the title cut short.
constexpr std::size_t kLongestListedTitle = 200;

std::string caption(const std::string& title, const COsmiraDoc* previous) {
    std::string text = line(title);
    if (previous == nullptr) {
        return text + ": diagrama inicial.";
    }
    const std::string rule = ruleName(previous->GetAppliedRule());
    return rule.empty() ? text + "." : text + ": obtenido por la regla " + line(rule) + ".";
}

std::string figure(const COsmiraDoc& step, const COsmiraDoc* previous) {
    std::string text = "\\begin{center}\n\\begin{minipage}{\\linewidth}\n\\centering\n\\pasofigura\n" +
                       tikzPicture(stepDrawing(step)) + "\\caption[{" +
                       caption(step.GetTitle().substr(0, kLongestListedTitle), previous) + "}]{" +
                       caption(step.GetTitle(), previous) + "}\n\\end{minipage}\n\\end{center}\n";
    if (!step.GetComment().empty()) {
        text += latexText(step.GetComment()) + "\n\n";
    }
    return text;
}

} // namespace

std::string latexDocument(const CEjercicio& exercise) {
    std::string document = std::string(kPreamble) + titlePage(exercise);
    const COsmiraDoc* previous = nullptr;
    for (const auto& step : exercise.GetSteps()) {
        document += figure(*step, previous);
        previous = step.get();
    }
    return document + "\\end{document}\n";
}

} // namespace osmira
