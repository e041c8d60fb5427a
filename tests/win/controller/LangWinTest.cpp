// The language table under Windows: the system locale, the file choice with
// FindFirstFileA, the private-profile reader, the installed English file, a hostile file, the
// page font and the label routine, and the loading at controller start-up.
#include "app/LangFormat.h"
#include "app/LangWin.h"
#include "app/Trace.h"
#include "controller/HideDlg.h"
#include "device/VxWLLib.h"
#include "framework/PageFont.h"
#include "harness/ControllerRun.h"
#include "harness/TraceCapture.h"
#include "VxSimControl.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

// A fresh folder with a program path in it; removed with everything in it at the end.
class TempProgramFolder {
public:
    TempProgramFolder()
    {
        char temp[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        static int s_count = 0;
        m_folder = std::string(temp) + "VxLangTest" + std::to_string(::GetCurrentProcessId()) + "_" +
                   std::to_string(++s_count) + "\\";
        ::CreateDirectoryA(m_folder.c_str(), nullptr);
    }
    ~TempProgramFolder() { RemoveTree(m_folder); }

    std::string Program() const { return m_folder + "VxUI.exe"; }
    std::string Languages() const { return m_folder + "Languages\\"; }
    std::string AddLanguageFile(const std::string& name, const std::string& text) const
    {
        ::CreateDirectoryA(Languages().c_str(), nullptr);
        WriteTextFile(Languages() + name, text);
        return Languages() + name;
    }

    static void RemoveTree(const std::string& folder)
    {
        WIN32_FIND_DATAA data;
        const HANDLE h = ::FindFirstFileA((folder + "*").c_str(), &data);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (name == "." || name == "..")
                    continue;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(folder + name + "\\");
                else
                    ::DeleteFileA((folder + name).c_str());
            } while (::FindNextFileA(h, &data));
            ::FindClose(h);
        }
        ::RemoveDirectoryA(folder.c_str());
    }

private:
    std::string m_folder;
};

// The installed English file of this build (bin\Languages beside the tests folder).
std::string InstalledProgram()
{
    return TestExeFolder() + "..\\bin\\VxUI.exe";
}

// Loads an empty table again so that tests do not see each other's texts.
void ResetTable()
{
    VxSetProcessLanguageTable([](const char*, const char*, const char* def) { return std::string(def); });
}

class LangWinTest : public ::testing::Test {
protected:
    void TearDown() override { ResetTable(); }
};

} // namespace

TEST_F(LangWinTest, TheSystemLocaleIsFourHexadecimalDigits)
{
    const std::string id = VxSystemLocaleId();
    ASSERT_EQ(4u, id.size()) << id;
    for (char c : id)
        EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(c))) << id;
    char expected[8] = "";
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_ILANGUAGE, expected, sizeof expected);
    EXPECT_EQ(std::string(expected), id);
}

TEST_F(LangWinTest, Locale0411WithoutAFileReadsTheEnglishFileOfTheSameFolder)
{
    TempProgramFolder dir;
    const std::string english = dir.AddLanguageFile("Lang0409.ini", "[Strings]\r\nIDS_OK=English OK\r\n");
    TraceCapture trace;
    EXPECT_EQ(english, VxLoadLanguageFrom(dir.Program().c_str(), "0411"));
    EXPECT_EQ("English OK", VxLang().m_IDS_OK.str());
    EXPECT_TRUE(trace.Contains("[VxUI] Language file: " + english + " (locale 0411)\n")) << trace.Text();
}

TEST_F(LangWinTest, ALocaleThatHasItsFileReadsIt)
{
    TempProgramFolder dir;
    dir.AddLanguageFile("Lang0409.ini", "[Strings]\r\nIDS_OK=English OK\r\n");
    const std::string japanese =
        dir.AddLanguageFile("Lang0411.ini", "[Font]\r\nCharSet=SHIFTJIS_CHARSET\r\nFaceName=MS UI Gothic\r\n"
                                            "[Strings]\r\nIDS_OK=Japanese OK\r\n");
    EXPECT_EQ(japanese, VxLoadLanguageFrom(dir.Program().c_str(), "0411"));
    EXPECT_EQ("Japanese OK", VxLang().m_IDS_OK.str());
    EXPECT_EQ(128, VxLang().m_nCharSet);
    EXPECT_EQ("MS UI Gothic", VxLang().m_strFaceName.str());
}

TEST_F(LangWinTest, TheSystemLocaleChoosesTheFileWhenNoneIsGiven)
{
    TempProgramFolder dir;
    const std::string own = dir.AddLanguageFile("Lang" + VxSystemLocaleId() + ".ini", "[Strings]\r\nIDS_OK=Own OK\r\n");
    EXPECT_EQ(own, VxLoadLanguageFrom(dir.Program().c_str(), nullptr));
    EXPECT_EQ("Own OK", VxLang().m_IDS_OK.str());
}

