#pragma once
#include "app/program.h"

namespace app {

// Appends an empty page without a file, named 新建文件[N], and shows it.
void addNewPage(Program& p);

} // namespace app
