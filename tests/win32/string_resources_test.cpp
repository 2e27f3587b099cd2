// The three resource sets as the platform hands them out: strings, menu,
// accelerators and the set-language marker. The English run (code page 1252)
// must see the English set, the Japanese run (code page 932) the Japanese set,
// the Chinese run (code page 936) the neutral set's texts.
// Expected texts are written here in UTF-8 and converted the way the program
// sees them: to the ANSI code page for the ...A calls, to UTF-16 for the raw
// resource.

#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/dialog_resources.h"
#include "tests/win32/win32_test_support.h"

namespace
{
struct CExpectedString
{
    UINT nId;
    const char* pszJapanese; // nullptr: the set has no such string
    const char* pszNeutral;  // nullptr: the Japanese text shows through
    const char* pszEnglish;
};

const CExpectedString s_strings[] = {
    {105, "ﾜﾝﾎﾟｲﾝﾄを表示", "显示", "Show a tip about using Velloric"},
    {108, "Did you know...", "你知道么..", "Did you know..."},
    {109, "規定のﾃﾞｨﾚｸﾄﾘにﾜﾝﾎﾟｲﾝﾄ ﾌｧｲﾙがありません", "不能找到提示文件",
        "The tips file (tips.txt) is not in the program's folder."},
    {110, "ﾜﾝﾎﾟｲﾝﾄ ﾌｧｲﾙの読み込み中にｴﾗｰが発生しました", "读文件错误", "The tips file could not be read."},
    {128, "Velloric\n\nVellor\nIni Files (*.ini)\n.ini\nVelloric.Document\nVellor Document",
        "Velloric\n\nVellor\nIni Files (*.ini)\n.ini\nVelloric.Document\nVellor Document",
        "Velloric\n\nVellor\nIni Files (*.ini)\n.ini\nVelloric.Document\nVellor Document"},
    {1000, "レジストリを開けません", "不能打开注册表",
        "Cannot open the registry.\nChanging the key table needs administrator rights."},
    {1002, "レジストリに書き込めません", "不能写注册表",
        "Cannot write to the registry.\nThe key table has not been changed."},
    {1003, "レジストリが変更されました。リブートしますか？", "提示：系统注册表已经修改，现在重新启动吗？",
        "The new key table will be written to the registry. It takes effect when Windows restarts.\n\nRestart Windows now?"},
    {1004, "Current Setting", "目前设置", "Current Setting"},
    {1005, "全てのキーリマップはクリアされました", "所有换键设置已经清除",
        "All key remappings have been cleared.\nThe change takes effect when Windows restarts."},
    {1011, "\n\nレジストリに書き込んでもよろしいですか？", "\n\nOK 写注册表 ?",
        "\n\nWrite the key table to the registry anyway?"},
    {1013, "\n！！！危険！！！\n\nCtrl または Alt または Del キーが失われ、\nNT にログインできなくなる可能性があります。",
        "\n!!!危险 !!!\n\nCtrl or Alt or Del 键可能丢失,\n你可以会登陆不了系统.",
        "\nWARNING: Ctrl, Alt or Del will be lost.\nWithout them you may not be able to log on to Windows."},
    {1015, "\"%s\" キーが失われます\n", "你会丢失\"%s\" [0x%04X] \n",
        "No key will send \"%s\" [0x%04X] any more.\n"},
    {1016, "設定をチェックしましたが、大丈夫なようです", "内容看起来不错.", "The key table looks fine: no key is lost."},
    {1018, "クリアしてもよろしいですか？", "你要清掉么 ?", "Remove all key remappings?"},
    {1019, "編集結果を破棄し、元に戻してもよろしいですか？", "退出编辑和恢复到原来样子么 ?",
        "Discard your changes and go back to the key table in the registry?"},
    {1020, "編集を破棄してもよろしいですか？", "真的要退出吗？", "Discard your changes?"},
    {1021, "自動ログオンの設定ができません\nAdministratorの権限でログオンしているかどうか確認してください",
        "不能安装成开机自动运行\nPlease make sure you logged on as an administrator.",
        "Cannot set up automatic logon.\nMake sure you are logged on as an administrator."},
    {1022, "パスワードが一致しません", "密码不对哦", "The passwords do not match."},
    {32772, "全てのリマップを削除する\n全て削除", "删除所有换键\nRemove all", "Remove all key remappings\nRemove All"},
    {32774, "マニュアルの表示 (Webブラウザを起動します)\nﾏﾆｭｱﾙ表示", "显示使用手册\nShow manual",
        "Show the manual in your web browser\nManual"},
    {32775, "編集を行う前の設定に戻す\n編集前に戻す", "恢复\nRestore contents",
        "Undo all changes: go back to the key table in the registry\nUndo All Changes"},
    {32776, "編集を中止し、終了する\n編集の中断", "撤消离开\nCancel",
        "Quit without saving your changes\nQuit Without Saving"},
    {32779, "リストの危険性をチェックする\n健康診断", "检查完整性\nCheck integrity",
        "Check whether Ctrl, Alt, Del or any other key would be lost\nCheck Integrity"},
    {32780, "ｷｰ名のサイズをボタンに合わせて表示するか切り替え\nｷｰ名ｻｲｽﾞ可変", "Fit keyname to button size\nFit keyname",
        "Shrink long key names to fit their keys\nFit Key Names"},
    {32781, nullptr, "Fit keyname to button size\nFit keyname", nullptr},
    {32782, "フォントの設定を行う", "Font setup", "Choose the font of the key names"},
    {32783, "自動ログオンの設定を行います\n自動ﾛｸﾞｵﾝ設定", "Setup Autologon",
        "Set up automatic logon to Windows\nAutomatic Logon"},
    {32785, "キー名をシンプル表示", "正常显示", "Draw key names plainly"},
    {32786, "キー名をレイズ表示", "浮键显示按键", "Draw key names raised"},
    {32787, "キー名をシンク表示", "沉键显示按键", "Draw key names sunken"},
    {57664, "Velloricの情報を表示\nVelloricについて", "显示换键的大概信息\nAbout",
        "Show the version of Velloric\nAbout"},
    {57665, "編集結果を保存し、終了する（必要ならリブートする)\n保存・終了", "保存和重起(if needed)\nSave and Exit",
        "Save your changes to the registry and exit (restart Windows if you like)\nSave and Exit"},
    {57344, "Velloric", "Velloric", "Velloric"},
    {57345, "ﾚﾃﾞｨ", "就绪", "Ready"},
    {59137, "CAP", "CAP", "CAP"},
    {59138, "NUM", "NUM", "NUM"},
    {59139, "SCRL", "SCRL", "SCRL"},
    {61184, "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更", "修改窗口大小", "Change the window size"},
    {61185, "ｳｨﾝﾄﾞｳの位置を変更", "修改窗口位置", "Change the window position"},
    {61186, "ｳｨﾝﾄﾞｳをｱｲｺﾝ化する", "最小化", "Reduce the window to an icon"},
    {61187, "ｳｨﾝﾄﾞｳを最大表示にする", "最大化", "Enlarge the window to full size"},
    {61190, "編集を中止し、終了する", "撤消并退出", "Quit without saving your changes"},
    {61202, "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す", "恢复窗口大小", "Restore the window to normal size"},
    {61203, "ｱﾌﾟﾘｹｰｼｮﾝの切り替え", "切换", "Switch to another program"},
    {1024, "レジストリの Scancode Map (%1 バイト) を最後まで読み込めませんでした。\n読み込めた分だけを表示しています。リマップを編集しなければ、この値はそのまま残ります。\n編集してから保存して終了すると、この値は表示中の内容で置き換えられます。",
        "无法完整读取注册表中的 Scancode Map (%1 字节)。\n这里只显示读到的部分。不修改换键设置，这个值就保持不变；\n修改后保存并退出会用当前内容替换这个值。",
        "The Scancode Map value in the registry (%1 bytes) cannot be read in full.\nVelloric shows only what it could read. The value stays as it is unless you change the list; Save and Exit after a change replaces the value with the list on screen."},
    {1025, "man.html", "man-e.html", "man-e.html"},
    {1026, "レジストリ ファイル、テキスト ファイル (*.reg;*.txt)|*.reg;*.txt|全てのファイル (*.*)|*.*|",
        "注册表文件、文本文件 (*.reg;*.txt)|*.reg;*.txt|所有文件 (*.*)|*.*|",
        "Registry and text files (*.reg;*.txt)|*.reg;*.txt|All files (*.*)|*.*|"},
    {1027, "レジストリ ファイル (*.reg)|*.reg|", "注册表文件 (*.reg)|*.reg|", "Registry files (*.reg)|*.reg|"},
    {1028, "%1 をインポートできません:\n%2\n\n表示中のリマップは変更していません。", "不能导入 %1:\n%2\n\n当前的换键设置没有改变。",
        "%1 cannot be imported:\n%2\n\nThe key table on screen has not been changed."},
    {1029, "%1 に書き込めません:\n%2", "不能写入 %1:\n%2", "%1 cannot be written:\n%2"},
    {1030, "Velloric が読み込んだ後に、別のプログラムがレジストリの Scancode Map を変更しました。\n\nはい: 表示中の内容で置き換えます。\nいいえ: 編集結果を破棄し、レジストリの内容を表示します。\nキャンセル: 何も書き込まずに編集に戻ります。",
        "Velloric 读取之后，另一个程序修改了注册表中的 Scancode Map。\n\n是: 用当前内容替换它。\n否: 放弃修改，显示注册表中的内容。\n取消: 什么也不写，回到修改。",
        "Another program has changed the Scancode Map value in the registry since Velloric read it.\n\nYes: replace it with the list on screen.\nNo: discard your changes and show the registry's list.\nCancel: write nothing and go back to your changes."},
    {1040, "Velloric が実行中のため、リマップをクリアしていません。\n先に Velloric を終了してから、もう一度 velloric -c を実行してください。",
        "Velloric 正在运行，所以没有清除换键设置。\n请先关闭 Velloric，然后再运行 velloric -c。",
        "Velloric is already running, so the key table has not been cleared.\nClose Velloric first, then run velloric -c again."},
    {1041, "自動ログオンを設定しましたが、パスワードを保護された場所に保存できませんでした。\nパスワードはレジストリに保存され、サインインしているすべてのユーザーが読むことができます。",
        "已设置自动登录，但无法把密码保存到受保护的位置。\n密码保存在注册表中，所有登录的用户都能读取。",
        "Automatic logon is set up, but Windows did not take the password into its protected store.\nThe password is kept in the registry, where every signed-in user can read it."},
    {1056, "Print Screen\nScroll Lock\nPause\nF13\nF14\nF15\nF16\nF17\nF18\nF19\nF20\nF21\nF22\nF23\nF24\nISO キー (左 Shift の右)\nテンキー =\nろ (ブラジル /?)\nテンキー . (ブラジル)\nカタカナ/ひらがな\n変換\n無変換\n￥\n漢字 (韓国語)\nハングル/英数\n次のトラック\n前のトラック\n停止 (メディア)\n再生/一時停止\nミュート\n音量を下げる\n音量を上げる\nブラウザー: 戻る\nブラウザー: 進む\nブラウザー: 更新\nブラウザー: 中止\nブラウザー: 検索\nブラウザー: お気に入り\nブラウザー: ホーム\nメール\nメディア\nマイ コンピューター\n電卓\n電源\nスリープ\nウェイク",
        "Print Screen\nScroll Lock\nPause\nF13\nF14\nF15\nF16\nF17\nF18\nF19\nF20\nF21\nF22\nF23\nF24\nISO 键 (左 Shift 右侧)\n小键盘 =\nRo (巴西 /?)\n小键盘 . (巴西)\n假名\n变换\n无变换\n日元\n汉字 (韩语)\n韩文/英文\n下一曲\n上一曲\n停止播放\n播放/暂停\n静音\n音量减\n音量加\n浏览器后退\n浏览器前进\n浏览器刷新\n浏览器停止\n浏览器搜索\n浏览器收藏夹\n浏览器主页\n邮件\n媒体\n我的电脑\n计算器\n电源\n睡眠\n唤醒",
        "Print Screen\nScroll Lock\nPause\nF13\nF14\nF15\nF16\nF17\nF18\nF19\nF20\nF21\nF22\nF23\nF24\nISO key beside left Shift\nKeypad =\nRo (Brazilian /?)\nKeypad . (Brazilian)\nKana\nConvert\nNo-convert\nYen\nHanja\nHangul/English\nNext Track\nPrevious Track\nStop (media)\nPlay/Pause\nMute\nVolume Down\nVolume Up\nBrowser Back\nBrowser Forward\nBrowser Refresh\nBrowser Stop\nBrowser Search\nBrowser Favourites\nBrowser Home\nMail\nMedia\nMy Computer\nCalculator\nPower\nSleep\nWake"},
    {1057, "%1: 何も出さない",
        "%1: 不产生任何按键",
        "%1: produces nothing"},
    {1058, "(何も出さない)",
        "(无)",
        "(nothing)"},
    {1060, "キーを押してください。Esc を押すか 10 秒たつと待つのをやめます。",
        "请按下按键。按 Esc 或 10 秒内没有按键则停止等待。",
        "Press the key now. Esc or 10 seconds without a key end the wait."},
    {1061, "%2 を選びました。起動時からのリマップで、このキーは %1 を出しています。物理キーは %2 です。",
        "已选择 %2。启动以来生效的映射表把这个键变成 %1，所以物理键是 %2。",
        "Taken: %2. The table in force since Windows started turns this key into %1, so the physical key is %2."},
    {1062, "キーを選べませんでした。Windows に何も送らないキー (多くのノート PC の Fn) は選べず、リマップもできません。",
        "没有选到按键。不向 Windows 发送任何信号的键 (多数笔记本的 Fn) 无法选择，也无法映射。",
        "No key was taken. A key that sends nothing Windows can see (Fn on most laptops) cannot be picked or remapped."},
    {1063, "%1 を選びました。",
        "已选择 %1。",
        "Taken: %1."},
    {1064, "ここではキーを押して選べません (キーボード フックを設定できません)。一覧から選んでください。",
        "这里无法通过按键来选择 (键盘钩子被拒绝)。请从列表中选择。",
        "Keys cannot be picked by pressing them here: the keyboard hook was refused. Choose the key from the list."},
    {1065, "自分自身を出すキーにリマップは要りません。「削除」を使ってください。",
        "产生自身代码的键不需要映射：请使用“删除”。",
        "A key that produces its own code needs no mapping: choose Remove instead."},
    {32790, "ファイルからリマップの一覧を読み込む (レジストリへの書き込みは「保存して終了」で行います)\nインポート", "从文件读入换键设置 (保存并退出时才写入注册表)\n导入",
        "Read a key table from a .reg or text file (the registry changes only at Save and Exit)\nImport"},
    {32791, "表示中のリマップの一覧を .reg ファイルに書き出す\nエクスポート", "把当前的换键设置写到 .reg 文件\n导出",
        "Write the key table on screen to a .reg file\nExport"},
    {32800, "描かれていないキー (Print Screen、Pause、F13-F24、メディア キーなど) のリマップ\nその他のキー", "映射键盘图上没有的键 (Print Screen、Pause、F13-F24、媒体键等)\n其他按键",
        "Map keys beyond the drawn keyboard (Print Screen, Pause, F13-F24, media keys...)\nOther Keys"},
    {32801, "このキーから何も出さない", "让这个键不产生任何按键",
        "Make this key send nothing"},
    {32802, "このキーを元のキーに戻す", "让这个键恢复原来的代码",
        "Give this key its own code back"},
    {61700, "空のﾄﾞｷｭﾒﾝﾄを作成できません。", nullptr, "Velloric could not create its window and will close."},
};

using wintest::Ansi;
using wintest::LoadResourceString;
using wintest::Module;
using wintest::Utf8FromWide;
using wintest::WideFromUtf8;

std::wstring LoadWide(UINT nId)
{
    wchar_t sz[1024] = L"";
    int nLength = LoadStringW(Module(), nId, sz, sizeof sz / sizeof sz[0]);
    return std::wstring(sz, nLength);
}

enum ESet
{
    SET_JAPANESE,
    SET_NEUTRAL,
    SET_ENGLISH
};

const char* Expected(const CExpectedString& expected, ESet set)
{
    const char* psz = set == SET_JAPANESE ? expected.pszJapanese
                      : set == SET_NEUTRAL ? expected.pszNeutral
                                           : expected.pszEnglish;
    // A block the neutral set lacks comes from the English set for its users.
    if (psz == nullptr && set == SET_NEUTRAL)
        psz = expected.pszEnglish;
    return psz != nullptr ? psz : "";
}

void ExpectEveryStringAsAnsi(ESet set)
{
    for (const CExpectedString& expected : s_strings)
        EXPECT_EQ(Ansi(Expected(expected, set)), LoadResourceString(expected.nId)) << "string " << expected.nId;
}

void ExpectEveryStringAsUtf16(ESet set)
{
    for (const CExpectedString& expected : s_strings)
        EXPECT_EQ(Utf8FromWide(WideFromUtf8(Expected(expected, set))), Utf8FromWide(LoadWide(expected.nId)))
            << "string " << expected.nId;
}

std::vector<BYTE> ResourceBytes(HRSRC hResource)
{
    if (hResource == nullptr)
        return std::vector<BYTE>();
    HGLOBAL hData = LoadResource(Module(), hResource);
    const BYTE* pData = static_cast<const BYTE*>(LockResource(hData));
    DWORD dwSize = SizeofResource(Module(), hResource);
    if (pData == nullptr)
        return std::vector<BYTE>();
    return std::vector<BYTE>(pData, pData + dwSize);
}

std::vector<BYTE> SetLanguageMarker()
{
    return ResourceBytes(FindResourceA(Module(), MAKEINTRESOURCEA(ResourceSetLanguage),
        MAKEINTRESOURCEA(RT_RESOURCE_SET_LANGUAGE)));
}

std::vector<BYTE> SetLanguageMarker(WORD wLanguage)
{
    return ResourceBytes(FindResourceExA(Module(), MAKEINTRESOURCEA(RT_RESOURCE_SET_LANGUAGE),
        MAKEINTRESOURCEA(ResourceSetLanguage), wLanguage));
}

const std::vector<BYTE> s_japaneseMarker = {0x11, 0x04, 0x00, 0x00};
const std::vector<BYTE> s_neutralMarker = {0x00, 0x04, 0x00, 0x00};
const std::vector<BYTE> s_englishMarker = {0x09, 0x04, 0x00, 0x00};

// One line per menu item: depth, text and command (-1 for a submenu);
// a separator is "-".
struct CMenuLine
{
    int nDepth;
    const char* pszText;
    int nCommand;
};

const CMenuLine s_japaneseMenu[] = {
    {1, "ﾌｧｲﾙ(&F)", -1},
    {2, "何もしないでやめる(&Q)", ID_FILE_CANCEL_EXIT},
    {2, "-", 0},
    {2, "保存して終了(&X)", ID_APP_EXIT},
    {2, "-", 0},
    {2, "インポート(&I)...", ID_FILE_IMPORT},
    {2, "エクスポート(&E)...", ID_FILE_EXPORT},
    {1, "編集(&E)", -1},
    {2, "編集前に戻す(&U)...\tCtrl+Z", ID_EDIT_RESTORE},
    {2, "-", 0},
    {2, "全て削除(&A)...", ID_EDIT_REMOVE_ALL},
    {2, "リストの健康診断(&I)...", ID_EDIT_CHECK_INTEGRITY},
    {2, "-", 0},
    {2, "その他のキー(&O)...", ID_EDIT_OTHER_KEYS},
    {1, "ｵﾌﾟｼｮﾝ(&O)", -1},
    {2, "キー名表示(&K)", -1},
    {3, "シンプル(&S)", ID_KEYNAME_SIMPLE},
    {3, "レイズ(&R)", ID_KEYNAME_RAISED},
    {3, "シンク(&K)", ID_KEYNAME_SUNK},
    {3, "-", 0},
    {3, "ボタンの大きさに合わせる(&F)", ID_OPTION_FIT_KEYNAME},
    {2, "フォントの指定(&F)...", ID_OPTION_FONT},
    {2, "-", 0},
    {2, "自動ログオンの設定(&A)...", ID_OPTION_AUTOLOGON},
    {1, "ﾍﾙﾌﾟ(&H)", -1},
    {2, "マニュアル(html)の表示(&H)\tF1", ID_HELP_SHOW_MANUAL},
    {2, "-", 0},
    {2, "ワンポイント(&P)...", ID_HELP_ONE_POINT},
    {2, "-", 0},
    {2, "Velloricについて(&A)...", ID_APP_ABOUT},
};

const CMenuLine s_neutralMenu[] = {
    {1, "文件(&F)", -1},
    {2, "撤消", ID_FILE_CANCEL_EXIT},
    {2, "-", 0},
    {2, "退出(&x)", ID_APP_EXIT},
    {2, "-", 0},
    {2, "导入(&I)...", ID_FILE_IMPORT},
    {2, "导出(&E)...", ID_FILE_EXPORT},
    {1, "编辑&E", -1},
    {2, "撤消...\tCtrl+Z", ID_EDIT_RESTORE},
    {2, "-", 0},
    {2, "全删除 &A...", ID_EDIT_REMOVE_ALL},
    {2, "检查&I...", ID_EDIT_CHECK_INTEGRITY},
    {2, "-", 0},
    {2, "其他按键&O...", ID_EDIT_OTHER_KEYS},
    {1, "设置&O", -1},
    {2, "按键名字&K", -1},
    {3, "&正常", ID_KEYNAME_SIMPLE},
    {3, "&浮起", ID_KEYNAME_RAISED},
    {3, "&凹下", ID_KEYNAME_SUNK},
    {3, "-", 0},
    {3, "Fit &keyname", ID_OPTION_FIT_KEYNAME},
    {2, "字体设置&F...", ID_OPTION_FONT},
    {2, "-", 0},
    {2, "自动登陆设置 &A", ID_OPTION_AUTOLOGON},
    {1, "编辑&H", -1},
    {2, "Show &Manual\tF1", ID_HELP_SHOW_MANUAL},
    {2, "-", 0},
    {2, "&关于 Velloric...", ID_APP_ABOUT},
};

const CMenuLine s_englishMenu[] = {
    {1, "&File", -1},
    {2, "&Quit Without Saving", ID_FILE_CANCEL_EXIT},
    {2, "-", 0},
    {2, "Save and E&xit", ID_APP_EXIT},
    {2, "-", 0},
    {2, "&Import...", ID_FILE_IMPORT},
    {2, "&Export...", ID_FILE_EXPORT},
    {1, "&Edit", -1},
    {2, "&Undo All Changes...\tCtrl+Z", ID_EDIT_RESTORE},
    {2, "-", 0},
    {2, "Remove &All...", ID_EDIT_REMOVE_ALL},
    {2, "Check &Integrity...", ID_EDIT_CHECK_INTEGRITY},
    {2, "-", 0},
    {2, "&Other Keys...", ID_EDIT_OTHER_KEYS},
    {1, "&Options", -1},
    {2, "&Key Names", -1},
    {3, "&Simple", ID_KEYNAME_SIMPLE},
    {3, "&Raised", ID_KEYNAME_RAISED},
    {3, "S&unken", ID_KEYNAME_SUNK},
    {3, "-", 0},
    {3, "&Fit to Key Size", ID_OPTION_FIT_KEYNAME},
    {2, "&Font...", ID_OPTION_FONT},
    {2, "-", 0},
    {2, "&Automatic Logon...", ID_OPTION_AUTOLOGON},
    {1, "&Help", -1},
    {2, "Show &Manual\tF1", ID_HELP_SHOW_MANUAL},
    {2, "-", 0},
    {2, "&About Velloric...", ID_APP_ABOUT},
};

std::string MenuLineText(int nDepth, const std::string& strText, int nCommand)
{
    return std::to_string(nDepth) + " " + strText + " " + std::to_string(nCommand);
}

std::vector<std::string> ExpectedMenuLines(const CMenuLine* pFirst, const CMenuLine* pEnd, BOOL bAnsi)
{
    std::vector<std::string> result;
    for (const CMenuLine* pLine = pFirst; pLine != pEnd; ++pLine)
        result.push_back(MenuLineText(pLine->nDepth, bAnsi ? Ansi(pLine->pszText) : pLine->pszText, pLine->nCommand));
    return result;
}

// Walks the menu as the user would see it, the texts as UTF-8 (bAnsi FALSE)
// or as the ANSI bytes that GetMenuStringA gives.
void CollectMenuLines(HMENU hMenu, int nDepth, BOOL bAnsi, std::vector<std::string>& lines)
{
    int nCount = GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        UINT nState = GetMenuState(hMenu, i, MF_BYPOSITION);
        HMENU hSubMenu = GetSubMenu(hMenu, i);
        if (hSubMenu == nullptr && (nState & MF_SEPARATOR) != 0)
        {
            lines.push_back(MenuLineText(nDepth, "-", 0));
            continue;
        }
        std::string strText;
        if (bAnsi)
        {
            char sz[256] = "";
            int nLength = GetMenuStringA(hMenu, i, sz, sizeof sz, MF_BYPOSITION);
            strText.assign(sz, nLength);
        }
        else
        {
            wchar_t sz[256] = L"";
            int nLength = GetMenuStringW(hMenu, i, sz, sizeof sz / sizeof sz[0], MF_BYPOSITION);
            strText = Utf8FromWide(std::wstring(sz, nLength));
        }
        lines.push_back(MenuLineText(nDepth, strText, (int)GetMenuItemID(hMenu, i)));
        if (hSubMenu != nullptr)
            CollectMenuLines(hSubMenu, nDepth + 1, bAnsi, lines);
    }
}

