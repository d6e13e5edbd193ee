// Allocation failure in varquen-cli, simulated by failing one chosen allocation.
#include "run.h"
#include "suite_testing/failing_allocation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The tool once ended with an uncaught std::bad_alloc (status 134).
TEST(CliOutOfMemory, IsReportedWithItsOwnStatus) {
    std::istringstream in("uni\nA\nvar\nx:1\nfor\nparatodo x e x x");
    std::ostringstream out, err;
    const std::vector<std::string> arguments{"-"};
    int status = 0;
    {
        const suite::testing::FailingAllocation failing(0);
        status = varquen::cli::run(arguments, in, out, err);
    }
    EXPECT_EQ(status, 5);
    EXPECT_EQ(err.str(), "No hay memoria suficiente para traducir el fichero\n");
}

} // namespace
