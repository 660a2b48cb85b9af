#include "app/page_store.h"

#include "platform/codepage.h"
#include "platform/numbers.h"

namespace app {

namespace {
const std::string kPairSeparator = "\xA3\xBB"; // "；" in the code page
}

std::string colourPairText(long background, long text) {
    return std::to_string(background) + kPairSeparator + std::to_string(text);
}

ColourPair readColourPair(const std::string& pair) {
    const auto parts = platform::codepage::split(pair, kPairSeparator);
    ColourPair c;
    c.background = static_cast<long>(platform::numbers::toInteger(parts[0]));
    if (parts.size() > 1) c.text = static_cast<long>(platform::numbers::toInteger(parts[1]));
    return c;
}

void PageStore::append(const PageText& text, const QString& path, const std::string& colours) {
    pagePaths.push_back(path);
    pageTexts.push_back(text);
    pageColors.push_back(colours);
}

void PageStore::remove(int k) {
    pageTexts.erase(pageTexts.begin() + (k - 1));
    pagePaths.erase(pagePaths.begin() + (k - 1));
    pageColors.erase(pageColors.begin() + (k - 1));
}

void PageStore::clear() {
    pageTexts.clear();
    pagePaths.clear();
    pageColors.clear();
}

} // namespace app
