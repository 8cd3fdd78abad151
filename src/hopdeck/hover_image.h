// A picture that tells when it is clicked and when the pointer moves over it.
#pragma once

#include <QLabel>

namespace zelkon::hopdeck {

class HoverImage : public QLabel
{
    Q_OBJECT

public:
    /// A picture scaled to its size, told of every pointer move over it.
    explicit HoverImage(QWidget *parent);

signals:
    void clicked();
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

} // namespace zelkon::hopdeck
