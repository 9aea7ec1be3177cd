#include "app/TForm1.h"

#include "app/AppPaths.h"
#include "app/FormLayout.h"
#include "app/NavigatorWindows.h"
#include "app/StreetListBox.h"
#include "app/TForm3.h"
#include "base/ErrorBox.h"
#include "base/HandlerBoundary.h"
#include "map/LandmarkMarkers.h"
#include "map/LandmarkPhotos.h"
#include "map/LandmarkTable.h"
#include "map/MapControl.h"
#include "map/MapView.h"
#include "map/PlanControl.h"
#include "map/StreetCatalogue.h"
#include "map/StreetFinder.h"
#include "reference/TForm15.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QToolButton>

using namespace FormLayout;

TForm1::TForm1()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Тальвинск Навигатор 1.5"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    resize(1024, 719);
    createControls();
    buildStartupSequence();
}

TForm1::~TForm1() = default;

void TForm1::createControls()
{
    createToolBar();

    auto* ruler = place(new QLabel(this), QStringLiteral("Image6"), QRect(20, 48, 805, 23));
    ruler->setPixmap(QPixmap(QStringLiteral(":/map/ruler-h.bmp")));
    ruler->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ruler = place(new QLabel(this), QStringLiteral("Image7"), QRect(0, 70, 23, 523));
    ruler->setPixmap(QPixmap(QStringLiteral(":/map/ruler-v.bmp")));
    ruler->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* bevel = place(new QFrame(this), QStringLiteral("Bevel1"), QRect(24, 72, 801, 521));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_image1 = place(new MapControl(this), QStringLiteral("Image1"), QRect(25, 73, 800, 519));
    m_mapView = std::make_unique<MapView>(*m_image1, *this);
    connect(m_image1, &MapControl::mousePressed, this, handler(this, &TForm1::Image1MouseDown));
    connect(m_image1, &MapControl::mouseMoved, this, handler(this, &TForm1::Image1MouseMove));
    connect(m_image1, &MapControl::mouseReleased, this, handler(this, &TForm1::Image1MouseUp));

    m_groupBox1 = place(new QGroupBox(QStringLiteral("  П л а н  "), this), QStringLiteral("GroupBox1"),
                        QRect(832, 8, 185, 153));
    m_image2 = place(new PlanControl(m_groupBox1), QStringLiteral("Image2"), QRect(2, 15, 181, 136));
    connect(m_image2, &PlanControl::mousePressed, this, handler(this, &TForm1::Image2MouseDown));
    connect(m_image2, &PlanControl::mouseMoved, this, handler(this, &TForm1::Image2MouseMove));
    connect(m_image2, &PlanControl::mouseReleased, this, handler(this, &TForm1::Image2MouseUp));

    createStreetFinder();
    createDirectoryGrid();
    createBanners();

    // The timers are children of the window so that they can be found by name.
    m_timer1.setParent(this);
    m_timer2.setParent(this);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(5000);
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer2.setInterval(50);
    connect(&m_timer2, &QTimer::timeout, this, handler(this, &TForm1::Timer2Timer));
}

