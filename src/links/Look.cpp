#include "links/Look.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

// The icons are compiled into the program's static library, whose resources must be
// registered by hand before first use.
static void registerIcons()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace look {

int screenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

QFont verdana(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setEntryColours(QWidget* entry, const QColor& face, const QColor& text)
{
    QPalette palette = entry->palette();
    palette.setColor(QPalette::Base, face);
    palette.setColor(QPalette::Text, text);
    entry->setPalette(palette);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setButtonColours(QWidget* button, const QColor& face, const QColor& text)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, text);
    const QColor faded((face.red() + text.red()) / 2, (face.green() + text.green()) / 2,
                       (face.blue() + text.blue()) / 2);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, faded);
    button->setPalette(palette);
}

QIcon programIcon()
{
    return icon(QStringLiteral("program"));
}

QIcon icon(const QString& resourceName)
{
    registerIcons();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(resourceName));
}

QCursor handCursor()
{
    static const QCursor cursor = [] {
        registerIcons();
        const qreal ratio = qGuiApp->devicePixelRatio();
        QPixmap pixmap(QSize(32, 32) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        QSvgRenderer(QStringLiteral(":/icons/hand.svg")).render(&painter, QRectF(0, 0, 32, 32));
        painter.end();
        // The tip of the index finger is the hot spot.
        return QCursor(pixmap, 11, 1);
    }();
    return cursor;
}

} // namespace look
