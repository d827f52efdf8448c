#include "SkinGenerator.h"

#include "ButtonPainter.h"
#include "DisplayPainter.h"
#include "FaderPainter.h"
#include "GraphPainter.h"
#include "MarkerPainter.h"
#include "PanelPainter.h"
#include "SkinCatalog.h"
#include "SkinStyle.h"

#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <QSaveFile>

SkinGenerator::SkinGenerator()
{
    m_painters.push_back(std::make_unique<PanelPainter>());
    m_painters.push_back(std::make_unique<ButtonPainter>());
    m_painters.push_back(std::make_unique<FaderPainter>());
    m_painters.push_back(std::make_unique<DisplayPainter>());
    m_painters.push_back(std::make_unique<GraphPainter>());
    m_painters.push_back(std::make_unique<MarkerPainter>());
}

SkinGenerator::~SkinGenerator() = default;

QImage SkinGenerator::draw(int id) const
{
    QImage image(SkinCatalog::naturalSize(id), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // Spare ids have no role yet: they stay empty until the window needs them.
    if (SkinCatalog::role(id).startsWith(QLatin1String("spare")))
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const auto& painter : m_painters) {
        if (painter->paint(id, p, image.size()))
            break;
    }
    return image;
}

QString SkinGenerator::writeAll(const QString& dir) const
{
    const QDir target(dir);
    if (!target.exists() && !QDir().mkpath(dir))
        return QStringLiteral("cannot create %1").arg(dir);
    for (int id = SkinCatalog::FirstId; id <= SkinCatalog::LastId; ++id) {
        const QString path = target.filePath(QStringLiteral("%1.png").arg(id));
        // Straight (not premultiplied) ARGB is what PNG stores; converting first keeps the
        // written bytes independent of the writer's own conversion.
        if (!draw(id).convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
            return QStringLiteral("cannot write %1").arg(path);
    }
    return {};
}

QString SkinGenerator::writePixels(const QString& file) const
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(file, out.errorString());
    for (int id = SkinCatalog::FirstId; id <= SkinCatalog::LastId; ++id) {
        const QImage image = draw(id);
        // Rows of 32-bit pixels carry no padding, so the picture is one run of bytes.
        out.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    }
    if (out.pos() != SkinCatalog::pixelBytes() || !out.commit())
        return QStringLiteral("cannot write %1: %2").arg(file, out.errorString());
    return {};
}

QString SkinGenerator::missingFonts()
{
    QStringList missing;
    for (const QString& family : {SkinStyle::cjkFamily(), SkinStyle::latinFamily()}) {
        if (!QFontDatabase::hasFamily(family))
            missing.append(family);
    }
    return missing.join(QStringLiteral(", "));
}
