#include "platform/page_text.h"

#include "platform/codepage.h"
#include "platform/files.h"

#include <Qsci/qsciscintillabase.h>

namespace platform {

namespace {

using S = QsciScintillaBase;

// A hidden editor view through which detached documents are filled and read. It lives
// until the process ends: documents may be released during static destruction.
class Workbench {
  public:
    static Workbench& instance() {
        static Workbench* bench = new Workbench;
        return *bench;
    }

    long send(unsigned msg, unsigned long w = 0, long l = 0) const { return view_->SendScintilla(msg, w, l); }

    // A new document without style bytes; its code page and line ends are its own
    // settings, so they are made here once.
    void* create() const {
        void* doc = reinterpret_cast<void*>(view_->SendScintilla(
            S::SCI_CREATEDOCUMENT, 0UL, static_cast<long>(S::SC_DOCUMENTOPTION_STYLES_NONE)));
        view_->SendScintilla(S::SCI_SETDOCPOINTER, 0UL, doc);
        view_->SendScintilla(S::SCI_SETCODEPAGE, static_cast<unsigned long>(S::SC_CP_UTF8));
        view_->SendScintilla(S::SCI_SETEOLMODE, static_cast<unsigned long>(S::SC_EOL_CRLF));
        view_->SendScintilla(S::SCI_SETDOCPOINTER, 0UL, idle_);
        return doc;
    }

    // Runs f with doc attached to the hidden view.
    template <typename F> auto with(void* doc, F f) const {
        view_->SendScintilla(S::SCI_SETDOCPOINTER, 0UL, doc);
        struct Detach {
            const Workbench* w;
            ~Detach() { w->view_->SendScintilla(S::SCI_SETDOCPOINTER, 0UL, w->idle_); }
        } detach{this};
        return f(*view_);
    }

    void addRef(void* doc) const { view_->SendScintilla(S::SCI_ADDREFDOCUMENT, 0UL, doc); }
    void release(void* doc) const { view_->SendScintilla(S::SCI_RELEASEDOCUMENT, 0UL, doc); }

  private:
    Workbench() : view_(new QsciScintillaBase) {
        view_->setAttribute(Qt::WA_DontShowOnScreen);
        view_->SendScintilla(S::SCI_SETCODEPAGE, static_cast<unsigned long>(S::SC_CP_UTF8));
        view_->SendScintilla(S::SCI_SETMODEVENTMASK, 0UL);
        idle_ = reinterpret_cast<void*>(view_->SendScintilla(S::SCI_GETDOCPOINTER));
        view_->SendScintilla(S::SCI_ADDREFDOCUMENT, 0UL, idle_);
    }
    QsciScintillaBase* view_;
    void* idle_ = nullptr;
};

// Appends decoded chunks to the document attached to view, without recording undo steps.
class Filler {
  public:
    explicit Filler(QsciScintillaBase& view) : view_(view) {
        view_.SendScintilla(S::SCI_SETUNDOCOLLECTION, 0UL);
    }
    ~Filler() {
        view_.SendScintilla(S::SCI_SETUNDOCOLLECTION, 1UL);
        view_.SendScintilla(S::SCI_EMPTYUNDOBUFFER);
    }
    void reserve(std::size_t bytes) {
        // Decoding grows Chinese text by about half; reserving avoids regrowing the buffer.
        view_.SendScintilla(S::SCI_ALLOCATE, static_cast<unsigned long>(bytes + bytes / 2 + 16));
    }
    void add(std::string_view bytes, bool final) {
        pending_.append(bytes);
        decoded_.clear();
        const std::size_t used = codepage::decodeAppend(pending_, decoded_, final);
        pending_.erase(0, used);
        if (!decoded_.empty())
            view_.SendScintilla(S::SCI_APPENDTEXT, static_cast<uintptr_t>(decoded_.size()), decoded_.data());
    }

  private:
    QsciScintillaBase& view_;
    std::string pending_;
    std::string decoded_;
};

} // namespace

PageText::PageText() : doc_(Workbench::instance().create()) {}

PageText::PageText(const PageText& other) : doc_(other.doc_) {
    Workbench::instance().addRef(doc_);
}

PageText& PageText::operator=(const PageText& other) {
    if (doc_ != other.doc_) {
        Workbench::instance().addRef(other.doc_);
        Workbench::instance().release(doc_);
        doc_ = other.doc_;
    }
    return *this;
}

PageText::~PageText() {
    Workbench::instance().release(doc_);
}

PageText PageText::adopt(void* document) {
    Workbench::instance().addRef(document);
    return PageText(document);
}

PageText PageText::fromBytes(std::string_view bytes) {
    PageText text;
    Workbench::instance().with(text.doc_, [&](QsciScintillaBase& view) {
        Filler filler(view);
        filler.reserve(bytes.size());
        const std::size_t chunk = 1 << 20;
        for (std::size_t at = 0; at < bytes.size(); at += chunk)
            filler.add(bytes.substr(at, chunk), at + chunk >= bytes.size());
    });
    return text;
}

PageText PageText::fromFile(const QString& path) {
    PageText text;
    Workbench::instance().with(text.doc_, [&](QsciScintillaBase& view) {
        Filler filler(view);
        filler.reserve(files::sizeOf(path));
        files::readTextChunks(path, 1 << 20, [&](std::string_view c) { filler.add(c, false); });
        filler.add({}, true);
    });
    return text;
}

std::string PageText::utf8() const {
    return Workbench::instance().with(doc_, [](QsciScintillaBase& view) {
        const long length = view.SendScintilla(S::SCI_GETLENGTH);
        const char* p = static_cast<const char*>(view.SendScintillaPtrResult(S::SCI_GETCHARACTERPOINTER));
        return std::string(p, static_cast<std::size_t>(length));
    });
}

std::string PageText::bytes() const {
    return Workbench::instance().with(doc_, [](QsciScintillaBase& view) {
        const long length = view.SendScintilla(S::SCI_GETLENGTH);
        const char* p = static_cast<const char*>(view.SendScintillaPtrResult(S::SCI_GETCHARACTERPOINTER));
        std::string out;
        out.reserve(static_cast<std::size_t>(length));
        codepage::encodeAppend(std::string_view(p, static_cast<std::size_t>(length)), out);
        return out;
    });
}

bool PageText::hasBytes(std::string_view expected) const {
    return Workbench::instance().with(doc_, [&](QsciScintillaBase& view) {
        const long length = view.SendScintilla(S::SCI_GETLENGTH);
        const char* p = static_cast<const char*>(view.SendScintillaPtrResult(S::SCI_GETCHARACTERPOINTER));
        std::string_view rest(p, static_cast<std::size_t>(length));
        std::string piece;
        std::size_t matched = 0;
        while (!rest.empty()) {
            piece.clear();
            const std::size_t window = std::min<std::size_t>(rest.size(), 1 << 20);
            const bool final = window == rest.size();
            const std::size_t used = codepage::encodeAppend(rest.substr(0, window), piece, final);
            if (expected.substr(matched, piece.size()) != piece) return false;
            matched += piece.size();
            rest.remove_prefix(used);
        }
        return matched == expected.size();
    });
}

std::size_t PageText::documentLength() const {
    return Workbench::instance().with(doc_, [](QsciScintillaBase& view) {
        return static_cast<std::size_t>(view.SendScintilla(S::SCI_GETLENGTH));
    });
}

bool PageText::isEmpty() const {
    return documentLength() == 0;
}

} // namespace platform
