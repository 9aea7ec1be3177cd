#pragma once

#include <QFrame>
#include <QIcon>
#include <QRect>
#include <QString>
#include <QToolButton>

// Helpers that lay out the main window's controls at their designed places.
namespace FormLayout {

// The property under which a control keeps its designed place, from which the
// layout is scaled.
inline constexpr char kDesignRect[] = "designRect";

// Names a control and puts it at its designed place.
template <typename W>
W* place(W* widget, const QString& name, const QRect& designed)
{
    widget->setObjectName(name);
    widget->setGeometry(designed);
    widget->setProperty(kDesignRect, designed);
    return widget;
}

// A flat tool button with a picture from the embedded icons and a hint.
inline QToolButton* pictureButton(QWidget* parent, const QString& name, const QRect& designed, const QString& icon,
                                  int iconSize, const QString& hint)
{
    auto* button = place(new QToolButton(parent), name, designed);
    button->setAutoRaise(true);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A divider of the tool bar: a sunken vertical line in the middle of its width.
inline QFrame* divider(QWidget* parent, const QString& name, int left, int width)
{
    auto* line = place(new QFrame(parent), name, QRect(left, 2, width, 47));
    line->setFrameShape(QFrame::NoFrame);
    auto* mark = new QFrame(line);
    mark->setFrameShape(QFrame::VLine);
    mark->setFrameShadow(QFrame::Sunken);
    mark->setGeometry(width / 2 - 1, 4, 2, 39);
    return line;
}

} // namespace FormLayout
