#include "app/StartupSequence.h"

#include "base/AppError.h"

void StartupSequence::add(const QString& name, Step step)
{
    m_steps.push_back({name, std::move(step)});
}

bool StartupSequence::run(const ErrorHandler& onError)
{
    m_completed.clear();
    for (const NamedStep& s : m_steps) {
        try {
            s.step();
        } catch (const AppError& error) {
            onError(error.message());
            return false;
        } catch (const std::exception& error) {
            onError(QString::fromLocal8Bit(error.what()));
            return false;
        }
        m_completed << s.name;
    }
    return true;
}

QStringList StartupSequence::stepNames() const
{
    QStringList names;
    for (const NamedStep& s : m_steps)
        names << s.name;
    return names;
}
