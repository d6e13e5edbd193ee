#include "osmira/workbench_operations.h"

namespace osmira {

WorkbenchOperations& DetachedWorkbench() {
    static WindowlessWorkbench detached;
    return detached;
}

} // namespace osmira
