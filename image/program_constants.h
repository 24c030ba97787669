// The program's literal pool: every text the program's code uses, in one
// read-only block whose address range the runtime records. Texts from here
// are never freed and are copied before they change.
#pragma once

namespace klv {

struct ProgramConstants {
  char settingsFileName[sizeof "\\Marrowfen.ini"];
  char hotkeyCapture[sizeof "hqzb"];
  char hotkeyQuit[sizeof "Quit"];
  char hotkeyStart[sizeof "zxks"];
  char hotkeyStop[sizeof "zxtz"];
  char foregroundMode[sizeof "前台点击"];
  char backgroundMode[sizeof "后台点击"];
  char leftButton[sizeof "左键"];
  char rightButton[sizeof "右键"];
  char programManager[sizeof "Program Manager"];
  char progmanClass[sizeof "Progman"];
  char emptyPlanMessage[sizeof "一个坐标都没有怎么点击？"];
  char noSettingsMessage[sizeof "你确定你之前有保存过配置？"];
  char sectionConfiguration[sizeof "Configuration"];
  char sectionCoordinate[sizeof "Coordinate"];
  char keyClickMode[sizeof "前后台"];
  char keyWindowTitle[sizeof "窗口标题"];
  char keyRowCount[sizeof "坐标个数"];
  char keyRowPrefix[sizeof "坐标"];
  char rowSeparator[sizeof "|"];
  char one[sizeof "1"];
  char zero[sizeof "0"];
  char reminderCaption[sizeof "友情提醒"];
  char emptyIdentifierMessage[sizeof "【窗口_热键注册】命令第5个参数【标识文本】不能为空文本"];
  char saveFailedMessage[sizeof "配置没有保存到 "];
  char savingSuffix[sizeof ".saving"];
  char lineBreak[sizeof "\r\n"];
  char elevatedTargetMessage[sizeof "目标窗口以管理员身份运行，本程序无法向它发送点击。请以管理员身份运行本程序。"];
  char unreadableFileMessage[sizeof "无法读写配置文件 "];
  char unreadableFileReason[sizeof "这个文件的编码只有在“非 Unicode 程序的语言”为中文(简体)的系统上才能正确读写，文件没有改动。"];
  char unwritableCharactersReason[sizeof "这个文件的编码存不下要保存的某些字符，文件没有改动。"];
  char columnX[sizeof "坐标X"];
  char columnY[sizeof "坐标Y"];
  char columnDelay[sizeof "延迟"];
  char columnButton[sizeof "模式"];
  char separatorInFieldMessage[sizeof "中不能有“|”：配置文件用它分隔各列。计划没有改动。"];
  // The operator's own hotkeys: the preferences file, its section, and the
  // hotkeys' names (its keys, the options window's labels, and the start and
  // stop buttons' captions before their key).
  char preferencesFileName[sizeof "\\Klikvane.ini"];
  char sectionHotkeys[sizeof "Hotkeys"];
  char hotkeyNameStart[sizeof "开始"];
  char hotkeyNameStop[sizeof "停止"];
  char hotkeyNameCapture[sizeof "取坐标"];
  char hotkeyNameQuit[sizeof "退出"];
  char captionKeySeparator[sizeof "/"];
  char hotkeyTakenMessage[sizeof "已被占用"];
  char planFileKind[sizeof "配置文件 (*.ini)"];
  char planFilePattern[sizeof "*.ini"];
  char planFileExtension[sizeof "ini"];
};

inline constexpr ProgramConstants kConstants = {
    "\\Marrowfen.ini",
    "hqzb",
    "Quit",
    "zxks",
    "zxtz",
    "前台点击",
    "后台点击",
    "左键",
    "右键",
    "Program Manager",
    "Progman",
    "一个坐标都没有怎么点击？",
    "你确定你之前有保存过配置？",
    "Configuration",
    "Coordinate",
    "前后台",
    "窗口标题",
    "坐标个数",
    "坐标",
    "|",
    "1",
    "0",
    "友情提醒",
    "【窗口_热键注册】命令第5个参数【标识文本】不能为空文本",
    "配置没有保存到 ",
    ".saving",
    "\r\n",
    "目标窗口以管理员身份运行，本程序无法向它发送点击。请以管理员身份运行本程序。",
    "无法读写配置文件 ",
    "这个文件的编码只有在“非 Unicode 程序的语言”为中文(简体)的系统上才能正确读写，文件没有改动。",
    "这个文件的编码存不下要保存的某些字符，文件没有改动。",
    "坐标X",
    "坐标Y",
    "延迟",
    "模式",
    "中不能有“|”：配置文件用它分隔各列。计划没有改动。",
    "\\Klikvane.ini",
    "Hotkeys",
    "开始",
    "停止",
    "取坐标",
    "退出",
    "/",
    "已被占用",
    "配置文件 (*.ini)",
    "*.ini",
    "ini",
};

}  // namespace klv
