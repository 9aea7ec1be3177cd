#pragma once

#include "app/WholeCharacters.h"

#include <QComboBox>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QValidator>

#include <limits>

// Helpers that lay out the controls of the phone directory's dialogs at their
// designed places: fixed-size windows in the face of the main window.
namespace DialogForm {

inline void setUp(QDialog& dialog, const QString& name, const QString& caption, QSize clientSize)
{
    dialog.setObjectName(name);
    dialog.setWindowTitle(caption);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    dialog.setFont(font);
    dialog.setFixedSize(clientSize);
    dialog.setModal(true);
}

template <typename W>
W* place(W* widget, const QString& name, const QRect& designed)
{
    widget->setObjectName(name);
    widget->setGeometry(designed);
    return widget;
}

inline QLabel* label(QDialog& dialog, const QString& name, const QString& text, QPoint at)
{
    auto* l = place(new QLabel(text, &dialog), name, QRect(at, QSize(200, 13)));
    l->adjustSize();
    return l;
}

// No length limit unless a field has one of its own (Qt's default is 32767).
inline constexpr int kUnlimited = std::numeric_limits<int>::max();

inline QLineEdit* edit(QDialog& dialog, const QString& name, const QRect& designed)
{
    auto* field = place(new QLineEdit(&dialog), name, designed);
    field->setMaxLength(kUnlimited);
    return field;
}

// A field that takes at most `maxLength` UTF-16 units, cut between characters.
inline void limitLength(QLineEdit& field, int maxLength)
{
    field.setMaxLength(maxLength);
    field.setValidator(new WholeCharacters(&field));
}

// An editable drop-down whose list holds the street names; any text may be
// typed and stays exactly as typed (no name is completed into the box), and
// Enter never adds the typed text to the list.
inline QComboBox* streetCombo(QDialog& dialog, const QString& name, const QRect& designed)
{
    auto* combo = place(new QComboBox(&dialog), name, designed);
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->lineEdit()->setMaxLength(kUnlimited);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(16);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    return combo;
}

inline QPushButton* button(QDialog& dialog, const QString& name, const QString& caption, const QRect& designed)
{
    return place(new QPushButton(caption, &dialog), name, designed);
}

} // namespace DialogForm
