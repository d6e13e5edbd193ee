#include "report_files.h"

#include "jpeg_pictures.h"

#include "osmira/replaced_file.h"
#include "suite/latin1.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <filesystem>

namespace osmira::render {

void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
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
    static int argc = 1;
    static char name[] = "osmira";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down among static destructors is not safe.
    new QGuiApplication(argc, argv);
    qInstallMessageHandler(previous);
}

std::optional<std::string> WriteReport(const CEjercicio& exercise, const ReportOptions& options,
                                       const std::string& givenPath) {
    EnsureGuiApplication();
    // Checked before any picture is written, so a refused page changes nothing.
    // A loop of links is left for the page's writing to report.
    const std::string reportPath = FollowLinks(givenPath).value_or(givenPath);
    if (IsReadOnly(reportPath)) {
        return suite::latin1FromUtf8("No se ha podido escribir el informe ") +
               QFile::decodeName(reportPath.c_str()).toLatin1().toStdString() +
               ": el archivo es de solo lectura: no se reemplaza";
    }
    // The pictures go beside the page, named relative to it.
    const std::filesystem::path folder = std::filesystem::path(reportPath).parent_path();
    const std::string pictureFolder = folder.empty() ? std::string() : folder.string() + "/";

    Informe informe(exercise);
    informe.SetOptions(options);
    JpegPictureWriter pictures;
    ReportText report = informe.generate(pictureFolder, pictures);
    if (report.failure) {
        return report.failure;
    }

    QSaveFile page(QFile::decodeName(reportPath.c_str()));
    const auto failure = [&]() {
        return suite::latin1FromUtf8("No se ha podido escribir el informe ") +
               QFile::decodeName(reportPath.c_str()).toLatin1().toStdString() + ": " +
               page.errorString().toLatin1().toStdString();
    };
    if (!page.open(QIODevice::WriteOnly)) {
        return failure();
    }
    const auto size = static_cast<qint64>(report.page.size());
    if (page.write(report.page.data(), size) != size) {
        std::string reason = failure();
        page.cancelWriting();
        return reason;
    }
    if (!page.commit()) {
        return failure();
    }
    return std::nullopt;
}

} // namespace osmira::render
