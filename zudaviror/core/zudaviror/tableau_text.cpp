#include "zudaviror/tableau_text.h"

#include "zudaviror/formula_code.h"

#include "suite/latin1.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace zudaviror {

namespace {

std::string numbered(std::size_t node) {
    return std::to_string(node + 1);
}

// The lines are gathered first, each with its justification apart, so that every justification
// starts in one column whatever the depth of its branch.
class TextWriter {
  public:
    explicit TextWriter(const Tableau& tableau) : tableau_(tableau) {}

    std::string written() {
        if (!tableau_.nodes.empty()) {
            branch(0, "", "");
        }
        std::size_t width = 0;
        for (const auto& [statement, why] : lines_) {
            width = std::max(width, suite::utf8Length(statement));
        }
        std::string text;
        for (const auto& [statement, why] : lines_) {
            text += statement +
                    (why.empty() ? "" : std::string(width - suite::utf8Length(statement) + 3, ' ') + why) +
                    "\n";
        }
        return text;
    }

  private:
    void branch(std::size_t node, const std::string& first, const std::string& rest) {
        for (std::string lead = first;; lead = rest) {
            const TableauNode& current = tableau_.nodes[node];
            lines_.emplace_back(lead + numbered(node) + ". " + nodeStatement(tableau_, current),
                                nodeJustification(current));
            if (current.children.size() != 1) {
                if (const std::string end = branchEnd(current); !end.empty()) {
                    lines_.emplace_back(rest + end, "");
                }
                for (std::size_t child = 0; child < current.children.size(); ++child) {
                    const bool last = child + 1 == current.children.size();
                    branch(current.children[child], rest + (last ? "└─ " : "├─ "),
                           rest + (last ? "   " : "│  "));
                }
                return;
            }
            node = current.children.front();
        }
    }

    const Tableau& tableau_;
    std::vector<std::pair<std::string, std::string>> lines_; // statement, justification
};

constexpr std::array<std::pair<char, std::string_view>, 12> kTexSigns = {{
    {FormulaCode::Necesidad, "\\Box "},
    {FormulaCode::Posibilidad, "\\Diamond "},
    {FormulaCode::Negado, "\\neg "},
    {FormulaCode::Conjuncion, "\\land "},
    {FormulaCode::Disyuncion, "\\lor "},
    {FormulaCode::Condicional, "\\rightarrow "},
    {FormulaCode::Bicondicional, "\\leftrightarrow "},
    {FormulaCode::Falso, "\\bot "},
    {FormulaCode::F1, "\\varphi "},
    {FormulaCode::F2, "\\psi "},
    {FormulaCode::F3, "\\beta "},
    {FormulaCode::F4, "\\alpha "},
}};

std::string texCodes(std::string_view codes) {
    std::string tex;
    for (const char code : codes) {
        const auto sign = std::find_if(kTexSigns.begin(), kTexSigns.end(),
                                       [&](const auto& entry) { return entry.first == code; });
        tex += sign == kTexSigns.end() ? std::string(1, code) : std::string(sign->second);
    }
    return tex;
}

class LatexWriter {
  public:
    explicit LatexWriter(const Tableau& tableau) : tableau_(tableau) {}

    std::string written() {
        if (!tableau_.nodes.empty()) {
            branch(0, 0);
        }
        // Each level starts below the tallest stretch of the level above it.
        std::string levels;
        for (std::size_t depth = 0; depth + 1 < tallest_.size(); ++depth) {
            levels += ", level " + std::to_string(depth + 1) +
                      "/.style={level distance=" + std::to_string(tallest_[depth] * 5 + 8) + "mm}";
        }
        return "\\documentclass{article}\n"
               "\\usepackage[T1]{fontenc}\n"
               "\\usepackage[utf8]{inputenc}\n"
               "\\usepackage{lmodern}\n"
               "\\usepackage[spanish,es-noshorthands,es-nodecimaldot]{babel}\n"
               "\\usepackage{amssymb}\n"
               "\\usepackage{tikz-qtree}\n"
               "\\begin{document}\n"
               "\\begin{center}\n"
               "\\begin{tikzpicture}[every tree node/.style={anchor=north}, sibling distance=10mm, "
               "edge from parent path={(\\tikzparentnode.south) -- (\\tikzchildnode.north)}" +
               levels + "]\n\\Tree " + text_ + "\\end{tikzpicture}\n\\end{center}\n\\end{document}\n";
    }

