#pragma once
// The one program state: the page store, the counters and flags of the commands, and the
// services every handler uses. Every handler takes it as its first argument.
#include "app/common_dialog.h"
#include "app/page_store.h"
#include "platform/clock.h"
#include "platform/interaction.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace app {

class MainWindow;

struct Program {
    PageStore store;
    int newFileCounter = 1;
    std::vector<QString> filesToOpen;
    int filesToOpenGiven = 0;
    int firstFileTaken = 0;
    int wasTopmost = 0;
    int scrollForward = 0;        // 1: the scroll timer walks toward the last page, 0: the first
    int jumpPrefixLength = 0;     // bytes compared by the last jump by name
    QPointer<QWidget> jumpWindow; // the open JumpWindow, if any
    int skipSaveAllConfirm = 0;
    int closeCancelled = 0;

    CommonDialog 通用对话框_打开文件;

    // Starts the background music once; set by the player.
    std::function<void(const QString& mp3)> startBackgroundMusic;

    MainWindow* window = nullptr;
    platform::Interaction* ui = nullptr;
    platform::Clock clock;

    QString programDirectory; // where the settings file lives and the file dialogs start
    QStringList arguments;    // the command line after the program's own path

    QString settingsPath() const { return programDirectory + "/ConfigQdx.INI"; }
};

} // namespace app
