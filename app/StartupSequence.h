#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The main window's start-up as a list of named steps run in order. An error
// raised by a step is shown to the user and ends the sequence: the remaining
// steps are skipped, and the program's start-up goes on with the next window.
class StartupSequence {
public:
    using Step = std::function<void()>;
    using ErrorHandler = std::function<void(const QString& message)>;

    void add(const QString& name, Step step);

    // Runs the steps; returns true when every step ran to its end.
    bool run(const ErrorHandler& onError);

    QStringList stepNames() const;
    // The steps that ran to their end in the last run.
    QStringList completedSteps() const { return m_completed; }

private:
    struct NamedStep {
        QString name;
        Step step;
    };
    std::vector<NamedStep> m_steps;
    QStringList m_completed;
};
