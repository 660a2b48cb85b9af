#pragma once
// A page's text as the edit box holds it: one editor document per page, so that showing a
// page, typing into it and storing it never copy the whole text.
//
// PageText is a handle: copies share the document. The bytes it stands for are code-page
// bytes; inside, the document holds them decoded (UTF-8 with invalid bytes kept raw).
#include <QString>
#include <string>
#include <string_view>

namespace platform {

class PageText {
  public:
    PageText(); // a new, empty text
    PageText(const PageText& other);
    PageText& operator=(const PageText& other);
    ~PageText();

    static PageText fromBytes(std::string_view bytes);
    // The file's bytes up to its first zero byte, read and decoded in chunks; an unreadable
    // file gives the empty text.
    static PageText fromFile(const QString& path);

    std::string bytes() const; // the text in the code page
    // Whether the text in the code page is exactly these bytes; encodes piece by piece and
    // stops at the first difference, so no second copy of a large text is made.
    bool hasBytes(std::string_view expected) const;
    std::string utf8() const; // the document's own form
    bool isEmpty() const;
    std::size_t documentLength() const;
    bool sameDocument(const PageText& other) const { return doc_ == other.doc_; }

    void* document() const { return doc_; } // for the edit box
    static PageText adopt(void* document);  // takes one more reference

  private:
    explicit PageText(void* doc) : doc_(doc) {}
    void* doc_;
};

} // namespace platform