std::vector<std::string> LoadedMenuLines(BOOL bAnsi)
{
    std::vector<std::string> lines;
    HMENU hMenu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (hMenu == nullptr)
        return lines;
    CollectMenuLines(hMenu, 1, bAnsi, lines);
    DestroyMenu(hMenu);
    return lines;
}

std::vector<std::string> LoadedAccelerators()
{
    std::vector<std::string> result;
    HACCEL hAccel = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (hAccel == nullptr)
        return result;
    ACCEL entries[16];
    int nCount = CopyAcceleratorTableA(hAccel, entries, 16);
    for (int i = 0; i < nCount; ++i)
        result.push_back(std::to_string(entries[i].fVirt) + " " + std::to_string(entries[i].key) + " "
                         + std::to_string(entries[i].cmd));
    return result;
}

std::vector<std::string> ExpectedAccelerators()
{
    auto line = [](int fVirt, int key, int cmd) {
        return std::to_string(fVirt) + " " + std::to_string(key) + " " + std::to_string(cmd);
    };
    return {line(FVIRTKEY | FNOINVERT, VK_ESCAPE, 32784), line(FVIRTKEY | FNOINVERT, VK_F1, 32774),
        line(FVIRTKEY | FCONTROL | FNOINVERT, 'Z', 32775)};
}

