// A message area of the practice window: a picture on which lines of text are drawn, line n at
// y = 24 × n, or a feedback picture is shown.
#pragma once

#include <QImage>
#include <QLabel>

namespace zelkon {

class MessageArea : public QLabel
{
    Q_OBJECT

public:
    explicit MessageArea(QWidget *parent);

    /// Draws `text` on line n in `colour` at `points`; line 0 first clears the picture.
    void drawLine(int line, const QString &text, const QColor &colour, int points);
    /// Draws `text` with its top left at (x, y); the picture is not cleared.
    void drawText(int x, int y, const QString &text, const QColor &colour, int points);
    /// A white picture of the area's size.
    void clear();
    /// Shows a copy of `picture` in place of the text.
    void showPicture(const QImage &picture);
    /// The picture as it stands (the lines drawn since the last clear, or the picture shown).
    const QImage &picture() const { return m_picture; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_picture;
};

/// The Gothic type of the practice window's texts at a size in points (96 dpi pixels).
QFont PracticeFont(int points, bool bold = false);

} // namespace zelkon
