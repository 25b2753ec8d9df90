#include "CComboBox2.h"
#include "CMyGridCtrl.h"
#include "CVantrelDlg.h"
#include "TestWindow.h"
#include "MarketSim.h"
#include "session/ControlIds.h"
#include "text/StringCtrl.h"

#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class AlbumGridTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<CVantrelDlg> m_window;
    QStringList m_messages;

    CMyGridCtrl* Grid() { return m_window->AlbumGrid(); }
    void ClickCell(int row, int column) {
        const QRect cell = Grid()->visualRect(Grid()->model()->index(row, column));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }
    void AddAlbums(const QStringList& names) {
        for (const QString& name : names) {
            ST_PERLISTRECORD album;
            album.strName = name;
            m_window->ShowAlbum(m_window->State().Albums.AddAlbum(album) - 1);
        }
    }

private slots:
    void init() {
        m_messages.clear();
        m_window = StartTestWindow(m_dir.path(), [this](const QString& text) {
            m_messages << text;
            return MessageAnswer::Ok;
        });
    }
    void cleanup() { m_window.reset(); }

    void getAlbumsFillsTheGrid() {
        sim::Catalogue catalogue = sim::DemoCatalogue();
        sim::MarketSim market(catalogue);
        QVERIFY(market.Start());
        qputenv("http_proxy", market.address().toUtf8());
        m_window->SetControlText(ctl::AddressBox, QStringLiteral("http://vantrel-demo.taobao.com/"));
        QTest::mouseClick(m_window->Control(ctl::GetAlbumsButton), Qt::LeftButton);
        QCOMPARE(m_window->State().ListFetchState.load(), uint8_t(1));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->State().ListFetchState.load(), uint8_t(0), 30000);
        m_window->WaitForThreads();
        qunsetenv("http_proxy");
        QCOMPARE(Grid()->rowCount(), 1 + 20);
        QCOMPARE(Grid()->item(1, 0)->text(), QStringLiteral("0001"));
        QCOMPARE(Grid()->item(20, 1)->text(), m_window->State().Albums.at(19).strName);
        QCOMPARE(m_window->ControlText(ctl::AlbumFrame), QStringLiteral("相册列表(共20个)"));
        QCOMPARE(m_window->ControlText(ctl::GetAlbumsButton), QStringLiteral("获取相册"));
        QVERIFY(m_window->Control(ctl::DownloadButton)->isEnabled());
        QVERIFY(m_window->Control(ctl::StartupNotice)->isHidden());
        // For looking at it: VANTREL_SCREENSHOTS=DIR keeps a picture of the filled window.
        if (const QByteArray dir = qgetenv("VANTREL_SCREENSHOTS"); !dir.isEmpty())
            m_window->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/album-grid.png"));
    }

    void downloadTickedAlbums() {
        sim::MarketSim market(sim::DemoCatalogue());
        QVERIFY(market.Start());
        qputenv("http_proxy", market.address().toUtf8());
        const QString out = m_dir.path() + QStringLiteral("/out/");
        m_window->SetControlText(ctl::SavePathBox, out);
        m_window->SetControlText(ctl::AddressBox, QStringLiteral("http://vantrel-demo.tmall.com/category-2.htm"));
        QTest::mouseClick(m_window->Control(ctl::GetAlbumsButton), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->State().ListFetchState.load(), uint8_t(0), 30000);
        m_window->WaitForThreads();
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(Grid()->rowCount(), 1 + 9);
        ClickCell(1, 1);
        ClickCell(3, 1);
        QTest::mouseClick(m_window->Control(ctl::DownloadButton), Qt::LeftButton);
        QCOMPARE(m_window->State().DownloadState.load(), uint8_t(1)); // the pass runs on its own thread
        QTRY_COMPARE_WITH_TIMEOUT(m_window->State().DownloadState.load(), uint8_t(0), 60000);
        m_window->WaitForThreads();
        qunsetenv("http_proxy");
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(m_window->ControlText(ctl::StatusLine), QStringLiteral("下载完毕"));
        QCOMPARE(m_window->ControlText(ctl::DownloadButton), QStringLiteral("下载"));
        QVERIFY(m_window->Control(ctl::GetAlbumsButton)->isEnabled());
        const QDir shop(out + QStringLiteral("Vantrel旗舰店/首页女装/"));
        QCOMPARE(shop.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);
        const QString first = m_window->State().Albums.at(0).strName;
        QVERIFY(QFile::exists(shop.filePath(first + QStringLiteral("/主图_5.jpg"))));
    }

    void enterInTheAddressBoxStartsAFetch() {
        m_window->AddressBox()->setFocus();
        QTest::keyClicks(m_window->AddressBox()->lineEdit(), QStringLiteral("not an address"));
        QTest::keyClick(m_window->AddressBox()->lineEdit(), Qt::Key_Return);
        QTRY_COMPARE(m_messages.size(), 1); // the list fetch ran: the address is no web address
        QTRY_COMPARE(m_window->State().ListFetchState.load(), uint8_t(0));
        m_window->WaitForThreads();
        QCOMPARE(m_window->ControlText(ctl::StatusLine), QStringLiteral("获取相册列表完成，共0个"));
    }

    void droppedFileAndEscape() {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/pics/summer/a.jpg"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &drop);
        QCOMPARE(m_window->SavePathBox()->currentText(), QStringLiteral("/pics/summer/"));
        QCOMPARE(m_window->SavePathBox()->Entries().last(), QStringLiteral("/pics/summer/"));

        QSignalSpy finished(m_window.get(), &QDialog::finished);
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QCOMPARE(finished.count(), 1); // Escape closes the window, and with it the program
    }

    void plainClicksTick() {
        AddAlbums({"a", "b", "c", "d"});
        QCoreApplication::processEvents();
        ClickCell(1, 1);
        ClickCell(3, 1);
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({0, 2}));
        ClickCell(1, 2);
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({2}));
        ClickCell(0, 0); // the header selects nothing
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({2}));
        Grid()->SetSingleRowSelection(true);
        ClickCell(4, 1);
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({3}));
        Grid()->SetSingleRowSelection(false);
        QTest::mouseClick(m_window->Control(ctl::SelectAllBox), Qt::LeftButton);
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({0, 1, 2, 3}));
    }

    void headerClicksSortAndRenumber() {
        AddAlbums({"b", "C", "a", "B"});
        QCoreApplication::processEvents();
        ClickCell(2, 1); // "C", album 1
        ClickCell(0, 1);
        QStringList names;
        for (int r = 1; r <= 4; ++r)
            names << Grid()->item(r, 1)->text();
        QCOMPARE(names, QStringList({"B", "C", "a", "b"})); // code unit order: upper case first
        QCOMPARE(Grid()->item(1, 0)->text(), QStringLiteral("0001"));
        QCOMPARE(Grid()->item(4, 0)->text(), QStringLiteral("0004"));
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({1})); // the selection moved with its row
        ClickCell(0, 1);
        QCOMPARE(Grid()->item(1, 1)->text(), QStringLiteral("b"));
        QCOMPARE(Grid()->item(1, 0)->data(CMyGridCtrl::kAlbumRole).toInt(), 0);
    }

    void csvBytes() {
        AddAlbums({QStringLiteral("上衣"), QStringLiteral("裤子")});
        QCoreApplication::processEvents();
        Grid()->item(1, 1)->setText(QStringLiteral("上衣,红\"色'款")); // names never hold a quote; cells may
        const QString file = m_dir.path() + QStringLiteral("/grid.csv");
        QVERIFY(m_window->WriteGridCsv(file));
        QFile csv(file);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray expected = UnicodeToGbk(QStringLiteral("0001,上衣','红\"\"色款,未知,,,,\r\n0002,裤子,未知,,,,\r\n"));
        QCOMPARE(csv.readAll(), expected);
    }

    void thumbnailViewCells() {
        m_window->State().ThumbMode = 1;
        m_window->ResetAlbumGrid();
        AddAlbums({"1", "2", "3", "4", "5", "6", "7"});
        QCoreApplication::processEvents();
        QCOMPARE(Grid()->rowCount(), 2);
        QCOMPARE(Grid()->columnCount(), 6);
        QCOMPARE(Grid()->columnWidth(0), 129);
        QCOMPARE(Grid()->rowHeight(1), 130);
        QCOMPARE(Grid()->item(1, 0)->text(), QStringLiteral("7.7"));
        QCOMPARE(Grid()->item(1, 0)->data(CMyGridCtrl::kAlbumRole).toInt(), 6);
        for (int c = 1; c < 6; ++c)
            QVERIFY(!Grid()->item(1, c));
        Grid()->SelectAllAlbums();
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({0, 1, 2, 3, 4, 5, 6}));
        m_window->State().ThumbMode = 0;
    }
};

QTEST_MAIN(AlbumGridTest)
#include "AlbumGridTest.moc"
