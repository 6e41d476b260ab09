#include "supervision/results_log.h"

#include <cstdio>
#include <random>

#include "app/notice_box.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "supervision/control_text.h"
#include "supervision/controls.h"

namespace rv {

void SetMessage(App& app, Line line, const std::string& text) {
  app.Window(line).SetText(ctl::kMessageLine, text);
}

std::string TrimmedMessage(App& app, Line line) {
  return TrimSpaces(app.Window(line).Text(ctl::kMessageLine));
}

void AppendLog(App& app, Line line, const std::string& text) {
  app.Window(line).Append(ctl::kResultsLog, text);
}

uint32_t RandomMessageColor(App& app) {
  static constexpr uint32_t kColors[] = {kRed, kPurple, kForestGreen};
  std::mt19937 generator(static_cast<uint32_t>(app.rt().NowMs()));
  return kColors[std::uniform_int_distribution<int>(0, 2)(generator)];
}

void Report(App& app, Line line, const std::string& message, const std::string& logText) {
  SetMessage(app, line, message);
  AppendLog(app, line, logText);
}

std::string DateText(const LocalTime& t) {
  char buffer[96];
  int n = std::snprintf(buffer, sizeof buffer, "%d年%d月%d日", t.year, t.month, t.day);
  std::string text(buffer, static_cast<size_t>(n));
  if (t.second != 0)
    n = std::snprintf(buffer, sizeof buffer, "%d时%d分%d秒", t.hour, t.minute, t.second);
  else if (t.minute != 0)
    n = std::snprintf(buffer, sizeof buffer, "%d时%d分", t.hour, t.minute);
  else if (t.hour != 0)
    n = std::snprintf(buffer, sizeof buffer, "%d时", t.hour);
  else
    n = 0;
  return text.append(buffer, static_cast<size_t>(n));
}

namespace {

const char* FileStem(Line line) { return line == Line::Static ? "tavrik结果保存文件" : "运行结果"; }

}  // namespace

std::string ExportFileName(Line line, const LocalTime& t) {
  return FileStem(line) + DateText(t) + ".txt";
}

void SaveResults(App& app, Line line) {
  const std::string name = ExportFileName(line, app.rt().LocalNow());
  FilesApi& files = *app.platform.files;
  // The edit box holds CR LF already; the file gets the same text in GBK,
  // without a byte-order mark or a terminating zero.
  const std::string bytes = Utf8ToGbkBytes(app.Window(line).Text(ctl::kResultsLog));
  const bool written = files.WriteWhole(files.ProgramDir() + "\\" + name, bytes);
  const std::string text =
      written ? "生成txt文本已成功，请查看本软件所在目录，名称为【" + name + "】的文件！"
              : "生成txt文本失败！无法写入本软件所在目录下名称为【" + name +
                    "】的文件，请检查该目录是否可以写入、文件是否被其它程序占用，然后再试！";
  NoticeBox(app, text, 0u, std::string("导出成功"));
}

void ClearResults(App& app, Line line) { app.Window(line).SetText(ctl::kResultsLog, ""); }

}  // namespace rv
