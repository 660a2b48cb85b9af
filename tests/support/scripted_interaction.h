#pragma once
// Answers the program's message boxes and dialogs from a script and records what was asked.
#include "platform/interaction.h"

#include <QPrinter>
#include <deque>
#include <gtest/gtest.h>
#include <variant>

namespace testing_support {

struct Asked {
    enum Kind { Message, File, Font, Folder, Print } kind;
    platform::MessageRequest message;
    platform::FileDialogRequest file;
};

class ScriptedInteraction : public platform::Interaction {
  public:
    std::vector<Asked> asked;
    std::deque<platform::Answer> answers; // for message boxes
    std::deque<QStringList> files;        // for file dialogs (empty list: cancel)
    std::deque<std::optional<QFont>> fonts;
    std::deque<std::optional<QString>> folders;
    std::deque<bool> prints;

    platform::Answer message(QWidget*, const platform::MessageRequest& r) override {
        asked.push_back({Asked::Message, r, {}});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected message box: " << r.title.toStdString() << " / "
                          << r.text.toStdString();
            return platform::Answer::Cancel;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    QStringList fileDialog(QWidget*, const platform::FileDialogRequest& r) override {
        asked.push_back({Asked::File, {}, r});
        if (files.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << r.title.toStdString();
            return {};
        }
        auto f = files.front();
        files.pop_front();
        return f;
    }
    std::optional<QFont> fontDialog(QWidget*, const QFont&, const QString&) override {
        asked.push_back({Asked::Font, {}, {}});
        return next(fonts);
    }
    std::optional<QString> folderDialog(QWidget*, const QString&, const QString&) override {
        asked.push_back({Asked::Folder, {}, {}});
        return next(folders);
    }
    bool printDialog(QWidget*, QPrinter&) override {
        asked.push_back({Asked::Print, {}, {}});
        if (prints.empty()) return false;
        bool b = prints.front();
        prints.pop_front();
        return b;
    }

    template <typename T> static std::optional<T> next(std::deque<std::optional<T>>& queue) {
        std::optional<T> out;
        if (!queue.empty()) {
            out.swap(queue.front());
            queue.pop_front();
        }
        return out;
    }

    std::vector<platform::MessageRequest> messages() const {
        std::vector<platform::MessageRequest> out;
        for (const auto& a : asked)
            if (a.kind == Asked::Message) out.push_back(a.message);
        return out;
    }
};

} // namespace testing_support
