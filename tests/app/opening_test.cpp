// Opening files: the open dialog, the command line and drops.
#include "app/opening.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using platform::Answer;
using testing_support::AppFixture;

namespace {

class Opening : public AppFixture {
  protected:
    void SetUp() override { start(); }

    // A drop as the window system delivers it: the drag enters the edit box, then drops.
    // A drag whose source proposes a move, as a drag of selected text does.
    template <typename Event> struct MoveProposed : Event {
        explicit MoveProposed(const QMimeData* data)
            : Event(QPoint(10, 10), Qt::MoveAction | Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier) {
            this->m_defaultAction = Qt::MoveAction;
        }
    };

    // The box takes a copy only, so the source never deletes what was dragged.
    void drop(QMimeData* data) {
        MoveProposed<QDragEnterEvent> enter(data);
        QApplication::sendEvent(editBox().viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
        MoveProposed<QDropEvent> event(data);
        QApplication::sendEvent(editBox().viewport(), &event);
        EXPECT_TRUE(event.isAccepted());
        EXPECT_EQ(event.dropAction(), Qt::CopyAction);
        delete data;
    }
    void dropText(const QString& text) {
        auto* data = new QMimeData;
        data->setText(text);
        drop(data);
    }
    void dropFiles(const QStringList& paths) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls << QUrl::fromLocalFile(p);
        data->setUrls(urls);
        drop(data);
    }
    // The progress bar's positions while an opening runs.
    std::vector<int> progressDuring(const std::function<void()>& f) {
        std::vector<int> seen;
        auto c =
            QObject::connect(window->进度条, &QProgressBar::valueChanged, [&](int v) { seen.push_back(v); });
        f();
        QObject::disconnect(c);
        return seen;
    }
};

} // namespace

TEST_F(Opening, IntoTheEmptyFirstPageThenOnNewTabs) {
    const QString a = file("a.txt", "alpha"), b = file("b.txt", "beta"), c = file("c.txt", "gamma");
    openChosen({a});
    ASSERT_EQ(tabs().count(), 1) << "one file into an empty first page makes no new tab";
    EXPECT_EQ(uni(tabs().label(0)), "a.txt...");
    EXPECT_EQ(tabs().tip(0), "a.txt");
    EXPECT_EQ(editBox().utf8(), "alpha");
    EXPECT_EQ(program.store.firstPagePath, a);

    openChosen({b, c, a});
    ASSERT_EQ(tabs().count(), 4) << "with text on the first page every file gets a tab, an open one again";
    EXPECT_EQ(tabs().current(), 3);
    EXPECT_EQ(editBox().utf8(), "alpha");
    EXPECT_EQ(pageBytes(1), "beta");
    EXPECT_EQ(program.store.pagePaths, (std::vector<QString>{b, c, a}));
    EXPECT_EQ(program.store.pageColors[0], gbk("0；32768"));
    EXPECT_EQ(pane(0), "总数:4篇 当前:第4篇");
    EXPECT_EQ(window->windowTitle(), "汀页本  " + a);
    EXPECT_TRUE(program.filesToOpen.empty());
    EXPECT_EQ(program.filesToOpenGiven, 0);
    EXPECT_EQ(program.firstFileTaken, 0);
    EXPECT_FALSE(window->进度条->isVisible());

    const auto& request = ui.asked.back().file;
    EXPECT_EQ(request.kind, platform::FileDialogKind::OpenMany);
    EXPECT_EQ(request.title, "请选择要打开的文本文件，可以同时选择其他文件打开！");
    EXPECT_EQ(request.filter, "文本文件(*.txt)|*.txt|配置文件(*.ini)|*.ini|所有文件(*.*)|*.*|");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.directory, folder.path());
}

TEST_F(Opening, ThreeFilesFillTheFirstPageAndTwoTabs) {
    openChosen({file("1.txt", "one"), file("2.txt", "two"), file("3.txt", "three")});
    ASSERT_EQ(tabs().count(), 3);
    EXPECT_EQ(pageBytes(0), "one");
    EXPECT_EQ(pageBytes(2), "three");
    EXPECT_EQ(tabs().current(), 2);
    EXPECT_EQ(editBox().utf8(), "three");
}

TEST_F(Opening, CancelledDialogOpensNothing) {
    openChosen({});
    EXPECT_EQ(tabs().count(), 1);
    EXPECT_TRUE(program.filesToOpen.empty());
}