TEST_F(LangWinTest, WithoutAnyLanguageFileTextsAreEmptyAndTheFontIsTrebuchet)
{
    TempProgramFolder dir;
    VxSetProcessLanguageTable([](const char*, const char*, const char*) { return std::string("stale"); });
    EXPECT_EQ(dir.Languages() + "Lang0409.ini", VxLoadLanguageFrom(dir.Program().c_str(), "0411"));
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        EXPECT_TRUE(VxLang().TextAt(i).IsEmpty()) << CLanguageTable::KeyName(i);
    EXPECT_EQ("Trebuchet MS", VxLang().m_strFaceName.str());
    EXPECT_EQ(1, VxLang().m_nCharSet);
    CPageFont font;
    ASSERT_NE(nullptr, font.Create());
    LOGFONTA lf{};
    ASSERT_NE(0, ::GetObjectA(font, sizeof lf, &lf));
    EXPECT_STREQ("Trebuchet MS", lf.lfFaceName);
    EXPECT_EQ(1, lf.lfCharSet);
}

TEST_F(LangWinTest, ValuesThroughThePrivateProfileReader)
{
    TempProgramFolder dir;
    const std::string face40 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    const std::string path = dir.AddLanguageFile(
        "Lang0409.ini", "[Font]\r\nCharSet=hangeul_charset\r\nFaceName=" + face40 + "\r\n[Strings]\r\nIDS_OK=" +
                            std::string(600, 'x') + "\r\nIDS_CANCEL=  Cancel  \r\n");
    VxLoadLanguageFrom(dir.Program().c_str(), "0409");
    EXPECT_EQ(std::string(511, 'x'), VxLang().m_IDS_OK.str());
    EXPECT_EQ("Cancel", VxLang().m_IDS_CANCEL.str());
    // A lower-case name is not recognised.
    EXPECT_EQ(1, VxLang().m_nCharSet);
    EXPECT_EQ(face40, VxLang().m_strFaceName.str());

    WriteTextFile(path, "[Font]\r\nCharSet=HANGEUL_CHARSET\r\n");
    VxLoadLanguageFrom(dir.Program().c_str(), "0409");
    EXPECT_EQ(129, VxLang().m_nCharSet);
    WriteTextFile(path, "[Font]\r\nCharSet=HANGUL_CHARSET\r\nFaceName=" + face40 + "\r\n");
    VxLoadLanguageFrom(dir.Program().c_str(), "0409");
    EXPECT_EQ(129, VxLang().m_nCharSet);

    // The page font: height 16 (or 20), the character set, the face name cut to 31.
    CPageFont font;
    ASSERT_NE(nullptr, font.Create());
    LOGFONTA lf{};
    ASSERT_NE(0, ::GetObjectA(font, sizeof lf, &lf));
    EXPECT_EQ(16, lf.lfHeight);
    EXPECT_EQ(129, lf.lfCharSet);
    EXPECT_EQ(0, lf.lfWeight);
    EXPECT_EQ(0, lf.lfWidth);
    EXPECT_STREQ(face40.substr(0, 31).c_str(), lf.lfFaceName);
    ASSERT_NE(nullptr, font.Create(VX_PAGE_FONT_HEIGHT_LARGE));
    ASSERT_NE(0, ::GetObjectA(font, sizeof lf, &lf));
    EXPECT_EQ(20, lf.lfHeight);
}

TEST_F(LangWinTest, TheInstalledEnglishFileDefinesEveryKey)
{
    const std::string english = TestExeFolder() + "..\\bin\\Languages\\Lang0409.ini";
    ASSERT_TRUE(VxLangFileExists(english)) << english;
    EXPECT_EQ(english, VxLoadLanguageFrom(InstalledProgram().c_str(), "0409"));
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        EXPECT_FALSE(VxLang().TextAt(i).IsEmpty()) << CLanguageTable::KeyName(i);
    EXPECT_EQ("Trebuchet MS", VxLang().m_strFaceName.str());
    EXPECT_EQ(1, VxLang().m_nCharSet);
    EXPECT_EQ("OK", VxLang().m_IDS_OK.str());
    EXPECT_EQ("Link Quality : 57%", VxLangFormat(VxLang().m_IDS_LINK_QUALITY, 57).str());
    // Any locale without a file of its own gets the same texts.
    EXPECT_EQ(english, VxLoadLanguageFrom(InstalledProgram().c_str(), "0411"));
    EXPECT_EQ("OK", VxLang().m_IDS_OK.str());
}

