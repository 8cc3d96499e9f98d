#include "macro/macro_window_texts.h"

namespace norvale {

MacroWindowTexts MacroWindowTextsFor(std::wstring_view languageCode)
{
    if (languageCode == L"EN") {
        return {L"OK", L"Cancel", L"Start Recording", L"Stop Recording", L"Insert Left Button",
                L"Insert Middle Button", L"Inset Right Button", L"Inset Delay", L"ATTENTION!",
                L"Up to 12 Macros Possible.", L"Macro Manager", L"Select Macro", L"Keystroke Sequence", L"Options",
                L"Record delay between keystrokes", L"Number of Loops", L"New", L"Delete", L"Macro",
                L"This name cannot be used: it is empty, already in the list, or holds [ ] = or blanks at its ends."};
    }
    if (languageCode == L"CHS") {
        return {L"确定", L"取消", L"开始录制", L"停止录制", L"插入鼠标左键", L"插入鼠标中键", L"插入鼠标右键",
                L"插入延时", L"警告", L"最多可以新建12个宏。", L"宏管理器", L"选择宏", L"按鍵序列", L"录制选项",
                L"记录按键动作间的延迟", L"循环次数", L"新建", L"刪除", L"宏",
                L"无法使用此名称：名称为空、已存在，或含有 [ ] = 或首尾空格。"};
    }
    if (languageCode == L"CHT") {
        return {L"確定", L"取消", L"開始記錄", L"停止紀錄", L"插入左鍵", L"插入中鍵", L"插入右鍵", L"插入延遲",
                L"注意！", L"支援最多12 組巨集", L"巨集編輯器", L"選擇巨集", L"按鍵輸入順序", L"選項",
                L"按鍵指令間插入記錄延遲", L"迴圈數", L"新建", L"刪除", L"巨集",
                L"無法使用此名稱：名稱為空、已存在，或含有 [ ] = 或首尾空格。"};
    }
    if (languageCode == L"DE") {
        return {L"OK", L"Abbrechen", L"Aufzeichnung starten", L"Aufzeichnung beenden", L"Linke Maustaste einfügen",
                L"Mittlere Maustaste einfügen", L"Rechte Maustaste einfügen", L"Verzögerung einfügen", L"ACHTUNG!",
                L"Maximal 12 Makros möglich.", L"Makro-Manager", L"Auswahl Makro", L"Tastensequenz", L"Optionen",
                L"Verzögerungen zwischen Tastenbefehlen aufzeichnen", L"Wiederholungen", L"Neu", L"Löschen", L"Makro",
                L"Dieser Name ist nicht möglich: Er ist leer, schon vergeben oder enthält [ ] = oder Leerzeichen am "
                L"Anfang oder Ende."};
    }
    return {};
}

}  // namespace norvale