// The languages of a resource as a set, to ask whether one is among them.
std::set<WORD> LanguagesOf(LPCSTR pszType, UINT nId)
{
    std::vector<WORD> languages = ResourceLanguages(pszType, nId);
    return std::set<WORD>(languages.begin(), languages.end());
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR pszName, LONG_PTR lParam)
{
    if (IS_INTRESOURCE(pszName))
        reinterpret_cast<std::vector<WORD>*>(lParam)->push_back((WORD)(ULONG_PTR)pszName);
    return TRUE;
}

std::vector<WORD> NumericNamesOf(LPCSTR pszType)
{
    std::vector<WORD> names;
    EnumResourceNamesA(Module(), pszType, CollectName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

const WORD LANGID_JAPANESE = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
const WORD LANGID_NEUTRAL_SET = MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT);
const WORD LANGID_CHINESE = MAKELANGID(LANG_CHINESE, SUBLANG_NEUTRAL);
const WORD LANGID_ENGLISH = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
} // namespace

// ---- Each run sees its own set -----------------------------------------------

// One row per run; the row's name says which run takes it.
struct CSetRun
{
    const char* pszName;
    ESet set;
    UINT nCodePage;
    const std::vector<BYTE>* pMarker;
    const CMenuLine* pMenu;
    const CMenuLine* pMenuEnd;
};

