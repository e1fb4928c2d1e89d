// The rich edit control's text layout: Qt's plain-text layout, which lays out a paragraph only when
// it is shown or asked about and counts the paragraphs it has not laid out as one line each, so a
// long report costs nothing to lay out beyond the part in sight. On top of it, paragraphs keep
// their alignment: their lines are placed right or centred in the view's width.
#pragma once

#include <QPlainTextDocumentLayout>

class QAbstractScrollArea;

namespace winport {
class RichLayout : public QPlainTextDocumentLayout {
public:
    RichLayout(QTextDocument* document, const QAbstractScrollArea& view);

    QRectF blockBoundingRect(const QTextBlock& block) const override;

private:
    const QAbstractScrollArea& m_view;
};
}
