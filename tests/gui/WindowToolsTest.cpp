#include "CMyGridCtrl.h"
#include "CVantrelDlg.h"
#include "TestWindow.h"
#include "DlgDownSet.h"
#include "DlgFind.h"
#include "ScriptedServer.h"
#include "Thumbnails.h"
#include "session/ControlIds.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class WindowToolsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<CVantrelDlg> m_window;
    QStringList m_messages;
    MessageAnswer m_answer = MessageAnswer::Ok;

    CMyGridCtrl* Grid() { return m_window->AlbumGrid(); }
    void AddAlbums(const QStringList& names, const QString& coverBase = QString()) {
        for (const QString& name : names) {
            ST_PERLISTRECORD album;
            album.strName = name;
            album.strCoverAddress = coverBase.isEmpty() ? QString() : coverBase + name;
            m_window->ShowAlbum(m_window->State().Albums.AddAlbum(album) - 1);
        }
        QCoreApplication::processEvents();
    }
    static QByteArray Png(int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

    // For looking at them: VANTREL_SCREENSHOTS=DIR keeps pictures of the dialogs.
    static void Keep(QWidget* widget, const char* name) {
        if (const QByteArray dir = qgetenv("VANTREL_SCREENSHOTS"); !dir.isEmpty())
            widget->grab().save(QString::fromLocal8Bit(dir) + u'/' + QLatin1String(name) + QStringLiteral(".png"));
    }

private slots:
    void init() {
        m_messages.clear();
        m_answer = MessageAnswer::Ok;
        m_window = StartTestWindow(m_dir.path(), [this](const QString& text) {
            m_messages << text;
            return m_answer;
        });
    }
    void cleanup() { m_window.reset(); }

    void downloadParameterDialog() {
        CDlgDownSet dialog(ST_DOWNSET{0, 0, 5, 30});
        Keep(&dialog, "dialog-131");
        QStringList shown;
        dialog.ShowMessage = [&](const QString& text) { shown << text; };
        QCOMPARE(dialog.Edit(1002)->text(), QStringLiteral("5"));
        dialog.Edit(1002)->setText(QStringLiteral("16"));
        dialog.PressOk();
        QCOMPARE(shown, QStringList({"参数错误"}));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.Slot().wThreads, uint16_t(5)); // untouched
        dialog.Edit(1002)->setText(QStringLiteral("15"));
        dialog.Edit(1003)->setText(QStringLiteral("10"));
        dialog.Edit(1000)->setText(QStringLiteral("70000"));
        dialog.PressOk();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Slot().wThreads, uint16_t(15));
        QCOMPARE(dialog.Slot().wMinSizeKB, uint16_t(4464));
    }

    void fileNameDialog() {
        ST_SAVESET slot{};
        slot.byFileNameSource = NAME_BY_NUMBER;
        slot.byFolderSource = FOLDER_NONE;
        CDlgSaveSet dialog(slot);
        Keep(&dialog, "dialog-130");
        QCOMPARE(dialog.FileNameSource()->checkedId(), 1); // "序号"
        QCOMPARE(dialog.FolderSource()->checkedId(), 1);
        dialog.Edit(1000)->setText(QString(50, u'x'));
        dialog.FileNameSource()->button(2)->setChecked(true);
        dialog.PressOk();
        QCOMPARE(FieldText(dialog.Slot().szFilePrefix), QString(38, u'x'));
        QCOMPARE(int(dialog.Slot().byFileNameSource), 2);
    }

    void findWrapsAroundAndFilterRefills() {
        AddAlbums({"xabcx", "ABC", "ab", "other"});
        CDlgFind find(m_window.get(), true);
        Keep(&find, "dialog-704-find");
        CDlgFind filterMode(nullptr, false);
        Keep(&filterMode, "dialog-704-filter");
        find.Grid = Grid();
        QStringList shown;
        find.ShowMessage = [&](const QString& text) { shown << text; };
        find.KeywordBox()->setText(QStringLiteral(" abc "));
        find.FindNext(); // nothing selected: from the first album row
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({0}));
        find.FindNext();
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({1})); // case ignored
        find.FindNext();
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({0})); // wrapped to the top
        find.FindPrevious();
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({1})); // wrapped to the bottom
        find.MatchCase()->setChecked(true);
        find.WholeCell()->setChecked(true);
        find.KeywordBox()->setText(QStringLiteral("ABC"));
        find.FindNext();
        QCOMPARE(Grid()->SelectedAlbums(), QList<int>({1}));
        find.KeywordBox()->clear();
        find.FindNext();
        QCOMPARE(shown, QStringList({"关键字不能为空"}));

        m_window->ApplyFilter(QStringLiteral("abc"));
        QCOMPARE(Grid()->rowCount(), 2); // header + xabcx (case counts)
        QCOMPARE(Grid()->item(1, 1)->text(), QStringLiteral("xabcx"));
        m_window->ApplyFilter(QString());
        QCOMPARE(Grid()->rowCount(), 5);
        m_window->ApplyFilter(QStringLiteral("zzz"));
        QCOMPARE(Grid()->rowCount(), 1);
    }

    void thumbnailViewWithCovers() {
        ScriptedServer server;
        const QByteArray png = Png(800, 400);
        server.on("*", [&](const ScriptedServer::Request& r) {
            if (r.path.endsWith("broken"))
                return ScriptedServer::Reply(200, "not a picture");
            return ScriptedServer::Reply(200, png, "Content-Type: image/png\r\n");
        });
        qputenv("no_proxy", "127.0.0.1");
        AddAlbums({"a1", "a2", "a3", "broken", "a5", "a6", "a7"}, server.url("/cover/"));
        QTest::mouseClick(m_window->Control(ctl::ThumbnailBox), Qt::LeftButton);
        QCOMPARE(m_window->State().ThumbMode.load(), uint8_t(1));
        QVERIFY(!m_window->Control(ctl::FindLink)->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(m_window->State().ThumbState.load(), uint8_t(0), 30000);
        m_window->WaitForThreads();
        QCOMPARE(Grid()->rowCount(), 2);
        Keep(m_window.get(), "thumbnail-view");
        QCOMPARE(m_window->ThumbImages().size(), 6);
        QCOMPARE(m_window->ThumbImages()[0].size(), QSize(113, 120)); // squeezed, no letterbox
        QVERIFY(!Grid()->item(0, 0)->data(Qt::DecorationRole).isNull());
        QVERIFY(Grid()->item(0, 3)->data(Qt::DecorationRole).isNull()); // the cover that does not decode
        QCOMPARE(m_window->State().Albums.at(3).nThumbIndex, -1);
        QCOMPARE(Grid()->item(1, 0)->text(), QStringLiteral("7.a7"));
        for (int c = 0; c < 6; ++c)
            QVERIFY(!Grid()->isColumnHidden(c)); // all six thumbnails of a row show
        QVERIFY(QFile::exists(m_dir.path() + QStringLiteral("/tmp/6.jpg")));

        // Back to the list view: the thumbnails stay for the list's life.
        QTest::mouseClick(m_window->Control(ctl::ThumbnailBox), Qt::LeftButton);
        QTRY_COMPARE(m_window->State().ThumbState.load(), uint8_t(0));
        m_window->WaitForThreads();
        QCOMPARE(Grid()->rowCount(), 8);
        QVERIFY(m_window->Control(ctl::FindLink)->isEnabled());
        const int requests = int(server.requests().size());
        QTest::mouseClick(m_window->Control(ctl::ThumbnailBox), Qt::LeftButton);
        QTRY_COMPARE(m_window->State().ThumbState.load(), uint8_t(0));
        m_window->WaitForThreads();
        QCOMPARE(int(server.requests().size()), requests + 1); // only the broken cover is tried again
    }

    void stopARunningRefill() {
        ScriptedServer server;
        const QByteArray png = Png(60, 60);
        server.on("*", ScriptedServer::Script{ScriptedServer::Sleep(300), ScriptedServer::Send(ScriptedServer::Response(200, png))});
        qputenv("no_proxy", "127.0.0.1");
        QStringList names;
        for (int i = 0; i < 12; ++i)
            names << QStringLiteral("n%1").arg(i);
        AddAlbums(names, server.url("/slow/"));
        auto* box = static_cast<QCheckBox*>(m_window->Control(ctl::ThumbnailBox));
        QTest::mouseClick(box, Qt::LeftButton);
        QTRY_VERIFY(m_window->ThumbImages().size() >= 1);
        m_answer = MessageAnswer::Yes;
        QTest::mouseClick(box, Qt::LeftButton); // asks, and stops
        QCOMPARE(m_messages, QStringList({"模式转换未完成,是否中断?"}));
        QVERIFY(box->isChecked()); // given back its state
        QTRY_COMPARE_WITH_TIMEOUT(m_window->State().ThumbState.load(), uint8_t(0), 30000);
        m_window->WaitForThreads();
        QVERIFY(m_window->ThumbImages().size() < 12);
    }
};

QTEST_MAIN(WindowToolsTest)
#include "WindowToolsTest.moc"
