#pragma once

#include "osmira/model/canvas.h"
#include "osmira/model/ejercicio.h"
#include "osmira/model/geometry.h"
#include "suite/latin1.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace osmira {

struct ReportOptions { // the eight options in their order
    bool bPortada = true;
    bool bTitulo = true;
    bool bAutor = true;
    bool bFecha = true;
    bool bDocumentacion = true;
    bool bSecuencia = true;
    bool bComentarios = false;
    bool bInfoAlfa = false;
};

// Shown by the caller once the page and every picture have been written.
inline const std::string kInformeAcabado = suite::latin1FromUtf8("Informe acabado.");
// The reason of a report its progress stopped.
inline const std::string kInformeCancelado =
    suite::latin1FromUtf8("Informe cancelado: no se ha cambiado ningún fichero.");

// Told after each picture of a report how many are written of how many; answering false stops the
// report there, with kInformeCancelado as its failure.
using ReportProgress = std::function<bool(int done, int total)>;

// A day of the calendar: 1–31, 1–12 and the year.
struct CalendarDay {
    int day = 1;
    int month = 1;
    int year = 1970;
};

// The creation date broken down in local time (TZ honoured); 1 January 1970 where the time
// has no local date.
CalendarDay creationDay(std::int32_t seconds);

// The creation date as dd/mm/yyyy.
std::string reportDate(std::int32_t seconds);

// Writes the report's pictures; the front end draws them. Each call answers nothing when the
// file was written, otherwise the reason (Latin-1, naming the path).
class ReportPictureWriter {
  public:
    virtual ~ReportPictureWriter() = default;
    // The step's element list drawn in order, cropped to its sheet.
    virtual std::optional<std::string> writeDiagram(const std::string& path, const COsmiraDoc& step) = 0;
    // A picture of width × height pixels (one per drawing unit, white background) on which
    // `draw` paints with the drawing's origin at the picture's top-left corner.
    virtual std::optional<std::string> writeDrawing(const std::string& path, int width, int height,
                                                    const std::function<void(Canvas&)>& draw) = 0;
};

// The page's text and the first picture that could not be written, if any.
struct ReportText {
    std::string page;
    std::optional<std::string> failure;
};

// The HTML report of an exercise: made for one report, given its options, asked once.
class Informe {
  public:
    explicit Informe(const CEjercicio& exercise) : exercise_(exercise) {}

    void SetOptions(bool bPortada, bool bTitulo, bool bAutor, bool bFecha, bool bDocumentacion,
                    bool bSecuencia, bool bComentarios, bool bInfoAlfa);
    void SetOptions(const ReportOptions& options) { options_ = options; }

    // Builds the page; every picture goes to pictureFolder + its file name in UTF-8 (the folder
    // ends with its separator, or is empty). `pageName`, the page's own file name, is a name no
    // picture takes; `progress` is told of every picture. Pictures stop at the first failure,
    // which is returned with the page so that the caller reports it instead of "Informe acabado.".
    ReportText generate(const std::string& pictureFolder, ReportPictureWriter& writer,
                        std::string_view pageName = {}, const ReportProgress& progress = {}) const;

  private:
    const CEjercicio& exercise_;
    ReportOptions options_;
};

} // namespace osmira
