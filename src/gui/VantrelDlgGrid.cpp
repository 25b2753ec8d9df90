// The album grid of the main window: its two views, the rows the list fetch appends, the refill,
// the sort links and the CSV export.
#include "CMyGridCtrl.h"
#include "CVantrelDlg.h"
#include "LinkLabel.h"
#include "albums/AlbumRows.h"
#include "session/ControlIds.h"

#include <QSaveFile>
#include <QFileDialog>

void CVantrelDlg::SetupAlbumGrid() {
    SetChecked(ctl::SelectAllBox, false);
    m_grid->setUpdatesEnabled(false);
    if (m_state.ThumbMode == 1) {
        m_grid->SetupGrid(0, VantrelState::ThumbsPerRow, 0, false);
        for (int c = 0; c < VantrelState::ThumbsPerRow; ++c)
            m_grid->setColumnWidth(c, VantrelState::ThumbWidth + 2 * CMyGridCtrl::kCellMargin);
    } else {
        m_grid->SetupGrid(1, 6, 1, true);
        const char16_t* headers[] = {u"序号", u"名称", u"数量", u"备注", u"", u""};
        const int widths[] = {50, 575, 50, 100, 0, 0};
        for (int c = 0; c < 6; ++c) {
            auto* header = new QTableWidgetItem(QString::fromUtf16(headers[c]));
            header->setFlags(Qt::ItemIsEnabled); // not selectable
            header->setBackground(palette().button());
            m_grid->setItem(0, c, header);
            m_grid->setColumnWidth(c, widths[c]);
            m_grid->setColumnHidden(c, widths[c] == 0);
        }
    }
    m_grid->setUpdatesEnabled(true);
}

namespace {
QTableWidgetItem* Cell(const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}
} // namespace

void CVantrelDlg::ShowAlbumNow(int albumIndex) {
    QString filter;
    {
        const std::lock_guard<std::mutex> lock(m_state.TextLock);
        filter = m_state.AlbumFilter;
    }
    if (m_state.ThumbMode == 1) {
        const std::optional<AlbumCells> cells = PrepareAlbumRow(m_state.Albums, albumIndex, QString());
        if (!cells)
            return;
        const int row = albumIndex / VantrelState::ThumbsPerRow;
        const int column = albumIndex % VantrelState::ThumbsPerRow;
        if (column == 0) {
            m_grid->insertRow(m_grid->rowCount());
            m_grid->setRowHeight(m_grid->rowCount() - 1, VantrelState::ThumbHeight + 10);
        }
        QTableWidgetItem* cell = Cell(QStringLiteral("%1.%2").arg(albumIndex + 1).arg(cells->name));
        cell->setData(CMyGridCtrl::kAlbumRole, albumIndex);
        cell->setTextAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        m_grid->setItem(row, column, cell);
        return;
    }
    const std::optional<AlbumCells> cells = PrepareAlbumRow(m_state.Albums, albumIndex, filter);
    if (!cells)
        return;
    const int row = m_grid->rowCount();
    m_grid->insertRow(row);
    QTableWidgetItem* number = Cell(QString::asprintf("%04d", row));
    number->setData(CMyGridCtrl::kAlbumRole, albumIndex);
    m_grid->setItem(row, 0, number);
    m_grid->setItem(row, 1, Cell(cells->name));
    m_grid->setItem(row, 2, Cell(cells->count));
    m_grid->setItem(row, 3, Cell(cells->remark));
    m_grid->setItem(row, 4, Cell(QString()));
    m_grid->setItem(row, 5, Cell(QString()));
}

void CVantrelDlg::RefillAlbumGrid() {
    m_grid->setUpdatesEnabled(false);
    const int count = m_state.Albums.size();
    for (int i = 0; i < count && m_state.ThumbState != 2; ++i)
        ShowAlbumNow(i);
    m_grid->resizeRowsToContents();
    m_grid->setUpdatesEnabled(true);
    m_state.ThumbState = 0;
    const std::lock_guard<std::mutex> lock(m_state.TextLock);
    m_state.AlbumFilter.clear();
}

void CVantrelDlg::OnSortLink(int linkId) {
    if (m_state.Albums.isEmpty())
        return;
    if (linkId == ctl::GoodReviewLink) {
        auto* link = static_cast<LinkLabel*>(m_controls[ctl::GoodReviewLink]);
        if (link->Markup().contains(QStringLiteral("↑"))) {
            link->SetMarkup(QStringLiteral("<a>好评↓</a>"));
            m_state.Albums.SortByGoodReviewsAscending();
        } else {
            link->SetMarkup(QStringLiteral("<a>好评↑</a>"));
            m_state.Albums.SortByGoodReviewsDescending();
        }
    } else {
        m_state.Albums.SortByPosition();
    }
    // Down to the header row (list view) or to no row (thumbnail view), then every album again.
    m_grid->setRowCount(m_grid->FixedRows());
    RefillAlbumGrid();
}

void CVantrelDlg::OnExportCsv() {
    QString fileName = QFileDialog::getSaveFileName(this, QString(), QString(),
                                                    QStringLiteral("导出后，自行调整列宽(*.csv)"));
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".csv");
    WriteGridCsv(fileName); // a file that cannot be made gets no message
}

bool CVantrelDlg::WriteGridCsv(const QString& fileName) {
    QByteArray bytes;
    for (const QStringList& cells : m_grid->RowTexts(1))
        bytes += CsvLine(cells);
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
