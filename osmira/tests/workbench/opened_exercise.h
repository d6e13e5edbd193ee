#pragma once

// The workbench with an exercise made as Nuevo makes it and opened from its file, as a student
// finds it after Abrir: its first step's window active.

#include "fake_host.h"
#include "main_frame.h"
#include "osmira_app.h"
#include "osmira_view.h"
#include "test_support.h"

#include "osmira/archive/exercise_archive.h"

#include "child_frame.h"

#include <string>
#include <vector>

#include "suite_testing/scratch_folder.h"

namespace osmira::workbench::test {

class OpenedExercise {
  public:
    OpenedExercise(const std::vector<std::string>& hypotheses, const std::string& conclusion) {
        RecordingWorkbench recorder;
        const std::string bytes = SaveExercise(*osmira::test::newExercise(hypotheses, conclusion, recorder));
        suite::testing::writeFile(scratch / "ejercicio.omr", bytes);
        app.openFile(QString::fromStdString((scratch / "ejercicio.omr").string()));
    }

    COsmiraView& activeView() const { return *app.mainFrame().activeStepWindow()->view(); }
    QString status() const { return app.mainFrame().statusLine(); }

    suite::testing::ScratchFolder scratch;
    FakeHost host;
    COsmiraApp app{host};
};

} // namespace osmira::workbench::test
