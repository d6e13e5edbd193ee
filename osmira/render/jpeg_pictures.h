#pragma once

#include "osmira/model/drawing.h"
#include "osmira/report/informe.h"

#include "suite/file_saving.h"

#include <QByteArray>

#include <deque>

#include <optional>
#include <string>

namespace osmira::render {

// The report's pictures as baseline JPEG files, one pixel per drawing unit on white, staged with
// the page for their paths (the file system's bytes). Each call answers nothing on success,
// otherwise the reason in Latin-1, naming the path.
class JpegPictureWriter : public ReportPictureWriter {
  public:
    explicit JpegPictureWriter(suite::FileReplacement& files) : files_(files) {}
    std::optional<std::string> writeDiagram(const std::string& path, const COsmiraDoc& step) override;
    std::optional<std::string> writeDrawing(const std::string& path, int width, int height,
                                            const std::function<void(Canvas&)>& draw) override;

  private:
    // A small step's picture written lately, by what was drawn on it. Derivations come back to a
    // diagram they have shown (a double cut put around a graph and taken away again), and drawing
    // and encoding a small picture again cost more than its file.
    struct Written {
        Drawing drawing;
        QByteArray jpeg;
    };
    const Written* writtenLately(const Drawing& drawing) const;

    suite::FileReplacement& files_;
    std::deque<Written> lately_;
};

} // namespace osmira::render
