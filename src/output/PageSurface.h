#pragma once

#include <QImage>
#include <QWidget>

// A page drawn once and kept: the print kit paints into its image, and the widget shows it.
class PageSurface : public QWidget {
    Q_OBJECT
public:
    explicit PageSurface(QWidget* parent = nullptr);

    // Gives the surface a new size in pixels and a blank page of that size.
    void resizePage(const QSize& size);
    QImage& page() { return m_page; }
    const QImage& page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_page;
};
