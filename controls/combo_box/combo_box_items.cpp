#include "controls/combo_box/combo_box_items.h"

#include <cstring>

#include "runtime/system_text.h"

namespace klv {
namespace {

const char kItemSeparator[] = "\r\n";

}  // namespace

std::string JoinItems(const std::vector<std::string>& items) {
  std::string joined;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) joined += kItemSeparator;
    joined += items[i];
  }
  return joined;
}

std::vector<std::string> SplitItems(const std::string& text) {
  std::vector<std::string> items;
  if (text.empty()) return items;
  size_t from = 0;
  for (size_t at; (at = text.find(kItemSeparator, from)) != std::string::npos; from = at + 2) {
    items.push_back(text.substr(from, at - from));
  }
  items.push_back(text.substr(from));
  return items;
}

std::string ItemText(const ComboAsker& ask, int index) {
  int count = static_cast<int>(ask(CB_GETCOUNT, 0, 0));
  if (index < 0 || index >= count) return std::string();
  LRESULT length = ask(CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR || length <= 0) return std::string();
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = ask(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  if (copied == CB_ERR || copied <= 0) return std::string();
  return ToProgramText(std::wstring(buffer.data(), wcsnlen(buffer.data(), buffer.size())));
}

std::string ShownText(const ComboAsker& ask) {
  LRESULT length = ask(WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return std::string();
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = ask(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return ToProgramText(std::wstring(buffer.data(), copied > 0 ? wcsnlen(buffer.data(), buffer.size()) : 0));
}

LRESULT AddItem(const ComboAsker& ask, const std::string& text) {
  const std::wstring item = ToSystemText(text);
  return ask(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

bool LeavesContentAlone(UINT message) {
  switch (message) {
    case WM_PAINT: case WM_NCPAINT: case WM_ERASEBKGND: case WM_NCHITTEST: case WM_SETCURSOR:
    case WM_NCMOUSEMOVE: case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_GETDLGCODE: case WM_GETFONT:
    case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSTATIC: case WM_TIMER:
    case WM_DESTROY: case WM_NCDESTROY: case CB_GETCOUNT: case CB_GETCURSEL: case CB_GETLBTEXT:
    case CB_GETLBTEXTLEN: case CB_GETEDITSEL: case CB_GETDROPPEDSTATE: case CB_GETITEMDATA: case CB_GETITEMHEIGHT:
    case EM_GETSEL: return true;
    default: return false;
  }
}

bool ChangesItems(UINT message) {
  return message == CB_ADDSTRING || message == CB_INSERTSTRING || message == CB_DELETESTRING ||
         message == CB_RESETCONTENT || message == CB_DIR || message == CB_SETITEMDATA;
}

}  // namespace klv
