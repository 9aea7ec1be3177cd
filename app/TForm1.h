#pragma once

#include "app/LayoutScale.h"
#include "app/StartupSequence.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class QToolButton;
class MapControl;
class MapView;
class PlanControl;
class StreetFinder;
class StreetListBox;
class LandmarkTable;
class TForm3;
class TForm15;
struct NavigatorWindows;

// The main window: the tool bar, the map area with its rulers, the overview
// plan, the street finder and the phone directory grid. Its creation runs the
// program's start-up sequence (FormCreate). The window's parts are implemented
// in files of their own: TForm1.cpp (shell and map view), TForm1Streets.cpp
// (street finder), TForm1Directory.cpp (phone directory), TForm1Extras.cpp
// (About window and banners).
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    // The start-up sequence; errors of a step are shown and end the sequence.
    void FormCreate();
    // Lets the main window reach the windows created after it and wires them.
    void attachWindows(NavigatorWindows& windows);

    const StartupSequence& startupSequence() const { return m_startup; }
    const LayoutScale& layoutScale() const { return m_scale; }
    const QString& appDir() const { return m_appDir; }
    TForm15* postalWindow() const { return m_form15.get(); }
    bool splashAlive() const { return m_splash != nullptr; }
    int bannerIndex() const { return m_bannerIndex; }
    MapView& mapView() { return *m_mapView; }
    MapControl& mapControl() { return *m_image1; }
    StreetFinder* streetFinder() { return m_streets.get(); }

    // Refreshes the full-scale view after a window that covered it has gone.
    void RepaintViewport();
    // Turns a street's labels red and moves the full-scale view to it.
    void GoToStreet(const QString& name);
    // Arms the one-shot refresh that follows a print preview.
    void armTimer2() { m_timer2.start(); }

signals:
    // Emitted when the main window has really closed; the program then ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // --- Shell -------------------------------------------------------------
    void createControls();
    void createToolBar();
    void buildStartupSequence();
    void applyLayoutScale();
    void N8Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton11Click();

    StartupSequence m_startup;
    LayoutScale m_scale;
    QString m_appDir;
    bool m_closing = false;
    std::unique_ptr<TForm3> m_splash;
    std::unique_ptr<TForm15> m_form15;
    NavigatorWindows* m_windows = nullptr;
    QWidget* m_toolBar = nullptr;

    // --- Map view and overview plan ----------------------------------------
    void Image1MouseDown(Qt::MouseButton button, QPoint at);
    void Image1MouseMove(QPoint at);
    void Image1MouseUp(Qt::MouseButton button, QPoint at);
    void Image2MouseDown(Qt::MouseButton button, QPoint at);
    void Image2MouseMove(QPoint at);
    void Image2MouseUp(Qt::MouseButton button, QPoint at);
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void Timer2Timer();

    std::unique_ptr<MapView> m_mapView;
    std::unique_ptr<LandmarkTable> m_landmarks;
    MapControl* m_image1 = nullptr;
    QGroupBox* m_groupBox1 = nullptr;
    PlanControl* m_image2 = nullptr;
    QTimer m_timer2;

    // --- Street finder (TForm1Streets.cpp) ------------------------------------
    void createStreetFinder();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Edit1Change();
    void ListBox1Click();
    void ListBox1DblClick();
    void SpeedButton1Click();
    // The name of the list's selected item; fails like the list does without one.
    QString selectedStreetName() const;

    std::unique_ptr<StreetFinder> m_streets;
    QGroupBox* m_groupBox2 = nullptr;
    QLineEdit* m_edit1 = nullptr;
    StreetListBox* m_listBox1 = nullptr;
    QToolButton* m_speedButton1 = nullptr;

    // --- Phone directory (TForm1Directory.cpp) ------------------------------
    void createDirectoryGrid();
    // Start-up: opens the phone directory and shows its count.
    void openPhoneDirectory();
    void showGridMenu(const QPoint& at);
    // The sort items "Телефон", "Адрес", "Фамилия И.О.", "Коментарий".
    void N2Click();
    void N3Click();
    void N4Click();
    void N5Click();
    // "Поиск" and the button "Поиск по таблице".
    void N6Click();
    void SpeedButton3Click();
    // "Изменить", "Добавить", "Удалить".
    void N9Click();
    void N10Click();
    void N11Click();
    // "Поиск на карте": the current record's street on the map.
    void SpeedButton2Click();
    // A sort item: the search dialog's current texts, sorted by the field.
    void sortDirectory(int field);

    QLabel* m_label3 = nullptr;
    QTableView* m_dbGrid1 = nullptr;
    QMenu* m_popupMenu1 = nullptr;
    // DirectoryQuery with the store, the grid's model, the count and the sort
    // marks (directory/DirectoryView.h); a child of the window named "Query1".
    class DirectoryView* m_directory = nullptr;

    // --- About window and banners (TForm1Extras.cpp) ------------------------
    void createBanners();
    void SpeedButton7Click();
    // The banner rotation; Timer1 is never started by the program.
    void Timer1Timer();
    void Image3Click();
    void Image4Click();
    void Image5Click();

    int m_bannerIndex = 0;
    QTimer m_timer1;
    QLabel* m_image3 = nullptr;
    QLabel* m_image4 = nullptr;
    QLabel* m_image5 = nullptr;
};
