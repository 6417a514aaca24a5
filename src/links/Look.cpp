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
    // One icon for every window, so its drawing is rendered once and reused.
    static const QIcon program = icon(QStringLiteral("program"));
    return program;
}

QIcon icon(const QString& resourceName)
{
    registerIcons();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(resourceName));
}

// Drawn straight from the SVG: an icon of fixed size needs none of QIcon's machinery.
QPixmap iconPixmap(const QString& resourceName, QSize size, qreal ratio)
{
    registerIcons();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(QStringLiteral(":/icons/%1.svg").arg(resourceName)).render(&painter, QRectF(QPointF(), size));
    return pixmap;
}

QCursor handCursor()
{
    // The tip of the index finger is the hot spot.
    static const QCursor cursor(iconPixmap(QStringLiteral("hand"), QSize(32, 32), qGuiApp->devicePixelRatio()), 11, 1);
    return cursor;
}

} // namespace look
