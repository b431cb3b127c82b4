// The file layer over KERNEL32's ANSI file functions.
#pragma once

#include "storage/file_layer.h"

namespace quorvel {

// The one real file layer; it holds no state, so every user shares it.
FileLayer& Win32Files();

}  // namespace quorvel
