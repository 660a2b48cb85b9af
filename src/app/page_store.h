#pragma once
// Where every page's text, file path and colours live. Page 0 lives in the first-page
// variables, page k >= 1 in element k of the arrays (1-based); the tab strip's current index
// is the only pointer to the current page.
#include "platform/page_text.h"

#include <QString>
#include <array>
#include <string>
#include <vector>

namespace app {

using platform::PageText;

// The colour pair text of a page: background, the full-width semicolon, text colour.
struct ColourPair {
    long background = 0;
    long text = 0;
};
std::string colourPairText(long background, long text);
ColourPair readColourPair(const std::string& pair);

inline constexpr long kBlack = 0;
inline constexpr long kDarkGreen = 32768;
inline constexpr long kRed = 255;

struct PageStore {
    PageText firstPageText;
    QString firstPagePath;
    std::array<long, 2> firstPageColors{0, 0}; // background, text colour

    std::vector<PageText> pageTexts; // element k at [k - 1]
    std::vector<QString> pagePaths;
    std::vector<std::string> pageColors; // colour pair texts

    std::size_t extraPages() const { return pageTexts.size(); }

    // Page k by the access rule: k = 0 is the first page.
    PageText& textOf(int k) { return k == 0 ? firstPageText : pageTexts.at(k - 1); }
    QString& pathOf(int k) { return k == 0 ? firstPagePath : pagePaths.at(k - 1); }

    void append(const PageText& text, const QString& path, const std::string& colours);
    void remove(int k); // k >= 1
    void clear();       // only the first page is left, emptied
};

} // namespace app
