// The built program in a real window on an X server (run under xvfb-run): real key events,
// a save through the keyboard shortcut, and a close request from the window system.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Last: Xlib defines macros (None, Bool, ...) that clash with the test framework.
#include <X11/Xlib.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::string run(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[256];
        while (fgets(buf, sizeof buf, p))
            out += buf;
        pclose(p);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The file's bytes once they are the expected ones, or after five seconds whatever they are:
// a busy machine may take a while over the keys that save.
std::string bytesOnceSaved(const fs::path& path, const std::string& expected) {
    std::string bytes = bytesOf(path);
    for (int i = 0; i < 50 && bytes != expected; ++i) {
        std::this_thread::sleep_for(100ms);
        bytes = bytesOf(path);
    }
    return bytes;
}

void put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The first window whose name starts with name, waiting up to ten seconds.
std::string waitForWindow(const std::string& name) {
    for (int i = 0; i < 100; ++i) {
        const std::string id =
            run("xdotool search --onlyvisible --name '^" + name + "' 2>/dev/null | head -n1");
        if (!id.empty()) return id;
        std::this_thread::sleep_for(100ms);
    }
    return {};
}

void key(const std::string& window, const std::string& keys) {
    run("xdotool windowfocus --sync " + window + " 2>/dev/null; xdotool key --delay 30 " + keys);
    std::this_thread::sleep_for(200ms);
}

void typeText(const std::string& window, const std::string& text) {
    run("xdotool windowfocus --sync " + window + " 2>/dev/null; xdotool type --delay 40 '" + text + "'");
    std::this_thread::sleep_for(300ms);
}

// Asks the window to close, as a window manager's close button does.
void requestClose(const std::string& window) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = std::stoul(window);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
}

// Xvfb resets itself when its last client leaves, and refuses connections while it does; one
// connection held for the whole run keeps a program started right after another from meeting
// a server that is not there.
class HeldConnection : public ::testing::Environment {
  public:
    void SetUp() override {
        if (getenv("DISPLAY")) display = XOpenDisplay(nullptr);
    }
    void TearDown() override {
        if (display) XCloseDisplay(display);
    }

  private:
    Display* display = nullptr;
};
const auto* const heldConnection = ::testing::AddGlobalTestEnvironment(new HeldConnection);

class RealWindow : public ::testing::Test {
  protected:
    fs::path dir;
    pid_t pid = -1;

    void SetUp() override {
        if (!getenv("DISPLAY")) GTEST_SKIP() << "needs an X server: run under xvfb-run";
        char pattern[] = "/tmp/tingyeben-e2e-XXXXXX";
        dir = mkdtemp(pattern);
    }
    void TearDown() override {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        fs::remove_all(dir);
    }
    void launch(const std::vector<std::string>& files) {
        pid = fork();
        if (pid == 0) {
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            setenv("temp", dir.c_str(), 1);
            std::vector<char*> argv{const_cast<char*>(TINGYEBEN_EXE)};
            for (const auto& f : files)
                argv.push_back(const_cast<char*>(f.c_str()));
            argv.push_back(nullptr);
            execv(TINGYEBEN_EXE, argv.data());
            _exit(127);
        }
    }
    // Waits for the program to end; its exit status, or -1 if it is still running.
    int exitStatus(std::chrono::seconds within) {
        const auto end = std::chrono::steady_clock::now() + within;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
            }
            std::this_thread::sleep_for(100ms);
        }
        return -1;
    }
};

} // namespace

TEST_F(RealWindow, TypesIntoTheFirstPageAndSavesWithCtrlS) {
    const std::string first =
        "\xd6\xd0\xce\xc4 line\r\nsecond\nthird\r\x80\xff"; // GBK, mixed line ends, no GBK
    put(dir / "a.txt", first);
    put(dir / "b.txt", "other file");
    launch({(dir / "a.txt").string(), (dir / "b.txt").string()});
    const std::string window = waitForWindow("汀页本");
    ASSERT_FALSE(window.empty()) << "the main window did not appear";
    std::this_thread::sleep_for(500ms);

    key(window,
        "ctrl+n"); // a third page, then back to the first with the first-page button below the menu bar
    run("xdotool mousemove --window " + window + " 408 40 click 1");
    std::this_thread::sleep_for(300ms);
    typeText(window, "Hi there ");
    key(window, "Return ctrl+s");
    EXPECT_EQ(bytesOnceSaved(dir / "a.txt", "Hi there \r\n" + first), "Hi there \r\n" + first);
    EXPECT_EQ(bytesOf(dir / "b.txt"), "other file");
}

TEST_F(RealWindow, AMiddleClickPastesThePrimarySelectionByteForByte) {
    const std::string text = "ab\x80\xff\rcd\nef \xd6\xd0"; // no GBK, a lone CR and LF, GBK
    put(dir / "a.txt", text);
    launch({(dir / "a.txt").string()});
    const std::string window = waitForWindow("汀页本");
    ASSERT_FALSE(window.empty());
    std::this_thread::sleep_for(500ms);
    key(window, "ctrl+a ctrl+End"); // selected, then the caret to the end; the selection stays primary
    // Far right, below the text: the nearest place is the end of the text.
    run("xdotool mousemove --window " + window + " 700 400 click 2");
    std::this_thread::sleep_for(300ms);
    key(window, "ctrl+s");
    EXPECT_EQ(bytesOnceSaved(dir / "a.txt", text + text), text + text);
}

TEST_F(RealWindow, ClosingThroughTheWindowSystemRunsTheReview) {
    put(dir / "a.txt", "content");
    launch({(dir / "a.txt").string()});
    const std::string window = waitForWindow("汀页本");
    ASSERT_FALSE(window.empty());
    std::this_thread::sleep_for(500ms);
    typeText(window, "new ");
    requestClose(window);
    const std::string review = waitForWindow("文件已经被修改！");
    ASSERT_FALSE(review.empty()) << "no review question";
    key(review, "Return"); // Yes: save everything and end
    EXPECT_EQ(exitStatus(10s), 0);
    EXPECT_EQ(bytesOf(dir / "a.txt"), "new content");
    EXPECT_TRUE(fs::exists(dir / "修改文件.TXT"));
}
