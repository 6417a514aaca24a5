// zelt_iconrender SVG PREFIX SIZE...        writes PREFIX-SIZE.png for each size
// zelt_iconrender --ico SVG FILE.ico SIZE... writes one Windows icon file holding every size
//
// Each picture is drawn anew at its size, so that small ones stay sharp. The files hold nothing
// but the picture (no time stamp), so that two builds give the same bytes.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

QByteArray drawnAsPng(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

template <typename T>
void append(QByteArray& bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An icon file: a header, one directory entry per picture, then the pictures, each a PNG as
// Windows has read them since Vista.
QByteArray iconFile(const std::vector<std::pair<int, QByteArray>>& pictures)
{
    constexpr quint32 HeaderSize = 6;
    constexpr quint32 EntrySize = 16;
    QByteArray file;
    append<quint16>(file, 0);
    append<quint16>(file, 1); // an icon, not a cursor
    append<quint16>(file, quint16(pictures.size()));
    quint32 offset = HeaderSize + EntrySize * quint32(pictures.size());
    for (const auto& [size, png] : pictures) {
        append<quint8>(file, quint8(size >= 256 ? 0 : size)); // 0 stands for 256
        append<quint8>(file, quint8(size >= 256 ? 0 : size));
        append<quint8>(file, 0); // no palette
        append<quint8>(file, 0);
        append<quint16>(file, 1); // colour planes
        append<quint16>(file, 32); // bits per pixel
        append<quint32>(file, quint32(png.size()));
        append<quint32>(file, offset);
        offset += quint32(png.size());
    }
    for (const auto& picture : pictures)
        file.append(picture.second);
    return file;
}

int fail(const char* what, const QString& path)
{
    std::fprintf(stderr, "zelt_iconrender: %s: %s\n", what, qPrintable(path));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool ico = argc > 1 && QByteArray(argv[1]) == "--ico";
    const int first = ico ? 2 : 1;
    if (argc < first + 3) {
        std::fprintf(stderr, "usage: zelt_iconrender [--ico] SVG OUTPUT SIZE...\n");
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[first]);
    const QString output = QString::fromLocal8Bit(argv[first + 1]);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return fail("not a picture", svg);

    std::vector<std::pair<int, QByteArray>> pictures;
    for (int i = first + 2; i < argc; ++i) {
        bool isNumber = false;
        const int size = QByteArray(argv[i]).toInt(&isNumber);
        if (!isNumber || size < 1 || size > 256)
            return fail("not a size from 1 to 256", QString::fromLocal8Bit(argv[i]));
        pictures.emplace_back(size, drawnAsPng(renderer, size));
    }

    if (ico)
        return writeFile(output, iconFile(pictures)) ? 0 : fail("cannot write", output);
    for (const auto& [size, png] : pictures) {
        const QString path = QStringLiteral("%1-%2.png").arg(output).arg(size);
        if (!writeFile(path, png))
            return fail("cannot write", path);
    }
    return 0;
}
