#pragma once
// The message line and the results log of a main window, and the export of
// the log to a dated text file beside the program.
#include <string>

#include "app/app.h"
#include "platform/runtime.h"

namespace rv {

// Replaces the message line of the line's window.
void SetMessage(App& app, Line line, const std::string& text);
// The message line as the flows compare it: spaces trimmed.
std::string TrimmedMessage(App& app, Line line);
// Appends at the end of the results log; no separator is added.
void AppendLog(App& app, Line line, const std::string& text);
// Red, purple or forest green with equal chance, the generator reseeded from
// the clock each time: the colour of a good check or a new address.
uint32_t RandomMessageColor(App& app);
// A writer's usual pair: the message line first, then the log line.
void Report(App& app, Line line, const std::string& message, const std::string& logText);

// "2025年3月5日" followed by "14时7分9秒", "14时7分" or "14时" as far as
// the time is not zero.
std::string DateText(const LocalTime& t);
// "tavrik结果保存文件" (static) or "运行结果" (dynamic) + date text + ".txt".
std::string ExportFileName(Line line, const LocalTime& t);

// Workers of 按钮_保存结果 and 按钮_清空结果.
void SaveResults(App& app, Line line);
void ClearResults(App& app, Line line);

}  // namespace rv
