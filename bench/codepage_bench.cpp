// Our GB18030 codec against ICU's, on a 100 MB Chinese text in GBK.
//
// The text is the timing programs' common Chinese text (support/bench_common.h): level-1
// characters, ASCII and full-width punctuation, lines of 40..80 characters ending in CR LF.
//
// ICU does the same work as we do (GB18030 bytes to UTF-8 and back) with ucnv_convertEx
// between its "gb18030" and "UTF-8" converters, into a buffer allocated once; ICU pivots
// through UTF-16 internally. The *Utf16 cases time ICU's half-way conversions alone
// (ucnv_toUChars / ucnv_fromUChars), its best case, for reference. ICU's UTF-8 results are
// checked against ours before timing, ours after.
#include "platform/codepage.h"
#include "support/bench_common.h"

#include <benchmark/benchmark.h>
#include <unicode/ucnv.h>

#include <algorithm>
#include <string>
#include <vector>

namespace cp = platform::codepage;

namespace {

constexpr std::size_t kTextBytes = 100u << 20;

const std::string& gbkText() {
    static const std::string text = bench::chineseText(kTextBytes);
    return text;
}

const std::string& utf8Text() {
    static const std::string text = cp::decode(gbkText());
    return text;
}

struct Converter {
    explicit Converter(const char* name) {
        UErrorCode err = U_ZERO_ERROR;
        cnv = ucnv_open(name, &err);
        if (U_FAILURE(err)) cnv = nullptr;
    }
    ~Converter() { ucnv_close(cnv); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    UConverter* cnv;
};

// ucnv_convertEx from `from` to `to`; returns the bytes written, or -1 on an error.
std::int64_t icuConvert(UConverter* to, UConverter* from, const std::string& in, std::vector<char>& out) {
    static thread_local std::vector<UChar> pivot(1 << 16);
    UErrorCode err = U_ZERO_ERROR;
    char* target = out.data();
    const char* source = in.data();
    UChar* pivotSource = pivot.data();
    UChar* pivotTarget = pivot.data();
    ucnv_convertEx(to, from, &target, out.data() + out.size(), &source, in.data() + in.size(), pivot.data(),
                   &pivotSource, &pivotTarget, pivot.data() + pivot.size(), true, true, &err);
    return U_FAILURE(err) ? -1 : target - out.data();
}

bool sameAs(const std::vector<char>& buf, std::int64_t n, const std::string& expected) {
    return n == std::int64_t(expected.size()) && std::equal(expected.begin(), expected.end(), buf.begin());
}

void OursDecode(benchmark::State& state) {
    const std::string& in = gbkText();
    std::string out;
    for (auto _ : state) {
        out.clear();
        cp::decodeAppend(in, out);
        benchmark::DoNotOptimize(out.data());
    }
    if (out != utf8Text()) state.SkipWithError("decode gave a different text");
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(in.size()));
}

void OursEncode(benchmark::State& state) {
    const std::string& in = utf8Text();
    std::string out;
    for (auto _ : state) {
        out.clear();
        cp::encodeAppend(in, out);
        benchmark::DoNotOptimize(out.data());
    }
    if (out != gbkText()) state.SkipWithError("encode did not give the text back");
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(gbkText().size()));
}

void IcuDecode(benchmark::State& state) {
    Converter gb("gb18030"), utf8("UTF-8");
    if (!gb.cnv || !utf8.cnv) {
        state.SkipWithError("ICU has no such converter");
        return;
    }
    const std::string& in = gbkText();
    std::vector<char> out(in.size() * 2);
    if (!sameAs(out, icuConvert(utf8.cnv, gb.cnv, in, out), utf8Text())) {
        state.SkipWithError("ICU's decoding differs from ours");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(icuConvert(utf8.cnv, gb.cnv, in, out));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(in.size()));
}

void IcuEncode(benchmark::State& state) {
    Converter gb("gb18030"), utf8("UTF-8");
    if (!gb.cnv || !utf8.cnv) {
        state.SkipWithError("ICU has no such converter");
        return;
    }
    const std::string& in = utf8Text();
    std::vector<char> out(in.size() + 16);
    if (!sameAs(out, icuConvert(gb.cnv, utf8.cnv, in, out), gbkText())) {
        state.SkipWithError("ICU's encoding differs from ours");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(icuConvert(gb.cnv, utf8.cnv, in, out));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(gbkText().size()));
}

void IcuDecodeToUtf16(benchmark::State& state) {
    Converter gb("gb18030");
    if (!gb.cnv) {
        state.SkipWithError("ICU has no gb18030 converter");
        return;
    }
    const std::string& in = gbkText();
    std::vector<UChar> out(in.size() + 16);
    for (auto _ : state) {
        UErrorCode err = U_ZERO_ERROR;
        benchmark::DoNotOptimize(ucnv_toUChars(gb.cnv, out.data(), std::int32_t(out.size()), in.data(),
                                               std::int32_t(in.size()), &err));
        if (U_FAILURE(err)) state.SkipWithError(u_errorName(err));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(in.size()));
}

void IcuEncodeFromUtf16(benchmark::State& state) {
    Converter gb("gb18030");
    if (!gb.cnv) {
        state.SkipWithError("ICU has no gb18030 converter");
        return;
    }
    const QString text = QString::fromUtf8(utf8Text().data(), qsizetype(utf8Text().size()));
    const auto* in = reinterpret_cast<const UChar*>(text.utf16());
    std::vector<char> out(gbkText().size() + 16);
    for (auto _ : state) {
        UErrorCode err = U_ZERO_ERROR;
        benchmark::DoNotOptimize(ucnv_fromUChars(gb.cnv, out.data(), std::int32_t(out.size()), in,
                                                 std::int32_t(text.size()), &err));
        if (U_FAILURE(err)) state.SkipWithError(u_errorName(err));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(gbkText().size()));
}

// MB/s are of GBK bytes in both directions, so the figures compare directly.
BENCHMARK(OursDecode)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(IcuDecode)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(OursEncode)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(IcuEncode)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(IcuDecodeToUtf16)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(IcuEncodeFromUtf16)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

BENCHMARK_MAIN();
