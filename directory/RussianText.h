#pragma once

#include <QByteArrayView>
#include <QStringView>

struct sqlite3;

// The text rules of the phone directory's store, made for a Russian user:
// - the collation "russian" that every "order by" of the directory names: the
//   Russian alphabetical order of QCollator for the Russian locale, case
//   ignored, Ё beside Е;
// - the like() of SQLite replaced by one that ignores case for Cyrillic as well
//   as Latin letters ("иванов" finds "Иванов"), keeping "%" and "_" as the
//   wildcards and taking no escape character unless an ESCAPE clause names one.
// They work on any SQLite connection, so that a benchmark can register the same
// rules on a connection of the sqlite3 C API.
namespace RussianText {

inline constexpr char kCollation[] = "russian";

// The collator's comparison: negative, zero or positive.
int compare(QStringView a, QStringView b);
// The collation as SQLite calls it, on UTF-8 texts: the same order as compare(),
// found without the collator where the texts differ in their letters, digits,
// blanks or ASCII punctuation.
int collateUtf8(QByteArrayView a, QByteArrayView b);
// The like comparison of SQLite's "text like pattern", with case folded.
bool like(QStringView pattern, QStringView text);
// Lower-case form used for the comparison of one character.
char32_t fold(char32_t c);

// Registers the collation and like() on the connection; returns an SQLite
// result code (SQLITE_OK on success).
int registerWith(sqlite3* db);

} // namespace RussianText
