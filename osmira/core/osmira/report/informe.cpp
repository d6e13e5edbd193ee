#include "osmira/report/informe.h"
#include "osmira/report/informe_alpha_chapter.h"

#include "osmira/model/elem_grafico.h"
#include "osmira/model/rule.h"
#include "osmira/report/report_picture_names.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace osmira {

namespace {

// Templates are written in UTF-8 here and reach the page as Latin-1.
std::string L(std::string_view utf8) {
    return suite::latin1FromUtf8(utf8);
}

// Every occurrence, left to right; the inserted text is not searched again.
void replaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
    std::size_t at = 0;
    while ((at = text.find(placeholder, at)) != std::string::npos) {
        text.replace(at, placeholder.size(), value);
        at += value.size();
    }
}

// The placeholders of a section, each replaced by its value, every occurrence, left to right:
// what was inserted is never searched again, so a title holding "#sAutor" shows as typed.
void fillPlaceholders(std::string& text,
                      const std::vector<std::pair<std::string_view, std::string>>& values) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto match = std::find_if(values.begin(), values.end(), [&](const auto& value) {
            return text.compare(at, value.first.size(), value.first) == 0;
        });
        if (match == values.end()) {
            filled += text[at++];
            continue;
        }
        filled += match->second;
        at += match->first.size();
    }
    text = std::move(filled);
}

// A text of the exercise as the page shows it: as typed, never as markup. Controls but tab, line
// feed and carriage return are left out (a NUL would end the text for some readers).
std::string htmlText(std::string_view latin1) {
    std::string text;
    text.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '&':
            text += "&amp;";
            break;
        case '<':
            text += "&lt;";
            break;
        case '>':
            text += "&gt;";
            break;
        case '"':
            text += "&quot;";
            break;
        default:
            if ((byte >= 0x20 && byte != 0x7F) || c == '\t' || c == '\n' || c == '\r') {
                text += c;
            }
        }
    }
    return text;
}

// A carriage return before a line feed stays.
std::string lineFeedsAsParagraphs(std::string text) {
    replaceAll(text, "\n", "<P>");
    return text;
}

std::string repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

std::string ruleSentence(Rule rule) {
    switch (rule) {
    case Rule::Erasure:
        return " <BR><BR>Se ha aplicado la regla: (R1) Borrado <BR><BR>";
    case Rule::Insertion:
        return L(" <BR><BR>Se ha aplicado la regla: (R2) Inserción <BR><BR>");
    case Rule::Iteration:
        return L(" <BR><BR>Se ha aplicado la regla: (R3) Iteración <BR><BR>");
    case Rule::Deiteration:
        return L(" <BR><BR>Se ha aplicado la regla: (R4) Desiteración <BR><BR>");
    case Rule::DoubleCut:
        return " <BR><BR>Se ha aplicado la regla: (R5) Doble Corte <BR><BR>";
    case Rule::None:
        break;
    }
    return {};
}

// One object of an example picture: its kind, its box and, for a letter, the letter.
struct ExampleObject {
    char kind; // 'H' sheet, 'C' cut, 'L' letter
    Rect box;
    char letter = 0;
};

struct ExamplePicture {
    const char* fileName;
    int width;
    int height;
    std::vector<ExampleObject> objects;
};

const std::array<ExamplePicture, 6>& examplePictures() {
    static const std::array<ExamplePicture, 6> pictures{{
        {"Grafico1.jpg", 50, 50, {{'H', {0, 0, 50, 50}}}},
        {"Grafico2.jpg", 50, 50, {{'C', {0, 0, 50, 50}}}},
        {"Grafico3.jpg",
         140,
         98,
         {{'C', {0, 0, 140, 98}},
          {'L', {20, 40, 40, 58}, 'G'},
          {'C', {60, 20, 120, 78}},
          {'L', {80, 40, 100, 58}, 'H'}}},
        {"Grafico4.jpg", 60, 58, {{'C', {0, 0, 60, 58}}, {'L', {20, 20, 40, 38}, 'G'}}},
        {"Grafico5.jpg", 60, 18, {{'L', {0, 0, 20, 18}, 'G'}, {'L', {40, 0, 60, 18}, 'H'}}},
        {"Grafico6.jpg",
         180,
         98,
         {{'C', {0, 0, 180, 98}},
          {'C', {20, 20, 80, 78}},
          {'L', {40, 40, 60, 58}, 'G'},
          {'C', {100, 20, 160, 78}},
          {'L', {120, 40, 140, 58}, 'H'}}},
    }};
    return pictures;
}

