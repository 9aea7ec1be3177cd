#include "TownModel.h"

#include "base/AppError.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace {

struct LayerSyntax {
    const char* word;
    TownLayer layer;
    int parameters;  // number of whole numbers before the colon
};

constexpr LayerSyntax Syntax[] = {
    {"district", TownLayer::District, 0}, {"park", TownLayer::Park, 0},
    {"water", TownLayer::Water, 0},       {"river", TownLayer::River, 1},
    {"square", TownLayer::Square, 0},     {"street", TownLayer::Street, 2},
    {"railway", TownLayer::Railway, 1},   {"building", TownLayer::Building, 0},
    {"mark", TownLayer::Mark, 1},
};

int minimumPoints(TownLayer layer)
{
    switch (layer) {
    case TownLayer::District:
    case TownLayer::Park:
    case TownLayer::Water:
    case TownLayer::Square:
    case TownLayer::Building:
        return 3;
    case TownLayer::Mark:
        return 1;
    default:
        return 2;
    }
}

[[noreturn]] void fail(const QString& where, const QString& what)
{
    throw AppError(QStringLiteral("%1: %2").arg(where, what));
}

void readPoints(const QString& text, const QString& where, std::vector<ModelPoint>& points)
{
    static const QRegularExpression point(QStringLiteral("^(-?\\d+),(-?\\d+)$"));
    for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = point.match(token);
        if (!m.hasMatch())
            fail(where, QStringLiteral("\"%1\" is not a point x,y").arg(token));
        points.push_back({m.captured(1).toInt(), m.captured(2).toInt()});
    }
}

TownItem startItem(const QString& head, const QString& where)
{
    const QStringList words = head.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        fail(where, QStringLiteral("missing layer name"));
    for (const LayerSyntax& syntax : Syntax) {
        if (words[0] != QLatin1String(syntax.word))
            continue;
        if (words.size() != syntax.parameters + 1)
            fail(where, QStringLiteral("%1 takes %2 numbers before the colon")
                            .arg(words[0]).arg(syntax.parameters));
        std::vector<int> numbers;
        for (int i = 1; i < words.size(); ++i) {
            bool ok = false;
            numbers.push_back(words[i].toInt(&ok));
            if (!ok || numbers.back() < 0)
                fail(where, QStringLiteral("\"%1\" is not a whole number").arg(words[i]));
        }
        TownItem item;
        item.layer = syntax.layer;
        item.where = where;
        if (syntax.layer == TownLayer::Street) {
            item.streetId = numbers[0];
            item.width = numbers[1];
        } else if (!numbers.empty()) {
            item.width = numbers[0];
        }
        return item;
    }
    fail(where, QStringLiteral("unknown layer \"%1\"").arg(words[0]));
}

void finish(TownModel& model, TownItem& item, bool& open)
{
    if (!open)
        return;
    if (int(item.points.size()) < minimumPoints(item.layer))
        fail(item.where, QStringLiteral("too few points"));
    model.items.push_back(std::move(item));
    item = TownItem();
    open = false;
}

}  // namespace

std::vector<const TownItem*> TownModel::layer(TownLayer which) const
{
    std::vector<const TownItem*> result;
    for (const TownItem& item : items)
        if (item.layer == which)
            result.push_back(&item);
    return result;
}

TownModel readTownModel(const QStringList& files)
{
    TownModel model;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            throw AppError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Utf8);
        const QString name = QFileInfo(path).fileName();
        TownItem item;
        bool open = false;
        for (int lineNumber = 1; !in.atEnd(); ++lineNumber) {
            QString line = in.readLine();
            const qsizetype hash = line.indexOf(QLatin1Char('#'));
            if (hash >= 0)
                line.truncate(hash);
            if (line.trimmed().isEmpty())
                continue;
            const QString where = QStringLiteral("%1:%2").arg(name).arg(lineNumber);
            if (line.front().isSpace()) {
                if (!open)
                    fail(where, QStringLiteral("continuation line without an item"));
                readPoints(line, where, item.points);
                continue;
            }
            finish(model, item, open);
            const qsizetype colon = line.indexOf(QLatin1Char(':'));
            if (colon < 0)
                fail(where, QStringLiteral("missing ':' after the layer"));
            item = startItem(line.left(colon), where);
            open = true;
            readPoints(line.mid(colon + 1), where, item.points);
        }
        finish(model, item, open);
    }
    return model;
}
