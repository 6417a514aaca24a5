#include "widgets/Look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <iterator>
#include <map>
#include <tuple>

namespace look {
namespace {

// Our pictures are drawn from their SVGs at build time, at each of these sizes in pixels.
constexpr int DrawnSizes[] = {ZELT_PICTURE_SIZES};

// The picture as drawn at that size, or at the next larger size and scaled down smoothly.
QPixmap drawPicture(const QString& resourceName, QSize pixels)
{
    if (pixels.isEmpty())
        return QPixmap();
    const int wanted = std::max(pixels.width(), pixels.height());
    const auto larger = std::lower_bound(std::begin(DrawnSizes), std::end(DrawnSizes), wanted);
    const int drawn = larger == std::end(DrawnSizes) ? DrawnSizes[std::size(DrawnSizes) - 1] : *larger;
    const QPixmap picture(QStringLiteral(":/icons/%1-%2.png").arg(resourceName).arg(drawn));
    if (picture.size() == pixels)
        return picture;
    return picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Gives one of our pictures at whatever size a window asks for, made when it first asks.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(QString resourceName)
        : m_resourceName(std::move(resourceName))
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const auto key = std::make_tuple(size.width(), size.height(), mode);
        auto drawn = m_drawn.find(key);
        if (drawn == m_drawn.end())
            drawn = m_drawn.emplace(key, inMode(drawPicture(m_resourceName, size), mode)).first;
        return drawn->second;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), drawn);
    }

    QIconEngine* clone() const override { return new PictureIconEngine(*this); }

private:
    // A disabled or selected icon is the normal one as the style changes it.
    static QPixmap inMode(const QPixmap& normal, QIcon::Mode mode)
    {
        if (mode == QIcon::Normal)
            return normal;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, normal, &option);
    }

    QString m_resourceName;
    std::map<std::tuple<int, int, QIcon::Mode>, QPixmap> m_drawn;
};

} // namespace

int screenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

QFont verdana(qreal points, bool bold)
{
    // Looked up once: a family missing from the font database would be looked for again, in
    // the fonts that could stand in for it, for every size and weight.
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
        ? QStringLiteral("Verdana")
        : QStringLiteral("DejaVu Sans");
    QFont font(family);
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
    return pictureIcon(QStringLiteral("program"));
}

QIcon pictureIcon(const QString& resourceName)
{
    // One icon of each picture for every window, so each size of it is drawn once and reused.
    static std::map<QString, QIcon> icons;
    auto icon = icons.find(resourceName);
    if (icon == icons.end())
        icon = icons.emplace(resourceName, QIcon(new PictureIconEngine(resourceName))).first;
    return icon->second;
}

QPixmap iconPixmap(const QString& resourceName, QSize size, qreal ratio)
{
    QPixmap pixmap = drawPicture(resourceName, size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QCursor handCursor()
{
    // The tip of the index finger is the hot spot.
    static const QCursor cursor(iconPixmap(QStringLiteral("hand"), QSize(32, 32), qGuiApp->devicePixelRatio()), 11, 1);
    return cursor;
}

} // namespace look
