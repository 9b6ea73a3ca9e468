// The numbers of the spirit stars (神煞) and special days counted per pillar
// in ChartData::stars, and the eight relation slots of a branch record.
#pragma once

enum Star {
    kStarYangRen = 0,     // 羊刃
    kStarTaoHua = 1,      // 桃花 (咸池)
    kStarYiMa = 2,        // 驿马
    kStarHuaGai = 3,      // 华盖
    kStarLuShen = 4,      // 禄神
    kStarKongWang = 5,    // 空亡
    kStarJinShen = 6,     // 金神
    kStarKuiGang = 7,     // 魁罡
    kStarTaiJi = 8,       // 太极
    kStarJiangXing = 9,   // 将星
    kStarWenChang = 10,   // 文昌
    kStarTianYi = 11,     // 天乙
    kStarJieSha = 12,     // 劫煞
    kStarZaiSha = 13,     // 灾煞
    kStarXueTang = 14,    // 学堂
    kStarCiGuan = 15,     // 词馆
    kStarTianDe = 16,     // 天德
    kStarYueDe = 17,      // 月德
    kStarGuChen = 18,     // 孤辰
    kStarGuaSu = 19,      // 寡宿
    kStarDeXiu = 21,      // 德秀
    kStarGongLu = 22,     // 拱禄
    kStarGouSha = 23,     // 勾煞
    kStarJiaoSha = 24,    // 绞煞
    kStarWangShen = 25,   // 亡神
    kStarDaHao = 26,      // 大耗
    kStarShiE = 27,       // 十恶大败
    kStarSiFei = 28,      // 四废
    kStarGuLuan = 29,     // 孤鸾
    kStarTongZi = 30,     // 童子
};

// Slots of BranchInfo::relation; −1 in a slot means no such relation.
enum RelationSlot {
    kRelClash = 0,          // 相冲: pair number 0 巳亥 … 5 辰戌
    kRelPunish2 = 1,        // 自刑 (branch number) or 子卯 (1)
    kRelHarm = 2,           // 六害: the smaller branch number of the pair
    kRelCombine = 3,        // 六合: the smaller branch number of the pair
    kRelTriple = 4,         // 三合: element
    kRelHalfTriple = 5,     // 半三合: element × 10, + 5 with a 库 branch
    kRelDirectional = 6,    // 三会: element; 3 for 辰戌丑未 all four
    kRelPunish3 = 7,        // three-branch 刑: 2 丑戌未, 3 寅巳申
};
