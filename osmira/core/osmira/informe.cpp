#include "osmira/informe.h"

#include "osmira/elem_grafico.h"
#include "osmira/rule.h"

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
void ReplaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
    std::size_t at = 0;
    while ((at = text.find(placeholder, at)) != std::string::npos) {
        text.replace(at, placeholder.size(), value);
        at += value.size();
    }
}

// A carriage return before a line feed stays.
std::string LineFeedsAsParagraphs(std::string text) {
    ReplaceAll(text, "\n", "<P>");
    return text;
}

std::string Repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

const std::string kImageLine = "<CENTER> <IMG SRC=\"#Archivo\"> </CENTER> \n";

std::string ImageTable(std::string_view textCell) {
    return std::string("<DIV ALIGN=\"CENTER\"> \n") +
           "<TABLE BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"0\"> \n" + "<TR> \n" +
           "<TD> <IMG SRC=\"#Archivo\"> </TD> \n" + std::string(textCell) + "</TR> \n" + "</TABLE> \n" +
           "</DIV> \n";
}

std::string RuleSentence(Rule rule) {
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

const std::array<ExamplePicture, 6>& ExamplePictures() {
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

std::unique_ptr<CElemGrafico> MakeObject(const ExampleObject& object, const AppearanceSet& appearances) {
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
    Pictures(const std::string& folder, ReportPictureWriter& writer, const AppearanceSet& appearances)
        : folder_(folder), writer_(writer), appearances_(appearances) {}

    void Diagram(const std::string& fileName, const COsmiraDoc& step) {
        if (!failure_) {
            failure_ = writer_.WriteDiagram(folder_ + fileName, step);
        }
    }

    void Example(int number) {
        const ExamplePicture& picture = ExamplePictures()[static_cast<std::size_t>(number - 1)];
        if (failure_) {
            return;
        }
        failure_ = writer_.WriteDrawing(folder_ + picture.fileName, picture.width, picture.height,
                                        [&](Canvas& canvas) {
                                            for (const ExampleObject& object : picture.objects) {
                                                MakeObject(object, appearances_)->Draw(canvas);
                                            }
                                        });
    }

    std::optional<std::string> TakeFailure() { return std::move(failure_); }

  private:
    const std::string& folder_;
    ReportPictureWriter& writer_;
    const AppearanceSet& appearances_;
    std::optional<std::string> failure_;
};

std::string ExampleName(int number) {
    return ExamplePictures()[static_cast<std::size_t>(number - 1)].fileName;
}

std::string Cover(const CEjercicio& exercise, const ReportOptions& options) {
    std::string text = "<CENTER> \n";
    text += "<BR> <P>";
    text += "<BR> <P>";
    text += "<BR> <P> \n";
    if (options.bTitulo) {
        text += "<P> <I> <FONT SIZE=+3> Ejercicio #sTituloEjercicio </FONT> </I> \n";
    }
    text += Repeat("<BR> <P> \n", 4);
    text += "<P> <I> <FONT SIZE=+4> Diagramas Alfa de Peirce </FONT> </I> \n";
    text += Repeat("<BR> <P> \n", 9);
    if (options.bFecha) {
        text += "<P> <I> <FONT SIZE=+3> #sFecha </FONT> </I> \n";
    }
    text += Repeat("<BR> <P> \n", 6);
    if (options.bAutor) {
        text += "<P> <I> <FONT SIZE=+2> Realizado por:</FONT> </I> \n";
        text += "<P> <I> <FONT SIZE=+1> #sAutor </FONT> </I> \n";
    }
    text += Repeat("<BR> <P> \n", 3);
    text += "</CENTER> \n";
    text += "<HR> \n";
    ReplaceAll(text, "#sTituloEjercicio", exercise.GetTitle());
    ReplaceAll(text, "#sFecha", ReportDate(exercise.GetCreationDate()));
    ReplaceAll(text, "#sAutor", LineFeedsAsParagraphs(exercise.GetAuthor()));
    return text;
}

std::string Description(const CEjercicio& exercise) {
    std::string text = L("<B> <I> <FONT SIZE =+2> <LI> Descripción del Ejercicio </LI> </FONT> </I> </B> \n");
    text += "<P> #sDocumentacion \n";
    text += "<BR> <P> \n";
    text += "<BR> <P> \n";
    text += "<HR> \n";
    ReplaceAll(text, "#sDocumentacion", LineFeedsAsParagraphs(exercise.GetDescription()));
    return text;
}

std::string Sequence(const CEjercicio& exercise, Pictures& pictures) {
    std::string text = "<B> <I> <FONT SIZE =+2> <LI>Secuencia de Diagramas </LI> </FONT> </I> </B> \n";
    text += "<UL> \n";
    // Each step's piece is filled in alone: searching the whole page again made the report
    // quadratic in the steps, and a title holding a placeholder's name multiplied it.
    for (const auto& step : exercise.GetSteps()) {
        const std::string fileName = step->GetTitle() + ".jpg";
        pictures.Diagram(fileName, *step);
        std::string piece = "<CENTER> <IMG SRC=\"#Archivo\"> ";
        piece += RuleSentence(step->GetAppliedRule());
        piece += "</CENTER>";
        ReplaceAll(piece, "#Archivo", fileName);
        text += piece;
    }
    text += "<P> <BR>\n";
    text += "</UL> \n";
    text += "<HR>\n";
    return text;
}

std::string Comments(const CEjercicio& exercise) {
    std::string text =
        "<B> <I> <FONT SIZE =+2> <LI>Comentarios de cada uno de los Diagramas </LI> </FONT> </I> </B> \n";
    text += "<UL> \n";
    // Titles and comments are written as they are, never searched for placeholders.
    for (const auto& step : exercise.GetSteps()) {
        text += "<P> &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<B> " + step->GetTitle();
        if (step->GetComment().empty()) {
            text += " </B> </P>\n";
        } else {
            text += " </B> <BR>\n " + step->GetComment() + " </P> \n";
        }
    }
    text += "<P> <BR>\n";
    text += "</UL> \n";
    text += "<HR>\n";
    return text;
}

std::string AlphaChapter(Pictures& pictures) {
    std::string text;
    // Appends a template, converting its accents to Latin-1.
    auto add = [&text](std::string_view utf8) { text += L(utf8); };
    auto shown = [&text](int number) { ReplaceAll(text, "#Archivo", ExampleName(number)); };

    add("<B> <I> <FONT SIZE =+2> <LI>Información sobre los Gráficos Alfa </LI> </FONT> </I> </B> \n");
    add("<P> <BR> \n");

    add("<P> " + Repeat("&nbsp;", 9) +
        "Los Gráficos Existenciales Alfa (1897 - 1905) proporcionan un enfoque novedoso para presentar y "
        "controlar");
    add(" las leyes de la lógica: en lugar de escribir fórmulas en una línea, se dibujan gráficos sobre una "
        "superficie, la hoja de aserción (H).");
    add(" Esta hoja es ilimitada y continuamente deformable, de modo que solo importa qué está dentro o "
        "fuera de "
        "cada corte y no el tamaño ni la forma de lo dibujado; todo gráfico marcado sobre ella queda "
        "afirmado.");
    add(" Sobre la hoja se construyen los gráficos con letras proposicionales y cortes, según las reglas que "
        "siguen,"
        " y el sistema resultante corresponderá al cálculo proposicional clásico. <P> \n");

    add("<UL> \n");
    add("<P> <BR> \n");
    add("<P> <B> <FONT SIZE =+1> Sintaxis: Reglas de construcción </FONT> </B> </P> \n");

    add("<P> (1)&nbsp;&nbsp;&nbsp;&nbsp;(H): cualquier zona no marcada de la hoja de aserción es gráfico.");
    add(" (H) se representa como se muestra a continuación: </P>\n");
    pictures.Example(1);
    add(kImageLine);
    shown(1);

    add("<P> (2)&nbsp;&nbsp;&nbsp;&nbsp;Toda letra proposicional es gráfico.");
    add(" Una letra proposicional se representa con cualquiera de las letras del alfabeto. </P> \n");

    add("<P> (3)&nbsp;&nbsp;&nbsp;&nbsp;Todo corte alrededor de una zona no marcada de (H) es gráfico.");
    add(" Un corte se representa como se muestra a continuación: </P> \n");
    pictures.Example(2);
    add(kImageLine);
    shown(2);

    add("<P> (4)&nbsp;&nbsp;&nbsp;&nbsp;Si G y H son gráficos, entonces la yuxtaposición G H es gráfico.</P> "
        "\n");

    add("<P> (5)&nbsp;&nbsp;&nbsp;&nbsp;Si G y H son gráficos, entonces </P> \n");
    pictures.Example(3);
    add(ImageTable("<TD> &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;es gráfico. </TD> \n"));
    shown(3);

    add("<P>Por lo tanto el <I>cálculo ALFA</I> consistirá en determinar cuáles Gráficos Alfa podrán ser "
        "marcados");
    add(" en la hoja de aserción (H), es decir, cuáles serán verdaderos. </P> \n");
    add("<P> <BR> \n");

    add("<P> <B> <FONT SIZE =+1>Semántica: Interpretación canónica </FONT> </B> </P> \n");
    add("<P>(1)'&nbsp;&nbsp;&nbsp;&nbsp;(H) representa lo verdadero. </P> \n");
    add("<P>(2)'&nbsp;&nbsp;&nbsp; Marcar una letra en (H) significa evaluarla como verdadera. </P> \n");
    add("<P>(3)'&nbsp;&nbsp;&nbsp; Un corte en (H) representa lo falso. </P> \n");
    add("<P>(4)'&nbsp;&nbsp;&nbsp; Pegar dos Gráficos Alfa corresponde a conjugarlos. </P> \n");
    add("<P>(5)'&nbsp;&nbsp;&nbsp; El gráfico: </P> \n");
    add(ImageTable("<TD> &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;representa la implicación. </TD> \n"));
    shown(3);

    add("<P> <I> <B> Axioma. </B> </I> El cálculo ALFA consta de un solo axioma: </P> \n");
    add(ImageTable("<TD> &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;(HA). </TD> \n"));
    shown(1);

    add("<P> El axioma es símbolo de continuidad del universo y representa una verdad general (terceridad),");
    add(" mientras que cada gráfico que se marca sobre la hoja de aserción afirma un hecho particular, un "
        "existente concreto que se opone a la continuidad (secundidad). </P> \n");
    add("<P> El cálculo ALFA enfatiza fundamentalmente un aspecto pragmático, al establecer un código de "
        "permisos");
    add(" que indica qué transformaciones pueden hacerse sobre los gráficos marcados en (H); aplicar esos "
        "permisos "
        "paso a paso es la manera de transformar lo implícito en explícito. </P> \n");
    add("<P> <BR> \n");

    add("<P> <B> <FONT SIZE =+1>Definiciones importantes </FONT> </B> </P> \n");
    add("<P> &nbsp;&nbsp;&nbsp;&nbsp; <B> Área de un gráfico </B> <BR>\n");
    add("El área de un gráfico G es la zona de (H) en la que G está dibujado: la región limitada por el "
        "corte más "
        "interior que lo rodea, o la hoja entera cuando ningún corte lo rodea. Dos regiones que se deforman "
        "continuamente una en otra sin cruzar ningún corte son la misma área.");
    add(" Módulo homeomorfismo, podemos hablar del área de G. </P> \n");
    add("<P> &nbsp;&nbsp;&nbsp;&nbsp; <B> Área \"par-envuelta\" </B> <BR> \n");
    add("Un área es par-envuelta cuando está rodeada por un número par de cortes, incluido el cero; así, la "
        "hoja "
        "de aserción es par-envuelta. </P> \n");
    add("<P> &nbsp;&nbsp;&nbsp;&nbsp; <B> Gráfico \"par-envuelto\" </B> <BR> \n");
    add("Un gráfico es par-envuelto cuando su área es par-envuelta. </P> \n");
    add("<P> &nbsp;&nbsp;&nbsp;&nbsp; <B> Área \"impar-envuelta\" </B> <BR> \n");
    add("Un área es impar-envuelta cuando está rodeada por un número impar de cortes. </P> \n");
    add("<P> &nbsp;&nbsp;&nbsp;&nbsp; <B> Gráfico \"impar-envuelto\" </B> <BR> \n");
    add("Un gráfico es impar-envuelto cuando su área es impar-envuelta. </P> \n");
    add("<P> <BR> \n");

    add("<P> <B> <FONT SIZE =+1>Reglas de transformación (código de permisos: pragmática) </FONT> </B> </P> "
        "\n");
    add("<P> <B> (R1) Borrado. </B> Puede borrarse de (H) cualquier gráfico par-envuelto. </P> \n");
    add("<P> <B> (R2) Inserción. </B> Puede insertarse cualquier gráfico en un área impar-envuelta de (H). "
        "</P> \n");
    add("<P> <B> (R3) Iteración. </B> Puede iterarse cualquier gráfico G en un área de (H) que: <BR> \n");
    add("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;a.&nbsp;&nbsp;No sea parte del área de G. <BR> \n");
    add("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;b.&nbsp;&nbsp;Esté envuelta en un número mayor (o igual) de cortes "
        "que el área "
        "de G. </P> \n");
    add("<P> <B> (R4) Desiteración. </B> Puede desiterarse de (H) cualquier gráfico cuya ocurrencia pueda "
        "verse como "
        "resultado de (R3). </P> \n");
    add("<P> <B> (R5) Doble Corte. </B> Puede insertarse o eliminarse un doble corte alrededor de cualquier "
        "gráfico, "
        "en cualquier área dada de (H).");
    add(" La inserción no debe producir intersecciones entre cortes. </P> \n");
    add("<P> <BR> \n");

    add("<P> <B> <FONT SIZE =+1>Equivalencias </FONT> </B> </P> \n");
    add("<P> Las equivalencias definitivas de las principales operaciones lógicas son: </P> \n");
    add("<DIV ALIGN=\"LEFT\"> \n");
    add("<TABLE BORDER=\"0\" CELLSPACING=\"30\" CELLPADDING=\"0\"> \n");
    const std::array<std::pair<const char*, int>, 4> equivalences{{
        {"<TD ALIGN=\"RIGHT\">Negación de G: </TD> \n", 4},
        {"<TD ALIGN=\"RIGHT\">Conjunción de G y H: </TD> \n", 5},
        {"<TD ALIGN=\"RIGHT\">Disyunción de G y H: </TD> \n", 6},
        {"<TD ALIGN=\"RIGHT\">Implicación de G y H: </TD> \n", 3},
    }};
    for (const auto& [label, number] : equivalences) {
        if (number != 3) { // the implication was drawn for row (5)
            pictures.Example(number);
        }
        add("<TR> \n");
        add(label);
        add("<TD> <IMG SRC=\"#Archivo\"> </TD> \n");
        add("</TR> \n");
        shown(number);
    }
    add("</TABLE> \n");
    add("</DIV> \n");
    add("<P> <BR>\n");
    add("</UL> \n");
    add("<HR>\n");
    return text;
}

} // namespace

std::string ReportDate(std::int32_t seconds) {
    const std::time_t time = seconds;
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr) {
        local = std::tm{};
        local.tm_mday = 1;
        local.tm_year = 70;
    }
    const int day = local.tm_mday;
    const int month = local.tm_mon + 1;
    const char* format =
        day > 9 ? (month > 9 ? "%d/%d/%d" : "%d/0%d/%d") : (month > 9 ? "0%d/%d/%d" : "0%d/0%d/%d");
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), format, day, month, local.tm_year + 1900);
    return text.data();
}

