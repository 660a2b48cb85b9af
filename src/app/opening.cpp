#include "app/opening.h"

#include "app/main_window.h"
#include "app/page_switching.h"
#include "platform/codepage.h"

#include <QDir>
#include <QRegularExpression>

namespace app {

namespace {

const char* const kOpenTitle = "请选择要打开的文本文件，可以同时选择其他文件打开！";

// An empty entry names no file and can have no label: it is left out.
void dropEmptyEntries(std::vector<QString>& entries) {
    std::erase_if(entries, [](const QString& e) { return e.isEmpty(); });
}

void setTabToFile(Program& p, int tab, const QString& path) {
    const QString name = fileNameOf(path);
    p.window->高级选择夹_标签->setLabel(tab, openedLabel(name));
    p.window->高级选择夹_标签->setTip(tab, name);
}

} // namespace

QString fileNameOf(const QString& path) {
    QString trimmed = path;
    if (trimmed.endsWith('/') || trimmed.endsWith(QDir::separator())) trimmed.chop(1);
    const qsizetype cut = std::max(trimmed.lastIndexOf('/'), trimmed.lastIndexOf(QDir::separator()));
    return trimmed.mid(cut + 1);
}

std::string openedLabel(const QString& fileName) {
    return platform::codepage::firstBytes(platform::codepage::fromQString(fileName), 8) + "...";
}

std::vector<QString> droppedLines(const QString& text) {
    // Dropped text from other programs ends its lines in CR LF, LF or CR alike.
    QStringList lines = text.split(QRegularExpression("\r\n|\n|\r"));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return {lines.begin(), lines.end()};
}

void fillFirstPage(Program& p) {
    if (!p.store.firstPageText.isEmpty() || p.filesToOpen.empty()) return;
    const std::size_t n = p.filesToOpen.size();
    const QString path = p.filesToOpen.front();
    PageText text = PageText::fromFile(path);
    if (currentPage(p) == 0) p.window->编辑框_文本显示->showText(text);
    p.store.firstPageText = text;
    p.store.firstPagePath = path;
    setTabToFile(p, 0, path);
    if (n == 1) {
        p.filesToOpen.clear();
    } else {
        p.filesToOpenGiven = 1;
        p.firstFileTaken = 1;
    }
}

void openFiles(Program& p) {
    suspendTopmost(p, 1);
    if (p.filesToOpenGiven == 0) {
        const QStringList chosen =
            p.ui->fileDialog(p.window, {platform::FileDialogKind::OpenMany, kOpenTitle, kTextFileFilter, 1,
                                        p.programDirectory, QString()});
        p.filesToOpen.assign(chosen.begin(), chosen.end());
    }
    dropEmptyEntries(p.filesToOpen);
    const std::size_t n = p.filesToOpen.size();
    if (n >= 500) {
        const QString text =
            QString("你欲打开的文件过数为：%1个\r\n可能导致程序无反应，你确定继续吗？").arg(n);
        if (p.ui->message(p.window, {text, "警告！", platform::Buttons::YesNo, platform::Icon::Warning}) ==
            platform::Answer::No) {
            p.filesToOpen.clear();
            p.filesToOpenGiven = 0;
            p.firstFileTaken = 0;
            suspendTopmost(p, 0);
            return;
        }
    }
    const int step = n > 0 ? static_cast<int>(1000 / n) : 0;
    showProgressBar(p, 1);
    fillFirstPage(p);

    platform::TabStrip& tabs = *p.window->高级选择夹_标签;
    const bool firstTaken = p.firstFileTaken == 1;
    const std::size_t first = firstTaken ? 1 : 0; // 0-based entry to start at
    for (std::size_t i = first; i < p.filesToOpen.size(); ++i) {
        const QString path = p.filesToOpen[i];
        p.store.append(PageText::fromFile(path), path, colourPairText(kBlack, kDarkGreen));
        tabs.appendTab(openedLabel(fileNameOf(path)));
        tabs.setCurrent(tabs.count() - 1);
        tabs.setTip(tabs.current(), fileNameOf(path));
        // With the first file already taken, the loop ends on the last entry before its step.
        if (!(firstTaken && i + 1 == p.filesToOpen.size())) advanceProgress(p, step);
    }

    p.firstFileTaken = 0;
    p.filesToOpen.clear();
    showProgressBar(p, 0);
    p.filesToOpenGiven = 0;
    refreshStatusBar(p);
    suspendTopmost(p, 0);
}

void openCommandLine(Program& p) {
    std::vector<QString> entries;
    for (const QString& argument : p.arguments)
        if (!argument.isEmpty()) entries.push_back(QDir::current().absoluteFilePath(argument));
    if (entries.empty()) return;
    p.filesToOpen = entries;
    PageText text = PageText::fromFile(entries.front());
    p.window->编辑框_文本显示->showText(text);
    p.store.firstPageText = text;
    p.store.firstPagePath = entries.front();
    setTabToFile(p, 0, entries.front());
    if (entries.size() == 1) {
        p.filesToOpen.clear();
        refreshStatusBar(p); // it was written before the file was opened
        return;
    }
    p.filesToOpenGiven = 1;
    p.firstFileTaken = 1;
    openFiles(p);
}

void onTextDropped(Program& p, const QString& text) {
    p.filesToOpen = droppedLines(text);
    dropEmptyEntries(p.filesToOpen);
    fillFirstPage(p);
    p.filesToOpenGiven = 1;
    openFiles(p);
}

} // namespace app
