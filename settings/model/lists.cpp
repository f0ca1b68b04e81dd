// The built-in lists of the settings window and the row each box opens with.
// Start-up adds them after the remembered entries of the memory file, so a
// default position counts the box's whole list in the order the box holds
// it: remembered rows in front of an unsorted box's built-in rows, merged
// into a sorted box's order. The settings tab's three boxes are the
// exception: they open with the setting in force and list each text once.
#include <string>
#include <vector>

#include "exchange/params/markers.h"
#include "settings/procedures.h"

namespace mokrav {

namespace {

using Rows = std::vector<const char*>;

// ---- Values shared by many tabs: the host's numbers and layers ----
const Rows kTextSizes = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
const Rows kLeaderColours = {"1", "2", "3", "4", "5", "6", "7"};
const Rows kLinePens = {"1", "2", "3", "4", "5", "6", "7", "8"};
// The current layer first, then the layer characters.
const Rows kLayers = {paramfile::kCurrentLayer, "0", "1", "2", "3", "4", "5", "6",
                      "7", "8", "9", "A", "B", "C", "D", "E", "F"};
const Rows kHolePatterns = {"４箇所", "右千鳥", "左千鳥", "上下", "左右", "中心"};
const Rows kRowArrangements = {"中心振分け", "右方向に配置", "左方向に配置"};
const Rows kHoleCounts = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                          "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};
const Rows kGrooveAngles = {"15°", "20°", "25°", "30°", "35°", "40°",
                            "45°", "50°", "55°", "60°", "75°", "90°"};
const Rows kDecimals = {"0", "1", "2", "3", "4", "5", "6", "7", "8"};

// ---- Leader-text tab ----
const Rows kQuantities = kHoleCounts;  // "1" to "20"
const Rows kCalloutSizes = {"M3", "M4", "M5", "M6", "M8", "M10", "M12", "M16", "M20", "Φ3",
                            "Φ4", "Φ5", "Φ6", "Φ10", "Φ11", "Φ12", "Φ13", "Φ14", "Φ15", "Φ16"};
const Rows kOperations = {"リーマ穴", "キリ穴", "皿ネモミ"};
const Rows kNotes = {"（深さ１５）", "（深さ２０）"};
const Rows kBalloonDiameters = {"8", "9", "10", "11", "12", "13", "14", "15", "16"};

// ---- Hole and thread tab ----
const Rows kHoleDimensions = {"10", "15", "20", "25", "30", "35", "40", "45"};
const Rows kHoleSizes = {"4",   "5",   "6",   "8",   "9",   "10",  "11",  "12",  "13",  "14",
                         "15",  "16",  "M3",  "M4",  "M5",  "M6",  "M8",  "M10", "M12", "M16",
                         "M20", "m3",  "m4",  "m5",  "m6",  "m8",  "m10", "m12", "m16", "m20"};
const Rows kRowPitches = {"4",  "5",  "6",  "8",  "9",  "10", "11", "12", "13", "14",
                          "15", "16", "20", "25", "30", "35", "40", "45", "50"};

// ---- Surface-finish tab ----
const Rows kMachiningProcesses = {
    "GE:円筒研削", "GI:内面研削", "GS:平面研削", "GCL:心無研削", "GCO:倣い研削",
    "GBL:ﾍﾞﾙﾄ研削", "GTH:ﾈｼﾞ研削", "GT:歯車研削", "GCN:ｾﾝﾀ穴研削", "GCT:研削切断",
    "GL:ﾗｯﾋﾟﾝｸﾞ", "GH:ﾎｰﾆﾝｸﾞ", "GSP:超仕上", "L:旋削", "DR:ﾘｰﾏ仕上",
    "M:ﾌﾗｲｽ削り", "MP:平ﾌﾗｲｽ", "MFC:正面ﾌﾗｲｽ", "MCO:倣いﾌﾗｲｽ", "P:平削り",
    "SH:形削り", "BR:ﾌﾞﾛｰﾁ", "SL:立削り"};
const Rows kExtraSymbols = {"Rmax=0.4", "Rmax=2.5", "=0.4", "=2.5", "=12.5", "=25", "λc=2.5"};
const Rows kRoughness = {"1.6", "3.2", "6.3", "12.5", "25", "G"};

// ---- Geometric-tolerance tab ----
const Rows kToleranceValues = {"±0.01",  "±0.02",  "±0.03",  "±0.04",  "±0.05",  "±0.06",
                               "±0.07",  "±0.08",  "±0.09",  "±0.001", "±0.002", "±0.003",
                               "±0.004", "±0.005", "±0.1",   "±0.2",   "±0.5"};
const Rows kUpperLimits = {"+0.01", "+0.02", "+0.03",  "+0.04",  "+0.05", "+0.06", "+0.07",
                           "+0.08", "+0.09", "+0.001", "+0.005", "+0.1",  "+0.2",  "+0.5",
                           "-0.01", "-0.02", "-0.03",  "-0.04",  "-0.05", "-0.06", "-0.07",
                           "-0.08", "-0.09", "-0.001", "-0.005", "-0.1",  "-0.2",  "-0.5"};
const Rows kLowerLimits = {"-0.01", "-0.02", "-0.03",  "-0.04",  "-0.05", "-0.06", "-0.07",
                           "-0.08", "-0.09", "-0.001", "-0.005", "-0.1",  "-0.2",  "-0.5",
                           "+0.01", "+0.02", "+0.03",  "+0.04",  "+0.05", "+0.06", "+0.07",
                           "+0.08", "+0.09", "+0.001", "+0.005", "+0.1",  "+0.2",  "+0.5"};
const Rows kDatumLetters = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                            "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

// ---- Welding tab ----
const Rows kWeldProcesses = {"WA:ｱｰｸ溶接", "WR:抵抗溶接",  "WG:ガス溶接",       "WB:ろう付け",
                             "WS:半田付け", "ﾌﾗｯｼｭ溶接",    "ﾌﾟﾛｼﾞｪｸｼｮﾝ溶接", "摩擦溶接",
                             "ｱﾌﾟｾｯﾄ溶接",  "ｼｰﾑ溶接",      "r=6:ﾙｰﾄ半径",      "r=12:ﾙｰﾄ半径",
                             "へこみ２"};
const Rows kLengthPitches = {"30(2)-100", "50(3)-150", "50(3)-250", "50(5)-200"};
const Rows kGrooveDepths = {"1", "2", "3", "4", "5", "6", "①", "③", "⑤", "⑦", "⑧"};
const Rows kRootGaps = {"0", "1", "2", "3", "4", "5", "6"};
const Rows kWeldFinishes = {"C:ﾁｯﾋﾟﾝｸﾞ", "G:研削", "M:切削", "F:無指定"};
// Padded with ideographic spaces so that the ":" line up in the fixed-pitch list.
const Rows kWeldContours = {"無し　　　:0", "－（平ら）:1", "∧（凸）　:2", "∨（凹み）:3"};

// ---- Shaft and hole tolerance tab ----
const Rows kExtensionGaps = {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"};
const Rows kOvershoots = {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8",
                          "0.9", "1.0", "1.1", "1.2", "1.3", "1.4", "1.5"};
const Rows kHoleFits = {"B10", "C9",  "C10", "D8",  "D9",  "D10", "E7",  "E8",  "E9",
                        "F6",  "F7",  "F8",  "G6",  "G7",  "H6",  "H7",  "H8",  "H9",
                        "H10", "JS6", "JS7", "K6",  "K7",  "M6",  "M7",  "N6",  "N7",
                        "P6",  "P7",  "R7",  "S7",  "T7",  "U7",  "X7"};
const Rows kShaftFits = {"b9",  "c9", "d8", "d9", "e7", "e8", "e9", "f6", "f7", "f8", "g5",
                         "g6",  "h5", "h6", "h7", "h8", "h9", "js5", "js6", "js7", "k5", "k6",
                         "m5",  "m6", "n6", "p6", "r6", "s6", "t6", "u6", "x6"};
const Rows kOwnUpper = {"+0.01", "+0.02", "+0.03",  "+0.04",  "+0.05", "+0.06", "+0.07",
                        "+0.08", "+0.09", "+0.001", "+0.005", "+0.1",  "+0.2",  "+0.5",
                        "-0.01", "-0.02", "-0.03",  "-0.04",  "-0.05", "-0.06"};
const Rows kOwnLower = {"±0.01",  "±0.02",  "±0.03", "±0.04", "±0.05", "±0.06", "+0.01",
                        "+0.02",  "+0.03",  "+0.04", "+0.05", "+0.06", "+0.07", "+0.08",
                        "+0.09",  "+0.1",   "+0.2",  "+0.5",  "-0.01", "-0.02", "-0.03",
                        "-0.04",  "-0.05",  "-0.06", "-0.07", "-0.08", "-0.09", "-0.001",
                        "-0.005", "-0.1",   "-0.2",  "-0.5"};

// ---- Section tab ----
const Rows kSectionLetters = {"A",  "B",  "C",  "D",  "E",  "A'", "B'", "C'",
                              "D'", "E'", "Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ"};
const Rows kSectionArrowLengths = {"1", "2", "3", "4", "5"};
const Rows kSectionArrowAngles = {"5", "10", "15", "20", "25"};
const Rows kSectionSuffixes = {"断面"};

// ---- Title-block tab: each box's first row names its cell ----
const Rows kTitleName1 = {"品名（上段）"};
const Rows kTitleName2 = {"品名（下段）"};
const Rows kTitleDrawingNo = {"図番"};
const Rows kTitleScales = {"尺度", "1/1", "1/2", "1/3", "1/4", "1/5", "2/1", "3/1", "4/1", "5/1"};
const Rows kTitleDesigner = {"設計者名"};
const Rows kTitleDate = {"日付"};
const Rows kTitleTreatment = {"処理方法", "ＳＣＡ"};

// ---- Weight tab: name:value:unit, unit 比重 (specific gravity) or ｍ (kg per metre) ----
const Rows kMaterials = {
    "ｼﾞｭﾗﾙﾐﾝ:2.79:比重", "超ｼﾞｭﾗﾙﾐﾝ:2.8:比重", "ねずみ鋳鉄:7.2:比重", "球状黒鉛鋳鉄:7.1:比重",
    "ﾍﾞﾘﾘｳﾑ銅:8.2:比重",  "ｸﾛﾑ鋼:7.84:比重",     "L3-25:1.12:ｍ",      "L5-40:2.95:ｍ",
    "L6-50:4.43:ｍ",      "L6-65:5.91:ｍ",        "L9-75:9.96:ｍ",      "L10-100:14.9:ｍ",
    "[75-40-5:6.92:ｍ",   "[100-50-5:9.36:ｍ",    "6-50:2.36:ｍ"};
const Rows kThicknesses = {"0.8", "1.2", "1.6", "2.0", "2.3", "2.5", "3.0",
                           "3.2", "3.5", "4.0", "4.5", "5.0", "6.0"};
const Rows kWidths = {"10", "15", "32", "40", "50", "100", "150"};
const Rows kLengths = {"100", "150", "200", "250", "300", "400", "500"};

// ---- Settings tab ----
const Rows kHostFolders = {"b:\\jww\\", "c:\\jww\\"};
const Rows kArrowLengths = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
const Rows kArrowAngles = {"5", "10", "15", "20", "25", "30"};

constexpr int kNone = -1;

struct Fill {
  int box;           // Com<box>
  const Rows* rows;
  int defaultPos;    // kNone: the box opens with an empty text
};

// In filling order: the shared value lists first, then the vocabularies.
const std::vector<Fill> kFills = {
    // Text sizes.
    {1, &kTextSizes, 3}, {2, &kTextSizes, 1}, {3, &kTextSizes, 1}, {5, &kTextSizes, 3},
    {7, &kTextSizes, 2}, {9, &kTextSizes, 3}, {44, &kTextSizes, 3}, {45, &kTextSizes, 1},
    {75, &kTextSizes, 3}, {91, &kTextSizes, 3}, {92, &kTextSizes, 9}, {93, &kTextSizes, 2},
    {94, &kTextSizes, 2}, {95, &kTextSizes, 2},
    // Leader colours.
    {4, &kLeaderColours, 3}, {6, &kLeaderColours, 3}, {8, &kLeaderColours, 3},
    {10, &kLeaderColours, 3},
    // Line colours and line types of the hole and thread tab.
    {17, &kLinePens, 1}, {18, &kLinePens, 0}, {19, &kLinePens, 3}, {20, &kLinePens, 0},
    {21, &kLinePens, 2}, {22, &kLinePens, 4},
    {23, &kHolePatterns, 0}, {24, &kRowArrangements, 1}, {29, &kHoleCounts, 4},
    {38, &kGrooveAngles, kNone}, {39, &kGrooveAngles, kNone},
    {46, &kLinePens, 3}, {50, &kDecimals, 3}, {51, &kLinePens, 2},
    {77, &kLinePens, 2}, {80, &kLinePens, 1}, {78, &kLinePens, 4}, {81, &kLinePens, 0},
    // Layers.
    {55, &kLayers, 0}, {56, &kLayers, 0}, {57, &kLayers, 0}, {58, &kLayers, 0},
    {61, &kLayers, 0}, {62, &kLayers, 0}, {63, &kLayers, 0}, {64, &kLayers, 0},
    {65, &kLayers, 0}, {66, &kLayers, 0}, {67, &kLayers, 0}, {68, &kLayers, 0},
    {69, &kLayers, 0}, {76, &kLayers, 0}, {79, &kLayers, 0}, {82, &kLayers, 0},
    {96, &kLayers, 0}, {97, &kLayers, 0}, {98, &kLayers, 0}, {99, &kLayers, 0},
    {100, &kLayers, 0},

    // Vocabularies.
    {11, &kQuantities, kNone}, {12, &kCalloutSizes, 0}, {13, &kOperations, kNone},
    {14, &kNotes, kNone}, {15, &kQuantities, 0}, {16, &kBalloonDiameters, 2},
    {25, &kHoleDimensions, 4}, {26, &kHoleDimensions, 4}, {27, &kHoleSizes, 5},
    {28, &kRowPitches, 0},
    {30, &kMachiningProcesses, kNone}, {31, &kExtraSymbols, kNone}, {32, &kRoughness, 1},
    {33, &kRoughness, 2}, {34, &kToleranceValues, 0}, {35, &kUpperLimits, 4},
    {36, &kLowerLimits, 4}, {37, &kWeldProcesses, kNone},
    {42, &kLengthPitches, kNone}, {43, &kLengthPitches, kNone},
    {47, &kExtensionGaps, 0}, {48, &kOvershoots, 9}, {49, &kOvershoots, 1},
    {54, &kHostFolders, 0}, {59, &kArrowLengths, 2}, {60, &kArrowAngles, 2},
    {52, &kHoleFits, 15}, {53, &kShaftFits, 13},
    {70, &kOwnUpper, kNone}, {71, &kOwnLower, kNone}, {72, &kDatumLetters, 0},
    {83, &kSectionLetters, 0}, {84, &kSectionLetters, 1}, {85, &kSectionLetters, 2},
    {86, &kSectionLetters, 3}, {87, &kSectionArrowLengths, 2}, {88, &kSectionArrowAngles, 2},
    {89, &kSectionSuffixes, 0},
    {101, &kTitleName1, 0}, {102, &kTitleName2, 0}, {103, &kTitleDrawingNo, 0},
    {104, &kTitleScales, 0}, {105, &kTitleDesigner, 0}, {106, &kTitleDate, 0},
    {107, &kTitleTreatment, 0},
    {150, &kMaterials, 0}, {151, &kThicknesses, 2}, {152, &kWidths, 2}, {153, &kLengths, 2},
    {155, &kWeldContours, kNone}, {156, &kWeldContours, kNone},
    {161, &kWeldFinishes, kNone}, {162, &kWeldFinishes, kNone},
    {157, &kGrooveDepths, kNone}, {158, &kGrooveDepths, kNone},
    {159, &kRootGaps, kNone}, {160, &kRootGaps, kNone},
};

// A settings box lists each text once, its remembered rows in front, and
// opens with the setting in force: the latest remembered text, or its
// default row when none is remembered, which then becomes the setting.
void LoadSettingBox(Form& f, const Fill& fill) {
  ComboBox& box = f.Com(fill.box);
  for (const char* row : *fill.rows) {
    if (box.Find(row) < 0) box.AddItem(row);
  }
  const auto remembered = f.settingInForce.find(fill.box);
  if (remembered != f.settingInForce.end()) {
    box.text = remembered->second;
    return;
  }
  box.Select(fill.defaultPos);
  f.settingInForce[fill.box] = box.text;
}

}  // namespace

void LoadBuiltInLists(Form& f) {
  for (const Fill& fill : kFills) {
    if (IsSettingBox(fill.box)) {
      LoadSettingBox(f, fill);
      continue;
    }
    ComboBox& box = f.Com(fill.box);
    for (const char* row : *fill.rows) box.AddItem(row);
    if (fill.defaultPos != kNone) box.Select(fill.defaultPos);
  }
}

}  // namespace mokrav