class ResourceSetOfTheRun : public ::testing::TestWithParam<CSetRun>
{
};

TEST_P(ResourceSetOfTheRun, CodePage_IsTheSets)
{
    EXPECT_EQ(GetParam().nCodePage, GetACP());
}

TEST_P(ResourceSetOfTheRun, LoadStringA_GivesTheSetsTextInTheAnsiCodePage_ForEveryId)
{
    ExpectEveryStringAsAnsi(GetParam().set);
}

TEST_P(ResourceSetOfTheRun, LoadStringW_GivesTheSetsTextExactly_ForEveryId)
{
    ExpectEveryStringAsUtf16(GetParam().set);
}

TEST_P(ResourceSetOfTheRun, SetLanguageMarker_IsTheSets_ByDefaultAndForLanguageZero)
{
    EXPECT_EQ(*GetParam().pMarker, SetLanguageMarker());
    EXPECT_EQ(*GetParam().pMarker, SetLanguageMarker(MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)));
}

TEST_P(ResourceSetOfTheRun, Menu_CarriesTheSetsTextsAndCommands_AsUtf16AndAsAnsiBytes)
{
    EXPECT_EQ(ExpectedMenuLines(GetParam().pMenu, GetParam().pMenuEnd, FALSE), LoadedMenuLines(FALSE));
    EXPECT_EQ(ExpectedMenuLines(GetParam().pMenu, GetParam().pMenuEnd, TRUE), LoadedMenuLines(TRUE));
}

