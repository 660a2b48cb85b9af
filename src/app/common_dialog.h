#pragma once
// MainWindow's one file dialog, shared by opening, saving, the font choice, the cipher
// window and the player: each user sets what it needs, the rest stays as the previous user
// left it.
#include "platform/interaction.h"

namespace app {

struct Program;

// Text files first, then settings files, then everything.
inline const QString kTextFileFilter = "文本文件(*.txt)|*.txt|配置文件(*.ini)|*.ini|所有文件(*.*)|*.*|";

struct CommonDialog {
    platform::FileDialogKind kind = platform::FileDialogKind::Open;
    QString title;
    QString filter = kTextFileFilter;
    int filterIndex = 1;
    QString directory;
    QString fileName; // the initial name; after a confirmed dialog the chosen full path

    // Shows the dialog; the chosen full paths, empty when cancelled.
    QStringList show(Program& p);
};

} // namespace app
