#include "ContactSheet.h"

#include "SkinCatalog.h"
#include "SkinGenerator.h"
#include "SkinStyle.h"

#include <QPainter>
#include <vector>

namespace {

constexpr int SheetWidth = 1640;
constexpr int Margin = 12;
constexpr int Gap = 14;
constexpr int LabelHeight = 28;
constexpr int MinCellWidth = 120;

QBrush checkerboard()
{
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(QColor(0x3A, 0x3C, 0x40));
    QPainter p(&tile);
    p.fillRect(0, 0, 8, 8, QColor(0x4A, 0x4C, 0x50));
    p.fillRect(8, 8, 8, 8, QColor(0x4A, 0x4C, 0x50));
    return QBrush(tile);
}

} // namespace

ContactSheet::ContactSheet(const SkinGenerator& generator)
    : m_generator(generator)
{}

QImage ContactSheet::render() const
{
    struct Cell
    {
        int id;
        QImage picture;
        QRect rect; // picture position on the sheet
    };
    std::vector<Cell> cells;
    // Flow layout: cells left to right, wrapping at the sheet width.
    int x = Margin;
    int y = Margin;
    int rowHeight = 0;
    for (int id = SkinCatalog::FirstId; id <= SkinCatalog::LastId; ++id) {
        QImage picture = m_generator.draw(id);
        const int cellWidth = std::max(picture.width(), MinCellWidth);
        if (x + cellWidth > SheetWidth - Margin && x > Margin) {
            x = Margin;
            y += rowHeight + LabelHeight + Gap;
            rowHeight = 0;
        }
        cells.push_back({id, picture, QRect(QPoint(x, y), picture.size())});
        x += cellWidth + Gap;
        rowHeight = std::max(rowHeight, picture.height());
    }
    const int height = y + rowHeight + LabelHeight + Margin;

    QImage sheet(SheetWidth, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x1C, 0x1D, 0x20));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QBrush board = checkerboard();
    const QFont idFont = SkinStyle::latinFont(11, true);
    const QFont roleFont = SkinStyle::latinFont(9);
    for (const Cell& cell : cells) {
        p.fillRect(cell.rect, board);
        p.drawImage(cell.rect.topLeft(), cell.picture);
        const int labelWidth = std::max(cell.rect.width(), MinCellWidth);
        const QRect idBox(cell.rect.left(), cell.rect.bottom() + 2, labelWidth, 13);
        p.setFont(idFont);
        p.setPen(SkinStyle::accent());
        p.drawText(idBox, Qt::AlignLeft | Qt::AlignVCenter, QString::number(cell.id));
        p.setFont(roleFont);
        p.setPen(QColor(0xB0, 0xB4, 0xBA));
        const QString role = QFontMetrics(roleFont).elidedText(SkinCatalog::role(cell.id),
                                                               Qt::ElideRight, labelWidth);
        p.drawText(idBox.translated(0, 12), Qt::AlignLeft | Qt::AlignVCenter, role);
    }
    return sheet;
}
