// How a hotkey is kept and named: "vk,mods" read strictly (anything else
// falls back to the default), and the names the start and stop buttons show.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "clicker/hotkey_combination.h"

namespace klv::clicker {
namespace {

TEST(HotkeyCombination, OnlyWellFormedUsableCombinationsRead) {
  struct Case {
    const char* text;
    bool reads;
    HotkeyCombination read;
  };
  const Case cases[] = {
      {"120,0", true, {VK_F9, 0}},
      {"49,2", true, {'1', MOD_CONTROL}},
      {"75,15", true, {'K', MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN}},
      {"0,0", true, {}},         // no key: the hotkey given up
      {"0,2", false, {}},        // modifiers without a key
      {"16,0", false, {}},       // Shift alone
      {"162,2", false, {}},      // left Control alone
      {"49,16", false, {}},      // an unknown modifier flag
      {"255,0", false, {}},      // beyond the keys
      {"F9", false, {}},
      {"120", false, {}},
      {" 120,0", false, {}},
      {"120,0,1", false, {}},
      {"-1,0", false, {}},
      {"", false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    HotkeyCombination read{VK_F6, 0};
    EXPECT_EQ(c.reads, ParseCombination(c.text, &read));
    EXPECT_TRUE(read == (c.reads ? c.read : HotkeyCombination{VK_F6, 0}));
    if (c.reads) EXPECT_EQ(c.text, FormatCombination(read));
  }
}

TEST(HotkeyCombination, NamesGiveModifiersThenTheKey) {
  EXPECT_EQ("F6", CombinationName({VK_F6, 0}));
  EXPECT_EQ("F24", CombinationName({VK_F24, 0}));
  EXPECT_EQ("Ctrl+1", CombinationName({'1', MOD_CONTROL}));
  EXPECT_EQ("Ctrl+Shift+Alt+Win+Q", CombinationName({'Q', MOD_CONTROL | MOD_SHIFT | MOD_ALT | MOD_WIN}));
  EXPECT_EQ("Num 7", CombinationName({VK_NUMPAD7, 0}));
  EXPECT_EQ("Shift+Space", CombinationName({VK_SPACE, MOD_SHIFT}));
  EXPECT_EQ("0xC0", CombinationName({VK_OEM_3, 0}));
}

}  // namespace
}  // namespace klv::clicker
