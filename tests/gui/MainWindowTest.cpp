#include "CAboutDlg.h"
#include "CComboBox2.h"
#include "CSplashScreenEx.h"
#include "CVantrelDlg.h"
#include "TestWindow.h"
#include "MainMenu.h"
#include "LinkLabel.h"
#include "session/ControlIds.h"
#include "text/StoredTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CVantrelDlg> StartWindow(const QTemporaryDir& dir, const QString& clipboard = QString()) {
        return StartTestWindow(dir.path(), [](const QString&) { return MessageAnswer::Ok; }, clipboard);
    }

private slots:
    void controlsHoldTheirTexts() {
        QTemporaryDir dir;
        auto window = StartWindow(dir);
        struct Expected {
            int id;
            QString text;
        } expected[] = {
            {ctl::StatusLine, QStringLiteral("state1")},       {ctl::ProgressLine, QStringLiteral("state2")},
            {ctl::GetAlbumsButton, QStringLiteral("获取相册")}, {ctl::DownloadButton, QStringLiteral("下载")},
            {ctl::SetPathButton, QStringLiteral("设置")},      {ctl::OpenPathButton, QStringLiteral("打开")},
            {ctl::AlbumFrame, QStringLiteral("相册列表")},     {ctl::ExportLink, QStringLiteral("<a>导出</a>")},
            {ctl::FilterLink, QStringLiteral("<a>筛选</a>")},  {ctl::FindLink, QStringLiteral("<a>查找</a>")},
            {ctl::ThumbnailBox, QStringLiteral("预览图")},     {ctl::SelectAllBox, QStringLiteral("全选")},
            {ctl::GoodReviewLink, QStringLiteral("<a>好评</a>")},
            {ctl::UpdateLink, QStringLiteral("<a>程序有更新</a>")},
            {ctl::StartupNotice, Deciphered(stored::kStartupNoticeText)},
            {ctl::NoticeLine, Deciphered(stored::kNoticeLineText)},
        };
        for (const Expected& e : expected)
            QCOMPARE(window->ControlText(e.id), e.text);
        QVERIFY(!window->Control(ctl::DownloadButton)->isEnabled());
        QVERIFY(window->Control(ctl::GetAlbumsButton)->isEnabled());
        for (int id : {ctl::GoodReviewLink, ctl::GoodReviewLink2, ctl::DiscoveryOrderLink, ctl::UpdateLink,
                       ctl::SubSiteBox})
            QVERIFY2(window->Control(id)->isHidden(), qPrintable(QString::number(id)));
        QVERIFY(static_cast<QPushButton*>(window->Control(ctl::GetAlbumsButton))->isDefault());
        QVERIFY(window->isVisible());
        QCOMPARE(window->minimumSize(), window->maximumSize()); // not resizable
        QCOMPARE(window->State().Ready.load(), 1);
        QCOMPARE(window->State().SiteNumber.load(), 11);
        auto* sites = static_cast<QComboBox*>(window->Control(ctl::SiteSelector));
        QCOMPARE(sites->count(), 24);
        QCOMPARE(sites->currentIndex(), 11);
        // Without a sub-site box the address box reaches over its place.
        QCOMPARE(window->AddressBox()->geometry().x(), window->Control(ctl::SubSiteBox)->geometry().x());
    }

    void layoutFollowsDialogUnits() {
        QTemporaryDir dir;
        auto window = StartWindow(dir);
        const QRect grid = window->Control(ctl::AlbumGrid)->geometry();
        const QRect frame = window->Control(ctl::AlbumFrame)->geometry();
        QVERIFY(frame.contains(grid));
        const QRect get = window->Control(ctl::GetAlbumsButton)->geometry();
        const QRect download = window->Control(ctl::DownloadButton)->geometry();
        QCOMPARE(get.width(), download.width());
        QVERIFY(download.x() > get.right());
        QCOMPARE(get.y() + window->Control(ctl::AlbumFrame)->parentWidget()->y() > 0, true);
    }

    void menuHasEveryItem() {
        QTemporaryDir dir;
        auto window = StartWindow(dir);
        const QList<QAction*> tops = window->MenuBar()->actions();
        QStringList titles;
        for (QAction* top : tops)
            titles << top->text();
        QCOMPARE(titles, QStringList({"<登录>", "<设置>", "<导入/导出>", "<辅助功能>", QString(13, u' '), "<帮助>"}));
        QVERIFY(!tops[2]->isEnabled());
        QVERIFY(!tops[4]->isEnabled());
        QList<int> loginIds;
        for (QAction* a : CommandActions(tops[0]->menu()))
            loginIds << a->data().toInt();
        QCOMPARE(loginIds, QList<int>({32781, 32782, 32789, 32790, 32791, 32792, 32793, 32794, 32803, 32813, 32815, 32795}));
        QStringList settings;
        for (QAction* a : tops[1]->menu()->actions())
            settings << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(settings, QStringList({"下载参数设置", "文件名设置", "-", "只生成迅雷下载列表", "生成图片原始名文件", "-",
                                        "修正图片顺序", "修正图片格式", "不下载以前下载过的图片", "下载完成后打开保存路径", "-",
                                        "只下载宝贝(商品)主图", "只下载宝贝(商品)描述里的图片",
                                        "又拍相册下载大图（不勾选为下载原图，下载原图速度更慢）"}));

        // Opening the popup sets the check marks and enabling from the marketplace slot.
        QMenu* options = tops[1]->menu();
        emit options->aboutToShow();
        for (QAction* a : CommandActions(options)) {
            const int id = a->data().toInt();
            if (id == 32776)
                QVERIFY(!a->isEnabled());
            if (id == 32808 || id == 32814)
                QVERIFY(a->isEnabled());
            if (id == 32799 || id == 32812)
                QVERIFY(a->isChecked()); // first-run flags 0x0012
        }
        // Toggling saves at once.
        for (QAction* a : CommandActions(options))
            if (a->data().toInt() == 32800)
                a->trigger();
        QFile soft(dir.path() + "/soft.dat");
        QVERIFY(soft.open(QIODevice::ReadOnly));
        const QByteArray bytes = soft.readAll();
        QCOMPARE(bytes.size(), 19808);
        QCOMPARE(uint8_t(bytes[192 + 484 * 11 + 480]), uint8_t(0x13));
    }

    void clipboardAndSavePath() {
        QTemporaryDir dir;
        auto withAddress = StartWindow(dir, QStringLiteral("  http://shop1.taobao.com/  "));
        QCOMPARE(withAddress->AddressBox()->currentText(), QStringLiteral("http://shop1.taobao.com/"));
        // Test folders lie below /tmp/: a temporary place, so the save path is in the documents folder.
        QCOMPARE(withAddress->SavePathBox()->currentText(), dir.path() + QStringLiteral("/docs/Kestrava/"));
        QVERIFY(QFileInfo(dir.path() + QStringLiteral("/docs/Kestrava")).isDir());
        withAddress.reset();

        QTemporaryDir other;
        auto tooLong = StartWindow(other, QString(200, u'x'));
        QCOMPARE(tooLong->AddressBox()->currentText(), QString());
    }

    void historyBoxFiltersTypedText() {
        QTemporaryDir dir;
        auto window = StartWindow(dir);
        CComboBox2* box = window->AddressBox();
        box->AddEntry(QStringLiteral("http://ABCshop.taobao.com/"));
        box->AddEntry(QStringLiteral("x.htmwmz?!oxffabc"));
        box->AddEntry(QStringLiteral("http://other.com/"));
        box->setFocus();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("ABC"));
        QCOMPARE(box->currentText(), QStringLiteral("ABC"));
        QCOMPARE(box->FilteredEntries(), QStringList({"http://abcshop.taobao.com/", "x.htm"}));
        QTest::keyClicks(box->lineEdit(), QStringLiteral("zz"));
        QVERIFY(!box->FilterListShown());
        box->showPopup();
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->itemText(0), QStringLiteral("http://ABCshop.taobao.com/"));
        QCOMPARE(box->currentText(), QStringLiteral("ABCzz"));
        box->hidePopup();
        QCoreApplication::processEvents();
        QCOMPARE(box->count(), 0);
        QCOMPARE(box->currentText(), QStringLiteral("ABCzz"));
    }

    void aboutBoxAndSplash() {
        CAboutDlg about;
        QCOMPARE(about.VersionLine()->text(), QStringLiteral("版本号：15.07.28.01"));
        QCOMPARE(about.SecondLine()->text(), Deciphered(stored::kAboutSecondLine));

        QImage image(10, 4, QImage::Format_RGB32);
        image.fill(QColor(10, 20, 30));
        for (int x = 0; x < 10; ++x)
            image.setPixel(x, 0, CSplashScreenEx::kTransparentColour);
        image.setPixel(0, 1, CSplashScreenEx::kTransparentColour);
        const QRegion shape = CSplashScreenEx::ShapeRegion(image);
        QVERIFY(!shape.contains(QPoint(5, 0)));
        QVERIFY(!shape.contains(QPoint(0, 1)));
        QVERIFY(shape.contains(QPoint(1, 1)));
        QVERIFY(shape.contains(QPoint(9, 3)));

        QWidget owner;
        auto* splash = new CSplashScreenEx(&owner, QStringLiteral("启动中"));
        QVERIFY(splash->SetBitmap(QStringLiteral(":/vantrel/splash.png")));
        QCOMPARE(splash->size(), QSize(330, 200));
        QVERIFY(!splash->SetBitmap(QStringLiteral(":/vantrel/none.png")));
        QPointer<CSplashScreenEx> watch(splash);
        splash->Show();
        QVERIFY(splash->isVisible());
        splash->Hide();
        QTRY_VERIFY(watch.isNull()); // destroyed after hiding
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
