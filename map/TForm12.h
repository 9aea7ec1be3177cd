#pragma once

#include <QDialog>

#include <memory>

class MapView;
class PageWindow;
class QLabel;
class QToolButton;
class TForm11;
class TForm13;

// The print set-up window: the user picks portrait or landscape paper, and the
// map is put on the page and shown in a print preview.
class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);
    ~TForm12() override;

    // The map view whose map, mode and origin a print takes.
    void attachMap(MapView& view) { m_view = &view; }
    // The two page layouts, kept by their own hidden windows. Until they are
    // attached the window keeps layouts of its own.
    void attachLayouts(TForm11& portrait, TForm13& landscape);

    // Portrait and landscape printing: the page is drawn and previewed, the
    // preview's closing is reported, and the window closes.
    void SpeedButton1Click();
    void SpeedButton2Click();

signals:
    // A print preview has closed (the main window then refreshes its view).
    void previewClosed();

private:
    void printOn(PageWindow& layout);
    PageWindow& portrait();
    PageWindow& landscape();
    void relayPreviewClosed(PageWindow& layout);

    MapView* m_view = nullptr;
    PageWindow* m_portrait = nullptr;
    PageWindow* m_landscape = nullptr;
    std::unique_ptr<TForm11> m_ownPortrait;
    std::unique_ptr<TForm13> m_ownLandscape;

    QLabel* Label1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
};
