#include "MainMenu.h"

#include "session/ControlIds.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Item {
    int id; // 0: a separator
    const char16_t* text;
};

void AddItems(QMenu* popup, std::initializer_list<Item> items) {
    for (const Item& item : items) {
        if (item.id == 0) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(QString::fromUtf16(item.text));
        action->setData(item.id);
    }
}

} // namespace

void BuildMainMenu(QMenuBar* bar) {
    using namespace cmd;
    AddItems(bar->addMenu(QStringLiteral("<登录>")),
             {{LoginQq, u"QQ空间/QQ群"},
              {LoginTencentWeibo, u"腾讯微博（登录时勾上下次自动登录）"},
              {LoginBaidu, u"百度"},
              {LoginNetEase, u"网易"},
              {LoginRenren, u"人人"},
              {LoginYupoo, u"又拍（下载器没弹窗提示你登录，就不要在这里登录）"},
              {LoginMoko, u"美空"},
              {LoginSinaWeibo, u"新浪微博（登录时勾上下次自动登录）"},
              {LoginTaobao, u"淘宝（强烈建议用小号登录）"},
              {Login56, u"56"},
              {LoginHupu, u"虎扑"},
              {LoginCustom, u"自定义登录"}});
    AddItems(bar->addMenu(QStringLiteral("<设置>")),
             {{DownloadSettings, u"下载参数设置"},
              {FileNameSettings, u"文件名设置"},
              {0, nullptr},
              {ThunderListOnly, u"只生成迅雷下载列表"},
              {NameFile, u"生成图片原始名文件"},
              {0, nullptr},
              {FixOrder, u"修正图片顺序"},
              {FixFormat, u"修正图片格式"},
              {SkipDownloaded, u"不下载以前下载过的图片"},
              {OpenFolderAfter, u"下载完成后打开保存路径"},
              {0, nullptr},
              {MainPicturesOnly, u"只下载宝贝(商品)主图"},
              {DescriptionPicturesOnly, u"只下载宝贝(商品)描述里的图片"},
              {LargePictures, u"又拍相册下载大图（不勾选为下载原图，下载原图速度更慢）"}});
    QMenu* transfer = bar->addMenu(QStringLiteral("<导入/导出>"));
    AddItems(transfer, {{ImportDownloadFile, u"导入下载文件并开始下载"},
                        {0, nullptr},
                        {ExportDownloadFile, u"导出下载文件"},
                        {ExportThunderList, u"导出迅雷下载列表"}});
    transfer->menuAction()->setEnabled(false);
    AddItems(bar->addMenu(QStringLiteral("<辅助功能>")), {{FileProcessing, u"文件处理"}});
    QAction* spacer = bar->addAction(QString(13, u' '));
    spacer->setEnabled(false); // pushes the help popup to the right
    AddItems(bar->addMenu(QStringLiteral("<帮助>")), {{Instructions, u"使用说明"},
                                                       {Consultation, u"软件咨询"},
                                                       {Feedback, u"问题反馈"},
                                                       {0, nullptr},
                                                       {VersionInfo, u"版本信息"}});
}

QList<QAction*> CommandActions(QMenu* popup) {
    QList<QAction*> actions;
    for (QAction* action : popup->actions()) {
        if (action->data().isValid())
            actions.append(action);
    }
    return actions;
}
