// The list file of the running program, over the real files.
#pragma once

#include "storage/list_file.h"

namespace quorvel {

// Fixes the run directory from the executable's path (empty when the
// platform can't give that path whole) and pairs it with the real files.
// Called once at start-up, before any window exists.
ListFile ListFileBesideExecutable();

}  // namespace quorvel