void Informe::SetOptions(bool bPortada, bool bTitulo, bool bAutor, bool bFecha, bool bDocumentacion,
                         bool bSecuencia, bool bComentarios, bool bInfoAlfa) {
    options_ = {bPortada, bTitulo, bAutor, bFecha, bDocumentacion, bSecuencia, bComentarios, bInfoAlfa};
}

ReportText Informe::generate(const std::string& pictureFolder, ReportPictureWriter& writer) const {
    Pictures pictures(pictureFolder, writer, exercise_.GetAppearances());
    std::string page = "<DOCTYPE HTML PUBLIC -//W3C//DTD HTML 4.0 TRANSITIONAL //EN>\n";
    page += "<HTML> \n";
    page += "<HEAD> \n";
    page += "<TITLE> Diagramas Alfa de Peirce </TITLE> \n";
    // The META line stays unclosed, as the page has always been written.
    page += "<META HTTP-EQUIV = Content-Type CONTENT = text/html; CHARSET = ISO-8859-1 \n";
    page += "</HEAD> \n";
    page += "<BODY> \n";
    if (options_.bPortada) {
        page += Cover(exercise_, options_);
    }
    if (options_.bDocumentacion) {
        page += Description(exercise_);
    }
    if (options_.bSecuencia) {
        page += Sequence(exercise_, pictures);
    }
    if (options_.bComentarios) {
        page += Comments(exercise_);
    }
    if (options_.bInfoAlfa) {
        page += AlphaChapter(pictures);
    }
    page += "</BODY> \n";
    page += "</HTML> \n";
    return {std::move(page), pictures.TakeFailure()};
}

} // namespace osmira
