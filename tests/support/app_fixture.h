#pragma once
// A real MainWindow on the offscreen platform, with a scripted interaction and its own
// program folder (so each test has its own settings file).
#include "app/main_window.h"
#include "platform/codepage.h"
#include "support/scripted_interaction.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

class AppFixture : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    ScriptedInteraction ui;
    app::Program program;
    std::unique_ptr<app::MainWindow> window;

    // Writes the settings file before the window is created.
    void writeSettings(const std::string& bytes) {
        QFile f(folder.path() + "/ConfigQdx.INI");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    void start(const QStringList& arguments = {}) {
        program.ui = &ui;
        program.programDirectory = folder.path();
        program.arguments = arguments;
        window = std::make_unique<app::MainWindow>(program);
        window->show();
    }

    void TearDown() override {
        window.reset();
        EXPECT_TRUE(ui.answers.empty()) << "scripted answers left over";
        EXPECT_TRUE(ui.files.empty()) << "scripted file choices left over";
    }

    platform::TabStrip& tabs() { return *window->高级选择夹_标签; }
    platform::EditBox& editBox() { return *window->编辑框_文本显示; }
    QString pane(int i) { return window->statusPanes[i]->text(); }
    static std::string gbk(const QString& s) { return platform::codepage::fromQString(s); }
    static QString uni(const std::string& s) { return platform::codepage::toQString(s); }

    // Types text into the edit box with key events, as a user would.
    void type(const QString& text);

    // A file in the test's folder holding bytes; returns its full path.
    QString file(const QString& name, const std::string& bytes);
    static std::string bytesOf(const QString& path);
    // The bytes page k holds.
    std::string pageBytes(int k) { return program.store.textOf(k).bytes(); }
    // Opens paths as if chosen in the open dialog.
    void openChosen(const QStringList& paths);
    // Answers the next message boxes and file dialogs.
    void answer(std::initializer_list<platform::Answer> answers) {
        ui.answers.insert(ui.answers.end(), answers);
    }
    void choose(const QStringList& paths) { ui.files.push_back(paths); }
};

// For saving and closing: the temporary folder (where the review file goes) is the test's
// own folder, and failing system calls are put right after each test.
class DocumentFixture : public AppFixture {
  protected:
    void SetUp() override {
        qputenv("temp", folder.path().toLocal8Bit());
        start();
    }
    void TearDown() override;
};

} // namespace testing_support
