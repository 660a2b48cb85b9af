#include "app/common_dialog.h"

#include "app/main_window.h"

namespace app {

QStringList CommonDialog::show(Program& p) {
    const QStringList chosen =
        p.ui->fileDialog(p.window, {kind, title, filter, filterIndex, directory, fileName});
    if (!chosen.isEmpty()) fileName = chosen.front();
    return chosen;
}

} // namespace app
