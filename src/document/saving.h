#pragma once
// Writing pages to their files: save, save as, save all.
#include "app/program.h"

namespace document {

using app::Program;

// Returns false when the write failed (the user has been told); a cancelled dialog is no failure.
bool savePage(Program& p);
void savePageAs(Program& p);
// Returns false when a write failed; a cancelled dialog is no failure.
bool saveAllPages(Program& p);

// Writes a page's text as code-page bytes, replacing the file's content without ever leaving
// it half-written. A failure is shown with the path and the system's reason.
bool writePage(Program& p, const QString& path, const app::PageText& text);

} // namespace document
