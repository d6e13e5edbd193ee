#pragma once

#include "osmira/informe.h"

#include <QImage>

#include <optional>
#include <string>

namespace osmira::render {

// Writes the image as baseline JPEG through a temporary file renamed over `path` (the file
// system's bytes). Nothing on success, otherwise the reason in Latin-1, naming the path.
std::optional<std::string> SaveJpeg(const QImage& image, const std::string& path);

// The report's pictures as JPEG files: one pixel per drawing unit on white.
class JpegPictureWriter : public ReportPictureWriter {
  public:
    std::optional<std::string> WriteDiagram(const std::string& path, const COsmiraDoc& step) override;
    std::optional<std::string> WriteDrawing(const std::string& path, int width, int height,
                                            const std::function<void(Canvas&)>& draw) override;
};

} // namespace osmira::render
