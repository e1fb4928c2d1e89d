// The list view's items as a Qt model: per row its sub-item texts in one string (each ended by a
// '\0'), its item data and its image, and per column its heading and alignment. Texts become Qt
// strings only when the view shows them, so a row of short texts costs little more than its
// bytes. Rows the program appends at the end wait, unseen by the view, until show() announces
// them in one step; the view then takes in any number of them at the cost of one.
#pragma once

#include <windows.h>

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace winport {

class ListRows : public QAbstractTableModel {
public:
    struct Column {
        std::string text;
        int fmt = LVCFMT_LEFT;
    };
    struct Row {
        std::string texts; // the sub-item texts, each ended by '\0'; missing ones are empty
        LPARAM data = 0;
        int image = -1;
    };

    // All rows, those still waiting included.
    int count() const { return static_cast<int>(m_rows.size()); }
    const Row& row(int index) const { return m_rows[static_cast<size_t>(index)]; }
    std::string text(int row, int column) const;
    void setText(int row, int column, const std::string& text);
    void setData(int row, LPARAM data) { m_rows[static_cast<size_t>(row)].data = data; }
    void setImage(int row, int image);
    // Inserts an empty row; at the end it waits for show(), elsewhere it is shown at once.
    void insert(int index);
    void remove(int index);
    void clear();
    // Reorders the rows by their item data; what the view knew of them (selection, focus) ends.
    void sort(PFNLVCOMPARE compare, LPARAM parameter);
    // Announces the waiting rows to the view. Any other change than an append at the end, and
    // anything that asks the view about rows, comes after it.
    void show();
    bool waiting() const { return m_shown < count(); }

    const std::vector<Column>& columns() const { return m_columns; }
    void insertColumn(int index, const Column& column);
    void removeColumn(int index);
    void setColumn(int index, const Column& column);
    // The small images' list (not owned): column 0 shows the row's image from it.
    void setImages(HIMAGELIST images);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void changed(int row, int column);

    std::vector<Row> m_rows;
    std::vector<Column> m_columns;
    HIMAGELIST m_images = nullptr;
    int m_shown = 0; // rows the view knows of: the first m_shown
};

}
