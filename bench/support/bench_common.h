#pragma once
// Shared pieces of the timing programs: test texts, an interaction that answers Yes, timing.
#include "platform/interaction.h"

#include <QString>
#include <chrono>
#include <string>
#include <vector>

namespace bench {

// A GBK Chinese text of about `bytes` bytes: common characters with ASCII punctuation and
// CR LF line ends every 40 to 80 characters.
std::string chineseText(std::size_t bytes, unsigned seed = 1);
QString writeTempFile(const QString& name, const std::string& bytes);

double secondsSince(std::chrono::steady_clock::time_point start);
double median(std::vector<double> values);
long peakMemoryMiB();

// Answers Yes to every question and cancels every dialog.
class YesInteraction : public platform::Interaction {
  public:
    platform::Answer message(QWidget*, const platform::MessageRequest&) override {
        return platform::Answer::Yes;
    }
    QStringList fileDialog(QWidget*, const platform::FileDialogRequest&) override { return {}; }
    std::optional<QFont> fontDialog(QWidget*, const QFont&, const QString&) override { return std::nullopt; }
    std::optional<QString> folderDialog(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool printDialog(QWidget*, QPrinter&) override { return false; }
};

} // namespace bench
