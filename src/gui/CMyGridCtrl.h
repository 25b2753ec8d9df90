// The album grid: a table of cells with a fixed header row in the list view and cells of
// thumbnails in the thumbnail view.
#pragma once

#include <QTableWidget>

class CMyGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CMyGridCtrl(QWidget* parent = nullptr);

    static constexpr int kCellMargin = 8;

    // Sets the counts, the selection colours and the background; list mode selects whole rows.
    void SetupGrid(int rows, int columns, int fixedRows, bool listMode);
    bool ListMode() const { return m_listMode; }
    int FixedRows() const { return m_fixedRows; }

private:
    bool m_listMode = true;
    int m_fixedRows = 1;
};
