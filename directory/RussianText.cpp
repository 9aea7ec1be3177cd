#include "directory/RussianText.h"

#include <QChar>
#include <QCollator>
#include <QLocale>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace RussianText {

namespace {

QCollator makeCollator()
{
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

const QCollator& collator()
{
    static const QCollator instance = makeCollator();
    return instance;
}

// --- Collation -------------------------------------------------------------

using Utf16Buffer = QVarLengthArray<QChar, 256>;

QStringView decode(const void* bytes, int size, Utf16Buffer& buffer)
{
    // A UTF-8 text never needs more UTF-16 units than it has bytes.
    buffer.resize(size);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QChar* end = decoder.appendToBuffer(buffer.data(), QByteArrayView(static_cast<const char*>(bytes), size));
    return QStringView(buffer.data(), end - buffer.data());
}

// The collator's primary order of the characters met in nearly every name and
// address: Cyrillic and Latin letters, digits, the blank and ASCII punctuation.
// Each of them is one collation element of its own for the Russian collator
// (no contraction or expansion), so that two texts made of them alone are
// ordered by their first primary difference exactly as the collator orders
// them. The table is read off the collator itself: the characters sorted one
// by one, and two neighbours given the same rank where they differ below the
// primary level only (Ё and Е, if the collator treats them so).
class PrimaryRanks {
public:
    static constexpr char32_t kSize = 0x460;

    PrimaryRanks()
    {
        std::vector<char16_t> chars;
        for (char16_t c = 0x20; c < 0x7F; ++c) {
            // ASCII symbols with expansions or oddities in some tailorings stay out.
            if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')
                || QStringView(u" .,-()\"'/:;!?").contains(QChar(c)))
                chars.push_back(c);
        }
        for (char16_t c = 0x410; c <= 0x44F; ++c)
            chars.push_back(c);
        chars.push_back(0x401); // Ё
        chars.push_back(0x451); // ё
        const QCollator& order = collator();
        const auto text = [](char16_t c) { return QString(QChar(c)); };
        std::stable_sort(chars.begin(), chars.end(), [&](char16_t a, char16_t b) {
            return order.compare(text(a), text(b)) < 0;
        });
        const QString low = QStringLiteral("а");
        const QString high = QStringLiteral("я");
        std::uint16_t rank = 0;
        for (size_t i = 0; i < chars.size(); ++i) {
            if (i == 0) {
                rank = 1;
            } else {
                const QString previous = text(chars[i - 1]);
                const QString current = text(chars[i]);
                // The same primary: differing only in case, or below the primary
                // level, so that the next letter decides.
                const bool samePrimary = order.compare(previous, current) == 0
                    || order.compare(current + low, previous + high) < 0;
                if (!samePrimary)
                    ++rank;
            }
            m_rank[chars[i]] = rank;
        }
    }

    // 0 for a character outside the table.
    std::uint16_t of(char32_t c) const { return c < kSize ? m_rank[c] : 0; }

private:
    std::uint16_t m_rank[kSize] = {};
};

const PrimaryRanks& primaryRanks()
{
    static const PrimaryRanks ranks;
    return ranks;
}

// Reads one code point of UTF-8. A byte that does not begin a valid sequence
// reads as itself above the Unicode range (0x110000 + byte), one byte at a
// time, so that it still equals only the same byte.
inline char32_t nextCodePoint(const unsigned char*& p, const unsigned char* end)
{
    const unsigned char b = *p;
    if (b < 0x80) {
        ++p;
        return b;
    }
    const int length = (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
    bool valid = length > 0 && end - p >= length;
    char32_t c = b & (0x7F >> length);
    for (int i = 1; valid && i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            valid = false;
        else
            c = (c << 6) | (p[i] & 0x3F);
    }
    if (!valid) {
        ++p;
        return char32_t(0x110000 + b);
    }
    p += length;
    return c;
}

// The order of two texts by their first primary difference, where both are
// made of the table's characters up to it; 2 where the collator must decide.
constexpr int kUndecided = 2;

int comparePrimary(const unsigned char* a, const unsigned char* endA, const unsigned char* b,
                   const unsigned char* endB)
{
    const PrimaryRanks& ranks = primaryRanks();
    for (;;) {
        const bool atEndA = a >= endA;
        const bool atEndB = b >= endB;
        if (atEndA || atEndB) {
            if (atEndA && atEndB)
                return kUndecided; // equal at the primary level: case and Ё decide
            // The shorter sorts first, if what follows in the longer has a weight.
            const unsigned char* rest = atEndA ? b : a;
            const std::uint16_t r = ranks.of(nextCodePoint(rest, atEndA ? endB : endA));
            if (r == 0)
                return kUndecided;
            return atEndA ? -1 : 1;
        }
        const std::uint16_t ra = ranks.of(nextCodePoint(a, endA));
        const std::uint16_t rb = ranks.of(nextCodePoint(b, endB));
        if (ra == 0 || rb == 0)
            return kUndecided;
        if (ra != rb)
            return ra < rb ? -1 : 1;
    }
}

int collate(void*, int sizeA, const void* a, int sizeB, const void* b)
{
    if (sizeA == sizeB && std::memcmp(a, b, size_t(sizeA)) == 0)
        return 0;
    const auto* pa = static_cast<const unsigned char*>(a);
    const auto* pb = static_cast<const unsigned char*>(b);
    const int quick = comparePrimary(pa, pa + sizeA, pb, pb + sizeB);
    if (quick != kUndecided)
        return quick;
    Utf16Buffer bufferA;
    Utf16Buffer bufferB;
    return collator().compare(decode(a, sizeA, bufferA), decode(b, sizeB, bufferB));
}

// --- like() ----------------------------------------------------------------

// "_" in a compiled pattern: any one character.
constexpr char32_t kAnyOne = 0xFFFFFFFEu;

// Decodes UTF-8 into folded code points (nextCodePoint for what is malformed).
template <typename Out>
void decodeFolded(const unsigned char* p, const unsigned char* end, Out&& out)
{
    while (p < end) {
        const char32_t c = nextCodePoint(p, end);
        out(c < 0x110000 ? fold(c) : c);
    }
}

// A pattern split at its "%": the pieces before, between and after them, each
// a run of folded characters and "_". Without a "%" the one piece must match
// the whole text; otherwise the first piece is anchored at the start of the
// text, the last at its end, and the ones between float.
struct CompiledPattern {
    std::vector<std::vector<char32_t>> pieces;
    bool hasEscape = false;
    char32_t escape = 0;
};

// Stands in a pattern for an escape character that escapes nothing: it matches
// no character of a text.
constexpr char32_t kNothing = 0xFFFFFFFDu;

void compile(const std::vector<char32_t>& chars, bool hasEscape, char32_t escape, CompiledPattern& out)
{
    out.hasEscape = hasEscape;
    out.escape = escape;
    out.pieces.assign(1, {});
    for (size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (hasEscape && c == escape) {
            // The escaped character stands for itself.
            out.pieces.back().push_back(i + 1 < chars.size() ? chars[++i] : kNothing);
            continue;
        }
        if (c == U'%')
            out.pieces.emplace_back();
        else
            out.pieces.back().push_back(c == U'_' ? kAnyOne : c);
    }
}

bool pieceMatchesAt(const std::vector<char32_t>& piece, const char32_t* text, size_t at)
{
    for (size_t i = 0; i < piece.size(); ++i) {
        if (piece[i] != kAnyOne && piece[i] != text[at + i])
            return false;
    }
    return true;
}

bool matches(const CompiledPattern& pattern, const char32_t* text, size_t size)
{
    const auto& pieces = pattern.pieces;
    if (pieces.size() == 1) {
        const auto& only = pieces.front();
        return only.size() == size && pieceMatchesAt(only, text, 0);
    }
    // The first piece at the start, the last at the end, each one between at
    // its leftmost place after the one before: leftmost is never worse.
    const auto& first = pieces.front();
    const auto& last = pieces.back();
    if (first.size() + last.size() > size)
        return false;
    if (!pieceMatchesAt(first, text, 0) || !pieceMatchesAt(last, text, size - last.size()))
        return false;
    size_t from = first.size();
    const size_t limit = size - last.size();
    for (size_t k = 1; k + 1 < pieces.size(); ++k) {
        const auto& piece = pieces[k];
        if (piece.empty())
            continue;
        bool found = false;
        while (from + piece.size() <= limit) {
            if (pieceMatchesAt(piece, text, from)) {
                found = true;
                break;
            }
            ++from;
        }
        if (!found)
            return false;
        from += piece.size();
    }
    return true;
}

void deletePattern(void* p)
{
    delete static_cast<CompiledPattern*>(p);
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    // SQLite calls like(pattern, text) for "text like pattern".
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    bool hasEscape = false;
    char32_t escape = 0;
    if (argc == 3) {
        if (sqlite3_value_type(argv[2]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
        const auto* e = sqlite3_value_text(argv[2]);
        std::vector<char32_t> escapeChars;
        decodeFolded(e, e + sqlite3_value_bytes(argv[2]), [&](char32_t c) { escapeChars.push_back(c); });
        if (escapeChars.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        hasEscape = true;
        escape = escapeChars.front();
    }

    // The pattern is compiled once for a statement and kept with it.
    const auto* cached = static_cast<const CompiledPattern*>(sqlite3_get_auxdata(context, 0));
    std::unique_ptr<CompiledPattern> fresh;
    if (!cached || cached->hasEscape != hasEscape || cached->escape != escape) {
        const auto* p = sqlite3_value_text(argv[0]);
        std::vector<char32_t> chars;
        decodeFolded(p, p + sqlite3_value_bytes(argv[0]), [&](char32_t c) { chars.push_back(c); });
        fresh = std::make_unique<CompiledPattern>();
        compile(chars, hasEscape, escape, *fresh);
    }
    const CompiledPattern& pattern = fresh ? *fresh : *cached;

    // An empty value is an empty text, NULL included.
    thread_local std::vector<char32_t> text;
    text.clear();
    const auto* t = sqlite3_value_text(argv[1]);
    if (t)
        decodeFolded(t, t + sqlite3_value_bytes(argv[1]), [](char32_t c) { text.push_back(c); });
    const bool result = matches(pattern, text.data(), text.size());
    if (fresh)
        sqlite3_set_auxdata(context, 0, fresh.release(), deletePattern);
    sqlite3_result_int(context, result ? 1 : 0);
}

} // namespace

char32_t fold(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    if (c >= 0x410 && c <= 0x42F) // А to Я
        return c + 0x20;
    if (c >= 0x430 && c <= 0x45F) // а to я, ѐ to џ
        return c;
    if (c >= 0x400 && c <= 0x40F) // Ѐ to Џ, Ё among them
        return c + 0x50;
    return QChar::toCaseFolded(c);
}

int compare(QStringView a, QStringView b)
{
    return collator().compare(a, b);
}

int collateUtf8(QByteArrayView a, QByteArrayView b)
{
    return collate(nullptr, int(a.size()), a.data(), int(b.size()), b.data());
}

bool like(QStringView pattern, QStringView text)
{
    const QByteArray p = pattern.toUtf8();
    const QByteArray t = text.toUtf8();
    std::vector<char32_t> patternChars;
    std::vector<char32_t> textChars;
    decodeFolded(reinterpret_cast<const unsigned char*>(p.constData()),
                 reinterpret_cast<const unsigned char*>(p.constData()) + p.size(),
                 [&](char32_t c) { patternChars.push_back(c); });
    decodeFolded(reinterpret_cast<const unsigned char*>(t.constData()),
                 reinterpret_cast<const unsigned char*>(t.constData()) + t.size(),
                 [&](char32_t c) { textChars.push_back(c); });
    CompiledPattern compiled;
    compile(patternChars, false, 0, compiled);
    return matches(compiled, textChars.data(), textChars.size());
}

int registerWith(sqlite3* db)
{
    int rc = sqlite3_create_collation_v2(db, kCollation, SQLITE_UTF8, nullptr, collate, nullptr);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    return rc;
}

} // namespace RussianText
