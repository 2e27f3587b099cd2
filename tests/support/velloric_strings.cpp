#include "tests/support/velloric_strings.h"

void FillJapaneseStrings(CFakeStrings* pStrings)
{
    std::map<UINT, std::string>& s = pStrings->m_strings;
    s[57344] = "Velloric";
    s[1000] = "レジストリを開けません";
    s[1002] = "レジストリに書き込めません";
    s[1003] = "レジストリが変更されました。リブートしますか？";
    s[1004] = "Current Setting";
    s[1011] = "\n\nレジストリに書き込んでもよろしいですか？";
    s[1013] = "\n！！！危険！！！\n\nCtrl または Alt または Del キーが失われ、\n"
              "NT にログインできなくなる可能性があります。";
    s[1015] = "\"%s\" キーが失われます\n";
    s[1016] = "設定をチェックしましたが、大丈夫なようです";
    s[1018] = "クリアしてもよろしいですか？";
    s[1019] = "編集結果を破棄し、元に戻してもよろしいですか？";
    s[1020] = "編集を破棄してもよろしいですか？";
}

void FillNeutralStrings(CFakeStrings* pStrings)
{
    std::map<UINT, std::string>& s = pStrings->m_strings;
    s[57344] = "Velloric";
    s[1000] = "不能打开注册表";
    s[1002] = "不能写注册表";
    s[1003] = "提示：系统注册表已经修改，现在重新启动吗？";
    s[1004] = "目前设置";
    s[1011] = "\n\nOK 写注册表 ?";
    s[1013] = "\n!!!危险 !!!\n\nCtrl or Alt or Del 键可能丢失,\n你可以会登陆不了系统.";
    s[1015] = "你会丢失\"%s\" [0x%04X] \n";
    s[1016] = "内容看起来不错.";
    s[1018] = "你要清掉么 ?";
    s[1019] = "退出编辑和恢复到原来样子么 ?";
    s[1020] = "真的要退出吗？";
}
