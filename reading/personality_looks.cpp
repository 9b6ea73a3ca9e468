// The lines of the personality chapter on looks and bearing: by the day stem,
// by the day master's element and strength, and by the hour branch.
#include "engine/symbols/symbols.h"
#include "reading/personality.h"

std::string DayStemLooksLine(const ChartTerms& t) {
    static const char* const kLooks[5] = {
        "  ★甲乙日生者，印堂宽，目藏神，人中长，眉疏秀。\r\n",
        "  ★丙丁日生者，眼大须长，额窄，少年多患疮。\r\n",
        "  ★戊己日生者，头大额广。\r\n",
        "  ★庚辛日生者，凤眼，耳朝口，有垂珠。\r\n",
        "  ★壬癸日生者，眼大好酒，胆大。\r\n",
    };
    int fromJia = (t.StemNumber(kDay) + 9) % 10;  // 甲 0 … 癸 9
    return kLooks[fromJia / 2];
}

namespace {

// How the day master's element shows, by its strength.
enum ElementLevel { kThriving = 0, kLacking = 1, kExcessive = 2 };  // 旺相, 不及, 太过

ElementLevel LevelOf(int grade) {
    if (grade <= 1) return kLacking;
    if (grade <= 4) return kThriving;
    return kExcessive;
}

}  // namespace

std::string DayElementLine(const ChartTerms& t) {
    static const char* const kLevelWords[3] = {"，旺相，", "，不及，", "，太过，"};
    // By element 水 木 火 土 金, then by level 旺相, 不及, 太过.
    static const char* const kBearing[5][3] = {
        {"则机关深远，足智多谋，学识过人，诡诈无极，面黑光彩，语言清和。\r\n",
         "则人物矮小，行事反复，性情不常，胆小无略。\r\n", "则是非好动，飘荡贪淫。\r\n"},
        {"主有博爱侧隐之心，慈祥恺悌之意，济物利人，恤孤念寡，直朴清高，行藏慷慨，丰姿秀丽，骨格修长，手足纤腻，口尖发美，面色青白，语句轩昂，此则木盛多仁之义。\r\n",
         "则眉眼不正，悭吝鄙啬；肌肉干燥，项长喉结，行坐不稳，身多欹侧。\r\n",
         "主人瘦长发少，拗性偏心，嫉妒不仁，此则情寡之义。\r\n"},
        {"主有辞让端谨之风，恭敬谦和之义，威仪凛烈，淳扑尊崇。面貌上尖下阔，形体头小脚长，印堂窄而眉浓，鼻准露而耳小，精神闪烁，语言急速，性燥无毒，聪明有为。\r\n",
         "则黄瘦尖楞，诡诈妒毒，言语妄诞，有始无终。\r\n", "则声焦面赤，摇膝好动。\r\n"},
        {"主言行相顾，忠孝至诚，好敬神佛，不爽期信，背圆腰阔，鼻大口方，眉清目秀，面肥色黄，度量宽厚，处事有方。\r\n",
         "则颜色忧滞，面偏鼻低，声音重浊，事理不通，狠毒乖戾，不得众情，颠倒失信，悭吝妄为。\r\n",
         "则执一古扑，愚拙不明。\r\n"},
        {"气刚英勇豪杰，仗义疏财。知廉耻，识羞恶，骨肉相应，体健神清，面方白净，眉高眼深，鼻直耳红，声音清亮，刚毅果决。\r\n",
         "则悭吝贪酷，事多锉志，有三思，少决断，克薄内毒；贪淫好杀，身体瘦小。\r\n", "则好勇无谋，贪欲不仁。\r\n"},
    };
    int element = t.DayElement();
    ElementLevel level = LevelOf(t.Grade());
    return std::string("  ★日元属") + sym::kElementNames[element] + kLevelWords[level] + kBearing[element][level];
}

std::string HourBranchLine(const ChartTerms& t) {
    if (t.BranchIn(kHour, "子午卯酉")) return "  ★子午卯酉四时生，习惯面朝天睡觉，脸四方，尖下颏。\r\n";
    if (t.BranchIn(kHour, "寅申巳亥")) return "  ★寅申巳亥四时生，习惯侧身睡觉，脸长。\r\n";
    return "  ★辰戌丑未四时生，习惯面朝下睡觉，团团脸。\r\n";
}
