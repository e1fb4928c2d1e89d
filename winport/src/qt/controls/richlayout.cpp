#include "qt/controls/richlayout.h"

#include <QAbstractScrollArea>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace winport {

RichLayout::RichLayout(QTextDocument* document, const QAbstractScrollArea& view)
    : QPlainTextDocumentLayout(document)
    , m_view(view)
{
}

// The paragraph's rectangle, its lines laid out. The plain layout starts every line at the left
// margin; a right-aligned or centred paragraph moves its lines over each time it is asked, since
// the view's width may have changed since the lines were laid out.
QRectF RichLayout::blockBoundingRect(const QTextBlock& block) const
{
    QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
    Qt::Alignment alignment = block.blockFormat().alignment();
    QTextLayout* layout = block.layout();
    if (!(alignment & (Qt::AlignRight | Qt::AlignHCenter)) || !layout)
        return rect;
    qreal margin = document()->documentMargin();
    qreal width = std::max<qreal>(m_view.viewport()->width(), documentSize().width()) - 2 * margin;
    for (int i = 0; i < layout->lineCount(); ++i) {
        QTextLine line = layout->lineAt(i);
        qreal room = std::max<qreal>(0, width - line.naturalTextWidth());
        qreal x = margin + ((alignment & Qt::AlignRight) ? room : room / 2);
        line.setPosition(QPointF(x, line.position().y()));
    }
    return rect;
}
}
