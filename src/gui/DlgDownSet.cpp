#include "DlgDownSet.h"

#include "DialogUnits.h"
#include "LinkLabel.h"
#include "commands/SettingsDialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLineEdit* LabelledEdit(QWidget* parent, const DialogUnits& du, const QString& label, int id, int x, int y,
                        int labelWidth, int editWidth) {
    auto* text = new QLabel(label, parent);
    text->setGeometry(du.rect(x, y + 2, labelWidth, 10));
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setGeometry(du.rect(x + labelWidth, y, editWidth, 14));
    return edit;
}

QPushButton* OkButton(QDialog* dialog, const DialogUnits& du, int x, int y) {
    auto* ok = new QPushButton(QStringLiteral("确 定"), dialog);
    ok->setObjectName(QStringLiteral("1023"));
    ok->setDefault(true);
    ok->setGeometry(du.rect(x, y, 50, 14));
    return ok;
}

} // namespace

CDlgDownSet::CDlgDownSet(const ST_DOWNSET& slot, QWidget* parent) : QDialog(parent), m_slot(slot) {
    setWindowTitle(QStringLiteral("设置"));
    setFont(DialogFont(8));
    const DialogUnits du = DialogUnits::FromFont(font());
    setFixedSize(du.x(196), du.y(137));
    auto* frame = new QGroupBox(QStringLiteral("下载参数设置"), this);
    frame->setGeometry(du.rect(7, 7, 182, 100));
    const struct {
        int id;
        const char16_t* label;
    } rows[] = {{1002, u"线程数(1~15)："}, {1003, u"超时(S, >=10)："}, {1000, u"图片最小值(K)："}, {1001, u"图片最大值(K)："}};
    const DownSetInput values = DownSetToInput(slot);
    const QString texts[] = {values.threads, values.timeout, values.minKB, values.maxKB};
    for (int i = 0; i < 4; ++i) {
        m_edits[i] = LabelledEdit(this, du, QString::fromUtf16(rows[i].label), rows[i].id, 20, 22 + 20 * i, 70, 80);
        m_edits[i]->setText(texts[i]);
    }
    connect(OkButton(this, du, 73, 115), &QPushButton::clicked, this, &CDlgDownSet::PressOk);
    ShowMessage = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
}

QLineEdit* CDlgDownSet::Edit(int id) const {
    for (QLineEdit* edit : m_edits) {
        if (edit->objectName() == QString::number(id))
            return edit;
    }
    return nullptr;
}

void CDlgDownSet::PressOk() {
    const DownSetInput input{m_edits[0]->text(), m_edits[1]->text(), m_edits[2]->text(), m_edits[3]->text()};
    if (!ApplyDownSetInput(m_slot, input)) {
        ShowMessage(QStringLiteral("参数错误"));
        return; // stays open, the slot unchanged
    }
    accept();
}

CDlgSaveSet::CDlgSaveSet(const ST_SAVESET& slot, QWidget* parent) : QDialog(parent), m_slot(slot) {
    setWindowTitle(QStringLiteral("设置"));
    setFont(DialogFont(8));
    const DialogUnits du = DialogUnits::FromFont(font());
    setFixedSize(du.x(265), du.y(154));
    const SaveSetInput values = SaveSetToInput(slot);

    auto* names = new QGroupBox(QStringLiteral("文件名"), this);
    names->setGeometry(du.rect(7, 4, 251, 62));
    m_edits[1000] = LabelledEdit(this, du, QStringLiteral("前缀"), 1000, 14, 16, 20, 60);
    m_fileSource = new QButtonGroup(this);
    const char16_t* fileSources[] = {u"描述", u"序号", u"网址"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf16(fileSources[i]), this);
        radio->setObjectName(QString::number(1016 + i));
        radio->setGeometry(du.rect(98 + 30 * i, 17, 30, 10));
        m_fileSource->addButton(radio, i);
    }
    m_edits[1001] = LabelledEdit(this, du, QStringLiteral("后缀"), 1001, 190, 16, 18, 44);
    m_edits[1021] = new QLineEdit(this);
    m_edits[1021]->setObjectName(QStringLiteral("1021"));
    m_edits[1021]->setGeometry(du.rect(34, 40, 90, 14));
    auto* replaceWith = new QLabel(QStringLiteral("替换为"), this);
    replaceWith->setGeometry(du.rect(128, 42, 28, 10));
    m_edits[1022] = new QLineEdit(this);
    m_edits[1022]->setObjectName(QStringLiteral("1022"));
    m_edits[1022]->setGeometry(du.rect(158, 40, 90, 14));

    auto* folders = new QGroupBox(QStringLiteral("相册路径(相册名)"), this);
    folders->setGeometry(du.rect(7, 72, 251, 40));
    m_edits[1002] = LabelledEdit(this, du, QStringLiteral("前缀"), 1002, 14, 86, 20, 60);
    m_folderSource = new QButtonGroup(this);
    const char16_t* folderSources[] = {u"相册名", u"无"};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf16(folderSources[i]), this);
        radio->setObjectName(QString::number(1019 + i));
        radio->setGeometry(du.rect(98 + 36 * i, 87, 36, 10));
        m_folderSource->addButton(radio, i);
    }
    m_edits[1003] = LabelledEdit(this, du, QStringLiteral("后缀"), 1003, 170, 86, 20, 58);

    auto* help = new LinkLabel(QStringLiteral("<a>前后缀说明</a>"), this);
    help->setObjectName(QStringLiteral("1010"));
    help->setGeometry(du.rect(14, 124, 60, 10));
    connect(help, &LinkLabel::clicked, this,
            [this] { QMessageBox::information(this, windowTitle(), NamingHelpText()); });
    connect(OkButton(this, du, 107, 132), &QPushButton::clicked, this, &CDlgSaveSet::PressOk);

    m_edits[1000]->setText(values.prefix);
    m_edits[1001]->setText(values.suffix);
    m_edits[1021]->setText(values.replace);
    m_edits[1022]->setText(values.replacement);
    m_edits[1002]->setText(values.folderPrefix);
    m_edits[1003]->setText(values.folderSuffix);
    if (QAbstractButton* radio = m_fileSource->button(values.fileNameSource))
        radio->setChecked(true);
    if (QAbstractButton* radio = m_folderSource->button(std::clamp(values.folderSource, 0, 1)))
        radio->setChecked(true);
}

QLineEdit* CDlgSaveSet::Edit(int id) const {
    return m_edits.value(id);
}

void CDlgSaveSet::PressOk() {
    SaveSetInput input{m_edits[1000]->text(), m_edits[1001]->text(), m_edits[1021]->text(),
                       m_edits[1022]->text(), m_edits[1002]->text(), m_edits[1003]->text(),
                       std::max(0, m_fileSource->checkedId()), std::max(0, m_folderSource->checkedId())};
    ApplySaveSetInput(m_slot, input);
    accept();
}
