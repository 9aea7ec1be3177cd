#pragma once

#include "DirectoryFixture.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// A long run of adds, changes and deletes on a directory of known rows, the
// same on every run: the program that performs it and the test that
// interrupts it agree on every step and on what the directory holds after
// each. Every phone in the run is unique, so a step finds its record by phone.
namespace WriteRun {

using Row = DirectoryFixture::Row;

inline constexpr int kSteps = 260;
inline constexpr quint32 kSeed = 20240611;

struct Step {
    enum Kind { Add, Change, Delete } kind = Add;
    // The phone of the record changed or deleted.
    QString tel;
    // The record added, or the new values of the changed one.
    Row row;
};

// A record made of the step's number and the generator: names, streets and
// comments of several lengths, some long enough to fill most of a page.
inline Row record(int serial, QRandomGenerator& random)
{
    static const QStringList names = {"Иванов", "Петрова", "Сидоренко", "Ковалёв", "Ёлкин", "Щербакова",
                                      "Аптека №", "ООО \"Юг\"", "O'Brien", "Шевчук"};
    static const QStringList streets = {"Ленина", "Мира", "50 лет Октября", "Привокзальная", "Садовая",
                                        "Восточная промзона"};
    Row r;
    r.tel = QString::number(400000 + serial);
    r.fio = names[random.bounded(int(names.size()))] + QStringLiteral(" %1.%2.").arg(QChar(u'А' + random.bounded(32)))
                .arg(QChar(u'А' + random.bounded(32)));
    r.adr = streets[random.bounded(int(streets.size()))] + QLatin1Char(' ') + QString::number(1 + random.bounded(120));
    if (random.bounded(3) == 0)
        r.adr += QStringLiteral(" кв ") + QString::number(1 + random.bounded(90));
    const int comment = random.bounded(4);
    if (comment == 1)
        r.kom = QStringLiteral("запись %1").arg(serial);
    else if (comment == 2)
        r.kom = QStringLiteral("Примечание к записи %1: ").arg(serial) + QString(40 + random.bounded(160), QChar(u'ж'));
    else if (comment == 3)
        r.kom = QStringLiteral("Длинное примечание %1 ").arg(serial) + QString(2000 + random.bounded(1500), QChar(u'ё'));
    return r;
}

inline QList<Row> startRows()
{
    QRandomGenerator random(kSeed + 1);
    QList<Row> rows;
    for (int i = 0; i < 40; ++i) {
        Row r = record(i, random);
        r.tel = QString::number(200000 + i);
        rows.append(r);
    }
    return rows;
}

// Applies one step to the rows, which are in the store's own (row id) order:
// an add goes to the end, a change keeps its place.
inline void apply(const Step& step, QList<Row>& rows)
{
    if (step.kind == Step::Add) {
        rows.append(step.row);
        return;
    }
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows[i].tel == step.tel) {
            if (step.kind == Step::Change)
                rows[i] = step.row;
            else
                rows.removeAt(i);
            return;
        }
    }
}

inline QList<Step> steps()
{
    QRandomGenerator random(kSeed);
    QList<Row> live = startRows();
    QList<Step> run;
    for (int n = 0; n < kSteps; ++n) {
        Step step;
        const int roll = random.bounded(100);
        if (live.size() < 10 || roll < 45) {
            step.kind = Step::Add;
            step.row = record(n, random);
        } else {
            step.kind = roll < 75 ? Step::Change : Step::Delete;
            step.tel = live[random.bounded(int(live.size()))].tel;
            if (step.kind == Step::Change)
                step.row = record(n, random);
        }
        apply(step, live);
        run.append(step);
    }
    return run;
}

// The directory once the first `done` steps are over.
inline QList<Row> after(int done)
{
    QList<Row> rows = startRows();
    const QList<Step> run = steps();
    for (int n = 0; n < done && n < run.size(); ++n)
        apply(run[n], rows);
    return rows;
}

} // namespace WriteRun
