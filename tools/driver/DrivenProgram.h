#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class VirtualScreen;

// How a program run with the driver ended and what the driver saw.
struct DrivenOutcome {
    bool finished = false; // it ended by itself
    bool crashed = false;
    int exitCode = -1;
    QStringList said;      // the driver's lines, without "driver: "
    QString otherOutput;   // the rest of its standard output and its standard error

    bool saw(const QString& line) const { return said.contains(line); }
    QString summary() const;
};

// Runs the program on the virtual screen, in `folder`, with the driver loaded
// into it carrying out `orders` (see Driver.h), and waits until it ends.
DrivenOutcome runDriven(const VirtualScreen& screen, const QString& program, const QString& folder,
                        const QStringList& orders,
                        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
