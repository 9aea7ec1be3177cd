#pragma once

#include <QString>
#include <QValidator>

// Keeps the text of a line edit (a dialog's field or a grid cell's editor) made
// of whole characters. A length limit counts UTF-16 units, so a text cut at the
// limit, typed or pasted, can keep the first half of a character outside the
// Basic Multilingual Plane (an emoji, say); that half is no character at all and
// would reach a table as broken text. The halves are dropped: the field keeps
// what fits whole.
class WholeCharacters : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& cursor) const override
    {
        for (qsizetype i = 0; i < text.size();) {
            if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                i += 2;
            } else if (text.at(i).isSurrogate()) {
                text.remove(i, 1);
                if (cursor > i)
                    --cursor;
            } else {
                ++i;
            }
        }
        return Acceptable;
    }
};
