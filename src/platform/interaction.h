#pragma once
// Every modal interaction of the program (message boxes and dialogs) goes through one
// interface, so that tests can answer from a script and check what was asked.
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace platform {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Warning, Exclamation, Error };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest {
    QString text;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

enum class FileDialogKind { OpenMany, Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString title;
    QString filter;      // pairs of description and pattern separated by "|"
    int filterIndex = 1; // 1-based
    QString directory;
    QString fileName;
};

class Interaction {
  public:
    virtual ~Interaction() = default;
    virtual Answer message(QWidget* parent, const MessageRequest& request) = 0;
    // The chosen full paths; empty when cancelled.
    virtual QStringList fileDialog(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QFont> fontDialog(QWidget* parent, const QFont& initial, const QString& title) = 0;
    virtual std::optional<QString> folderDialog(QWidget* parent, const QString& title,
                                                const QString& start) = 0;
    virtual bool printDialog(QWidget* parent, QPrinter& printer) = 0;
};

// Qt's own message boxes and dialogs.
class QtInteraction : public Interaction {
  public:
    Answer message(QWidget* parent, const MessageRequest& request) override;
    QStringList fileDialog(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QFont> fontDialog(QWidget* parent, const QFont& initial, const QString& title) override;
    std::optional<QString> folderDialog(QWidget* parent, const QString& title, const QString& start) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
};

// "文本文件(*.txt)|*.txt|..." as a Qt name filter list.
QStringList qtNameFilters(const QString& filter);

} // namespace platform
