#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QRect>

class QWidget;

// What every window of the program shares in looks: sizes in twips, Verdana, colours, icons.
namespace look {

// Window geometry is designed in twips; fifteen of them make one logical pixel.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}
// A rectangle designed in twips, in logical pixels.
constexpr QRect px(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// The light blue of the banner and advertising strips, and the grey of the main window's buttons.
inline const QColor StripBlue(192, 192, 255);
inline const QColor ButtonGrey(192, 192, 192);
// The text of the forum banners and of the offers on the strips.
inline const QColor BannerText(128, 0, 0);
inline const QColor OfferText(0, 0, 128);

// The width of the whole screen in logical pixels; windows are centred on it.
int screenWidth();

// Verdana where it is installed, DejaVu Sans where it is not.
QFont verdana(qreal points, bool bold = false);

// The background of a window, panel or label.
void setBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);
// The face and text of an entry box, list or option circle.
void setEntryColours(QWidget* entry, const QColor& face, const QColor& text);
// Face and text of a button; a disabled button shows its text faded into the face.
void setButtonColours(QWidget* button, const QColor& face, const QColor& text = Qt::black);

// The program's icon, drawn at each size a window asks for.
QIcon programIcon();
// The icon of one of our pictures ("braintest", say), drawn at each size a window asks for.
QIcon pictureIcon(const QString& resourceName);
// The icon drawn at that size in logical pixels, for a screen of that device pixel ratio.
QPixmap iconPixmap(const QString& resourceName, QSize size, qreal ratio);
// The pointing hand shown over every link.
QCursor handCursor();

} // namespace look