TEST_P(ResourceSetOfTheRun, Accelerators_AreTheJapaneseSets_EscF1AndCtrlZ)
{
    EXPECT_EQ(ExpectedAccelerators(), LoadedAccelerators());
}

INSTANTIATE_TEST_SUITE_P(
    EverySet, ResourceSetOfTheRun,
    ::testing::Values(
        CSetRun{"English", SET_ENGLISH, 1252, &s_englishMarker, std::begin(s_englishMenu), std::end(s_englishMenu)},
        CSetRun{"Neutral", SET_NEUTRAL, 936, &s_neutralMarker, std::begin(s_neutralMenu), std::end(s_neutralMenu)},
        CSetRun{"Japanese", SET_JAPANESE, 932, &s_japaneseMarker, std::begin(s_japaneseMenu),
                std::end(s_japaneseMenu)}),
    [](const ::testing::TestParamInfo<CSetRun>& info) { return std::string(info.param.pszName); });

// ---- What only one set has ----------------------------------------------------

TEST(StringsEnglish, EveryText_IsPlainAscii_SoNoCodePageTurnsItIntoQuestionMarks)
{
    for (const CExpectedString& expected : s_strings)
        for (const char* p = Expected(expected, SET_ENGLISH); *p != '\0'; ++p)
            EXPECT_TRUE(*p == '\n' || *p == '\t' || (*p >= 0x20 && *p < 0x7F))
                << "string " << expected.nId;
    for (const CMenuLine& line : s_englishMenu)
        for (const char* p = line.pszText; *p != '\0'; ++p)
            EXPECT_TRUE(*p == '\t' || (*p >= 0x20 && *p < 0x7F)) << line.pszText;
}

