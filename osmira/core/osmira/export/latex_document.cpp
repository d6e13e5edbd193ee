#include "osmira/export/latex_document.h"

#include "osmira/check/derivation_check.h"
#include "osmira/check/statement.h"
#include "osmira/export/export_text.h"
#include "osmira/export/tikz_writer.h"
#include "osmira/report/informe.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

namespace osmira {

namespace {

// Latin Modern with T1: vector fonts at every size, so the PDF has no bitmap (Type 3) font and
// its text copies as written. Babel's Spanish names the figures, the date and the hyphenation;
// without its shorthands, so a student's " < > and the pictures' decimals stay as written.
// Figures that do not float (a centred picture whose caption is a figure's): a derivation of a
// hundred steps keeps its order, and LaTeX never runs out of room for pending floats. A caption is a
// paragraph, centred like its figure: the class measures it in one box first, and one longer than 16,383 pt
// stops TeX ("Dimension too large"). \sloppy: a long word or formula stretches the line's spaces rather than
// run into the margin.
constexpr const char* kPreamble = "\\documentclass[a4paper]{article}\n"
                                  "\\usepackage[utf8]{inputenc}\n"
                                  "\\usepackage[T1]{fontenc}\n"
                                  "\\usepackage{lmodern}\n"
                                  "\\usepackage[spanish,es-noshorthands,es-nodecimaldot]{babel}\n"
                                  "\\usepackage{tikz}\n"
                                  "\\makeatletter\n"
                                  "\\newcommand{\\pasofigura}{\\def\\@captype{figure}}\n"
                                  "\\renewcommand{\\@makecaption}[2]{\\vskip\\abovecaptionskip"
                                  "{\\centering #1: #2\\par}\\vskip\\belowcaptionskip}\n"
                                  "\\makeatother\n"
                                  "\\sloppy\n";

std::string line(const std::string& latin1) {
    return latexText(latin1, LineFeeds::Spaces);
}

// The creation date as babel's Spanish writes a date ("1 de marzo de 2024").
std::string spanishDate(std::int32_t seconds) {
    const CalendarDay date = creationDay(seconds);
    return "{\\day=" + std::to_string(date.day) + "\\relax\\month=" + std::to_string(date.month) +
           "\\relax\\year=" + std::to_string(date.year) + "\\relax\\today}";
}

// The title, the author and the date each in a centred paragraph of their own, which breaks
// its lines (\maketitle sets the author in a table's cell, where a long name never breaks).
std::string titleBlock(const CEjercicio& exercise) {
    std::string text = "\\begin{center}\n";
    if (!exercise.GetTitle().empty()) {
        text += "{\\LARGE " + line(exercise.GetTitle()) + "\\par}\n\\vspace{1em}\n";
    }
    if (!exercise.GetAuthor().empty()) {
        text += "{\\large " + line(exercise.GetAuthor()) + "\\par}\n\\vspace{0.5em}\n";
    }
    return text + "{\\large " + spanishDate(exercise.GetCreationDate()) + "\\par}\n\\end{center}\n";
}

// A run of signs with no connective to break after gets a place to break after this many.
constexpr int kLongestUnbrokenFormula = 24;

// A formula (UTF-8, in logic signs) in math mode: ¬ ∧ ∨ → as \neg \land \lor \to. TeX breaks a
// line after ∧, ∨ and →.
std::string mathFormula(std::string_view formula) {
    static constexpr std::pair<std::string_view, const char*> kSigns[] = {
        {"¬", "\\neg"}, {"∧", "\\land"}, {"∨", "\\lor"}, {"→", "\\to"}};
    TexSource source;
    source.add("$");
    int sinceBreak = 0;
    while (!formula.empty()) {
        const auto* sign = std::find_if(std::begin(kSigns), std::end(kSigns),
                                        [formula](const auto& s) { return formula.starts_with(s.first); });
        const bool found = sign != std::end(kSigns);
        if (found && sign != std::begin(kSigns)) { // ∧ ∨ →
            source.add(" ");
            source.add(sign->second);
            source.add(" ");
            sinceBreak = 0;
        } else {
            if (sinceBreak == kLongestUnbrokenFormula) {
                source.add("\\allowbreak");
                source.add(" ");
                sinceBreak = 0;
            }
            ++sinceBreak;
            source.add(found ? std::string_view(sign->second) : formula.substr(0, 1));
            source.add(found ? " " : "");
        }
        formula.remove_prefix(found ? sign->first.size() : 1);
    }
    source.add("$");
    return source.take();
}

// A formula of the statement; a graph no formula gives (in a file made by hand) is shown in its
// bracket form, as the statement gives it.
std::string statementFormula(const std::string& formula) {
    return formula.find('[') == std::string::npos ? mathFormula(formula) : "\\texttt{" + line(formula) + "}";
}

// What is derived from what: the hypotheses and the conclusion as formulas; a theorem's
// conclusion, or the hypotheses of an exercise without one, from the empty sheet.
std::string statement(const CEjercicio& exercise) {
    const Statement asked = statementOf(exercise);
    if (asked.hypotheses.empty() && asked.conclusion.empty()) {
        return {};
    }
    std::string text = "\\section*{Enunciado}\n\\begin{description}\n";
    if (!asked.hypotheses.empty()) {
        std::string formulas;
        for (const std::string& formula : hypothesisFormulas(asked)) {
            formulas += (formulas.empty() ? "" : ";\n") + statementFormula(formula);
        }
        text += "\\item[Hipótesis:] " + formulas +
                (asked.conclusion.empty() ? ", que se demuestran a partir de la hoja vacía.\n" : ".\n");
    }
    if (!asked.conclusion.empty()) {
        text += "\\item[Conclusión:] " + statementFormula(conclusionFormula(asked)) +
                (asked.hypotheses.empty() ? ", que se demuestra a partir de la hoja vacía.\n" : ".\n");
    }
    return text + "\\end{description}\n";
}

std::string opening(const CEjercicio& exercise) {
    std::string text = "\\begin{document}\n" + titleBlock(exercise);
    if (!exercise.GetDescription().empty()) {
        text += "\\section*{Descripción del Ejercicio}\n" + latexText(exercise.GetDescription()) + "\n";
    }
    return text + statement(exercise) + "\\section*{Secuencia de Diagramas}\n";
}

// A caption also goes to the .aux file as one line, which TeX reads back into its buffer of
// 200,000 characters: the list of figures takes it with the title cut short.
constexpr std::size_t kLongestListedTitle = 200;

std::string caption(const std::string& title, const COsmiraDoc* previous) {
    std::string text = line(title);
    if (previous == nullptr) {
        return text + ", diagrama inicial.";
    }
    const std::string rule = ruleName(previous->GetAppliedRule());
    return rule.empty() ? text + "." : text + ", obtenido por la regla " + line(rule) + ".";
}

// The picture and its caption kept on one page; the caption a paragraph of its own, not in a
// box, since a caption of some thousand lines would be a box taller than TeX can measure.
std::string figure(const COsmiraDoc& step, const COsmiraDoc* previous, FigureStyle style) {
    std::string text = "\\begin{center}\n\\pasofigura\n" + tikzPicture(figureDrawing(step, style)) +
                       "\\par\\nopagebreak\n\\caption[{" +
                       caption(step.GetTitle().substr(0, kLongestListedTitle), previous) + "}]{" +
                       caption(step.GetTitle(), previous) + "}\n\\end{center}\n";
    if (!step.GetComment().empty()) {
        text += latexText(step.GetComment()) + "\n\n";
    }
    return text;
}

} // namespace

std::string latexDocument(const CEjercicio& exercise, FigureStyle style) {
    std::string document = std::string(kPreamble) + opening(exercise);
    const COsmiraDoc* previous = nullptr;
    for (const auto& step : exercise.GetSteps()) {
        document += figure(*step, previous, style);
        previous = step.get();
    }
    return document + "\\end{document}\n";
}

} // namespace osmira
