#include "text/ui_text_catalog.h"

#include <algorithm>

#include "text/maker_web_address.h"

namespace norvale {
namespace {

struct UiTextRow {
    int slot;
    bool everyCode;  // filled even when the language code is unknown
    std::wstring_view en, chs, cht, de;
};

constexpr UiTextRow Translated(int slot, std::wstring_view en, std::wstring_view chs,
                               std::wstring_view cht, std::wstring_view de)
{
    return {slot, false, en, chs, cht, de};
}

// Texts no window shows: they exist in English only and stand so in every language.
constexpr UiTextRow Untranslated(int slot, std::wstring_view text)
{
    return {slot, false, text, text, text, text};
}

// Like Untranslated, but both Chinese languages leave the slot empty.
constexpr UiTextRow NotInChinese(int slot, std::wstring_view text)
{
    return {slot, false, text, {}, {}, text};
}

// Profile and colour captions that do not depend on the language code at all.
constexpr UiTextRow EveryCode(int slot, std::wstring_view text)
{
    return {slot, true, text, text, text, text};
}

// clang-format off
constexpr UiTextRow kUiTexts[] = {
    Translated(0, L"Setting-EN", L"Setting-CHS", L"Setting-CHT", L"Setting-DE"),
    Translated(6, L"Norvale", L"Norvale", L"Norvale", L"Norvale"),
    Untranslated(7, L"OK"),
    Untranslated(8, L"Apply"),
    Translated(9, L"Reset", L"恢复", L"重置", L"Zurücksetzen"),
    Translated(10, L"Cancel", L"取消", L"取消", L"Abbrechen"),
    Translated(11, L"Apply", L"保存", L"套用", L"Anwenden"),
    Translated(12, L"Config", L"配置", L"遊戲設定檔", L"Spiel-Profile"),
    Translated(13, L"Top View", L"正面", L"正面圖", L"Top view"),
    Translated(14, L"Side View", L"侧面", L"側面圖", L"Side View"),
    Translated(15, L"Back", L"背面", L"背面", L"Back"),
    Translated(16, L"Button Assignment", L"按钮分配", L"按鍵指派", L"Tastenbelegung"),
    Translated(17, L"Macro Manager", L"宏管理器", L"宏管理器", L"Makro-Manager"),
    Translated(18, L"Axis Sensitivity", L"X/Y轴设置", L"xy 軸靈敏度", L"Achsen-Empfindlichkeit"),
    Translated(19, L"Lift off distance", L"静默高度", L"静默高度", L"静默高度"),
    Translated(20, L"DPI Setting", L"DPI 设置", L"DPI  設定", L"DPI-Einstellung"),
    Translated(21, L"Lighting", L"照明选项", L"照明", L"Lighting"),
    Translated(22, L"Polling Rate", L"USB输出报告率", L"採樣頻率", L"Polling-Rate"),
    Translated(23, L"Mouse Speed", L"鼠标速度", L"滑鼠速度", L"Mausgeschwindigkeit"),
    Translated(24, L"Double-Click Speed", L"双击速度", L"雙擊速度", L"Doppelklick-Geschwindigkeit"),
    Translated(25, L"Scroll Speed", L"鼠标滚轮速度", L"滾輪速度", L"Scroll-Geschwindigkeit"),
    Translated(26, L"Angle Snapping", L"角度捕捉", L"直線修正", L"Angle Snapping"),
    Translated(27, L"x-Axis", L"X轴", L"X軸", L"x-Achse"),
    Translated(28, L"y-Axis", L"Y轴", L"Y軸", L"y-Achse"),
    Translated(29, L"Button 1", L"按钮 1", L"按鍵 1", L"Taste 1"),
    Translated(30, L"Button 2", L"按钮 2", L"按鍵 2", L"Taste 2"),
    Translated(31, L"Button 3", L"按钮 3", L"按鍵 3", L"Taste 3"),
    Translated(32, L"Button 4", L"按钮 4", L"按鍵 4", L"Taste 4"),
    Translated(33, L"Button 5", L"按钮 5", L"按鍵 5", L"Taste 5"),
    Translated(34, L"Button 6", L"按钮 6", L"按鍵 6", L"Taste 6"),
    Translated(35, L"Button 7", L"按钮 7", L"按鍵 7", L"Taste 7"),
    Translated(36, L"Button 8", L"按钮 8", L"按鍵 8", L"Taste 8"),
    Translated(37, L"Button 9", L"按钮 9", L"按鍵 9", L"Taste 9"),
    Translated(38, L"Button 10", L"按钮 10", L"按鍵 10", L"Taste 10"),
    Translated(39, L"Button 11", L"按钮 11", L"按鍵 11", L"Taste 11"),
    Translated(40, L"Button 12", L"按钮 12", L"按鍵 12", L"Taste 12"),
    Translated(41, L"DPI +", L"DPI +", L"DPI +", L"DPI +"),
    Translated(42, L"DPI -", L"DPI -", L"DPI -", L"DPI -"),
    Translated(43, L"DPI Loop", L"DPI loop", L"DPI 循環檔", L"DPI Schleife"),
    Translated(44, L"Slow", L"慢", L"慢", L"Langsam"),
    Translated(45, L"Fast", L"快", L"快", L"Schnell"),
    Translated(46, L"Number of Rows", L"一次滚动行数", L"行數", L"Folgende Anzahl Zeilen"),
    Translated(47, L"Scroll One screenn", L"一次滚动一个屏幕", L"一次捲動一個螢幕", L"Eine Bildschirmseite"),
    EveryCode(252, L"PROFILE 1"),
    EveryCode(253, L"PROFILE 2"),
    EveryCode(254, L"PROFILE 3"),
    EveryCode(255, L"PROFILE 4"),
    EveryCode(256, L"PROFILE 5"),
    EveryCode(257, L"PROFILE 6"),
    EveryCode(258, L"LOAD"),
    EveryCode(259, L"SAVE"),
    EveryCode(260, L"RESET"),
    Untranslated(454, L"Key Setting"),
    Untranslated(455, L"Polling Setting"),
    NotInChinese(456, L"Sensitivity"),
    Untranslated(457, L"DPI Setting"),
    Untranslated(458, L"Default"),
    Untranslated(473, L"DPI Effect"),
    Untranslated(474, L"Mode"),
    Untranslated(475, L"Parameter"),
    Untranslated(476, L"Speed"),
    Untranslated(477, L"Brightness"),
    Untranslated(478, L"Effect"),
    EveryCode(488, L"DPI Stage Color "),
    EveryCode(489, L"DPI Stage Color "),
    Untranslated(490, L"Off"),
    Translated(491, L"Standard", L"亮度调节", L"標準模式", L"Standard"),
    Translated(492, L"Respiration", L"呼吸频率", L"呼吸模式", L"Respiration"),
    Translated(493, L"Neon", L"霓虹频率", L"霓虹模式", L"Neon"),
    Untranslated(494, L"Non-Disolay"),
    Untranslated(495, L"RGB Effect"),
    Untranslated(496, L"RGB Flash"),
    Untranslated(497, L"RGB Fixed On"),
    Translated(498, L"Click", L"左键", L"點擊", L"Klick"),
    Translated(499, L"Menu", L"右键", L"選項", L"Menü"),
    Translated(500, L"Scroll ", L"中键", L"滾輪", L"Scrollen"),
    Translated(501, L"Forward", L"前进方向键", L"前進", L"Vorwärts"),
    Translated(502, L"Back", L"后退方向键", L"後退", L"Zurück"),
    Untranslated(503, L"Triple-click"),
    Translated(504, L"DPI Setting +", L"DPI切换 +", L"DPI 設定 +", L"DPI-Einstellung +"),
    Untranslated(505, L"Report Rate Switch"),
    Untranslated(506, L"Shift"),
    Untranslated(507, L"RGB On/Off"),
    Translated(508, L"Additional Commands +", L"Windows +", L"基本操作功能 +", L"Zusätzliche-Funktionen +"),
    Translated(509, L"Multimedia Commands +", L"多媒体 +", L"多媒體指令 +", L"Multimedia-Funktionen +"),
    Translated(510, L"Basic Commands +", L"快捷键 +", L"文書處理功能 +", L"Grundlegende-Funktionen +"),
    Untranslated(511, L"Fire Key +"),
    Translated(512, L"Assign Keyboard Key", L"单键", L"指派鍵盤按鍵", L"Keyboard-Taste zuweisen +"),
    Untranslated(513, L"Combo Key"),
    Translated(514, L"Snipe", L"狙击键", L"狙擊鍵", L"Snipe Key"),
    Translated(515, L"Macro", L"宏", L"巨集鍵", L"Makro"),
    Translated(516, L"Deactivated", L"按键关闭", L"無作用", L"Deaktiviert"),
    Translated(517, L"Left Tilt Scroll", L"左摇摆滚轮", L"Left Tilt Scroll", L"Left Tilt Scroll"),
    Translated(518, L"Right Tilt Scroll", L"右摇摆滚轮", L"Right Tilt Scroll", L"Right Tilt Scroll"),
    Translated(519, L"Double-Click", L"双击", L"雙擊", L"Doppelklick"),
    NotInChinese(520, L"Macro Key"),
    NotInChinese(521, L"Additional Commands +"),
    NotInChinese(522, L"Basic Commands +"),
    Translated(523, L"At least one button must be set as the \"click\" function.", L"左键功能必须选择！", L"至少一鍵須設定為左鍵功能", L"Mindestens eine Taste muss mit der „Klick“-Funktion belegt sein."),
    Translated(524, kMakerWebAddress, kMakerWebAddress, kMakerWebAddress, kMakerWebAddress),
    Untranslated(525, L"Update 驱动更新"),
    NotInChinese(526, L"Language Select"),
    NotInChinese(527, L"Chinese simplified"),
    NotInChinese(528, L"Chinese traditional"),
    NotInChinese(529, L"English"),
    Untranslated(530, L"Switch report rate into 1000HZ"),
    Untranslated(531, L"Switch report rate into 500HZ"),
    Untranslated(532, L"Switch report rate into 250HZ"),
    Untranslated(533, L"Switch report rate into 125HZ"),
    Translated(534, L"Switch DPI into the first stage ", L"DPI切换到第一段 ", L"DPI切換到第一段 ", L"Switch DPI into the first stage "),
    Translated(535, L"Switch DPI into the second stage ", L"DPI切换到第二段 ", L"DPI切換到第二段 ", L"Switch DPI into the second stage "),
    Translated(536, L"Switch DPI into the third stage ", L"DPI切换到第三段 ", L"DPI切換到第三段 ", L"Switch DPI into the third stage "),
    Translated(537, L"Switch DPI into the fourth stage ", L"DPI切换到第四段 ", L"DPI切換到第四段 ", L"Switch DPI into the fourth stage "),
    Translated(538, L"Switch DPI into the fifth stage ", L"DPI切换到第五段 ", L"DPI切換到第五段 ", L"Switch DPI into the fifth stage "),
    Translated(539, L"Switch DPI into the sixth stage ", L"DPI切换到第六段 ", L"DPI切換到第六段 ", L"Switch DPI into the sixth stage "),
    Translated(540, L"Switch DPI into the seven stage ", L"DPI切换到第七段 ", L"DPI切換到第七段 ", L"Switch DPI into the seven stage "),
    Untranslated(541, L"Switch to key matrix 1"),
    Untranslated(542, L"Switch to key matrix 2"),
    Untranslated(543, L"Switch to key matrix 3"),
    Untranslated(544, L"Switch to key matrix 4"),
    Translated(545, L"Switch to macro key", L"切换到宏", L"切換到巨集", L"Switch to macro key"),
    Translated(546, L"Exit", L"退出", L"退出", L"Exit"),
    Translated(547, L"The system did not detect Corvane!", L"系统没有检测到Norvale鼠标！", L"系統沒有檢測到遊戲滑鼠Corvane！", L"The system did not detect Corvane!"),
    Translated(548, L"The system detect Corvane.", L"系统检测到Norvale鼠标。", L"系統檢測到遊戲滑鼠Corvane。", L"The system detect Corvane."),
    Untranslated(549, L"Mouse Speed"),
    Untranslated(550, L"Scroll Speed"),
    Untranslated(551, L"Double Click Speed"),
    Untranslated(552, L"Macro Setting"),
    Untranslated(553, L"Enhance Pointer Precision"),
    Untranslated(554, L"Scroll One Screen"),
    Untranslated(555, L"Select Macro"),
    Untranslated(556, L"Key Press Sequence"),
    Untranslated(557, L"Record Option"),
    Untranslated(558, L"Default"),
    Untranslated(559, L"Macro Name"),
    Untranslated(560, L"Start Recording"),
    Untranslated(561, L"Stop Recording"),
    Untranslated(563, L"Record Mouse Event"),
    Untranslated(564, L"Number of Loops"),
    Untranslated(567, L"Insert A Mouse Event"),
    Untranslated(568, L"New"),
    Untranslated(569, L"Delete"),
    Untranslated(570, L"Confirm"),
    Untranslated(572, L"Macro name is blank"),
    Untranslated(573, L"Macro name already exists"),
    Untranslated(574, L"Press Ctrl+Break key to stop recording"),
    Untranslated(575, L"It doesn’t start recording, unnecessary to press Stop key!"),
    Translated(577, L"Reset to factory default?", L"是否恢复到出厂默认值?", L"是否恢復到出廠預設值?", L"Auf Werkseinstellungen zurücksetzen?"),
    Translated(578, L"ATTENTION!!", L"注意!", L"警告!!", L"ACHTUNG!!"),
    Translated(587, L"OFF", L"关闭", L"", L""),
    Translated(588, L"ON", L"开启", L"", L""),
    Untranslated(589, L"A area"),
    Untranslated(590, L"B area"),
    Untranslated(591, L"B area"),
    Untranslated(592, L"A keep pace with B"),
    Untranslated(593, L"B follow A"),
    Untranslated(594, L"Out of step"),
    Untranslated(595, L"Lighting of A area"),
    Untranslated(596, L"Lighting of B area"),
    Translated(597, L"Finger tapping", L"指动模式", L"Finger tapping", L"Finger tapping"),
    Translated(598, L"L key", L"左键", L"L key", L"L key"),
    Translated(599, L"R key", L"右键", L"R key", L"R key"),
    Translated(600, L"M key", L"中键", L"M key", L"M key"),
    Untranslated(601, L"Delay Time"),
};
// clang-format on

constexpr bool AscendingAndUnique()
{
    return std::adjacent_find(std::begin(kUiTexts), std::end(kUiTexts),
                              [](const UiTextRow& a, const UiTextRow& b) {
                                  return a.slot >= b.slot;
                              }) == std::end(kUiTexts);
}

static_assert(std::size(kUiTexts) == 164);
static_assert(AscendingAndUnique(), "lookups rely on rows sorted by slot");
static_assert(kUiTexts[0].slot >= 0 && std::end(kUiTexts)[-1].slot < kUiTextSlotCount);

const UiTextRow* FindRow(int slot)
{
    const auto* row = std::lower_bound(std::begin(kUiTexts), std::end(kUiTexts), slot,
                                       [](const UiTextRow& r, int s) { return r.slot < s; });
    return row != std::end(kUiTexts) && row->slot == slot ? row : nullptr;
}

std::wstring_view Column(const UiTextRow& row, UiLanguage language)
{
    switch (language) {
    case UiLanguage::SimplifiedChinese: return row.chs;
    case UiLanguage::TraditionalChinese: return row.cht;
    case UiLanguage::English: return row.en;
    case UiLanguage::German: return row.de;
    case UiLanguage::Unknown: break;
    }
    return row.everyCode ? row.en : std::wstring_view{};
}

}  // namespace

bool IsUiTextSlot(int slot)
{
    return FindRow(slot) != nullptr;
}

std::wstring_view UiTextIn(UiLanguage language, int slot)
{
    const UiTextRow* row = FindRow(slot);
    return row ? Column(*row, language) : std::wstring_view{};
}

}  // namespace norvale
