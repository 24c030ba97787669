// Another program took Control+1 before Klikvane started. The situation's
// own tests run in a second process of this test program (started with
// --held-capture-key, with the helper holding the key before the in-process
// Klikvane loads); the ordinary run starts it and reads its report.
#include <gtest/gtest.h>
#include <windows.h>

#include "clicker/globals.h"
#include "clicker/units.h"
#include "tests/pointing/helper_process.h"
#include "tests/pointing/klikvane_state.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;
namespace Property = klv::clicker::Property;

const char* const kHeldTests[] = {"QuitBecomesTheFirstRecordAndTheProcedureIsReplacedWithIt",
                                  "ControlOneReachesTheOtherProgramWhileFSixAndFSevenStillWork"};

TEST(HeldCaptureKey, QuitBecomesTheFirstRecordAndTheProcedureIsReplacedWithIt) {
  ASSERT_NE(nullptr, CaptureKeyHolder());
  ASSERT_TRUE(CaptureKeyHolder()->holdsHotkey());
  ASSERT_EQ(3u, HotkeyRecordCount());
  const char* expected[3] = {"Quit", "zxks", "zxtz"};
  for (uint32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(expected[i], IdentifierOf(i)) << i;
    EXPECT_EQ(MainWindowHandle(), WindowOf(i)) << i;
  }
  // Hooked through the wide function: the window stays a Unicode window.
  EXPECT_EQ(HotkeyProcedure(), GetWindowLongPtrW(MainWindowHandle(), GWLP_WNDPROC));
  EXPECT_TRUE(IsWindowUnicode(MainWindowHandle()));
  EXPECT_NE(0u, klv::clicker::Globals().previousWindowProc);
}

TEST(HeldCaptureKey, ControlOneReachesTheOtherProgramWhileFSixAndFSevenStillWork) {
  HelperProcess* holder = CaptureKeyHolder();
  ASSERT_NE(nullptr, holder);
  BringMainWindowToFront();
  ClearCaptureFields();
  PressKey('1', true);
  ASSERT_TRUE(PumpUntil([holder] { return holder->HotkeysReceived() == 1; }));
  Pump(300);
  EXPECT_EQ(",,,,,", CaptureFields());
  PrepareHarmlessPlan();
  PressKey(VK_F6);
  ASSERT_TRUE(PumpUntil(StartButtonDisabled));
  PressKey(VK_F7);
  EXPECT_TRUE(PumpUntil([] { return !StartButtonDisabled(); }));
  ClearPlan();
}

TEST(HotkeyTable, WhenControlOneIsTakenBeforeStartQuitBecomesTheFirstRecord) {
  ProgramHotkeysSetAside setAside;  // the second process needs the other three keys
  const std::string report = TempPath("held_capture_key.xml");
  DeleteFileA(report.c_str());
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  ChildProcess run(self, std::string(kHeldCaptureKeyFlag) + " \"--gtest_output=xml:" + report + "\"");
  ASSERT_TRUE(run.started());
  DWORD code = STILL_ACTIVE;
  PumpUntil([&] { return (code = run.Wait(0)) != STILL_ACTIVE; }, 180000);
  const std::string xml = ReadWholeFile(report);
  DeleteFileA(report.c_str());
  EXPECT_EQ(0u, code) << xml;
  for (const char* name : kHeldTests) {
    EXPECT_NE(std::string::npos, xml.find(std::string("name=\"") + name + "\"")) << xml;
  }
  EXPECT_EQ(std::string::npos, xml.find("<failure")) << xml;
}

}  // namespace
}  // namespace klvtest
