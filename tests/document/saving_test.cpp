// Saving pages: save, save as, save all, and the bytes that reach the disk.
#include "document/saving.h"
#include "platform/files.h"
#include "support/app_fixture.h"

#include <QDir>

using platform::Answer;
using testing_support::AppFixture;

namespace {

class Saving : public testing_support::DocumentFixture {
  protected:
    void save() { window->action("保存文件(&S)")->trigger(); }
    void saveAs() { window->action("另存文件(&K)")->trigger(); }
    void saveAll() { window->action("全部保存(&S)", window->标签选项)->trigger(); }
    void newPage() { window->action("新建文件(&N)")->trigger(); }
};

} // namespace

// Every kind of file comes back byte for byte when saved unedited; edited, it holds exactly
// what the user sees.
TEST_F(Saving, BytesSurviveOpeningAndSaving) {
    const struct {
        const char* what;
        std::string bytes;
        std::string held; // what the page holds: the bytes before the first zero byte
    } cases[] = {
        {"CR LF", "one\r\ntwo\r\n", "one\r\ntwo\r\n"},
        {"lone LF", "one\ntwo\n", "one\ntwo\n"},
        {"lone CR", "one\rtwo\r", "one\rtwo\r"},
        {"mixed line ends", "a\r\nb\nc\rd\n\r", "a\r\nb\nc\rd\n\r"},
        {"GBK text", "\xd6\xd0\xce\xc4\xa3\xbb\r\n\xbb\xe1", "\xd6\xd0\xce\xc4\xa3\xbb\r\n\xbb\xe1"},
        {"bytes that are not GBK", "\x81\x20\xff\xfe\x7f\x81", "\x81\x20\xff\xfe\x7f\x81"},
        {"byte 0x80",
         "a\x80"
         "b\x80",
         "a\x80"
         "b\x80"},
        {"four-byte forms", "\x81\x30\x81\x30\x90\x30\x81\x30", "\x81\x30\x81\x30\x90\x30\x81\x30"},
        {"zero byte in the middle", std::string("keep\0lost", 9), "keep"},
        {"empty file", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = file("case.txt", c.bytes);
        openChosen({path});
        const int k = tabs().current();
        EXPECT_EQ(pageBytes(k), c.held);
        save();
        EXPECT_EQ(bytesOf(path), c.held);

        type("加x");
        save();
        EXPECT_EQ(bytesOf(path), "\xbc\xd3x" + c.held) << "typed text goes in front of the caret at 0";
        EXPECT_EQ(bytesOf(path), pageBytes(k));
    }
}

TEST_F(Saving, AFolderOrAMissingFolderCannotBeSavedAndSaysSo) {
    const struct {
        const char* what;
        QString path;
    } cases[] = {{"a folder", folder.path()}, {"a file in a missing folder", folder.path() + "/none/x.txt"}};
    for (const auto& c : cases) {
        openChosen({c.path});
        EXPECT_EQ(pageBytes(tabs().current()), "") << c.what;
        type("text");
        answer({Answer::Ok});
        save();
        ASSERT_FALSE(ui.messages().empty()) << c.what;
        const auto m = ui.messages().back();
        EXPECT_TRUE(m.text.contains(c.path)) << c.what;
        EXPECT_EQ(m.title, "保存失败");
        EXPECT_EQ(m.icon, platform::Icon::Error);
        EXPECT_EQ(m.buttons, platform::Buttons::Ok);
    }
}

TEST_F(Saving, APageWithAFileIsWrittenWithoutAsking) {
    const QString path = file("a.txt", "old content");
    openChosen({path});
    editBox().clear();
    save();
    EXPECT_EQ(bytesOf(path), "") << "an empty text truncates the file";
    QFile::remove(path);
    type("again");
    window->button("图形按钮_保存")->click();
    EXPECT_EQ(bytesOf(path), "again") << "a deleted file is made again";
    EXPECT_EQ(program.通用对话框_打开文件.title, "保存编辑后的文件！");
    EXPECT_EQ(program.通用对话框_打开文件.kind, platform::FileDialogKind::Save);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(Saving, ANewPageGetsItsFileFromTheDialog) {
    const struct {
        const char* what;
        int tab;
        const char* name;
        const char* label;
    } cases[] = {
        {"tab 3", 3, "meeting-notes.txt", "meeting-"},
        {"tab 0", 0, "meeting-notes.txt", "meeting-notes.txt"},
        {"four Chinese characters", 1, "会议记录2010.txt", "会议记录"},
        {"short name", 2, "ab.txt", "ab.txt"},
    };
    newPage();
    newPage();
    newPage();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tabs().setCurrent(c.tab);
        const std::string oldLabel = tabs().label(c.tab);
        editBox().clear();
        type("body");
        const QString caption = window->windowTitle();
        const QString path = folder.path() + "/" + c.name;
        choose({path});
        save();
        const auto& request = ui.asked.back().file;
        EXPECT_EQ(request.kind, platform::FileDialogKind::Save);
        EXPECT_EQ(request.title, "保存编辑后的文件！");
        EXPECT_EQ(request.fileName, uni(oldLabel));
        EXPECT_EQ(bytesOf(path), "body");
        EXPECT_EQ(uni(tabs().label(c.tab)), QString::fromUtf8(c.label));
        EXPECT_EQ(tabs().tip(c.tab), c.name);
        EXPECT_EQ(program.store.pathOf(c.tab), path);
        EXPECT_EQ(window->windowTitle(), caption) << "the caption waits for the next page switch";
    }
}

TEST_F(Saving, CancelledOrFailedDialogSavesChangeNothing) {
    newPage();
    type("draft");
    choose({});
    save();
    EXPECT_EQ(program.store.pagePaths[0], "");
    EXPECT_EQ(uni(tabs().label(1)), "新建文件[2]");

    // A path that cannot be written is not adopted.
    const QString bad = folder.path() + "/missing/notes.txt";
    choose({bad});
    answer({Answer::Ok});
    save();
    EXPECT_EQ(program.store.pagePaths[0], "");
    EXPECT_EQ(uni(tabs().label(1)), "新建文件[2]");
    EXPECT_EQ(tabs().tip(1), "新建文件[2]");
    EXPECT_TRUE(ui.messages().back().text.contains(bad));

    choose({bad});
    answer({Answer::Ok});
    saveAs();
    EXPECT_EQ(program.store.pagePaths[0], "");
    EXPECT_EQ(window->windowTitle(), "汀页本");
}

TEST_F(Saving, AFailedReplaceLeavesTheOldFileIntact) {
    const QString path = file("keep.txt", "the old bytes");
    openChosen({path});
    type("new ");
    platform::files::systemCalls().rename = [](const char*, const char*) {
        errno = EIO;
        return -1;
    };
    answer({Answer::Ok});
    save();
    EXPECT_EQ(bytesOf(path), "the old bytes");
    EXPECT_TRUE(ui.messages().back().text.contains(QString::fromLocal8Bit(strerror(EIO))));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.txt"});
}

TEST_F(Saving, SaveAsAdoptsTheNewFileAndKeepsTheTab) {
    const QString notes = file("notes.txt", "n");
    openChosen({notes});
    const QString copy = folder.path() + "/copy.txt";
    choose({copy});
    window->action("另存文件(&L)", window->标签选项)->trigger();
    const auto& request = ui.asked.back().file;
    EXPECT_EQ(request.title, "将 notes.txt 另存为...");
    EXPECT_EQ(request.fileName, "notes.txt");
    EXPECT_EQ(request.kind, platform::FileDialogKind::Save);
    EXPECT_EQ(bytesOf(copy), "n");
    EXPECT_EQ(bytesOf(notes), "n");
    EXPECT_EQ(window->windowTitle(), "汀页本 " + copy);
    EXPECT_EQ(program.store.firstPagePath, copy);
    EXPECT_EQ(tabs().tip(0), "notes.txt");
    EXPECT_EQ(uni(tabs().label(0)), "notes.tx...");
}

TEST_F(Saving, SaveAllWritesEveryPageWithTheProgressBarRunning) {
    const QString a = file("a.txt", "a"), b = file("b.txt", "b"), c = file("c.txt", "c"),
                  d = file("d.txt", "d");
    openChosen({a, b, c, d});
    for (int k = 0; k < 4; ++k) {
        tabs().setCurrent(k);
        type("+");
    }
    std::vector<int> seen;
    QObject::connect(window->进度条, &QProgressBar::valueChanged, [&](int v) { seen.push_back(v); });
    answer({Answer::Yes});
    saveAll();
    EXPECT_EQ(ui.messages().back().text, "你确定保存全部文件吗？");
    EXPECT_EQ(ui.messages().back().title, "信息");
    EXPECT_EQ(ui.messages().back().icon, platform::Icon::Information);
    EXPECT_EQ(seen, (std::vector<int>{333, 666, 999, 1000, 0}));
    EXPECT_EQ(bytesOf(a), "+a");
    EXPECT_EQ(bytesOf(d), "+d");
    EXPECT_FALSE(window->进度条->isVisible());
}

TEST_F(Saving, SaveAllGivesPagesWithoutAFileADialogButNoPath) {
    newPage();
    type("unsaved");
    const QString chosen = folder.path() + "/chosen.txt";
    answer({Answer::Yes});
    choose({});       // the first page: cancelled, skipped
    choose({chosen}); // 新建文件[2]
    saveAll();
    const auto& request = ui.asked.back().file;
    EXPECT_EQ(request.title, "保存 新建文件[2]");
    EXPECT_EQ(request.fileName, "新建文件[2]");
    EXPECT_EQ(bytesOf(chosen), "unsaved");
    EXPECT_EQ(program.store.pagePaths[0], "") << "the chosen file is written, not adopted";
    EXPECT_EQ(uni(tabs().label(1)), "新建文件[2]");
}

TEST_F(Saving, SaveAllAnsweredNoWritesNothing) {
    const QString a = file("a.txt", "a");
    openChosen({a});
    type("x");
    window->setTopmost(true);
    answer({Answer::No});
    saveAll();
    EXPECT_EQ(bytesOf(a), "a");
    EXPECT_TRUE(window->isTopmost());
    EXPECT_FALSE(window->进度条->isVisible());
}
