#pragma once
// The edit commands of the "编辑(&B)" menu and the edit buttons of the toolbar. Every change
// is made in the edit box itself, whose text-changed handling stores it into the page.
#include "app/program.h"

#include <QDateTime>
#include <QString>

namespace editing {

void undo(app::Program& p);
void deleteSelectionOrNext(app::Program& p);
void cut(app::Program& p);
void copy(app::Program& p);
void paste(app::Program& p);
void selectAll(app::Program& p);
void insertDate(app::Program& p);
void insertTime(app::Program& p);
void copyAll(app::Program& p);

// The inserted texts, without leading zeros: 2010年10月7日, 9时5分3秒.
QString dateText(const QDateTime& at);
QString timeText(const QDateTime& at);

} // namespace editing
