#pragma once

#include <string_view>

// The book window's words, in Chinese, for the desktop programs: the page's book says the same.
namespace petcalc::book::captions {

inline constexpr std::string_view kTitle = "宠物记录";
inline constexpr std::string_view kKeeping = "记录每次计算";
inline constexpr std::string_view kFilter = "筛选";
inline constexpr std::string_view kFilterHint = "名字或备注";
inline constexpr std::string_view kCompare = "比较";
inline constexpr std::string_view kExport = "导出";
inline constexpr std::string_view kImport = "导入";
inline constexpr std::string_view kClear = "清空";
inline constexpr std::string_view kUndo = "撤销";
inline constexpr std::string_view kEmpty =
    "还没有记录。每次“计 算”或“预 测”后，这只宠物就记在这里。";

inline constexpr std::string_view kPinnedHeading = "置顶";
inline constexpr std::string_view kNameHeading = "名字";
inline constexpr std::string_view kLevelHeading = "等级";
inline constexpr std::string_view kThreeHeading = "三围成长";
inline constexpr std::string_view kTotalHeading = "总成长";
inline constexpr std::string_view kTargetHeading = "预测等级";
inline constexpr std::string_view kChangedHeading = "修改时间";
inline constexpr std::string_view kUnnamed = "未命名";
inline constexpr std::string_view kNote = "备注";

inline constexpr std::string_view kPutBack = "放回窗口";
inline constexpr std::string_view kCopyText = "复制文字";
inline constexpr std::string_view kPin = "置顶";
inline constexpr std::string_view kUnpin = "取消置顶";
inline constexpr std::string_view kDelete = "删除";
inline constexpr std::string_view kSplit = "拆为单独的宠物";
inline constexpr std::string_view kJoin = "并入勾选的宠物";
inline constexpr std::string_view kRestore = "恢复备份";
inline constexpr std::string_view kStartNew = "新建记录";

inline constexpr std::string_view kPutBackDone = "已放回窗口";
inline constexpr std::string_view kUndone = "已撤销";
inline constexpr std::string_view kBusy = "计算器正忙，请先关闭对话框。";
inline constexpr std::string_view kCopied = "文字已复制到剪贴板";
inline constexpr std::string_view kKeepingOn = "每次计算后都会记下这只宠物";
inline constexpr std::string_view kKeepingOff = "不再记录计算";
inline constexpr std::string_view kCompareTitleFormat = "比较 %1 条记录（差值相对第一条）";
inline constexpr std::string_view kCompareItem = "项目";
inline constexpr std::string_view kDeletedFormat = "已删除 %1 条记录";
inline constexpr std::string_view kClearQuestionFormat = "要删除全部 %1 条记录吗？之后可以撤销。";
inline constexpr std::string_view kClearAll = "全部删除";
inline constexpr std::string_view kCancel = "取消";
inline constexpr std::string_view kImportedFormat = "已导入：%1 条记录有变化";
inline constexpr std::string_view kImportSummaryFormat =
    "新记录 %1 条，已有 %2 条，将更新 %3 条，将删除 %4 条。";
inline constexpr std::string_view kImportDeletedHereFormat =
    "以下 %1 条记录已在这里删除，文件里仍有。勾选的将恢复，其余保持删除：";
inline constexpr std::string_view kImportProblemsFormat = "有 %1 行无法读取，不会导入：";
inline constexpr std::string_view kImportRefusedFormat = "无法导入“%1”：%2";
inline constexpr std::string_view kNotJson = "不是 JSON 文件，或文件已损坏";
inline constexpr std::string_view kBookFileFilter = "宠物记录文件（JSON） (*.json)";
inline constexpr std::string_view kSpreadsheetFilter = "表格（CSV） (*.csv)";
inline constexpr std::string_view kExportNameFormat = "宠物记录-%1";
inline constexpr std::string_view kTimelineFormat = "%1的成长（%2 条记录，按等级）";
inline constexpr std::string_view kThisPet = "这只宠物";
inline constexpr std::string_view kGainedFormat = "已升 %1 级";
inline constexpr std::string_view kLevelsFormat = "%1 级";
inline constexpr std::string_view kChartName = "各项成长率随已升等级的变化";

}  // namespace petcalc::book::captions
