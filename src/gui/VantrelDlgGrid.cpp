// The album grid of the main window: its two views, the rows the list fetch appends, the refill,
// the sort links and the CSV export.
#include "CMyGridCtrl.h"
#include "CVantrelDlg.h"
#include "VantrelDlgUi.h"
#include "DlgFind.h"
#include "LinkLabel.h"
#include "Thumbnails.h"
#include "albums/AlbumRows.h"
#include "text/WholeFile.h"
#include "session/ControlIds.h"

#include <QCheckBox>
#include <QFileDialog>

void CVantrelDlg::SetupAlbumGrid() {
    SetChecked(ctl::SelectAllBox, false);
    m_grid->setUpdatesEnabled(false);
    if (m_state.ThumbMode == 1) {
        m_grid->SetupGrid(0, VantrelState::ThumbsPerRow, 0, false);
        for (int c = 0; c < VantrelState::ThumbsPerRow; ++c) {
            m_grid->setColumnHidden(c, false); // the list view hides two columns
            m_grid->setColumnWidth(c, VantrelState::ThumbWidth + 2 * CMyGridCtrl::kCellMargin);
        }
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

void CVantrelDlg::ShowAlbumNow(int albumIndex, bool makeMissingThumbnail) {
    QString filter;
    {
        const std::lock_guard<std::mutex> lock(m_state.TextLock);
        filter = m_state.AlbumFilter;
    }
    if (m_state.ThumbMode == 1) {
        if (makeMissingThumbnail)
            EnsureThumbnail(albumIndex, m_state.Albums.Generation()); // only what is still missing
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
        const int thumb = m_state.Albums.at(albumIndex).nThumbIndex;
        if (thumb >= 0 && thumb < m_thumbImages.size())
            cell->setData(Qt::DecorationRole, m_thumbImages[thumb]);
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

void CVantrelDlg::EnsureThumbnail(int albumIndex, uint64_t generation) {
    const ST_PERLISTRECORD album = m_state.Albums.at(albumIndex);
    if (album.nThumbIndex != -1 || m_state.Albums.Generation() != generation)
        return;
    const QImage image = MakeThumbnailImage(m_state.ProgramDir, albumIndex, album.strCoverAddress);
    if (image.isNull())
        return; // a text-only cell; the next refill tries again
    CallOnUi<bool>([&] {
        if (m_state.Albums.Generation() != generation || m_state.Albums.at(albumIndex).nThumbIndex != -1)
            return false;
        m_thumbImages.append(QPixmap::fromImage(image));
        return m_state.Albums.SetThumbIndex(generation, albumIndex, int(m_thumbImages.size()) - 1);
    });
}

void CVantrelDlg::StartGridRefill() {
    const uint64_t generation = m_state.Albums.Generation();
    const int count = m_state.Albums.size();
    const bool started = StartEngineThread([this, generation, count] {
        // The albums as they were when the refill began: a new list or a sort ends it.
        for (int i = 0; i < count && m_state.ThumbState != 2 && m_state.Albums.Generation() == generation; ++i) {
            if (m_state.ThumbMode == 1)
                EnsureThumbnail(i, generation);
            RunOnUi([this, i, generation] {
                if (m_state.Albums.Generation() == generation)
                    ShowAlbumNow(i, false);
            });
        }
        RunOnUi([this] {
            m_grid->resizeRowsToContents();
            m_state.ThumbState = 0;
            const std::lock_guard<std::mutex> lock(m_state.TextLock);
            m_state.AlbumFilter.clear();
        });
    });
    if (!started)
        m_state.ThumbState = 0;
}

void CVantrelDlg::OnThumbnailBox(bool ticked) {
    auto* box = static_cast<QCheckBox*>(m_controls[ctl::ThumbnailBox]);
    if (m_state.ThumbState != 0) {
        if (MessageBox(QStringLiteral("模式转换未完成,是否中断?"), QStringLiteral("提示"), MessageButtons::YesNo) ==
            MessageAnswer::Yes)
            m_state.ThumbState = 2;
        const QSignalBlocker quiet(box);
        box->setChecked(!ticked);
        return;
    }
    if (ticked && m_findDialog)
        m_findDialog->hide();
    EnableControl(ctl::FilterLink, !ticked);
    EnableControl(ctl::FindLink, !ticked);
    m_state.ThumbState = 1;
    m_state.ThumbMode = ticked ? 1 : 0;
    SetupAlbumGrid();
    StartGridRefill();
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
    return WriteWholeFile(fileName, bytes);
}
