#include "map/TForm12.h"

#include "base/HandlerBoundary.h"
#include "map/MapView.h"
#include "map/PageIcon.h"
#include "map/TForm11.h"
#include "map/TForm13.h"

#include <QLabel>
#include <QToolButton>

namespace {

QToolButton* orientationButton(QWidget* parent, const QString& name, QPoint at, Qt::Orientation orientation)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(QRect(at, QSize(41, 41)));
    button->setAutoRaise(true);
    button->setIcon(pageOrientationIcon(orientation));
    button->setIconSize(QSize(32, 32));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TForm12::TForm12(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Настройка"));
    setFixedSize(115, 74);
    // The label must fit the narrow window in one line: the face of an 8-point
    // dialog font, as the window was laid out with.
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    Label1 = new QLabel(QStringLiteral("Ориентация бумаги"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 8);
    Label1->adjustSize();
    SpeedButton1 = orientationButton(this, QStringLiteral("SpeedButton1"), QPoint(8, 32), Qt::Vertical);
    SpeedButton2 = orientationButton(this, QStringLiteral("SpeedButton2"), QPoint(64, 32), Qt::Horizontal);
    connect(SpeedButton1, &QToolButton::clicked, this, handler(this, &TForm12::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, handler(this, &TForm12::SpeedButton2Click));
}

TForm12::~TForm12() = default;

void TForm12::attachLayouts(TForm11& portrait, TForm13& landscape)
{
    m_portrait = &portrait;
    m_landscape = &landscape;
    relayPreviewClosed(portrait);
    relayPreviewClosed(landscape);
}

void TForm12::relayPreviewClosed(PageWindow& layout)
{
    connect(&layout, &PageWindow::afterPreview, this, &TForm12::previewClosed, Qt::UniqueConnection);
}

PageWindow& TForm12::portrait()
{
    if (!m_portrait) {
        m_ownPortrait = std::make_unique<TForm11>();
        m_portrait = m_ownPortrait.get();
        relayPreviewClosed(*m_portrait);
    }
    return *m_portrait;
}

PageWindow& TForm12::landscape()
{
    if (!m_landscape) {
        m_ownLandscape = std::make_unique<TForm13>();
        m_landscape = m_ownLandscape.get();
        relayPreviewClosed(*m_landscape);
    }
    return *m_landscape;
}

void TForm12::SpeedButton1Click()
{
    printOn(portrait());
}

void TForm12::SpeedButton2Click()
{
    printOn(landscape());
}

void TForm12::printOn(PageWindow& layout)
{
    if (!m_view)
        return;
    layout.drawPage(m_view->mapBitmap(), m_view->detailMode(), m_view->viewOrigin());
    // An error in the preview leaves this window open; only a preview that
    // closed normally closes it.
    layout.QuickRep1Preview(this);
    close();
}