TEST_F(Opening, Labels) {
    const struct {
        const char* name;
        const char* label; // shown form; a cut double-byte character shows as U+FFFD
    } cases[] = {
        {"notes", "notes..."},
        {"meeting-notes.txt", "meeting-..."},
        {"会议记录.txt", "会议记录..."},
        {"会议记录2010.txt", "会议记录..."},
        {"a会议记录.txt", "a会议记\uFFFD..."},
        {"12345678", "12345678..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(uni(app::openedLabel(c.name)), QString::fromUtf8(c.label)) << c.name;
    EXPECT_EQ(app::openedLabel("a会议记录.txt"), gbk("a会议记") + "\xc2...");
    EXPECT_EQ(app::fileNameOf("/docs/a.txt"), "a.txt");
    EXPECT_EQ(app::fileNameOf("/docs/folder/"), "folder");
    EXPECT_EQ(app::fileNameOf("plain"), "plain");
}

TEST_F(Opening, AZeroByteEndsTheText) {
    openChosen({file("z.txt", std::string("before\0after", 12))});
    EXPECT_EQ(editBox().utf8(), "before");
    EXPECT_EQ(pageBytes(0), "before");
}

TEST_F(Opening, FiveHundredFilesAskFirst) {
    QStringList many;
    for (int i = 0; i < 500; ++i)
        many << QString("/nonexistent/f%1.txt").arg(i);
    answer({Answer::No});
    openChosen(many);
    ASSERT_EQ(ui.messages().size(), 1u);
    const auto m = ui.messages()[0];
    EXPECT_EQ(m.title, "警告！");
    EXPECT_EQ(m.text, "你欲打开的文件过数为：500个\r\n可能导致程序无反应，你确定继续吗？");
    EXPECT_EQ(m.buttons, platform::Buttons::YesNo);
    EXPECT_EQ(m.icon, platform::Icon::Warning);
    EXPECT_EQ(tabs().count(), 1);
    EXPECT_TRUE(program.filesToOpen.empty());
    EXPECT_EQ(program.filesToOpenGiven, 0);

    openChosen({file("after.txt", "after")});
    EXPECT_EQ(tabs().count(), 1);
    EXPECT_EQ(pageBytes(0), "after");

    many.removeLast();
    openChosen(many); // 499: no question
    EXPECT_EQ(tabs().count(), 500);
    EXPECT_EQ(ui.messages().size(), 1u);
}

TEST_F(Opening, ProgressSteps) {
    type("x"); // every file gets a tab of its own
    auto positions = progressDuring([&] { openChosen({"/n/a", "/n/b", "/n/c"}); });
    EXPECT_EQ(positions, (std::vector<int>{333, 666, 999, 0}));

    QStringList many;
    for (int i = 0; i < 1001; ++i)
        many << QString("/n/%1").arg(i);
    answer({Answer::Yes});
    positions = progressDuring([&] { openChosen(many); });
    EXPECT_TRUE(positions.empty()) << "with more than 1000 files the step is 0";
    EXPECT_EQ(tabs().count(), 1 + 3 + 1001);
}

TEST_F(Opening, DroppedFilesAndTexts) {
    const QString a = file("a.txt", "dropped");
    dropFiles({a});
    EXPECT_EQ(tabs().count(), 1) << "a drop on the empty first page fills it";
    EXPECT_EQ(pageBytes(0), "dropped");
    dropFiles({a});
    EXPECT_EQ(tabs().count(), 2) << "the same drop again appends a tab";

    dropText("just some words");
    ASSERT_EQ(tabs().count(), 3);
    EXPECT_EQ(uni(tabs().label(2)), "just som...");
    EXPECT_EQ(program.store.pagePaths[1], "just some words");
    EXPECT_EQ(pageBytes(2), "");

    const QString b = file("b.txt", "bee"), c = file("c.txt", "sea");
    dropFiles({b, c});
    ASSERT_EQ(tabs().count(), 5);
    EXPECT_EQ(pageBytes(3), "bee");
    EXPECT_EQ(pageBytes(4), "sea");

    dropText(b + "\r\n\r\n" + c + "\r\n"); // an empty line names no file and is left out
    ASSERT_EQ(tabs().count(), 7);
    EXPECT_EQ(program.store.pagePaths[5], c);

    auto* link = new QMimeData;
    link->setUrls({QUrl("https://example.org/page")});
    drop(link);
    EXPECT_EQ(program.store.pagePaths.back(), "https://example.org/page");

    auto* html = new QMimeData;
    html->setHtml("<p>" + b + "</p>");
    drop(html);
    EXPECT_EQ(program.store.pagePaths.back(), b);
    EXPECT_EQ(pageBytes(tabs().count() - 1), "bee");
}

TEST_F(Opening, DroppedLines) {
    EXPECT_EQ(app::droppedLines("a\r\nb\r\n"), (std::vector<QString>{"a", "b"}));
    EXPECT_EQ(app::droppedLines("a\r\n\r\nb"), (std::vector<QString>{"a", "", "b"}));
    EXPECT_EQ(app::droppedLines("a\nb\rc"), (std::vector<QString>{"a", "b", "c"}));
    EXPECT_EQ(app::droppedLines("one"), (std::vector<QString>{"one"}));
}

namespace {
class CommandLine : public AppFixture {};
} // namespace

TEST_F(CommandLine, TwoArgumentsFillTheFirstTabAndOneMore) {
    const QString a = file("a.txt", "first"), b = file("b.txt", "second");
    start({a, b});
    ASSERT_EQ(tabs().count(), 2);
    EXPECT_EQ(pageBytes(0), "first");
    EXPECT_EQ(pageBytes(1), "second");
    EXPECT_EQ(tabs().current(), 1);
    EXPECT_EQ(tabs().tip(0), "a.txt");
    EXPECT_TRUE(program.filesToOpen.empty());
}

TEST_F(CommandLine, OneArgumentRelativeToTheCurrentFolder) {
    file("rel.txt", "relative");
    const QString saved = QDir::currentPath();
    QDir::setCurrent(folder.path());
    start({"rel.txt"});
    QDir::setCurrent(saved);
    ASSERT_EQ(tabs().count(), 1);
    EXPECT_EQ(editBox().utf8(), "relative");
    EXPECT_EQ(program.store.firstPagePath, folder.path() + "/rel.txt");
    EXPECT_EQ(window->windowTitle(), "汀页本");
    EXPECT_EQ(pane(1), "标题:rel.txt");
    EXPECT_EQ(pane(2), folder.path() + "/rel.txt");
}
