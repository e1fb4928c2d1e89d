// EM_FORMATRANGE over Qt's text layout. The characters from the range's start are copied, with
// their formats, into a scratch document laid out for the target device; the lines that fit in
// the rectangle are counted and, when drawing, everything after them is cut off before the
// document is painted. A page copies whole paragraphs in growing chunks, so its cost follows the
// page, not the rest of the text.
#include "richformat.h"
#include "qt/gdi/gdi.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace winport {
namespace {
    const double kScreenDpi = 96.0;

    // Screen fonts are sized in pixels at 96 dpi: on another device they keep their size in points.
    QFont inPoints(QFont font)
    {
        if (font.pixelSize() > 0)
            font.setPointSizeF(font.pixelSize() * 72.0 / kScreenDpi);
        return font;
    }

    void copyRange(const QTextDocument& from, int first, int last, QTextDocument& to)
    {
        to.setDefaultFont(inPoints(from.defaultFont()));
        to.setDocumentMargin(0);
        QTextOption option = from.defaultTextOption();
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        to.setDefaultTextOption(option);
        // A range that ends just after a paragraph break must not open an empty paragraph.
        if (last > first && from.characterAt(last - 1) == QChar::ParagraphSeparator)
            --last;
        QTextCursor source(const_cast<QTextDocument*>(&from));
        source.setPosition(first);
        source.setPosition(last, QTextCursor::KeepAnchor);
        QTextBlock block = from.findBlock(first);
        QTextCursor target(&to);
        target.setBlockFormat(block.blockFormat());
        target.setBlockCharFormat(block.charFormat());
        target.insertFragment(source.selection());
    }

    struct Fit {
        int firstOut = -1; // position in the scratch document of the first line that does not fit
        qreal bottom = 0;
    };

    Fit fitLines(QTextDocument& page, qreal height)
    {
        Fit fit;
        QAbstractTextDocumentLayout* layout = page.documentLayout();
        for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
            layout->blockBoundingRect(block);
            const QTextLayout* lines = block.layout();
            for (int i = 0; i < lines->lineCount(); ++i) {
                QTextLine line = lines->lineAt(i);
                qreal bottom = lines->position().y() + line.y() + line.height();
                if (bottom > height) {
                    fit.firstOut = block.position() + line.textStart();
                    return fit;
                }
                fit.bottom = bottom;
            }
        }
        return fit;
    }

    int firstLineLength(QTextDocument& page)
    {
        page.documentLayout()->blockBoundingRect(page.begin());
        QTextLine line = page.begin().layout()->lineAt(0);
        return line.isValid() ? line.textStart() + std::max(1, line.textLength()) : 1;
    }

    int toDevice(LONG twips, int dpi)
    {
        return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
    }
}

LONG formatRange(const QTextDocument& document, const FORMATRANGE& range, bool render)
{
    DeviceContext* dc = findDc(range.hdc);
    DeviceContext* target = range.hdcTarget ? findDc(range.hdcTarget) : dc;
    if (!dc)
        return range.chrg.cpMin;
    if (!target)
        target = dc;
    QPaintDevice* device = metricDevice(*target);
    int dpiX = device ? device->logicalDpiX() : static_cast<int>(kScreenDpi);
    int dpiY = device ? device->logicalDpiY() : static_cast<int>(kScreenDpi);
    QRect rect(QPoint(toDevice(range.rc.left, dpiX), toDevice(range.rc.top, dpiY)),
        QPoint(toDevice(range.rc.right, dpiX) - 1, toDevice(range.rc.bottom, dpiY) - 1));

    int end = document.characterCount() - 1;
    int last = range.chrg.cpMax < 0 || range.chrg.cpMax > end ? end : range.chrg.cpMax;
    int first = std::clamp<int>(range.chrg.cpMin, 0, last);
    if (first == last || rect.width() <= 0)
        return last;

    int firstBlock = document.findBlock(first).blockNumber();
    for (int blocks = 64;; blocks *= 2) {
        QTextBlock after = document.findBlockByNumber(firstBlock + blocks);
        int limit = after.isValid() ? std::min(last, after.position()) : last;
        QTextDocument page;
        page.documentLayout()->setPaintDevice(device);
        copyRange(document, first, limit, page);
        page.setTextWidth(rect.width());
        Fit fit = fitLines(page, rect.height());
        if (fit.firstOut < 0 && limit < last)
            continue; // all of it fits: take more text
        int next = fit.firstOut < 0 ? limit : first + fit.firstOut;
        if (next == first)
            next = first + firstLineLength(page);
        if (render && dc->painter) {
            if (next - first < page.characterCount() - 1) {
                QTextCursor cut(&page);
                cut.setPosition(next - first);
                if (cut.atBlockStart() && cut.position() > 0)
                    cut.setPosition(cut.position() - 1);
                cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
                cut.removeSelectedText();
            }
            QPainter& painter = *dc->painter;
            painter.save();
            painter.translate(rect.topLeft() + dc->origin);
            QRectF clip(0, 0, rect.width(), std::max<qreal>(rect.height(), fit.bottom));
            painter.setClipRect(clip, Qt::IntersectClip);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = clip;
            context.palette.setColor(QPalette::Text, Qt::black);
            page.documentLayout()->draw(&painter, context);
            painter.restore();
        }
        return next;
    }
}
}
