#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

// The landmark photo window: the photo at the top-left of the client area and
// the landmark's name as the caption. It keeps its last photo, size and caption
// while hidden.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Takes the photo and the caption and shows the window modally; returns when
    // the user has closed it.
    void showPhoto(const QImage& photo, const QString& caption);

    const QImage& photo() const { return m_photo; }
    // The size the photo is shown at: its own, or smaller to fit the screen.
    QSize shownSize() const;

    // The size a photo is shown at within the available area: its own size when
    // it fits, otherwise scaled down keeping its proportions.
    static QSize fittedSize(const QSize& photo, const QSize& available);

private:
    QLabel* m_image1 = nullptr;
    QImage m_photo;
    bool m_placed = false;
};
