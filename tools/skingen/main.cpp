// Draws the skin pictures (placeholder art until the real painters land).
#include "SkinCatalog.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

QImage drawPicture(int id)
{
    QImage image(SkinCatalog::naturalSize(id), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(QColor(0x30, 0x32, 0x36));
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() == 3 && args[1] == QLatin1String("--out")) {
        QDir dir(args[2]);
        for (int id = SkinCatalog::FirstId; id <= SkinCatalog::LastId; ++id) {
            if (!drawPicture(id).save(dir.filePath(QStringLiteral("%1.png").arg(id)))) {
                err << "skingen: cannot write " << dir.filePath(QStringLiteral("%1.png").arg(id))
                    << "\n";
                return 1;
            }
        }
        return 0;
    }
    err << "usage: skingen --out DIR | --sheet FILE.png\n";
    return 2;
}