std::unique_ptr<CElemGrafico> makeObject(const ExampleObject& object, const AppearanceSet& appearances) {
    switch (object.kind) {
    case 'H':
        return std::make_unique<CHojaGrafico>(object.box, appearances.sheet);
    case 'C':
        return std::make_unique<CCorteGrafico>(object.box, appearances.cut);
    default: {
        auto letter = std::make_unique<CLetraGrafico>(object.box, appearances.letter);
        letter->SetLetter(object.letter);
        return letter;
    }
    }
}

// Writes pictures until the first failure, which it keeps.
class Pictures {
  public:
    Pictures(const std::string& folder, ReportPictureWriter& writer, const AppearanceSet& appearances,
             const ReportProgress& progress, int total)
        : folder_(folder), writer_(writer), appearances_(appearances), progress_(progress), total_(total) {}

    // The name is Latin-1, as the page writes it; the file system's names are UTF-8.
    void diagram(const std::string& fileName, const COsmiraDoc& step) {
        if (!failure_) {
            failure_ = writer_.writeDiagram(folder_ + suite::utf8FromLatin1(fileName), step);
            written();
        }
    }

    void example(int number) {
        const ExamplePicture& picture = examplePictures()[static_cast<std::size_t>(number - 1)];
        if (failure_) {
            return;
        }
        failure_ = writer_.writeDrawing(folder_ + picture.fileName, picture.width, picture.height,
                                        [&](Canvas& canvas) {
                                            for (const ExampleObject& object : picture.objects) {
                                                makeObject(object, appearances_)->Draw(canvas);
                                            }
                                        });
        written();
    }

    std::optional<std::string> takeFailure() { return std::move(failure_); }

  private:
    void written() {
        ++done_;
        if (!failure_ && progress_ && !progress_(done_, total_)) {
            failure_ = kInformeCancelado;
        }
    }

    const std::string& folder_;
    ReportPictureWriter& writer_;
    const AppearanceSet& appearances_;
    const ReportProgress& progress_;
    const int total_;
    int done_ = 0;
    std::optional<std::string> failure_;
};

std::string exampleName(int number) {
    return examplePictures()[static_cast<std::size_t>(number - 1)].fileName;
}

std::string cover(const CEjercicio& exercise, const ReportOptions& options) {
    std::string text = "<CENTER> \n";
    text += "<BR> <P>";
    text += "<BR> <P>";
    text += "<BR> <P> \n";
    if (options.bTitulo) {
        text += "<P> <I> <FONT SIZE=+3> Ejercicio #sTituloEjercicio </FONT> </I> \n";
    }
    text += repeat("<BR> <P> \n", 4);
    text += "<P> <I> <FONT SIZE=+4> Diagramas Alfa de Peirce </FONT> </I> \n";
    text += repeat("<BR> <P> \n", 9);
    if (options.bFecha) {
        text += "<P> <I> <FONT SIZE=+3> #sFecha </FONT> </I> \n";
    }
    text += repeat("<BR> <P> \n", 6);
    if (options.bAutor) {
        text += "<P> <I> <FONT SIZE=+2> Realizado por:</FONT> </I> \n";
        text += "<P> <I> <FONT SIZE=+1> #sAutor </FONT> </I> \n";
    }
    text += repeat("<BR> <P> \n", 3);
    text += "</CENTER> \n";
    text += "<HR> \n";
    fillPlaceholders(text, {{"#sTituloEjercicio", htmlText(exercise.GetTitle())},
                            {"#sFecha", reportDate(exercise.GetCreationDate())},
                            {"#sAutor", lineFeedsAsParagraphs(htmlText(exercise.GetAuthor()))}});
    return text;
}

std::string description(const CEjercicio& exercise) {
    std::string text = L("<B> <I> <FONT SIZE =+2> <LI> Descripción del Ejercicio </LI> </FONT> </I> </B> \n");
    text += "<P> #sDocumentacion \n";
    text += "<BR> <P> \n";
    text += "<BR> <P> \n";
    text += "<HR> \n";
    replaceAll(text, "#sDocumentacion", lineFeedsAsParagraphs(htmlText(exercise.GetDescription())));
    return text;
}

std::string sequence(const CEjercicio& exercise, const std::vector<std::string>& fileNames,
                     Pictures& pictures) {
    std::string text = "<B> <I> <FONT SIZE =+2> <LI>Secuencia de Diagramas </LI> </FONT> </I> </B> \n";
    text += "<UL> \n";
    // Each step's piece is filled in alone: searching the whole page again made the report
    // quadratic in the steps, and a title holding a placeholder's name multiplied it.
    const auto& steps = exercise.GetSteps();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        pictures.diagram(fileNames[i], *steps[i]);
        std::string piece = "<CENTER> <IMG SRC=\"#Archivo\"> ";
        piece += ruleSentence(steps[i]->GetAppliedRule());
        piece += "</CENTER>";
        replaceAll(piece, "#Archivo", htmlText(fileNames[i]));
        text += piece;
    }
    text += "<P> <BR>\n";
    text += "</UL> \n";
    text += "<HR>\n";
    return text;
}