TEST(MenuEnglish, Items_CarryTheCommandsOfTheChineseMenu)
{
    std::vector<int> englishCommands, neutralCommands;
    for (const CMenuLine& line : s_englishMenu)
        englishCommands.push_back(line.nCommand);
    for (const CMenuLine& line : s_neutralMenu)
        neutralCommands.push_back(line.nCommand);
    EXPECT_EQ(neutralCommands, englishCommands);
}

TEST(StringsNeutral, LostKeyFormat_HasStraightQuotesAroundName_AndScancode)
{
    EXPECT_EQ(L"\u4f60\u4f1a\u4e22\u5931\x22%s\x22 [0x%04X] \n", LoadWide(IDS_LOST_KEY_FORMAT));
}

TEST(StringsJapanese, LostKeyFormat_HasStraightQuotesAroundName)
{
    std::string str = LoadResourceString(IDS_LOST_KEY_FORMAT);
    ASSERT_LE(5u, str.size());
    EXPECT_EQ("\x22%s\x22 ", str.substr(0, 5));
    EXPECT_EQ('\n', str.back());
    EXPECT_EQ(std::string::npos, str.find('\\'));
}

TEST(StringsJapanese, HalfWidthKatakana_ComeOutAsSingleBytes)
{
    // "ﾚﾃﾞｨ": four half-width katakana, one byte each in code page 932.
    EXPECT_EQ(std::string("\xDA\xC3\xDE\xA8"), LoadResourceString(IDS_IDLE_MESSAGE));
}

