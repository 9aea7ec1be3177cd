#include "AutorunMenu.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

AutorunMenu::AutorunMenu()
{
    setWindowTitle(QStringLiteral("Тальвинск Навигатор"));

    auto* title = new QLabel(QStringLiteral("Тальвинск Навигатор"), this);
    QFont titleFont(QStringLiteral("Liberation Serif"));
    titleFont.setPixelSize(28);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* start = new QPushButton(QStringLiteral("Запустить навигатор"), this);
    start->setObjectName(QStringLiteral("startButton"));
    start->setDefault(true);
    start->setMinimumHeight(32);
    connect(start, &QPushButton::clicked, this, &AutorunMenu::startNavigator);

    auto* exit = new QPushButton(QStringLiteral("Выход"), this);
    exit->setObjectName(QStringLiteral("exitButton"));
    exit->setMinimumHeight(32);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addSpacing(8);
    layout->addWidget(start);
    layout->addWidget(exit);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}

void AutorunMenu::startNavigator()
{
    // Like the menu itself, the navigator runs from the disc's folder: its data
    // files are looked for in the current directory.
    const QString program = QDir::current().filePath(QStringLiteral("talvinsk"));
    if (QProcess::startDetached(program, {}, QDir::currentPath())) {
        close();
        return;
    }
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("Не удалось запустить навигатор: %1").arg(QDir::toNativeSeparators(program)));
}
