#pragma once
// Text files become pages: chosen in the open dialog, named on the command line, or dropped
// on the edit box. All three fill filesToOpen and go through fillFirstPage and openFiles.
#include "app/program.h"

#include <string>

namespace app {

void openFiles(Program& p);
void fillFirstPage(Program& p);
void openCommandLine(Program& p);
// A drop on the edit box: the delivered text is a list of paths, one per line.
void onTextDropped(Program& p, const QString& text);

// The last part of a path ("a/b/" names b).
QString fileNameOf(const QString& path);
// The first 8 bytes of the name in the code page, followed by "...".
std::string openedLabel(const QString& fileName);
// The entries of a dropped text: one per line; a line break at the very end adds none.
std::vector<QString> droppedLines(const QString& text);

} // namespace app
