#include "osmira/class_page.h"

#include "osmira/drawing.h"
#include "osmira/export_text.h"
#include "osmira/svg_writer.h"
#include "suite/latin1.h"

#include <array>
#include <string_view>

namespace osmira {

namespace {

constexpr std::size_t kColumns = 10;
using Cells = std::array<std::string, kColumns>;

const Cells kHeadings{"Archivo",   "Título",
                      "Autor",     "Pasos",
                      "Válido",    "Objetivo alcanzado",
                      "Derivable", "Primer paso que no se sigue",
                      "Regla",     "Motivo"};

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

// Every column but the picture, UTF-8 and unescaped.
Cells cells(const ClassRow& row) {
    const std::string reason = suite::utf8FromLatin1(row.reason);
    const std::string file = suite::utf8OrLatin1(row.file);
    if (!row.readable) {
        return {file, "", "", "", "ilegible", "", "", "", "", reason};
    }
    const DerivationCheck& check = row.check;
    return {file,
            suite::utf8FromLatin1(row.title),
            suite::utf8FromLatin1(row.author),
            std::to_string(check.steps),
            yesNo(check.valid),
            yesNo(check.goalReached),
            derivabilityText(row.derivability),
            check.valid ? "" : std::to_string(check.firstInvalidStep),
            check.valid ? "" : suite::utf8FromLatin1(ruleName(check.rule)),
            reason};
}

// The summary verify prints, with the derivable files.
std::string totals(const std::vector<ClassRow>& rows) {
    std::size_t valid = 0, solved = 0, invalid = 0, unreadable = 0, derivable = 0;
    for (const ClassRow& row : rows) {
        unreadable += row.readable ? 0 : 1;
        invalid += row.readable && !row.check.valid ? 1 : 0;
        valid += row.readable && row.check.valid ? 1 : 0;
        solved += row.readable && row.check.valid && row.check.goalReached ? 1 : 0;
        derivable += row.readable && row.derivability == Derivability::Derivable ? 1 : 0;
    }
    return "Archivos: " + std::to_string(rows.size()) + ", válidos: " + std::to_string(valid) +
           ", resueltos: " + std::to_string(solved) + ", no válidos: " + std::to_string(invalid) +
           ", ilegibles: " + std::to_string(unreadable) + ", derivables: " + std::to_string(derivable);
}

constexpr const char* kPageHead =
    "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n"
    "<title>Resultados de la clase</title>\n<style>\n"
    "table { border-collapse: collapse; }\n"
    "th, td { border: 1px solid #999; padding: 2px 6px; vertical-align: middle; }\n"
    "th { background: #eee; cursor: pointer; }\n"
    "</style>\n</head>\n<body>\n<h1>Resultados de la clase</h1>\n";

// Clicking a heading sorts the rows by its column, numbers as numbers, again the other way.
constexpr const char* kSortScript =
    "<script>\n"
    "document.querySelectorAll('#clase thead th').forEach(function (heading, column) {\n"
    "  heading.addEventListener('click', function () {\n"
    "    var body = document.querySelector('#clase tbody');\n"
    "    var rows = Array.prototype.slice.call(body.rows);\n"
    "    var up = heading.getAttribute('aria-sort') !== 'ascending';\n"
    "    rows.sort(function (a, b) {\n"
    "      var x = a.cells[column].textContent, y = b.cells[column].textContent;\n"
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
    std::string html = "<tr>";
    for (const std::string& cell : cells(row)) {
        html += "<td>" + xmlTextOfUtf8(cell) + "</td>";
    }
    return html + "<td>" + row.picture + "</td></tr>\n";
}

// RFC 4180: a field holding a comma, a quotation mark or a line break is quoted, its quotation
// marks doubled. One that a spreadsheet would take as a formula (=1+2, +1, -1, @SUM) is quoted
// with an apostrophe first, which makes it text. Controls but tab and line breaks are left out.
std::string csvField(const std::string& utf8) {
    const std::string field = utf8WithoutControls(utf8, "\r");
    const bool formula =
        !field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos;
    if (!formula && field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = formula ? "\"'" : "\"";
    for (const char c : field) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string csvLine(const Cells& fields) {
    std::string line;
    for (std::size_t column = 0; column < fields.size(); ++column) {
        line += (column == 0 ? "" : ",") + csvField(fields[column]);
    }
    return line + "\r\n";
}

} // namespace

ClassRow classRow(const std::string& file, const CEjercicio& exercise, const DerivationCheck& check) {
    ClassRow row{file,
                 true,
                 exercise.GetTitle(),
                 exercise.GetAuthor(),
                 check,
                 decideDerivability(exercise).derivability,
                 check.reason,
                 {}};
    const auto& steps = exercise.GetSteps();
    if (!check.valid && check.firstInvalidStep >= 1 && check.firstInvalidStep <= steps.size()) {
        row.picture = svgElement(stepDrawing(*steps[check.firstInvalidStep - 1]), kWidestRowPicture);
    }
    return row;
}

ClassRow unreadableRow(const std::string& file, const std::string& latin1Reason) {
    ClassRow row;
    row.file = file;
    row.reason = latin1Reason;
    return row;
}

std::string classPage(const std::vector<ClassRow>& rows) {
    std::string page = std::string(kPageHead) + "<table id=\"clase\">\n<thead><tr>";
    for (const std::string& heading : kHeadings) {
        page += "<th>" + heading + "</th>";
    }
    page += "<th>Diagrama</th></tr></thead>\n<tbody>\n";
    for (const ClassRow& row : rows) {
        page += htmlRow(row);
    }
    return page + "</tbody>\n</table>\n<p id=\"totales\">" + totals(rows) + "</p>\n" + kSortScript +
           "</body>\n</html>\n";
}

std::string classCsv(const std::vector<ClassRow>& rows) {
    std::string csv = csvLine(kHeadings);
    for (const ClassRow& row : rows) {
        csv += csvLine(cells(row));
    }
    return csv;
}

} // namespace osmira
