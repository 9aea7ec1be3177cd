#pragma once

#include <QDialog>

class MapView;

// The print set-up window: the user picks portrait or landscape paper.
class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

    // The map view whose map, mode and origin a print takes.
    void attachMap(MapView& view) { m_view = &view; }

signals:
    // A print preview has closed (the main window then refreshes its view).
    void previewClosed();

private:
    MapView* m_view = nullptr;
};
