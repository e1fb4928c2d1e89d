#include "qt/controls/listrows.h"
#include "qt/gdi/icons.h"
#include "qt/windows/latin1.h"

#include <QIcon>
#include <algorithm>

namespace winport {
namespace {
    Qt::Alignment alignmentOf(int fmt)
    {
        switch (fmt & LVCFMT_JUSTIFYMASK) {
        case LVCFMT_RIGHT:
            return Qt::AlignRight | Qt::AlignVCenter;
        case LVCFMT_CENTER:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
        }
    }

    // Where the text of `column` starts in a row's texts, and its length; npos when the row has
    // fewer texts.
    size_t fieldStart(const std::string& texts, int column)
    {
        size_t at = 0;
        for (int i = 0; i < column; ++i) {
            at = texts.find('\0', at);
            if (at == std::string::npos)
                return at;
            ++at;
        }
        return at < texts.size() ? at : std::string::npos;
    }
}

std::string ListRows::text(int row, int column) const
{
    const std::string& texts = m_rows[static_cast<size_t>(row)].texts;
    size_t at = fieldStart(texts, column);
    if (at == std::string::npos)
        return std::string();
    return std::string(texts.c_str() + at);
}

void ListRows::setText(int row, int column, const std::string& text)
{
    std::string& texts = m_rows[static_cast<size_t>(row)].texts;
    size_t fields = static_cast<size_t>(std::count(texts.begin(), texts.end(), '\0'));
    if (fields <= static_cast<size_t>(column))
        texts.append(static_cast<size_t>(column) + 1 - fields, '\0');
    size_t at = fieldStart(texts, column);
    size_t end = texts.find('\0', at);
    texts.replace(at, end - at, text.c_str());
    changed(row, column);
}

void ListRows::setImage(int row, int image)
{
    m_rows[static_cast<size_t>(row)].image = image;
    changed(row, 0);
}

void ListRows::changed(int row, int column)
{
    if (row < m_shown) {
        QModelIndex at = index(row, column);
        Q_EMIT dataChanged(at, at);
    }
}

void ListRows::insert(int index)
{
    if (index >= count()) {
        m_rows.emplace_back();
        return;
    }
    show();
    beginInsertRows(QModelIndex(), index, index);
    m_rows.insert(m_rows.begin() + index, Row());
    ++m_shown;
    endInsertRows();
}

void ListRows::remove(int index)
{
    show();
    beginRemoveRows(QModelIndex(), index, index);
    m_rows.erase(m_rows.begin() + index);
    --m_shown;
    endRemoveRows();
}

void ListRows::clear()
{
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_shown = 0;
    endResetModel();
}

void ListRows::sort(PFNLVCOMPARE compare, LPARAM parameter)
{
    beginResetModel();
    std::stable_sort(m_rows.begin(), m_rows.end(),
        [&](const Row& a, const Row& b) { return compare(a.data, b.data, parameter) < 0; });
    m_shown = count();
    endResetModel();
}

void ListRows::show()
{
    if (m_shown >= count())
        return;
    beginInsertRows(QModelIndex(), m_shown, count() - 1);
    m_shown = count();
    endInsertRows();
}

void ListRows::insertColumn(int index, const Column& column)
{
    show();
    beginInsertColumns(QModelIndex(), index, index);
    m_columns.insert(m_columns.begin() + index, column);
    // Sub-item texts from the new column on move one to the right.
    for (Row& row : m_rows) {
        size_t at = fieldStart(row.texts, index);
        if (at != std::string::npos)
            row.texts.insert(at, 1, '\0');
    }
    endInsertColumns();
}

void ListRows::removeColumn(int index)
{
    show();
    beginRemoveColumns(QModelIndex(), index, index);
    m_columns.erase(m_columns.begin() + index);
    for (Row& row : m_rows) {
        size_t at = fieldStart(row.texts, index);
        if (at != std::string::npos)
            row.texts.erase(at, row.texts.find('\0', at) + 1 - at);
    }
    endRemoveColumns();
}

void ListRows::setColumn(int index, const Column& column)
{
    m_columns[static_cast<size_t>(index)] = column;
    Q_EMIT headerDataChanged(Qt::Horizontal, index, index);
    if (m_shown > 0)
        Q_EMIT dataChanged(this->index(0, index), this->index(m_shown - 1, index));
}

void ListRows::setImages(HIMAGELIST images)
{
    m_images = images;
    if (m_shown > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_shown - 1, 0));
}

int ListRows::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_shown; }

int ListRows::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListRows::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return toQt(text(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return static_cast<int>(alignmentOf(m_columns[static_cast<size_t>(index.column())].fmt));
    case Qt::DecorationRole: {
        if (index.column() != 0)
            return QVariant();
        QPixmap pixmap = imageListPixmap(m_images, row(index.row()).image);
        return pixmap.isNull() ? QVariant() : QVariant(QIcon(pixmap));
    }
    default:
        return QVariant();
    }
}

QVariant ListRows::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QVariant();
    if (role == Qt::DisplayRole)
        return toQt(m_columns[static_cast<size_t>(section)].text);
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(alignmentOf(m_columns[static_cast<size_t>(section)].fmt));
    return QVariant();
}

}
