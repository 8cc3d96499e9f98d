#include "assign/fixed_function_lists.h"

namespace norvale {
namespace {

// clang-format off
constexpr FixedListEntry kMultimedia[] = {
    {2050, 0x83, L"Open Media Player", L"多媒体播放器", L"開啟媒體播放器", L"Mediaplayer öffnen"},
    {2051, 0xB5, L"Next Track", L"下一首", L"下一首", L"Nächster Titel"},
    {2052, 0xB6, L"Previous Track", L"上一首", L"上一首", L"Vorheriger Titel"},
    {2053, 0xB7, L"Stop", L"停止", L"停止", L"Stopp"},
    {2054, 0xCD, L"Play/Pause", L"播放/暂停", L"播放/暫停", L"Play/Pause"},
    {2055, 0xE2, L"Mute", L"静音", L"靜音", L"Stumm"},
    {2056, 0xE9, L"Volume Up", L"音量+", L"提高音量", L"Lautstärke +"},
    {2057, 0xEA, L"Volume Down", L"音量-", L"降低音量", L"Lautstärke -"},
};

// Ctrl+N, X, C, V, S, P, F, Y, Z, A.
constexpr FixedListEntry kShortcuts[] = {
    {2060, 0x11, L"New", L"新建", L"新建", L"Neu"},
    {2061, 0x1B, L"Cut", L"剪切", L"剪下", L"Ausschneiden"},
    {2062, 0x06, L"Copy", L"复制", L"複製", L"Kopieren"},
    {2063, 0x19, L"Paste", L"粘贴", L"貼上", L"Einfügen"},
    {2064, 0x16, L"Save", L"保存", L"儲存", L"Speichern"},
    {2065, 0x13, L"Print", L"打印", L"列印", L"Drucken"},
    {2066, 0x09, L"Find", L"查找", L"尋找", L"Suchen"},
    {2067, 0x1C, L"Redo", L"重复", L"重做", L"Wiederherstellen"},
    {2068, 0x1D, L"Undo", L"撤销", L"復原", L"Rückgängig machen"},
    {2069, 0x04, L"Select All", L"全选", L"選擇全部", L"Alles auswählen"},
};

constexpr FixedListEntry kWindowsCommands[] = {
    {2030, 0, L"My computer", L"我的电脑", L"我的電腦", L"Arbeitsplatz"},
    {2031, 1, L"Web Home", L"浏览器-主页", L"首頁", L"Web: Startseite"},
    {2032, 2, L"Search Computer", L"搜索", L"搜尋程式及檔案", L"Computer durchsuchen"},
    {2033, 3, L"Maximize", L"最大化", L"最大化", L"Maximieren"},
    {2034, 4, L"Minimize", L"最小化", L"最小化", L"Minimieren"},
    {2035, 5, L"Show desktop", L"显示桌面", L"顯示桌面", L"Desktop anzeigen"},
    {2036, 6, L"Run", L"运行", L"運行", L"Ausführen"},
};
// clang-format on

}  // namespace

std::span<const FixedListEntry> MultimediaList() { return kMultimedia; }
std::span<const FixedListEntry> ShortcutList() { return kShortcuts; }
std::span<const FixedListEntry> WindowsCommandList() { return kWindowsCommands; }

std::wstring_view FixedListText(const FixedListEntry& entry, UiLanguage language)
{
    switch (language) {
    case UiLanguage::SimplifiedChinese: return entry.chs;
    case UiLanguage::TraditionalChinese: return entry.cht;
    case UiLanguage::German: return entry.de;
    case UiLanguage::English:
    case UiLanguage::Unknown: break;
    }
    return entry.en;
}

}  // namespace norvale
