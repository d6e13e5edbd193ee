#pragma once

#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace osmira::workbench {

// Qt's printing lives in a module of the program's own (printing/printing_module.cpp), loaded the
// first time the student prints, previews or sets up the page: linked into the program, Qt's
// printing library was loaded and bound at every start.
class Printing {
  public:
    virtual ~Printing() = default;
    // The session's printer, at high resolution; it lives as long as the program.
    virtual QPrinter& printer() = 0;
    // The printing dialogs on that printer: true when the student confirms.
    virtual bool runPrintDialog(QWidget* parent) = 0;
    virtual bool runPageSetup(QWidget* parent) = 0;
    // Prints on the printer the page that `paintPage` paints.
    virtual void print(const std::function<void(QPagedPaintDevice&)>& paintPage) = 0;
    // A print preview of the printer's page, painted by `paintPage` whenever it is shown.
    virtual std::unique_ptr<QDialog> newPrintPreview(QWidget* parent,
                                                     std::function<void(QPagedPaintDevice&)> paintPage) = 0;
};

// What loading the module gave: the module, or the reason it could not be loaded.
struct PrintingLoad {
    Printing* module = nullptr;
    QString reason;
};

// Loads the module from the folder given; by default from where the program's installation keeps
// it, relative to the program's own folder.
PrintingLoad loadPrinting();
PrintingLoad loadPrintingFrom(const QString& folder);

} // namespace osmira::workbench