  private:
    // One stretch without splits is one node of the tree: a table of its numbered lines.
    void branch(std::size_t node, std::size_t depth) {
        const std::string indent(depth * 2, ' ');
        text_ += indent + "[.{\\begin{tabular}{@{}r@{\\ }l@{\\quad}l@{}}\n";
        std::size_t lines = 0;
        for (;; ++lines) {
            const TableauNode& current = tableau_.nodes[node];
            text_ += indent + "  " + numbered(node) + ". & $" + texStatement(current) + "$ & $" +
                     texJustification(current) + "$ \\\\\n";
            if (current.children.size() != 1) {
                const std::string end = texEnd(current);
                lines += end.empty() ? 1 : 2;
                tallest_.resize(std::max(tallest_.size(), depth + 1), 0);
                tallest_[depth] = std::max(tallest_[depth], lines);
                text_ += (end.empty() ? "" : indent + "  " + end + "\n") + indent + "\\end{tabular}}\n";
                for (const std::size_t child : current.children) {
                    branch(child, depth + 1);
                }
                text_ += indent + "]\n";
                return;
            }
            node = current.children.front();
        }
    }

    std::string texStatement(const TableauNode& node) const {
        if (node.accessibility()) {
            return std::to_string(node.world) + "\\mathrel{r}" + std::to_string(node.to);
        }
        return texCodes(tableau_.formulas.codes(node.formula)) + ",\\ " + std::to_string(node.world);
    }

    static std::string texJustification(const TableauNode& node) {
        std::string from;
        for (const std::size_t part : node.from) {
            from += (from.empty() ? "\\ " : ",") + numbered(part);
        }
        return std::string(ruleTexSign(node.rule)) + from;
    }

    static std::string texEnd(const TableauNode& node) {
        if (node.closedBy) {
            return "\\multicolumn{3}{@{}l@{}}{$\\times$\\ " + numbered(node.closedBy->first) + ", " +
                   numbered(node.closedBy->second) + "}";
        }
        return node.open          ? "\\multicolumn{3}{@{}l@{}}{$\\uparrow$\\ abierta}"
               : node.undeveloped ? "\\multicolumn{3}{@{}l@{}}{\\ldots\\ sin desarrollar}"
                                  : "";
    }

    const Tableau& tableau_;
    std::string text_;
    std::vector<std::size_t> tallest_; // per depth, the most lines of a stretch there
};

} // namespace

std::string nodeStatement(const Tableau& tableau, const TableauNode& node) {
    if (node.accessibility()) {
        return std::to_string(node.world) + " r " + std::to_string(node.to);
    }
    return tableau.formulas.signs(node.formula) + ", " + std::to_string(node.world);
}

std::string nodeJustification(const TableauNode& node) {
    std::string why(ruleSign(node.rule));
    for (std::size_t part = 0; part < node.from.size(); ++part) {
        why += (part == 0 ? " " : ", ") + numbered(node.from[part]);
    }
    return why;
}

std::string branchEnd(const TableauNode& node) {
    if (node.closedBy) {
        return "× " + numbered(node.closedBy->first) + ", " + numbered(node.closedBy->second);
    }
    return node.open ? "↑ abierta" : node.undeveloped ? "… sin desarrollar" : "";
}

std::string tableauText(const Tableau& tableau) {
    return TextWriter(tableau).written();
}

std::string tableauLatex(const Tableau& tableau) {
    return LatexWriter(tableau).written();
}

} // namespace zudaviror
