#include "editing/jump_window.h"

#include "app/frame.h"
#include "app/main_window.h"
#include "app/page_switching.h"
#include "platform/codepage.h"
#include "platform/numbers.h"

#include <QKeyEvent>
#include <QInputMethodEvent>
#include <algorithm>
#include <QWindow>

namespace editing {

namespace {

const QColor kBackground(204, 232, 207);
const char* const kTitleByNumber = "跳转到其他页面—按照页面跳转";
const char* const kTitleByName = "跳转到其他页面—按照页面名跳转";
const char* const kPromptByNumber = "请输入要跳转的页面：";
const char* const kPromptByName = "请输入要跳转的页面名：";

} // namespace

JumpWindow::JumpWindow(app::Program& program, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      p_(program) {
    setObjectName("JumpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitleByNumber);
    setWindowIcon(owner->windowIcon());
    setFixedSize(kOuterWidth, kOuterHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);
    QFont small = font();
    small.setPixelSize(12);
    setFont(small);

    标签1 = new QLabel(kPromptByNumber, this);
    标签1->setObjectName("标签1");
    标签1->setGeometry(5, 16, 130, 23);

    编辑框_跳转 = new QLineEdit(this);
    编辑框_跳转->setObjectName("编辑框_跳转");
    编辑框_跳转->setGeometry(139, 14, 229, 25);
    QPalette white = 编辑框_跳转->palette();
    white.setColor(QPalette::Base, Qt::white);
    编辑框_跳转->setPalette(white);

    选择框1 = new QCheckBox("按照名称跳转", this);
    选择框1->setObjectName("选择框1");
    选择框1->setGeometry(5, 57, 99, 16);

    按钮_开始跳转 = new QPushButton("跳转到新页面", this);
    按钮_开始跳转->setObjectName("按钮_开始跳转");
    按钮_开始跳转->setGeometry(272, 45, 96, 29);
    按钮_开始跳转->setEnabled(false);

    connect(选择框1, &QCheckBox::clicked, this, [this] { onModeClicked(); });
    connect(编辑框_跳转, &QLineEdit::textChanged, this, [this](const QString& text) { onTextChanged(text); });
    connect(按钮_开始跳转, &QPushButton::clicked, this, [this] { jump(); });
    编辑框_跳转->installEventFilter(this); // once every control it looks at exists
}

void JumpWindow::fitOuterSize() {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(kOuterWidth - frame.left() - frame.right(), kOuterHeight - frame.top() - frame.bottom());
}

void JumpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

namespace {

bool onlyDigitsAndMinus(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return (c >= '0' && c <= '9') || c == '-'; });
}

} // namespace

bool JumpWindow::eventFilter(QObject* watched, QEvent* event) {
    // Integer input refuses typed characters other than the digits and "-". It filters what
    // is typed, not what the box holds: a name left from name mode can still be edited.
    if (watched == 编辑框_跳转 && !选择框1->isChecked()) {
        if (event->type() == QEvent::KeyPress) {
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
            if (printable && !onlyDigitsAndMinus(typed)) return true;
        } else if (event->type() == QEvent::InputMethod) {
            if (!onlyDigitsAndMinus(static_cast<QInputMethodEvent*>(event)->commitString())) return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void JumpWindow::onModeClicked() {
    const bool byName = 选择框1->isChecked();
    标签1->setText(byName ? kPromptByName : kPromptByNumber);
    setWindowTitle(byName ? kTitleByName : kTitleByNumber);
}

void JumpWindow::onTextChanged(const QString& text) {
    if (!text.isEmpty()) {
        按钮_开始跳转->setEnabled(true);
        return;
    }
    按钮_开始跳转->setEnabled(false);
    if (选择框1->isChecked()) return;
    // In number mode the box never stays empty: it shows the number of the last page.
    编辑框_跳转->setText(QString::number(p_.window->高级选择夹_标签->count()));
}

void JumpWindow::jump() {
    app::suspendTopmost(p_, 1);
    const std::string entered = platform::codepage::fromQString(编辑框_跳转->text());
    p_.jumpPrefixLength = static_cast<int>(entered.size() / 2);
    if (选择框1->isChecked())
        jumpByName(entered);
    else
        jumpByNumber();
    app::showProgressBar(p_, 0);
    app::suspendTopmost(p_, 0);
}

void JumpWindow::jumpByName(const std::string& entered) {
    platform::TabStrip& tabs = *p_.window->高级选择夹_标签;
    const std::size_t n = static_cast<std::size_t>(p_.jumpPrefixLength);
    const std::string wanted = platform::codepage::firstBytes(entered, n);
    auto matches = [&](int i) {
        // Past the last tab the tip counts as empty.
        const std::string tip =
            i < tabs.count() ? platform::codepage::fromQString(tabs.tip(i)) : std::string();
        return platform::codepage::firstBytes(tip, n) == wanted;
    };
    app::showProgressBar(p_, 1);
    const int t = tabs.count();
    const int step = 1000 / t;
    // The last match wins, and tab 0, tried last, wins over all others.
    for (int i = 1; i <= t; ++i) {
        if (matches(i)) tabs.setCurrent(i);
        app::advanceProgress(p_, step);
    }
    if (matches(0)) tabs.setCurrent(0);
}

void JumpWindow::jumpByNumber() {
    platform::TabStrip& tabs = *p_.window->高级选择夹_标签;
    const double x = platform::numbers::toNumber(编辑框_跳转->text());
    const int t = tabs.count();
    if ((x - 1) - (t - 1) > 0.0000001 || x - 1 < -0.0000001) {
        p_.ui->message(
            this, {"请正确输入跳转页面！", "输入错误", platform::Buttons::Ok, platform::Icon::Exclamation});
        return;
    }
    tabs.setCurrent(static_cast<int>(platform::numbers::truncateToInteger(x - 1)));
}

void openJumpWindow(app::Program& p) {
    if (QWidget* open = p.jumpWindow; open && open->isVisible()) {
        if (open->isMinimized()) open->showNormal();
        open->raise();
        open->activateWindow();
        return;
    }
    auto* window = new JumpWindow(p, p.window);
    p.jumpWindow = window;
    app::centreOverMainWindow(*window, *p.window);
    window->show();
    window->fitOuterSize();
    app::centreOverMainWindow(*window, *p.window);
    window->activateWindow();
}

} // namespace editing