TEST_F(LangWinTest, AHostileFileIsShownLiterallyAndNeverFormatted)
{
    TempProgramFolder dir;
    const std::string hostile = "%s%s%s%s%s%s%n%n%x%p%*d%1$s%ls 100%";
    std::string text = "[Strings]\r\n";
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        text += std::string(CLanguageTable::KeyName(i)) + "=" + hostile + "\r\n";
    dir.AddLanguageFile("Lang0409.ini", text);
    VxLoadLanguageFrom(dir.Program().c_str(), "0409");
    const CLanguageTable& t = VxLang();
    ASSERT_EQ(hostile, t.m_IDS_OMBREL_GOOD.str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_OMBREL_GOOD, "HomeNet").str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_WHITE_OMBREL_WEAK, "HomeNet").str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_OMBREL_WEP_ERROR, t.m_IDS_WEPERROR).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_LINK_QUALITY, 80).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_LINK_STRENGTH3_DBM, -70).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_PAC_LIST_MAX_ITEM, 50).str());
    char tip[128];
    VxLangFormatBuf(tip, sizeof tip, t.m_IDS_OMBREL_NORMAL, "HomeNet");
    EXPECT_EQ(hostile, tip);
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        EXPECT_EQ(hostile, VxLangFormat(t.TextAt(i)).str()) << CLanguageTable::KeyName(i);
}

TEST_F(LangWinTest, SettingALabelMovesItToItsOwnPlaceShowsItAndSetsItsText)
{
    const HWND hPage = ::CreateWindowExA(0, "STATIC", "page", WS_POPUP, 100, 100, 300, 200, nullptr, nullptr,
                                         ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hPage);
    const HWND hLabel = ::CreateWindowExA(0, "STATIC", "resource text", WS_CHILD, 10, 20, 120, 16, hPage,
                                          reinterpret_cast<HMENU>(1205), ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hLabel);
    ASSERT_FALSE(::GetWindowLongPtrA(hLabel, GWL_STYLE) & WS_VISIBLE);

    CPageFont font;
    ASSERT_NE(nullptr, font.Create());
    EXPECT_EQ(hLabel, VxSetLabel(hPage, 1205, "Status >>", font));
    EXPECT_TRUE(::GetWindowLongPtrA(hLabel, GWL_STYLE) & WS_VISIBLE);
    char text[64] = "";
    ::GetWindowTextA(hLabel, text, sizeof text);
    EXPECT_STREQ("Status >>", text);
    RECT rc{};
    ::GetWindowRect(hLabel, &rc);
    ::MapWindowPoints(nullptr, hPage, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(10, rc.left);
    EXPECT_EQ(20, rc.top);
    EXPECT_EQ(120, rc.right - rc.left);
    EXPECT_EQ(16, rc.bottom - rc.top);
    EXPECT_EQ(font.GetSafeHandle(), reinterpret_cast<HFONT>(::SendMessageA(hLabel, WM_GETFONT, 0, 0)));

    // An empty table text empties the label too.
    VxSetLabel(hPage, 1205, "");
    ::GetWindowTextA(hLabel, text, sizeof text);
    EXPECT_STREQ("", text);
    VxSetControlLabel(hLabel, nullptr);
    ::GetWindowTextA(hLabel, text, sizeof text);
    EXPECT_STREQ("", text);
    // No such control: nothing happens.
    EXPECT_EQ(nullptr, VxSetLabel(hPage, 4242, "x"));
    EXPECT_EQ(nullptr, VxSetLabel(static_cast<HWND>(nullptr), 1205, "x"));
    ::DestroyWindow(hPage);
}


TEST_F(LangWinTest, TheControllerLoadsTheTableAtStartUpAndTracesTheFile)
{
    HMODULE hLib = ::LoadLibraryA("VxWLAPI.dll");
    ASSERT_NE(nullptr, hLib);
    VxSimControl sim;
    ASSERT_TRUE(sim.Bind(hLib));
    sim.Reset(nullptr);
    char exe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string config = VxConfigPathForProgram(exe);
    WriteTextFile(config, "[Settings]\r\nDebugMode=1\r\n");
    // The tests' folder is the program folder here; only the English file is there, so the
    // system locale's file is either that one or missing and replaced by it.
    const std::string languages = TestExeFolder() + "Languages\\";
    ::CreateDirectoryA(languages.c_str(), nullptr);
    WriteTextFile(languages + "Lang0409.ini", "[Font]\r\nFaceName=Tahoma\r\n[Strings]\r\nIDS_TRAY_EXIT=Exit now\r\n");
    ResetTable();

    TraceCapture trace;
    std::string exitText;
    RunController([&](CTestHideDlg&) { exitText = VxLang().m_IDS_TRAY_EXIT.str(); });

    EXPECT_EQ("Exit now", exitText);
    EXPECT_EQ("Tahoma", VxLang().m_strFaceName.str());
    const std::string line =
        "[VxUI] Language file: " + languages + "Lang0409.ini (locale " + VxSystemLocaleId() + ")\n";
    EXPECT_TRUE(trace.Contains(line)) << trace.Text();
    // The table is read after the device library is initialised.
    const std::string all = trace.Text();
    EXPECT_LT(all.find("[VxUI] Load dll Success: "), all.find("[VxUI] Language file: "));

    TempProgramFolder::RemoveTree(languages);
    ::DeleteFileA(config.c_str());
    ::FreeLibrary(hLib);
}
