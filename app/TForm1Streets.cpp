#include "app/TForm1.h"

#include "app/FormLayout.h"
#include "app/StreetListBox.h"
#include "base/AppError.h"
#include "base/HandlerBoundary.h"
#include "map/MapView.h"
#include "map/StreetCatalogue.h"
#include "map/StreetFinder.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

using namespace FormLayout;

// The street finder of the main window: an edit field that selects in the list
// as the user types, the list of street names and "Найти".

void TForm1::createStreetFinder()
{
    m_groupBox2 = place(new QGroupBox(QStringLiteral("  У л и ц ы  "), this), QStringLiteral("GroupBox2"),
                        QRect(832, 168, 185, 441));
    m_listBox1 = place(new StreetListBox(m_groupBox2), QStringLiteral("ListBox1"), QRect(4, 48, 177, 353));
    m_edit1 = place(new QLineEdit(m_groupBox2), QStringLiteral("Edit1"), QRect(4, 16, 177, 21));
    // The list comes first in the tab order, then the edit field.
    setTabOrder(m_listBox1, m_edit1);
    m_speedButton1 = place(new QToolButton(m_groupBox2), QStringLiteral("SpeedButton1"), QRect(8, 408, 169, 26));
    m_speedButton1->setText(QStringLiteral("Найти"));
    m_speedButton1->setToolTip(QStringLiteral("Найти улицу"));
    m_speedButton1->setAutoRaise(true);
    m_speedButton1->setEnabled(false);

    connect(m_edit1, &QLineEdit::textChanged, this, handler(this, &TForm1::Edit1Change));
    connect(m_listBox1, &StreetListBox::itemChosen, this, handler(this, &TForm1::ListBox1Click));
    connect(m_speedButton1, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton1Click));
    // A double click counts on an empty part of the list too, where Qt reports none.
    m_listBox1->viewport()->installEventFilter(this);
    // Enter in the edit field looks the street up, as the button does.
    connect(m_edit1, &QLineEdit::returnPressed, this, handler([this] {
        if (m_speedButton1->isEnabled())
            SpeedButton1Click();
    }));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_listBox1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        runHandler([this] { ListBox1DblClick(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::Edit1Change()
{
    IncrementalSelect(*m_edit1, *m_listBox1);
    m_speedButton1->setEnabled(!m_edit1->text().isEmpty());
}

void TForm1::ListBox1Click()
{
    const QList<QListWidgetItem*> selected = m_listBox1->selectedItems();
    if (!selected.isEmpty())
        m_edit1->setText(selected.first()->text());
}

QString TForm1::selectedStreetName() const
{
    const QList<QListWidgetItem*> selected = m_listBox1->selectedItems();
    if (selected.isEmpty())
        throw AppError(QStringLiteral("List index out of bounds (-1)"));
    return selected.first()->text();
}

void TForm1::ListBox1DblClick()
{
    m_mapView->setDetailMode(true);
    GoToStreet(selectedStreetName());
}

void TForm1::SpeedButton1Click()
{
    m_mapView->setDetailMode(true);
    GoToStreet(selectedStreetName());
}

void TForm1::GoToStreet(const QString& name)
{
    if (m_streets)
        m_streets->GoToStreet(name);
}
