#include "osmira/export/class_page.h"

#include "osmira/export/export_text.h"
#include "osmira/export/svg_writer.h"
#include "osmira/model/drawing.h"
#include "osmira/model/layout.h"
#include "suite/latin1.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace osmira {

namespace {

constexpr std::size_t kColumns = 13;
constexpr std::size_t kStatusColumn = 1;
using Cells = std::array<std::string, kColumns>;

// "Diagramas" counts the diagrams, the first one too, as the steps are numbered ("Paso 04" is
// the fourth): solve's "pasos añadidos" are the diagrams it appended.
const Cells kHeadings{"Fichero",
                      "Estado",
                      "Título",
                      "Autor",
                      "Hipótesis",
                      "Conclusión",
                      "Diagramas",
                      "Válido",
                      "Objetivo alcanzado",
                      "Derivable",
                      "Primer paso que no se sigue",
                      "Regla",
                      "Motivo"};

std::string yesNo(bool value) {
    return value ? "sí" : "no";
}

std::string derivabilityText(Derivability derivability) {
    switch (derivability) {
    case Derivability::Derivable:
        return "sí";
    case Derivability::NotDerivable:
        return "no";
    case Derivability::NoConclusion:
        break;
    }
    return "sin conclusión";
}

// Every column but the pictures, UTF-8 and unescaped.
Cells cells(const ClassRow& row) {
    const std::string reason = suite::utf8FromLatin1(row.reason);
    const std::string file = suite::utf8OrLatin1(row.file);
    const std::string status = statusWord(row.status);
    if (!row.readable) {
        return {file, status, "", "", "", "", "", "ilegible", "", "", "", "", reason};
    }
    const DerivationCheck& check = row.check;
    return {file,
            status,
            suite::utf8FromLatin1(row.title),
            suite::utf8FromLatin1(row.author),
            row.hypotheses,
            row.conclusion,
            std::to_string(check.steps),
            yesNo(check.valid),
            yesNo(check.goalReached),
            derivabilityText(row.derivability),
            check.valid ? "" : std::to_string(check.firstInvalidStep),
            check.valid ? "" : suite::utf8FromLatin1(ruleName(check.rule)),
            reason};
}

// The classes that colour the statuses, in their order: greys 93 %, 75 %, 57 %, 33 % and 12 %
// once printed in grey.
constexpr std::array<const char*, kClassStatuses> kStatusClasses{"e-resuelto", "e-incompleto", "e-erroneo",
                                                                 "e-distinto", "e-ilegible"};

// A status cell: its word on its colour, sorted by the order of the statuses.
std::string statusCell(ClassStatus status) {
    return "<td class=\"estado " + std::string(kStatusClasses[static_cast<std::size_t>(status)]) +
           "\" data-orden=\"" + std::to_string(static_cast<int>(status) + 1) + "\">" + statusWord(status) +
           "</td>";
}

// The summary verify prints, with the derivable files.
std::string totals(const std::vector<ClassRow>& rows) {
    FileTotals totals;
    for (const ClassRow& row : rows) {
        totals.add(row.readable, row.check, row.status, row.derivability == Derivability::Derivable);
    }
    return totals.text() + ", derivables: " + std::to_string(totals.derivable);
}

std::string statusTable(const std::vector<ClassRow>& rows, bool compared) {
    StatusTotals totals(compared);
    for (const ClassRow& row : rows) {
        totals.add(row.status);
    }
    std::string html = "<table id=\"estados\">\n<caption>Ficheros por estado</caption>\n";
    for (const ClassStatus status : everyClassStatus()) {
        if (totals.listed(status)) {
            html +=
                "<tr>" + statusCell(status) + "<td>" + std::to_string(totals.count(status)) + "</td></tr>\n";
        }
    }
    return html + "</table>\n";
}

// The screen's colours have distinct greys, so a grey printout tells the statuses apart even
// without their words; printing keeps the backgrounds, which browsers otherwise leave out, and
// fits the table across a landscape page, the pictures smaller and one under the other, as on a
// screen too narrow for them side by side.
constexpr const char* kPageHead =
    "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n"
    "<title>Resultados de la clase</title>\n<style>\n"
    "body { font-size: 14px; }\n"
    "table { border-collapse: collapse; }\n"
    "th, td { border: 1px solid #999; padding: 2px 6px; vertical-align: middle; }\n"
    "th { background: #eee; cursor: pointer; }\n"
    "caption { text-align: left; font-weight: bold; }\n"
    "#estados { margin-bottom: 1em; }\n"
    ".estado { font-weight: bold; white-space: nowrap; }\n"
    ".e-resuelto { background: #e3f6e3; color: #000; }\n"
    ".e-incompleto { background: #f0c419; color: #000; }\n"
    ".e-erroneo { background: #ef6f4a; color: #000; }\n"
    ".e-distinto { background: #7b3294; color: #fff; }\n"
    ".e-ilegible { background: #1f1f1f; color: #fff; }\n"
    ".pasos { white-space: nowrap; }\n"
    "@media (max-width: 1700px) { .pasos { white-space: normal; } }\n"
    "figure { display: inline-block; margin: 2px 4px; vertical-align: top; text-align: center; }\n"
    "figcaption { font-size: smaller; }\n"
    "@page { size: landscape; margin: 1cm; }\n"
    "@media print {\n"
    "  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
    "  body { font-size: 8pt; }\n"
    "  th { cursor: auto; }\n"
    "  th, td { padding: 1px 3px; }\n"
    "  tr, figure { break-inside: avoid; }\n"
    "  .pasos { white-space: normal; }\n"
    "  .pasos svg { zoom: 0.6; }\n"
    "}\n"
    "</style>\n</head>\n<body>\n<h1>Resultados de la clase</h1>\n";

// Clicking a heading sorts the rows by its column (a cell's data-orden before its text),
// numbers as numbers, again the other way.
constexpr const char* kSortScript =
    "<script>\n"
    "function clave(cell) { return cell.getAttribute('data-orden') || cell.textContent; }\n"
    "document.querySelectorAll('#clase thead th').forEach(function (heading, column) {\n"
    "  heading.addEventListener('click', function () {\n"
    "    var body = document.querySelector('#clase tbody');\n"
    "    var rows = Array.prototype.slice.call(body.rows);\n"
    "    var up = heading.getAttribute('aria-sort') !== 'ascending';\n"
    "    rows.sort(function (a, b) {\n"
    "      var x = clave(a.cells[column]), y = clave(b.cells[column]);\n"
    "      var m = parseFloat(x), n = parseFloat(y);\n"
    "      var order = !isNaN(m) && !isNaN(n) ? m - n : x.localeCompare(y, 'es');\n"
    "      return up ? order : -order;\n"
    "    });\n"
    "    document.querySelectorAll('#clase thead th').forEach(function (other) {\n"
    "      other.removeAttribute('aria-sort');\n"
    "    });\n"
    "    heading.setAttribute('aria-sort', up ? 'ascending' : 'descending');\n"
    "    rows.forEach(function (row) { body.appendChild(row); });\n"
    "  });\n"
    "});\n"
    "</script>\n";

std::string htmlRow(const ClassRow& row) {
    const Cells fields = cells(row);
    std::string html = "<tr>";
    for (std::size_t column = 0; column < fields.size(); ++column) {
        html += column == kStatusColumn ? statusCell(row.status)
                                        : "<td>" + xmlTextOfUtf8(fields[column]) + "</td>";
    }
    html += "<td class=\"pasos\">";
    for (const StepPicture& picture : row.pictures) {
        html += "<figure>" + picture.svg + "<figcaption>" + xmlTextOfUtf8(picture.caption) +
                "</figcaption></figure>";
    }
    return html + "</td></tr>\n";
}

// RFC 4180: a field holding the separator, a quotation mark or a line break is quoted, its
// quotation marks doubled. One that a spreadsheet would take as a formula (=1+2, +1, -1, @SUM)
// is quoted with an apostrophe first, which makes it text. Controls but tab and line breaks are
// left out.
std::string csvField(const std::string& utf8, char separator) {
    const std::string field = utf8WithoutControls(utf8, "\r");
    const bool formula =
        !field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos;
    if (!formula && field.find_first_of(std::string("\"\r\n") + separator) == std::string::npos) {
        return field;
    }
    std::string quoted = formula ? "\"'" : "\"";
    for (const char c : field) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string csvLine(const Cells& fields, char separator) {
    std::string line;
    for (std::size_t column = 0; column < fields.size(); ++column) {
        line += (column == 0 ? "" : std::string(1, separator)) + csvField(fields[column], separator);
    }
    return line + "\r\n";
}

// The diagram an exercise's formulas give, which its first step should be, in the looks a new
// exercise has.
Drawing formulasDrawing(const CEjercicio& exercise) {
    COsmiraDoc diagram;
    BuildDiagram(diagram, defaultAppearances(), exercise.firstStepBracketForm());
    return stepDrawing(diagram);
}

std::int64_t widthOf(const Drawing& drawing) {
    return std::int64_t{drawing.bounds.right} - drawing.bounds.left;
}

// Two diagrams side by side at one scale, so that neither looks larger than it is: the wider
// one at most kWidestRowPicture pixels wide.
std::vector<StepPicture> sideBySide(const std::string& firstCaption, const Drawing& first,
                                    const std::string& secondCaption, const Drawing& second) {
    const std::int64_t wider = std::max(widthOf(first), widthOf(second));
    const auto widest = [wider](const Drawing& drawing) {
        return wider <= kWidestRowPicture
                   ? kWidestRowPicture
                   : std::max(1, static_cast<int>(widthOf(drawing) * kWidestRowPicture / wider));
    };
    return {{firstCaption, svgElement(first, widest(first))},
            {secondCaption, svgElement(second, widest(second))}};
}

std::vector<StepPicture> failurePictures(const CEjercicio& exercise, const DerivationCheck& check) {
    const auto& steps = exercise.GetSteps();
    const std::size_t failing = check.firstInvalidStep;
    if (check.valid || failing < 1 || failing > steps.size()) {
        return {};
    }
    const std::string title = suite::utf8FromLatin1(stepTitle(static_cast<int>(failing)));
    if (failing == 1) {
        return sideBySide("Diagrama de las fórmulas", formulasDrawing(exercise),
                          title + " (no es ese diagrama)", stepDrawing(*steps.front()));
    }
    return sideBySide(suite::utf8FromLatin1(stepTitle(static_cast<int>(failing) - 1)),
                      stepDrawing(*steps[failing - 2]), title + " (no se sigue)",
                      stepDrawing(*steps[failing - 1]));
}

} // namespace

ClassRow classRow(const std::string& file, const CEjercicio& exercise, const DerivationCheck& check,
                  Derivability derivability, bool sameStatement) {
    const Statement statement = statementOf(exercise);
    return {file,
            true,
            exercise.GetTitle(),
            exercise.GetAuthor(),
            check,
            derivability,
            check.reason,
            classStatus(true, check, sameStatement),
            hypothesesText(statement),
            conclusionFormula(statement),
            failurePictures(exercise, check)};
}

ClassRow unreadableRow(const std::string& file, const std::string& latin1Reason) {
    ClassRow row;
    row.file = file;
    row.reason = latin1Reason;
    return row;
}

std::string classPage(const std::vector<ClassRow>& rows, const std::optional<AssignedStatement>& assigned) {
    std::string page = kPageHead;
    if (assigned) {
        page += "<p id=\"asignado\">Enunciado asignado (" +
                xmlTextOfUtf8(suite::utf8OrLatin1(assigned->file)) +
                "): " + xmlTextOfUtf8(statementText(assigned->statement)) + "</p>\n";
    }
    page += statusTable(rows, assigned.has_value()) + "<p id=\"totales\">" + totals(rows) + "</p>\n";
    page += "<table id=\"clase\">\n<thead><tr>";
    for (const std::string& heading : kHeadings) {
        page += "<th>" + heading + "</th>";
    }
    page += "<th>Paso anterior y primer paso que no se sigue</th></tr></thead>\n<tbody>\n";
    for (const ClassRow& row : rows) {
        page += htmlRow(row);
    }
    return page + "</tbody>\n</table>\n" + kSortScript + "</body>\n</html>\n";
}

std::string classCsv(const std::vector<ClassRow>& rows, char separator) {
    std::string csv = csvLine(kHeadings, separator);
    for (const ClassRow& row : rows) {
        csv += csvLine(cells(row), separator);
    }
    return csv;
}

} // namespace osmira