std::string comments(const CEjercicio& exercise) {
    std::string text =
        "<B> <I> <FONT SIZE =+2> <LI>Comentarios de cada uno de los Diagramas </LI> </FONT> </I> </B> \n";
    text += "<UL> \n";
    // Titles and comments are written as they are, never searched for placeholders.
    for (const auto& step : exercise.GetSteps()) {
        text += "<P> &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<B> " + htmlText(step->GetTitle());
        if (step->GetComment().empty()) {
            text += " </B> </P>\n";
        } else {
            text += " </B> <BR>\n " + htmlText(step->GetComment()) + " </P> \n";
        }
    }
    text += "<P> <BR>\n";
    text += "</UL> \n";
    text += "<HR>\n";
    return text;
}

std::string alphaChapter(Pictures& pictures) {
    for (int number = 1; number <= static_cast<int>(examplePictures().size()); ++number) {
        pictures.example(number);
    }
    std::string text = L(kAlphaChapter);
    std::size_t at = 0;
    for (const int number : kAlphaChapterPictures) {
        at = text.find("#Archivo", at);
        const std::string name = exampleName(number);
        text.replace(at, std::string_view("#Archivo").size(), name);
        at += name.size();
    }
    return text;
}

// The names the steps' pictures may not take: the page's own and, when it is written, those of
// the Alpha chapter.
std::vector<std::string> namesInUse(std::string_view pageName, bool withAlphaChapter) {
    std::vector<std::string> names{suite::latin1FromUtf8(pageName)};
    if (withAlphaChapter) {
        for (const ExamplePicture& picture : examplePictures()) {
            names.emplace_back(picture.fileName);
        }
    }
    return names;
}

} // namespace

CalendarDay creationDay(std::int32_t seconds) {
    const std::time_t time = seconds;
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr) {
        return {};
    }
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::string reportDate(std::int32_t seconds) {
    const CalendarDay date = creationDay(seconds);
    const char* format = date.day > 9 ? (date.month > 9 ? "%d/%d/%d" : "%d/0%d/%d")
                                      : (date.month > 9 ? "0%d/%d/%d" : "0%d/0%d/%d");
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), format, date.day, date.month, date.year);
    return text.data();
}

void Informe::SetOptions(bool bPortada, bool bTitulo, bool bAutor, bool bFecha, bool bDocumentacion,
                         bool bSecuencia, bool bComentarios, bool bInfoAlfa) {
    options_ = {bPortada, bTitulo, bAutor, bFecha, bDocumentacion, bSecuencia, bComentarios, bInfoAlfa};
}

ReportText Informe::generate(const std::string& pictureFolder, ReportPictureWriter& writer,
                             std::string_view pageName, const ReportProgress& progress) const {
    const int total = (options_.bSecuencia ? static_cast<int>(exercise_.GetSteps().size()) : 0) +
                      (options_.bInfoAlfa ? static_cast<int>(examplePictures().size()) : 0);
    Pictures pictures(pictureFolder, writer, exercise_.GetAppearances(), progress, total);
    std::string page = "<DOCTYPE HTML PUBLIC -//W3C//DTD HTML 4.0 TRANSITIONAL //EN>\n";
    page += "<HTML> \n";
    page += "<HEAD> \n";
    page += "<TITLE> Diagramas Alfa de Peirce </TITLE> \n";
    // The META line stays unclosed, as the page has always been written.
    page += "<META HTTP-EQUIV = Content-Type CONTENT = text/html; CHARSET = ISO-8859-1 \n";
    page += "</HEAD> \n";
    page += "<BODY> \n";
    if (options_.bPortada) {
        page += cover(exercise_, options_);
    }
    if (options_.bDocumentacion) {
        page += description(exercise_);
    }
    if (options_.bSecuencia) {
        page += sequence(exercise_, stepPictureNames(exercise_, namesInUse(pageName, options_.bInfoAlfa)),
                         pictures);
    }
    if (options_.bComentarios) {
        page += comments(exercise_);
    }
    if (options_.bInfoAlfa) {
        page += alphaChapter(pictures);
    }
    page += "</BODY> \n";
    page += "</HTML> \n";
    return {std::move(page), pictures.takeFailure()};
}

} // namespace osmira
