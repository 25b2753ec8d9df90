#include "CMyGridCtrl.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {
// Thumbnail cells draw their text below the picture.
class TextBelowImage : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->decorationPosition = QStyleOptionViewItem::Top;
        option->decorationAlignment = Qt::AlignHCenter | Qt::AlignTop;
        option->displayAlignment = Qt::AlignHCenter | Qt::AlignBottom;
    }
};
} // namespace

CMyGridCtrl::CMyGridCtrl(QWidget* parent) : QTableWidget(parent) {
    verticalHeader()->hide();
    horizontalHeader()->hide(); // the header is the grid's own fixed row 0
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    m_listDelegate = itemDelegate();
}

void CMyGridCtrl::SetupGrid(int rows, int columns, int fixedRows, bool listMode) {
    clear();
    setRowCount(rows);
    setColumnCount(columns);
    m_fixedRows = fixedRows;
    m_listMode = listMode;
    m_sortColumn = -1;
    m_sortAscending = true;
    // Selected cells: black text on 0xE3E3C7; the grid white; 8 pixels of margin in every cell.
    setStyleSheet(QStringLiteral("QTableWidget { background: #FFFFFF; }"
                                 "QTableWidget::item { padding: 0px %1px; }"
                                 "QTableWidget::item:selected { background: #C7E3E3; color: #000000; }")
                      .arg(kCellMargin));
    setSelectionBehavior(listMode ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    if (!m_thumbnailDelegate)
        m_thumbnailDelegate = new TextBelowImage(this);
    setItemDelegate(listMode ? m_listDelegate : m_thumbnailDelegate);
    setIconSize(QSize(113, 120));
    clearSelection();
}

void CMyGridCtrl::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.row() < m_fixedRows) {
        // A header cell sorts (column 0 only renumbers) and selects nothing.
        if (event->button() == Qt::LeftButton) {
            if (index.column() > 0)
                SortByColumn(index.column());
            else
                RenumberRows();
        }
        return;
    }
    if (event->modifiers() == Qt::NoModifier && event->button() == Qt::LeftButton) {
        if (m_singleRow && m_listMode) {
            QTableWidget::mousePressEvent(event);
            return;
        }
        // A plain click ticks or unticks, as a click with Ctrl held would.
        QMouseEvent ticking(event->type(), event->position(), event->scenePosition(), event->globalPosition(),
                            event->button(), event->buttons(), Qt::ControlModifier);
        QTableWidget::mousePressEvent(&ticking);
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void CMyGridCtrl::SelectAllAlbums() {
    QItemSelection all;
    if (rowCount() > m_fixedRows && columnCount() > 0)
        all.select(model()->index(m_fixedRows, 0), model()->index(rowCount() - 1, columnCount() - 1));
    selectionModel()->select(all, QItemSelectionModel::ClearAndSelect);
}

QList<int> CMyGridCtrl::SelectedAlbums() const {
    QList<int> albums;
    for (int row = m_fixedRows; row < rowCount(); ++row) {
        if (m_listMode) {
            const QTableWidgetItem* first = item(row, 0);
            if (first && selectionModel()->isRowSelected(row, QModelIndex()))
                albums.append(first->data(kAlbumRole).toInt());
            continue;
        }
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem* cell = item(row, column);
            if (cell && cell->isSelected() && cell->data(kAlbumRole).isValid())
                albums.append(cell->data(kAlbumRole).toInt());
        }
    }
    return albums;
}

void CMyGridCtrl::SortByColumn(int column) {
    m_sortAscending = column == m_sortColumn ? !m_sortAscending : true;
    m_sortColumn = column;

    struct Row {
        QList<QTableWidgetItem*> cells;
        bool selected;
    };
    QList<Row> rows;
    for (int r = m_fixedRows; r < rowCount(); ++r) {
        Row row{{}, selectionModel()->isRowSelected(r, QModelIndex())};
        for (int c = 0; c < columnCount(); ++c)
            row.cells.append(takeItem(r, c));
        rows.append(row);
    }
    const auto text = [column](const Row& row) {
        return row.cells.value(column) ? row.cells[column]->text() : QString();
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        const int order = text(a).compare(text(b), Qt::CaseSensitive); // UTF-16 code units
        return m_sortAscending ? order < 0 : order > 0;
    });
    clearSelection();
    for (int i = 0; i < rows.size(); ++i) {
        const int r = m_fixedRows + i;
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c, rows[i].cells[c]);
        if (rows[i].selected)
            selectionModel()->select(model()->index(r, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    RenumberRows();
}

void CMyGridCtrl::RenumberRows() {
    if (!m_listMode)
        return;
    for (int r = m_fixedRows; r < rowCount(); ++r) {
        if (QTableWidgetItem* first = item(r, 0))
            first->setText(QString::asprintf("%04d", r - m_fixedRows + 1));
    }
}

QList<QStringList> CMyGridCtrl::RowTexts(int fromRow) const {
    QList<QStringList> rows;
    for (int r = fromRow; r < rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < columnCount(); ++c)
            cells << (item(r, c) ? item(r, c)->text() : QString());
        rows << cells;
    }
    return rows;
}
