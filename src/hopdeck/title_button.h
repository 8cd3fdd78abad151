// A title button of the launcher: a raised panel with a caption and a small image in it.
#pragma once

#include <QLabel>

namespace zelkon::hopdeck {

class TitleButton : public QLabel
{
    Q_OBJECT

public:
    /// Button `number` (from 1), named "Btn" + number, with the image "Img" + number of
    /// `imageSize` at (0, 6) inside it.
    TitleButton(int number, const QSize &imageSize, QWidget *parent);

    /// The button's title number, from 1.
    int number() const { return m_number; }
    /// The small image at the button's left, where a program's icon shows.
    QLabel *image() const { return m_image; }

    /// The caption's colour in every state, the disabled one included.
    void setTextColor(const QColor &colour);
    QColor textColor() const;
    /// The width of the raised edge: 3 at rest, 1 while pressed.
    void setBevelWidth(int width);

signals:
    void clicked();
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int m_number;
    QLabel *m_image = nullptr;
};

} // namespace zelkon::hopdeck
