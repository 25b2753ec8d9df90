// The controls of dialog 102, at their dialog-unit rectangles.
#include "CComboBox2.h"
#include "CMyGridCtrl.h"
#include "CVantrelDlg.h"
#include "DialogUnits.h"
#include "LinkLabel.h"
#include "session/ControlIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace {

enum class Kind { Static, DropList, HistoryBox, DefaultButton, Button, GroupBox, Link, CheckBox, Grid };

struct ControlSpec {
    int id; // -1: a label without id
    Kind kind;
    const char16_t* text;
    int x, y, width, height;
};

// In template order. The first ones lie on top, as the dialog manager stacks them: the notice 1013
// covers the two status lines until a list fetch hides it.
constexpr ControlSpec kControls[] = {
    {ctl::StartupNotice, Kind::Static, u"", 7, 1, 381, 16},
    {ctl::StatusLine, Kind::Static, u"state1", 12, 1, 99, 11},
    {ctl::ProgressLine, Kind::Static, u"state2", 119, 1, 269, 11},
    {ctl::SiteSelector, Kind::DropList, u"", 7, 20, 70, 400},
    {ctl::SubSiteBox, Kind::DropList, u"", 79, 20, 53, 200},
    {ctl::AddressBox, Kind::HistoryBox, u"", 134, 20, 252, 162},
    {ctl::GetAlbumsButton, Kind::DefaultButton, u"获取相册", 389, 19, 36, 13},
    {ctl::DownloadButton, Kind::Button, u"下载", 430, 19, 36, 13},
    {-1, Kind::Static, u"保存路径:", 7, 40, 31, 10},
    {ctl::SavePathBox, Kind::HistoryBox, u"", 40, 38, 346, 151},
    {ctl::SetPathButton, Kind::Button, u"设置", 389, 38, 36, 13},
    {ctl::OpenPathButton, Kind::Button, u"打开", 430, 38, 36, 13},
    {ctl::AlbumFrame, Kind::GroupBox, u"相册列表", 3, 52, 465, 246},
    {ctl::ExportLink, Kind::Link, u"<a>导出</a>", 316, 53, 21, 8},
    {ctl::FilterLink, Kind::Link, u"<a>筛选</a>", 346, 53, 21, 8},
    {ctl::FindLink, Kind::Link, u"<a>查找</a>", 376, 53, 21, 8},
    {ctl::ThumbnailBox, Kind::CheckBox, u"预览图", 402, 53, 32, 10},
    {ctl::SelectAllBox, Kind::CheckBox, u"全选", 441, 53, 23, 10},
    {ctl::GoodReviewLink, Kind::Link, u"<a>好评</a>", 223, 53, 21, 8},
    {ctl::GoodReviewLink2, Kind::Link, u"<a>好评</a>", 246, 53, 21, 8},
    {ctl::DiscoveryOrderLink, Kind::Link, u"<a>好评</a>", 269, 53, 21, 8},
    {ctl::AlbumGrid, Kind::Grid, u"", 6, 64, 459, 231},
    {ctl::NoticeLine, Kind::Static, u"", 4, 301, 265, 8},
    {ctl::UpdateLink, Kind::Link, u"<a>程序有更新</a>", 273, 300, 35, 9},
    {ctl::MakerLink, Kind::Link, u"<a>联系作者：vantrel.example</a>", 315, 300, 152, 9},
};

// Drop-down boxes take the height of their edit field; the rest of their rectangle is the list.
constexpr int kComboFieldHeight = 12;

} // namespace

void CVantrelDlg::CreateControls() {
    const DialogUnits du = DialogUnits::FromFont(font());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, du.x(471), menuHeight);
    client->setGeometry(0, menuHeight, du.x(471), du.y(323));
    setFixedSize(du.x(471), du.y(323) + menuHeight);

    QList<QWidget*> created;
    for (const ControlSpec& spec : kControls) {
        const QString text = QString::fromUtf16(spec.text);
        QRect rect = du.rect(spec.x, spec.y, spec.width, spec.height);
        QWidget* widget = nullptr;
        switch (spec.kind) {
        case Kind::Static: {
            auto* label = new QLabel(text, client);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            widget = label;
            break;
        }
        case Kind::DropList: {
            auto* box = new QComboBox(client);
            box->setMaxVisibleItems(24);
            rect.setHeight(du.y(kComboFieldHeight));
            widget = box;
            break;
        }
        case Kind::HistoryBox: {
            auto* box = new CComboBox2(client);
            rect.setHeight(du.y(kComboFieldHeight));
            (spec.id == ctl::AddressBox ? m_addressBox : m_savePathBox) = box;
            widget = box;
            break;
        }
        case Kind::DefaultButton:
        case Kind::Button: {
            auto* button = new QPushButton(text, client);
            button->setAutoDefault(false);
            button->setDefault(spec.kind == Kind::DefaultButton);
            widget = button;
            break;
        }
        case Kind::GroupBox:
            widget = new QGroupBox(text, client);
            break;
        case Kind::Link:
            widget = new LinkLabel(text, client);
            break;
        case Kind::CheckBox:
            widget = new QCheckBox(text, client);
            break;
        case Kind::Grid:
            m_grid = new CMyGridCtrl(client);
            widget = m_grid;
            break;
        }
        // Check boxes and links keep their place but may need more room for this font's text.
        if (spec.kind == Kind::CheckBox || spec.kind == Kind::Link)
            rect.setWidth(std::max(rect.width(), widget->sizeHint().width()));
        widget->setGeometry(rect);
        if (spec.id >= 0) {
            widget->setObjectName(QString::number(spec.id));
            m_controls.insert(spec.id, widget);
        }
        created.append(widget);
    }
    // The first control of the template lies on top.
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        (*it)->raise();
    m_controls[ctl::StartupNotice]->setAutoFillBackground(true);

    m_controls[ctl::DownloadButton]->setEnabled(false);
    for (int id : {ctl::GoodReviewLink, ctl::GoodReviewLink2, ctl::DiscoveryOrderLink, ctl::UpdateLink})
        m_controls[id]->hide();
    ShowControl(ctl::SubSiteBox, false);
}