void TForm1::createToolBar()
{
    m_toolBar = place(new QWidget(this), QStringLiteral("ToolBar1"), QRect(0, 0, 425, 50));
    place(new QWidget(m_toolBar), QStringLiteral("ToolButton1"), QRect(0, 2, 25, 47));
    auto* zoomIn = pictureButton(m_toolBar, QStringLiteral("SpeedButton4"), QRect(25, 2, 45, 47),
                                 QStringLiteral("zoom-in"), 32, QStringLiteral("Увеличение"));
    connect(zoomIn, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton4Click));
    auto* zoomOut = pictureButton(m_toolBar, QStringLiteral("SpeedButton5"), QRect(70, 2, 45, 47),
                                  QStringLiteral("zoom-out"), 32, QStringLiteral("Уменьшить"));
    connect(zoomOut, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton5Click));
    auto* wholeMap = pictureButton(m_toolBar, QStringLiteral("SpeedButton6"), QRect(115, 2, 45, 47),
                                   QStringLiteral("zoom-fit-best"), 32, QStringLiteral("Всю карту в окно"));
    connect(wholeMap, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton6Click));
    divider(m_toolBar, QStringLiteral("ToolButton2"), 160, 8);
    auto* codes = pictureButton(m_toolBar, QStringLiteral("SpeedButton8"), QRect(168, 2, 45, 47),
                                QStringLiteral("call-start"), 32, QStringLiteral("Коды городов Российской Федерации"));
    connect(codes, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton8Click));
    auto* enterprises = pictureButton(m_toolBar, QStringLiteral("SpeedButton10"), QRect(213, 2, 45, 47),
                                      QStringLiteral("view-list-tree"), 32,
                                      QStringLiteral("Справочник предприятий и организаций"));
    enterprises->hide();
    connect(enterprises, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton10Click));
    auto* postal = pictureButton(m_toolBar, QStringLiteral("SpeedButton11"), QRect(258, 2, 45, 47),
                                 QStringLiteral("mail-message-new"), 32,
                                 QStringLiteral("Почтовые индексы Российской Федерации"));
    connect(postal, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton11Click));
    divider(m_toolBar, QStringLiteral("ToolButton4"), 303, 10);
    auto* print = pictureButton(m_toolBar, QStringLiteral("SpeedButton9"), QRect(313, 2, 45, 47),
                                QStringLiteral("document-print"), 32, QStringLiteral("Печать фрагмента карты"));
    connect(print, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton9Click));
    auto* help = pictureButton(m_toolBar, QStringLiteral("SpeedButton7"), QRect(358, 2, 45, 47),
                               QStringLiteral("help-about"), 32, QStringLiteral("Справка"));
    connect(help, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton7Click));
    place(new QWidget(m_toolBar), QStringLiteral("ToolButton3"), QRect(403, 2, 8, 47));
}

void TForm1::buildStartupSequence()
{
    m_startup.add(QStringLiteral("splash window"), [this] {
        m_splash = std::make_unique<TForm3>();
        QApplication::processEvents();
        m_splash->show();
        m_splash->repaint();
    });
    m_startup.add(QStringLiteral("postal index window"), [this] { m_form15 = std::make_unique<TForm15>(); });
    m_startup.add(QStringLiteral("application folder"), [this] { m_appDir = currentAppDir(); });
    m_startup.add(QStringLiteral("layout scale"), [this] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        m_scale = layoutScaleFor(screen ? screen->size() : QSize());
        applyLayoutScale();
        m_mapView->setScreenCase(m_scale.screen);
    });
    m_startup.add(QStringLiteral("maximized"), [this] { setWindowState(windowState() | Qt::WindowMaximized); });
    m_startup.add(QStringLiteral("view origin"), [this] { m_mapView->setViewOrigin(MapView::kStartOrigin); });
    m_startup.add(QStringLiteral("map image"), [this] { m_mapView->loadMap(); });
    // The whole-map picture is made from the bare map, before labels and markers.
    m_startup.add(QStringLiteral("whole map"), [this] { m_mapView->ShowWholeMap(); });
    m_startup.add(QStringLiteral("street labels"), [this] {
        m_streets = std::make_unique<StreetFinder>(*m_mapView, StreetCatalogue::load(), StreetLabelTable::load());
        m_streets->drawAllLabels();
    });
    m_startup.add(QStringLiteral("street list"), [this] { FillStreetList(*m_listBox1); });
    m_startup.add(QStringLiteral("highlighted street"), [this] { m_streets->setHighlightedStreet(0); });
    m_startup.add(QStringLiteral("landmark markers"), [this] {
        m_landmarks = std::make_unique<LandmarkTable>(LandmarkTable::load());
        DrawLandmarkMarkers(m_mapView->mapBitmap(), MarkerTable::load(), appFilePath(m_appDir, QStringLiteral("dtdn2.sd")));
    });
    m_startup.add(QStringLiteral("phone directory"), [this] { openPhoneDirectory(); });
    m_startup.add(QStringLiteral("splash destroyed"), [this] { m_splash.reset(); });
    m_startup.add(QStringLiteral("banner index"), [this] { m_bannerIndex = 1; });
}

