#include "engine/symbols/symbols.h"

namespace sym {

const char* const kStemNames[10] = {"癸", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬"};
const char* const kBranchNames[12] = {"亥", "子", "丑", "寅", "卯", "辰",
                                      "巳", "午", "未", "申", "酉", "戌"};
const char* const kAnimalNames[12] = {"猪", "鼠", "牛", "虎", "兔", "龙",
                                      "蛇", "马", "羊", "猴", "鸡", "狗"};
const char* const kElementNames[5] = {"水", "木", "火", "土", "金"};
const char* const kElementCodeNames[10] = {"阴水", "阳水", "阴木", "阳木", "阴火",
                                           "阳火", "阴土", "阳土", "阴金", "阳金"};
const char* const kTenGodNames[15] = {"比肩", "劫财", "食神", "伤官", "偏财",
                                      "正财", "七杀", "正官", "偏印", "正印",
                                      "比劫", "食伤", "财星", "官杀", "印枭"};
const char* const kTenGodShortNames[10] = {"比", "劫", "食", "伤", "才", "财", "杀", "官", "枭", "印"};
const float kSeasonalFactor[10] = {2.0f, 1.75f, 0.9f, 1.0f, 0.7f, 0.8f, 0.5f, 0.6f, 1.5f, 1.25f};
const char* const kGrowthStageNames[12] = {"长生", "沐浴", "冠带", "临官", "帝旺", "衰",
                                           "病",   "死",   "墓",   "绝",   "胎",   "养"};
const char* const kSeasonNames[5] = {"旺", "相", "休", "囚", "死"};
const char* const kFiveGodNames[5] = {"用神", "喜神", "忌神", "仇神", "闲神"};
const char* const kStrengthNames[7] = {"从旺", "太弱", "偏弱", "平和", "偏旺", "太旺", "从弱"};
const char* const kPatternNames[10] = {"建禄", "羊刃", "食神", "伤官", "偏财",
                                       "正财", "七杀", "正官", "偏印", "正印"};
const char* const kSpecialPatternNames[17] = {
    "曲直格", "炎上格", "稼穑格", "从革格", "润下格", "从财格",
    "从杀格", "从儿格", "从强格", "从旺格", "半壁格", "两神成象格",
    "甲己化土格", "乙庚化金格", "丙辛化水格", "丁壬化木格", "戊癸化火格"};
const char* const kCombinationNames[5] = {"戊癸", "甲己", "乙庚", "丙辛", "丁壬"};
const char* const kNayinNames[30] = {
    "大海水", "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "洞下水",
    "城墙土", "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雷火", "松柏木", "长流水",
    "沙中金", "山下火", "平地木", "壁上土", "金箔金", "佛灯火", "天河水", "大驿土",
    "钗钏金", "桑松木", "大溪水", "沙中土", "天上火", "石榴木"};
const unsigned char kNayinElements[30] = {0, 4, 2, 1, 3, 4, 2, 0, 3, 4, 1, 0, 3, 2, 1,
                                          0, 4, 2, 1, 3, 4, 2, 0, 3, 4, 1, 0, 3, 2, 1};
const char* const kZodiacSignNames[12] = {"白羊", "金牛", "双子", "巨蟹", "狮子", "处女",
                                          "天秤", "天蝎", "人马", "摩羯", "宝瓶", "双鱼"};
const char* const kWeekdayNames[7] = {"日", "一", "二", "三", "四", "五", "六"};
const char* const kChapterTitles[8] = {"性格特征", "职业财运", "功名官运", "婚姻择偶",
                                       "祖业遗产", "家庭子女", "体质健康", "有利选择"};

//                                        癸 甲 乙 丙 丁 戊 己 庚 辛 壬
const unsigned char kStemElement[10] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 0};
const unsigned char kStemCode[10] = {0, 3, 2, 5, 4, 7, 6, 9, 8, 1};
//                                       卯 亥  午 寅 酉 寅 酉 巳 子 申
const unsigned char kStemGrowthBranch[10] = {4, 0, 7, 3, 10, 3, 10, 6, 1, 9};
//                                        亥 子 丑 寅 卯 辰 巳 午 未 申 酉 戌
const unsigned char kBranchElement[12] = {0, 0, 3, 1, 1, 3, 2, 2, 3, 4, 4, 3};
const unsigned char kBranchCode[12] = {0, 1, 6, 3, 2, 7, 4, 5, 6, 9, 8, 7};
const unsigned char kBranchMainStem[12] = {9, 0, 6, 1, 2, 5, 3, 4, 6, 7, 8, 5};
const char* const kBranchHiddenStems[12] = {"19", "0", "086", "135", "2", "250",
                                            "735", "64", "264", "579", "8", "845"};
const char* const kBranchHiddenWeights[12] = {"1230", "30", "090318", "300707", "30", "091803",
                                              "093005", "0930", "031809", "103003", "30", "090318"};

int TenGod(int dayStem, int otherStem) {
    int d = ((otherStem - dayStem) % 10 + 10) % 10;
    if (dayStem % 2 == 0 && d % 2 == 1) d = (d + 2) % 10;
    return d;
}

int StemOfTenGod(int dayStem, int tenGod) {
    int s = (dayStem + tenGod) % 10;
    if (dayStem % 2 == 0 && tenGod % 2 == 1) {
        s -= 2;
        if (s < 0) s += 10;
    }
    return s;
}

int GrowthStage(int stem, int branch) {
    int start = kStemGrowthBranch[stem];
    int g = stem % 2 == 1 ? branch - start : start - branch;
    return g < 0 ? g + 12 : g;
}

int CycleIndex(int stem, int branch) {
    int c = stem - branch;
    if (c < 0) c += 12;
    return stem + (c / 2) * 10;
}

int SeasonalState(int element, int monthElement) {
    static const int kState[5] = {0, 1, 4, 3, 2};
    return kState[((element - monthElement) % 5 + 5) % 5];
}

int NayinPair(int pillar) {
    int n = ((pillar % 60) + 60) % 60;
    return ((n + n % 2) / 2) % 30;
}

int HiddenStemCount(int branch) {
    int n = 0;
    while (kBranchHiddenStems[branch][n] != '\0') ++n;
    return n;
}

int HiddenStem(int branch, int i) { return kBranchHiddenStems[branch][i] - '0'; }

int HiddenWeight(int branch, int i) {
    const char* w = kBranchHiddenWeights[branch];
    return (w[2 * i] - '0') * 10 + (w[2 * i + 1] - '0');
}

std::string PillarName(int pillar) {
    return std::string(kStemNames[StemOf(pillar)]) + kBranchNames[BranchOf(pillar)];
}

}  // namespace sym