// ---- How the sets are tagged (the same in either run) -------------------------

TEST(ResourceSets, SetLanguageMarkers_HoldEachSetsLanguageLittleEndian)
{
    EXPECT_EQ(s_japaneseMarker, SetLanguageMarker(LANGID_JAPANESE));
    EXPECT_EQ(s_neutralMarker, SetLanguageMarker(LANGID_NEUTRAL_SET));
    EXPECT_EQ(s_englishMarker, SetLanguageMarker(LANGID_ENGLISH));
    EXPECT_EQ(s_neutralMarker, SetLanguageMarker(LANGID_CHINESE)); // the neutral set, retagged
}

TEST(ResourceSets, EveryStringBlockOfTheJapaneseSet_IsInTheOtherSetsToo)
{
    // A missing block would show another set's block to the set's users.
    // Blocks from 61440 up are the framework's own prompts, which the neutral
    // set leaves to the others.
    std::vector<WORD> blocks = NumericNamesOf(MAKEINTRESOURCEA(6));
    ASSERT_FALSE(blocks.empty());
    for (WORD wBlock : blocks)
    {
        std::set<WORD> languages = LanguagesOf(MAKEINTRESOURCEA(6), wBlock);
        UINT nFirstId = (wBlock - 1u) * 16u;
        if (languages.count(LANGID_JAPANESE) == 0)
            continue;
        EXPECT_EQ(1u, languages.count(LANGID_ENGLISH)) << "strings " << nFirstId << "-" << nFirstId + 15;
        if (nFirstId < 61440u)
        {
            EXPECT_EQ(1u, languages.count(LANGID_NEUTRAL_SET)) << "strings " << nFirstId << "-" << nFirstId + 15;
            EXPECT_EQ(1u, languages.count(LANGID_CHINESE)) << "strings " << nFirstId << "-" << nFirstId + 15;
        }
    }
}

