#pragma once

#include "osmira/informe.h"

#include "suite/file_saving.h"

#include <QImage>

#include <optional>
#include <string>

namespace osmira::render {

// Stages the image as baseline JPEG for `path` (the file system's bytes), to be put in place with
// the rest of the report. Nothing on success, otherwise the reason in Latin-1, naming the path.
std::optional<std::string> stageJpeg(const QImage& image, const std::string& path,
                                     suite::FileReplacement& files);

// The report's pictures as JPEG files, one pixel per drawing unit on white, staged with the page.
class JpegPictureWriter : public ReportPictureWriter {
  public:
    explicit JpegPictureWriter(suite::FileReplacement& files) : files_(files) {}
    std::optional<std::string> writeDiagram(const std::string& path, const COsmiraDoc& step) override;
    std::optional<std::string> writeDrawing(const std::string& path, int width, int height,
                                            const std::function<void(Canvas&)>& draw) override;

  private:
    suite::FileReplacement& files_;
};

} // namespace osmira::render
