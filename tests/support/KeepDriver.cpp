// Built into the sanitized tests only. Mesa unloads its driver, and LLVM with it, when the X
// display closes; a leak that the driver keeps until then would be reported from an unknown
// module, which no suppression can name. Loading the driver once more, never to be unloaded,
// keeps its names in the reports.
#include <dlfcn.h>

namespace {

struct KeepDriver {
    KeepDriver() { dlopen(SMELTRUN_DRI_DRIVER, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE); }
};

const KeepDriver keepDriver;

}  // namespace
