#include "CMyGridCtrl.h"

#include <QHeaderView>

CMyGridCtrl::CMyGridCtrl(QWidget* parent) : QTableWidget(parent) {
    verticalHeader()->hide();
    horizontalHeader()->hide(); // the header is the grid's own fixed row 0
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::MultiSelection);
    setShowGrid(true);
}

void CMyGridCtrl::SetupGrid(int rows, int columns, int fixedRows, bool listMode) {
    clear();
    setRowCount(rows);
    setColumnCount(columns);
    m_fixedRows = fixedRows;
    m_listMode = listMode;
    // Selected cells: black text on 0xE3E3C7; the grid white.
    setStyleSheet(QStringLiteral("QTableWidget { background: #FFFFFF; }"
                                 "QTableWidget::item:selected { background: #C7E3E3; color: #000000; }"));
    setSelectionBehavior(listMode ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    clearSelection();
}
