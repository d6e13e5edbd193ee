// The printing module: the one part of osmira that uses Qt's printing library. The program
// loads it when first asked to print (see printing.h); it knows nothing of the program but the
// Printing interface.
#include "printing.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

class PrintingModule : public osmira::workbench::Printing {
  public:
    QPrinter& printer() override { return printer_; }

    bool runPrintDialog(QWidget* parent) override {
        QPrintDialog dialog(&printer_, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool runPageSetup(QWidget* parent) override {
        QPageSetupDialog dialog(&printer_, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void print(const std::function<void(QPagedPaintDevice&)>& paintPage) override { paintPage(printer_); }

    std::unique_ptr<QDialog> newPrintPreview(QWidget* parent,
                                             std::function<void(QPagedPaintDevice&)> paintPage) override {
        auto preview = std::make_unique<QPrintPreviewDialog>(&printer_, parent);
        QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested, preview.get(),
                         [paintPage = std::move(paintPage)](QPrinter* target) { paintPage(*target); });
        return preview;
    }

  private:
    QPrinter printer_{QPrinter::HighResolution};
};

} // namespace

extern "C" Q_DECL_EXPORT osmira::workbench::Printing* osmiraPrinting() {
    static PrintingModule module;
    return &module;
}
