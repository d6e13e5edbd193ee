#include "osmira/model/workbench_operations.h"

namespace osmira {

WorkbenchOperations& detachedWorkbench() {
    static WindowlessWorkbench detached;
    return detached;
}

} // namespace osmira
