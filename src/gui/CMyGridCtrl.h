// The album grid: a table of cells with a fixed header row in the list view and cells of
// thumbnails in the thumbnail view. A plain click ticks or unticks a row (a cell in the thumbnail
// view) and leaves the rest of the selection alone; a click on a header cell sorts by that column.
#pragma once

#include <QTableWidget>

class CMyGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CMyGridCtrl(QWidget* parent = nullptr);

    static constexpr int kCellMargin = 8;
    static constexpr int kAlbumRole = Qt::UserRole; // the album index a row or cell stands for

    // Sets the counts, the selection colours and the background; list mode selects whole rows.
    void SetupGrid(int rows, int columns, int fixedRows, bool listMode);
    bool ListMode() const { return m_listMode; }
    int FixedRows() const { return m_fixedRows; }

    // While on (the find dialog is shown), a plain click in list mode selects that one row alone.
    void SetSingleRowSelection(bool on) { m_singleRow = on; }

    void SelectAllAlbums();
    // The album indices of the selected rows or cells, top to bottom (row by row in cells).
    QList<int> SelectedAlbums() const;
    // Sorts the album rows by the column's text, code unit by code unit; ascending first, then
    // alternating for the same column. Column 0 is renumbered "%04d" afterwards.
    void SortByColumn(int column);
    void RenumberRows();
    // Every non-fixed row's cell texts, for the CSV export (from the second row on).
    QList<QStringList> RowTexts(int fromRow) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool m_listMode = true;
    int m_fixedRows = 1;
    bool m_singleRow = false;
    int m_sortColumn = -1;
    bool m_sortAscending = true;
    QAbstractItemDelegate* m_listDelegate = nullptr;
    QAbstractItemDelegate* m_thumbnailDelegate = nullptr;
};
