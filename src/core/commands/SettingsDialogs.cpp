#include "SettingsDialogs.h"

namespace {
uint16_t Sixteen(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    return uint16_t(ok ? value : 0);
}
} // namespace

bool ApplyDownSetInput(ST_DOWNSET& slot, const DownSetInput& input) {
    const ST_DOWNSET read{Sixteen(input.minKB), Sixteen(input.maxKB), Sixteen(input.threads), Sixteen(input.timeout)};
    if (read.wThreads < 1 || read.wThreads > 15 || read.wTimeoutSec < 10)
        return false;
    slot = read;
    return true;
}

DownSetInput DownSetToInput(const ST_DOWNSET& slot) {
    return {QString::number(slot.wThreads), QString::number(slot.wTimeoutSec), QString::number(slot.wMinSizeKB),
            QString::number(slot.wMaxSizeKB)};
}

void ApplySaveSetInput(ST_SAVESET& slot, const SaveSetInput& input) {
    SetFieldText(slot.szFilePrefix, input.prefix);
    SetFieldText(slot.szFileSuffix, input.suffix);
    SetFieldText(slot.szReplaceList, input.replace);
    SetFieldText(slot.szReplacementList, input.replacement);
    SetFieldText(slot.szFolderPrefix, input.folderPrefix);
    SetFieldText(slot.szFolderSuffix, input.folderSuffix);
    slot.byFileNameSource = uint8_t(std::clamp(input.fileNameSource, 0, 2));
    slot.byFolderSource = uint8_t(std::clamp(input.folderSource, 0, 1));
}

SaveSetInput SaveSetToInput(const ST_SAVESET& slot) {
    return {FieldText(slot.szFilePrefix),   FieldText(slot.szFileSuffix),   FieldText(slot.szReplaceList),
            FieldText(slot.szReplacementList), FieldText(slot.szFolderPrefix), FieldText(slot.szFolderSuffix),
            slot.byFileNameSource,            slot.byFolderSource};
}

QString NamingHelpText() {
    return QStringLiteral("前后缀就是在图片原来的文件名前后加上设置的字符，例如图片原名为 主图_1.jpg，"
                          "前缀为空、后缀为 _com 时，保存的文件名为 主图_1_com.jpg\n\n") +
           QStringLiteral("同样的例子，前缀再设为 www_ 时，保存的文件名为 www_主图_1_com.jpg\n\n") +
           QStringLiteral("相册名那里前后缀一样\n同时，支持转义字符，当前后缀中含有转义字符时，程序会将转义字符转换为转义字符所表示的字符串\n") +
           QStringLiteral("转义字符如下（问号为英文的问号，相册名的转义字符只支持?1,?3,?9）：\n") +
           QStringLiteral("?1:相册名称\n?2:图片在相册中的序号\n?3:相册在列表中的序号(格式为：1,2,3...)\n?4:未定义\n?5:未定义\n"
                          "?6:选中的相册数\n?7:总共的相册数(选中的+未选中的)\n?9:相册在列表中的序号(格式为：0001,0002,0003...)");
}
