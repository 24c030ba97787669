// The pure half of the runtime errors: the numbered messages and the layout
// of the report text.
#include <cstdio>
#include <iterator>

#include "runtime/runtime_errors.h"
#include "runtime/text_value.h"

namespace klv {
namespace {

const char* const kMessages[] = {
    "数组成员引用下标超出定义范围",
    "未得到所需要的数值型数据",
    "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
    "数组成员引用下标必须大于等于1",
    "数据或数组类型不匹配",
    "调用DLL命令后发现堆栈错误",
    "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
    "被比较数据只能使用等于或不等于命令比较",
    "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
    "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
    "所提供参数的数据类型不符合要求",
};
static_assert(std::size(kMessages) == RuntimeError::kLast, "one message per runtime error, from number 1");

}  // namespace

const char* RuntimeErrorMessage(int number) {
  if (number < 1 || number > RuntimeError::kLast) return nullptr;
  return kMessages[number - 1];
}

char* FormatErrorReport(const char* message, int code) {
  char codeText[16] = "";
  if (code != 0) std::snprintf(codeText, sizeof codeText, "%d", code);
  bool hasMessage = !TextIsEmpty(message);
  return ConcatTexts({"运行时出错!\r\n\r\n",
                      code != 0 ? "错误代码：" : nullptr, code != 0 ? codeText : nullptr,
                      code != 0 ? "\r\n\r\n" : nullptr,
                      hasMessage ? "错误信息：" : nullptr, hasMessage ? message : nullptr,
                      hasMessage ? "\r\n" : nullptr});
}

}  // namespace klv
