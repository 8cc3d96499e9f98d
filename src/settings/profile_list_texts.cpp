#include "settings/profile_list_texts.h"

namespace norvale {

ProfileListTexts ProfileListTextsFor(UiLanguage language)
{
    switch (language) {
    case UiLanguage::SimplifiedChinese:
        return {L"配置", L"Profile", L"新建", L"删除", L"编辑",
                L"复制", L"加载", L"保存", L"警告",
                L"最多可以存储6个配置。"};
    case UiLanguage::TraditionalChinese:
        return {L"配置", L"設定檔", L"新建", L"刪除",
                L"編輯", L"複製", L"載入", L"儲存", L"注意!",
                L"支援最多六組設定檔。"};
    case UiLanguage::English:
        return {L"Configuration", L"Profile", L"New", L"Delete", L"Edit", L"Copy", L"Load",
                L"Save", L"ATTENTION!", L"Up to 6 Profiles Possible."};
    case UiLanguage::German:
        return {L"Game Profil", L"Profil", L"Neu", L"Löschen", L"Bearbeiten", L"Kopieren",
                L"Laden", L"Speichern", L"ACHTUNG!", L"Maximal 6 Profile möglich."};
    case UiLanguage::Unknown:
        break;
    }
    return {};
}

}  // namespace norvale
