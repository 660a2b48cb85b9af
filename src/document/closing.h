#pragma once
// Closing pages, the modified test and the review page of modified pages.
#include "app/program.h"

#include <string>

namespace document {

using app::Program;

// A page is modified when its bytes differ from what its file holds now (read as opening
// reads it: up to the first zero byte). A page without a file is modified when not empty.
bool isPageModified(const app::PageText& text, const QString& path);

void askSaveBeforeClose(Program& p);
void closePage(Program& p);
void closeAllPages(Program& p);

// One line per modified page in tab order (its path, or its tip when it has none), as
// code-page bytes; advances the progress bar by step per page beyond the first.
std::string collectModifiedPages(Program& p, int step);
void addReviewPage(Program& p, const QString& header, const std::string& list);
QString reviewPath();

} // namespace document
