#pragma once

#include "ErrorReader.h"
#include "base/AppError.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>

// Hostile text for every text field of every window: one table shared by the
// tests, the way a user types it (key by key where a key can produce it), and
// the rules the program states for what it keeps of a typed text.
namespace HostileInputs {

struct Input {
    const char* name;
    QString text;
    // A text that a literal search for `text` must not find, though a search
    // that took some character of `text` for a wildcard, or folded scripts or
    // compositions together, would; empty where there is none. The directory's
    // search is a like condition, for which "%" and "_" are wildcards by design,
    // so there such a text is found.
    QString nearMiss;
};

inline QString withChars(std::initializer_list<QString> parts)
{
    QString text;
    for (const QString& part : parts)
        text += part;
    return text;
}

inline QString longText()
{
    QString text;
    while (text.size() < 10000)
        text += QStringLiteral("Длинный текст, Long text: ё№%_\\'\" 😀 ");
    text.truncate(10000);
    return text;
}

inline const QList<Input>& inputs()
{
    static const QList<Input> table = {
        {"double quotes", QStringLiteral("Магазин \"Ромашка\" \""), {}},
        {"apostrophes", QStringLiteral("O'Brien д'Артаньян '"), {}},
        {"percent", QStringLiteral("100% скидка"), QStringLiteral("1005 скидка")},
        {"underscore", QStringLiteral("a_b"), QStringLiteral("aЖb")},
        {"backslashes", QStringLiteral("C:\\путь\\файл \\\\ \\"), {}},
        {"glob characters", QStringLiteral("*.d? [a-z]"), QStringLiteral("Ж.dЖ b")},
        {"NUL", withChars({QStringLiteral("a"), QString(QChar(0)), QStringLiteral("b")}), QStringLiteral("ab")},
        {"tab", QStringLiteral("a\tb"), {}},
        {"newlines", QStringLiteral("a\nb\r\nc"), {}},
        {"escape sequence", withChars({QStringLiteral("a"), QString(QChar(0x1b)), QStringLiteral("[31mb")}), {}},
        {"other controls", withChars({QString(QChar(1)), QStringLiteral("x"), QString(QChar(7)), QString(QChar(8)),
                                      QString(QChar(0x7f)), QString(QChar(0x85)), QStringLiteral("y")}), {}},
        {"10,000 characters", longText(), {}},
        {"Arabic", QStringLiteral("مرحبا بالعالم ١٢٣"), {}},
        {"Hebrew", QStringLiteral("שָׁלוֹם עולם"), {}},
        {"bidi controls", QStringLiteral("abc\u202Eعربي\u202C\u200F!"), QStringLiteral("abcعربي!")},
        {"emoji", QStringLiteral("😀👍🏽🇷🇺"), {}},
        {"ZWJ sequences", QStringLiteral("👨‍👩‍👧‍👦🏳️‍🌈"), QStringLiteral("👨👩👧👦🏳🌈")},
        {"combining marks", QStringLiteral("e\u0301 и\u0306 Z\u0324\u0342"), QStringLiteral("\u00E9 \u0439 Z")},
        {"Latin and Cyrillic look-alikes", QStringLiteral("Ceвa Рycский"), QStringLiteral("Сева Русский")},
        {"SQL, double quotes", QStringLiteral("\"); DROP TABLE prdata; --"), {}},
        {"SQL, apostrophes", QStringLiteral("'; DROP TABLE prdata; --"), {}},
        {"blanks and controls around", QStringLiteral(" \t Иванов И.И.\n "), {}},
    };
    return table;
}

// The rows of a _data function: one per input, in the column "text".
inline void addRows()
{
    QTest::addColumn<QString>("text");
    for (const Input& input : inputs())
        QTest::newRow(input.name) << input.text;
}

// A real beginning of a name followed or wrapped by the characters that other
// engines take for wildcards.
inline QStringList wildcardProbes(const QString& beginning)
{
    return {beginning + QLatin1Char('%'), beginning + QLatin1Char('_'), beginning + QLatin1Char('*'),
            beginning + QLatin1Char('?'), QLatin1Char('[') + beginning.left(1) + QLatin1Char(']') + beginning.mid(1)};
}

// Texts stored beside the hostile ones: what only a wrong search would find,
// and each text in capitals (the directory's search ignores case, the city
// codes filters do not).
inline QStringList decoys()
{
    QStringList texts;
    for (const Input& input : inputs()) {
        if (!input.nearMiss.isEmpty())
            texts << input.nearMiss;
        if (input.text.toUpper() != input.text)
            texts << input.text.toUpper();
    }
    return texts;
}

// "Trimmed" as the phone directory stores a field: without the blanks and
// control characters (code 32 and below) at its two ends.
inline QString trimmedRule(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

// The first `units` UTF-16 units of a text, less a character cut in two.
inline QString cutWhole(const QString& text, qsizetype units)
{
    QString cut = text.left(units);
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

// What a field that takes at most `units` UTF-16 units holds after enter():
// typed key by key, each character that still fits whole; set at once, the
// first units less a character cut in two.
inline QString heldIn(const QString& text, qsizetype units);

// Whether every surrogate of the text stands in a pair.
inline bool wholeCharacters(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return false;
    }
    return true;
}

// Whether a key can produce every character: no control character, and short
// enough to type key by key in reasonable time.
inline bool typeable(const QString& text)
{
    if (text.size() > 200)
        return false;
    for (char32_t c : text.toUcs4()) {
        if (QChar::category(c) == QChar::Other_Control)
            return false;
    }
    return true;
}

inline QString heldIn(const QString& text, qsizetype units)
{
    if (!typeable(text))
        return cutWhole(text, units);
    QString held;
    for (char32_t c : text.toUcs4()) {
        const QString key = QString::fromUcs4(&c, 1);
        if (held.size() + key.size() <= units)
            held += key;
    }
    return held;
}

// Puts the text into an emptied field as the user does: key by key, one key a
// character (a surrogate pair is one key), QTest::keyClicks for plain ASCII.
// What no key produces (control characters, NUL) or is too long to type is set
// and announced as the user's edit, as a paste would be.
inline void enter(QLineEdit* field, const QString& text)
{
    field->clear();
    if (!typeable(text)) {
        field->setText(text);
        emit field->textEdited(field->text());
        return;
    }
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() >= 32 && c.unicode() < 127;
    if (ascii) {
        QTest::keyClicks(field, text);
        return;
    }
    for (char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
}

using ErrorReader::errorOf;

// Opens a modal dialog with `open` and hands it to `step` once it is up. A
// dialog the step leaves open is closed afterwards; any other modal window (an
// error box) is recorded in `unexpected` and closed, so that nothing hangs.
inline void throughModal(const std::function<void()>& open, const std::function<void(QDialog&)>& step,
                         QStringList* unexpected = nullptr)
{
    QPointer<QDialog> dialog;
    bool ran = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (!ran) {
            ran = true;
            dialog = qobject_cast<QDialog*>(modal);
            if (dialog)
                step(*dialog);
            if (dialog && dialog->isVisible())
                dialog->done(QDialog::Rejected);
            return;
        }
        if (unexpected) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            *unexpected << QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(": ")
                    + (box ? box->text() : modal->windowTitle());
        }
        if (auto* other = qobject_cast<QDialog*>(modal))
            other->done(QDialog::Rejected);
        else
            modal->close();
    });
    poll.start();
    open();
}

} // namespace HostileInputs
