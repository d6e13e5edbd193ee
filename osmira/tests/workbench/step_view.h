#pragma once

// One step window over an exercise laid out from a bracket form, for the tests of what the view
// does with keys and screen readers.

#include "child_frame.h"
#include "fake_host.h"
#include "osmira_view.h"
#include "test_support.h"

#include <QMdiArea>

#include <memory>
#include <string>

namespace osmira::workbench::test {

class StepView {
  public:
    explicit StepView(const std::string& bracket) : exercise(osmira::test::exerciseAt(bracket, recorder)) {
        area.resize(900, 700);
        area.show();
        frame = new CChildFrame(*exercise->lastStep(), host);
        area.addSubWindow(frame);
        frame->show();
    }

    COsmiraView& view() const { return *frame->view(); }
    COsmiraDoc& step() const { return *exercise->GetSteps().front(); }
    int selectedIndex() const { return step().indexOf(step().GetSelectedElement()); }

    FakeHost host;
    RecordingWorkbench recorder;
    std::unique_ptr<CEjercicio> exercise;
    QMdiArea area; // destroyed first, with the window
    CChildFrame* frame = nullptr;
};

} // namespace osmira::workbench::test
