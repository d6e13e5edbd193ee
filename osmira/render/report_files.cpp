#include "report_files.h"

#include "jpeg_pictures.h"

#include "suite/file_saving.h"
#include "suite/latin1.h"

#include <QFile>
#include <QGuiApplication>

#include <filesystem>

namespace osmira::render {

std::unique_ptr<QGuiApplication> makeReportApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The offscreen platform warns that it has no runtime folder, which a report never uses;
    // that one warning would be the tool's only output.
    static QtMessageHandler previous = nullptr;
    previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
                previous(type, context, message);
            }
        });
    // The application keeps a reference to its arguments.
    static int argc = 1;
    static char name[] = "osmira";
    static char* argv[] = {name, nullptr};
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(previous);
    return application;
}

std::optional<std::string> writeReport(const CEjercicio& exercise, const ReportOptions& options,
                                       const std::string& givenPath, const ReportProgress& progress) {
    // Checked before any picture is drawn, so a refused page changes nothing.
    const suite::SaveTarget page = suite::saveTarget(givenPath);
    const auto failure = [&page](const std::string& reason) {
        return suite::latin1FromUtf8("No se ha podido escribir el informe ") +
               QFile::decodeName(page.path.c_str()).toLatin1().toStdString() + ": " + reason;
    };
    if (!page.refusal.saved()) {
        return failure(page.refusal.reason());
    }
    // The pictures go beside the page, named relative to it.
    const std::filesystem::path folder = std::filesystem::path(page.path).parent_path();
    const std::string pictureFolder = folder.empty() ? std::string() : folder.string() + "/";

    // The pictures and the page are put in place together once all are written, the page last:
    // a failure on the way leaves the old report as it was.
    suite::FileReplacement files;
    Informe informe(exercise);
    informe.SetOptions(options);
    JpegPictureWriter pictures(files);
    ReportText report = informe.generate(pictureFolder, pictures,
                                         std::filesystem::path(page.path).filename().string(), progress);
    if (report.failure) {
        return report.failure;
    }
    if (const suite::FileSave staged = files.stage(page.path, report.page); !staged.saved()) {
        return failure(staged.reason());
    }
    if (const suite::FileSave committed = files.commit(); !committed.saved()) {
        return failure(committed.reason());
    }
    return std::nullopt;
}

} // namespace osmira::render