void TForm1::FormCreate()
{
    m_startup.run([this](const QString& message) { showErrorBox(message); });
}

void TForm1::applyLayoutScale()
{
    if (m_scale.isIdentity())
        return;
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const QVariant designed = control->property(FormLayout::kDesignRect);
        if (designed.isValid())
            control->setGeometry(scaledRect(designed.toRect(), m_scale));
    }
    QFont scaledFont = font();
    scaledFont.setPixelSize(mulDiv(font().pixelSize(), m_scale.multiplier, m_scale.divisor));
    setFont(scaledFont);
}

void TForm1::attachWindows(NavigatorWindows& windows)
{
    m_windows = &windows;
    if (windows.form12) {
        windows.form12->attachMap(*m_mapView);
        windows.form12->attachLayouts(*windows.form11, *windows.form13);
        connect(windows.form12.get(), &TForm12::previewClosed, this, handler(this, &TForm1::armTimer2));
    }
}

void TForm1::SpeedButton8Click()
{
    if (m_windows && m_windows->form8)
        m_windows->form8->showFromToolbar();
    RepaintViewport();
}

void TForm1::SpeedButton9Click()
{
    if (!m_windows || !m_windows->form12)
        return;
    m_windows->form12->show();
    m_windows->form12->raise();
    m_windows->form12->activateWindow();
}

void TForm1::SpeedButton10Click()
{
    if (m_windows && m_windows->form14)
        m_windows->form14->showFromToolbar();
    RepaintViewport();
}

void TForm1::SpeedButton11Click()
{
    if (m_form15)
        m_form15->showFromToolbar();
    RepaintViewport();
}

void TForm1::N8Click()
{
    close();
}

void TForm1::Image1MouseDown(Qt::MouseButton button, QPoint at)
{
    m_mapView->mapMouseDown(button, at);
}

void TForm1::Image1MouseMove(QPoint at)
{
    m_mapView->mapMouseMove(at);
}

void TForm1::Image1MouseUp(Qt::MouseButton button, QPoint at)
{
    m_mapView->mapMouseUp(button, at);
    // A right click in the full-scale view opens the photos of the landmarks
    // under it, then the view is presented again.
    if (button != Qt::RightButton || !m_mapView->detailMode())
        return;
    if (m_landmarks && m_windows && m_windows->form5)
        openLandmarksAt(*m_windows->form5, m_appDir, *m_landmarks, at + m_mapView->viewOrigin());
    RepaintViewport();
}

void TForm1::Image2MouseDown(Qt::MouseButton button, QPoint at)
{
    m_mapView->planMouseDown(button, at);
}

void TForm1::Image2MouseMove(QPoint at)
{
    m_mapView->planMouseMove(at);
}

void TForm1::Image2MouseUp(Qt::MouseButton, QPoint)
{
    m_mapView->planMouseUp();
}

void TForm1::SpeedButton4Click()
{
    m_mapView->ZoomIn();
}

void TForm1::SpeedButton5Click()
{
    m_mapView->ShowWholeMap();
}

void TForm1::SpeedButton6Click()
{
    m_mapView->ShowWholeMap();
}

void TForm1::RepaintViewport()
{
    m_mapView->RepaintViewport();
}

void TForm1::Timer2Timer()
{
    m_timer2.stop();
    if (m_mapView->detailMode())
        m_mapView->PresentViewport();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    m_closing = true;
    // Nothing may present the map while the sponsor window is up.
    m_timer1.stop();
    m_timer2.stop();
    // The close is always granted: an error of the sponsor window is shown
    // and the program still ends.
    if (m_windows && m_windows->form6)
        runHandler([this] { m_windows->form6->showModalMaximized(); });
    // The map is freed only now that the window really closes.
    m_mapView->releaseMap();
    event->accept();
    emit closed();
}
