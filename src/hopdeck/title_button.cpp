// TitleButton: a panel that acts as a button.
#include "hopdeck/title_button.h"

#include <QMouseEvent>

namespace zelkon::hopdeck {

TitleButton::TitleButton(int number, const QSize &imageSize, QWidget *parent)
    : QLabel(parent)
    , m_number(number)
{
    setObjectName(QStringLiteral("Btn%1").arg(number));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(3);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    // Over a button face Qt would take the button text colour; the caption has its own.
    setForegroundRole(QPalette::WindowText);
    setCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("Img%1").arg(number));
    m_image->setGeometry(QRect(QPoint(0, 6), imageSize));
    m_image->setAlignment(Qt::AlignCenter);
    // The image is part of the button: clicks and moves over it are the button's.
    m_image->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TitleButton::setTextColor(const QColor &colour)
{
    QPalette p = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::WindowText, colour);
    setPalette(p);
}

QColor TitleButton::textColor() const
{
    return palette().color(QPalette::Active, QPalette::WindowText);
}

void TitleButton::setBevelWidth(int width)
{
    if (lineWidth() != width)
        setLineWidth(width);
}

void TitleButton::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TitleButton::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
    emit hovered();
}

} // namespace zelkon::hopdeck