TEST(ResourceSets, NoLanguageDependentResource_IsTaggedZero)
{
    // A resource tagged 0x0000 would be chosen even for a Japanese user.
    const WORD types[] = {4 /* menu */, 5 /* dialog */, 6 /* strings */, 9 /* accelerators */,
        RT_RESOURCE_SET_LANGUAGE};
    for (WORD wType : types)
        for (WORD wName : NumericNamesOf(MAKEINTRESOURCEA(wType)))
            EXPECT_EQ(0u, LanguagesOf(MAKEINTRESOURCEA(wType), wName).count(0))
                << "type " << wType << " id " << wName;
}

TEST(ResourceSets, Menu_IsInEverySet_Accelerators_OnlyInTheJapaneseOne)
{
    EXPECT_EQ((std::set<WORD>{LANGID_CHINESE, LANGID_NEUTRAL_SET, LANGID_ENGLISH, LANGID_JAPANESE}),
        LanguagesOf(MAKEINTRESOURCEA(4), IDR_MAINFRAME));
    EXPECT_EQ((std::set<WORD>{LANGID_JAPANESE}), LanguagesOf(MAKEINTRESOURCEA(9), IDR_MAINFRAME));
}

TEST(ResourceSets, IconAndVersionRecord_AreLanguageIndependent)
{
    EXPECT_EQ((std::set<WORD>{0}), LanguagesOf(MAKEINTRESOURCEA(14), IDR_MAINFRAME));
    EXPECT_EQ((std::set<WORD>{0}), LanguagesOf(MAKEINTRESOURCEA(16), 1));
}

TEST(ResourceSets, Icon_Is32By32With16Colours)
{
    HRSRC hGroup = FindResourceA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(14));
    std::vector<BYTE> group = ResourceBytes(hGroup);
    // GRPICONDIR: reserved, type 1, one entry of width, height, colour count...
    ASSERT_EQ(6u + 14u, group.size());
    EXPECT_EQ(1, group[2] | group[3] << 8);
    EXPECT_EQ(1, group[4] | group[5] << 8);
    EXPECT_EQ(32, group[6]);
    EXPECT_EQ(32, group[7]);
    EXPECT_EQ(16, group[8]);
    EXPECT_EQ(4, group[12] | group[13] << 8); // bits per pixel
    HICON hIcon = (HICON)LoadImageA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 32, 32, 0);
    EXPECT_NE(nullptr, hIcon);
    if (hIcon != nullptr)
        DestroyIcon(hIcon);
}
