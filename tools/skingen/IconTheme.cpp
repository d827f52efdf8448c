#include "IconTheme.h"

#include "PanelPainter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// The size the scalable icon is drawn at; viewers scale it from there.
constexpr int ScalableSize = 256;

// Icons leave a sixteenth of their size free on every side, as the theme's other icons do.
QRectF emblemBox(int size)
{
    const double margin = size / 16.0;
    return QRectF(margin, margin, size - 2 * margin, size - 2 * margin);
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("cannot create the folder of %1").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

} // namespace

const QList<int>& IconTheme::sizes()
{
    static const QList<int> list{16, 22, 24, 32, 48, 64, 128, 256};
    return list;
}

QImage IconTheme::draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PanelPainter::paintEmblem(p, emblemBox(size));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray IconTheme::drawScalable()
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(ScalableSize, ScalableSize));
    svg.setViewBox(QRect(0, 0, ScalableSize, ScalableSize));
    svg.setTitle(QStringLiteral("Tonvexa"));
    svg.setDescription(QStringLiteral("The emblem of Tonvexa"));
    QPainter p(&svg);
    PanelPainter::paintEmblem(p, emblemBox(ScalableSize));
    p.end();
    return buffer.data();
}

QString IconTheme::write(const QString& dir, const QString& name)
{
    const QDir theme(QDir(dir).filePath(QStringLiteral("hicolor")));
    for (const int size : sizes()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        draw(size).save(&buffer, "PNG");
        const QString path =
            theme.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name));
        if (QString error = writeFile(path, png); !error.isEmpty())
            return error;
    }
    return writeFile(theme.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name)),
                     drawScalable());
}
