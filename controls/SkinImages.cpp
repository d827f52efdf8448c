#include "SkinImages.h"

#include "Rounding.h"
#include "RowBands.h"
#include "SkinCatalog.h"
#include "Twips.h"

#include <QPainter>
#include <QResource>
#include <QStringList>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// "宋体" is not on Linux; without naming the substitute fontconfig picks a Japanese face.
const QString SkinFontFamily = QStringLiteral("宋体");
const QString SkinFontSubstitute = QStringLiteral("Noto Sans CJK SC");
constexpr int WideTextPixelSize = 18;
constexpr int NarrowTextPixelSize = 12;

const QImage& emptyImage()
{
    static const QImage empty;
    return empty;
}

// The labels are laid out in a box as wide as two twips-per-pixel per character and twenty
// pixels' worth of twips high, which leaves room for every label the window draws.
QRectF skinTextBox(QPointF at, qsizetype characters)
{
    return QRectF(at.x(), at.y(), at.x() + 2.0 * characters * TwipsPerPixel,
                  at.y() + 20.0 * TwipsPerPixel);
}

} // namespace

SkinImages::SkinImages(QObject* parent)
    : QObject(parent)
{}

void SkinImages::InitSkin()
{
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    // The pictures are used where they lie in the program file: an image over read-only bytes
    // copies nothing, and its pages are read only once it is drawn. Bytes that are not what the
    // catalog describes leave every slot empty.
    const QResource pixels(SkinCatalog::PixelsResource);
    const uchar* block = pixels.data();
    if (!block || pixels.compressionAlgorithm() != QResource::NoCompression ||
        pixels.size() != SkinCatalog::pixelBytes()) {
        return;
    }
    // An image over foreign bytes needs its rows 32-bit aligned; otherwise each picture is copied.
    const bool aligned = reinterpret_cast<quintptr>(block) % alignof(quint32) == 0;
    for (int id = SkinCatalog::FirstId; id <= SkinCatalog::LastId; ++id) {
        const QSize size = SkinCatalog::naturalSize(id);
        const QImage inPlace(block + SkinCatalog::pixelOffset(id), size.width(), size.height(),
                             size.width() * SkinCatalog::BytesPerPixel,
                             QImage::Format_ARGB32_Premultiplied);
        m_images[id - FirstSlotId] = aligned ? inPlace : inPlace.copy();
    }
    if (aligned) {
        m_pixels = QByteArrayView(block, pixels.size());
    }
}

void SkinImages::setImage(int id, const QImage& image)
{
    if (!hasSlot(id)) {
        return;
    }
    m_images[id - FirstSlotId] = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    emit imageChanged(id);
}

const QImage& SkinImages::image(int id) const
{
    return hasSlot(id) ? m_images[id - FirstSlotId] : emptyImage();
}

QSize SkinImages::naturalSize(int id) const
{
    const QImage& picture = image(id);
    return picture.isNull() ? QSize(0, 0) : picture.size();
}

void SkinImages::DrawSkinImage(QPainter& painter, const QString& id, float x, float y, int width,
                               int height) const
{
    bool ok = false;
    const double number = id.trimmed().toDouble(&ok);
    if (!ok || !(number > FirstSlotId - 1 && number < LastSlotId + 1)) {
        return;
    }
    const int slotId = roundHalfEvenToInt(number);
    const QSize natural = naturalSize(slotId);
    DrawSkinImage(painter, slotId,
                  QRectF(x, y, width != 0 ? width : natural.width(),
                         height != 0 ? height : natural.height()));
}

void SkinImages::DrawSkinImage(QPainter& painter, int id, const QRectF& target) const
{
    const QImage& picture = image(id);
    if (picture.isNull() || target.isEmpty()) {
        return;
    }
    RowBands::drawImage(painter, target, picture, QRectF(picture.rect()));
}

QFont SkinImages::skinTextFont(const QString& text)
{
    QFont font;
    font.setFamilies({SkinFontFamily, SkinFontSubstitute});
    // Any character outside ASCII is a double-byte character of a Chinese code page.
    const bool wide = !text.isEmpty() && text.front().unicode() > 0x7F;
    font.setPixelSize(wide ? WideTextPixelSize : NarrowTextPixelSize);
    font.setBold(wide);
    return font;
}

void SkinImages::DrawSkinText(QPainter& painter, const QString& text, QRgb argb,
                              const QString& position) const
{
    const QStringList parts = position.split(u',');
    bool okX = false;
    bool okY = false;
    const double x = parts.size() == 2 ? parts[0].trimmed().toDouble(&okX) : 0.0;
    const double y = parts.size() == 2 ? parts[1].trimmed().toDouble(&okY) : 0.0;
    if (!okX || !okY) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(skinTextFont(text));
    painter.setPen(QColor::fromRgba(argb));
    painter.drawText(skinTextBox(QPointF(x, y), text.size()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    painter.restore();
}

void SkinImages::releaseDrawnPages() const
{
    // Only whole pages inside the block. They are read-only pages of the program file, never
    // written: one that went is mapped again from the file, unchanged, when next touched.
    const auto page = qsizetype(sysconf(_SC_PAGESIZE));
    const auto intoPage = qsizetype(reinterpret_cast<quintptr>(m_pixels.data()) % quintptr(page));
    const qsizetype skip = (page - intoPage) % page; // up to the first page boundary in the block
    const qsizetype length = (m_pixels.size() - skip) / page * page;
    if (m_pixels.isEmpty() || length <= 0) {
        return;
    }
    // madvise takes a writable pointer but writes nothing through it.
    madvise(const_cast<char*>(m_pixels.data()) + skip, size_t(length), MADV_DONTNEED);
}

void SkinImages::setWindowActivated(bool activated)
{
    if (activated == m_windowActivated) {
        return;
    }
    m_windowActivated = activated;
    emit windowActivatedChanged(activated);
}
