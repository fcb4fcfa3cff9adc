#include "platform/Ini.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cstring>
#include <sstream>

#include "platform/Path.h"
#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

// A settings file in a scratch program folder, read and written through game paths.
class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testsupport::FreshProgramFolder("ini");
        path_ = ProgramPath("SET.ini");
    }
    void Put(const std::string& bytes) {
        std::ofstream(root_ / "SET.ini", std::ios::binary) << bytes;
    }
    std::string Bytes() const {
        std::ifstream in(root_ / "SET.ini", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string Read(const char* section, const char* key, const char* def = "def") {
        return ReadProfileString(section, key, def, path_);
    }
    fs::path root_;
    std::string path_;
};

const char kSettings[] =
    "; comment line=not a key\r\n"
    "[Option]\r\n"
    "Sound=1\r\n"
    "  Music = 0  \r\n"
    "Empty=\r\n"
    "Quoted=\" padded \"\r\n"
    "Single='x'\r\n"
    "Sound=2\r\n"
    "\r\n"
    "[Window]\r\n"
    "Style=1\r\n"
    "[option]\r\n"
    "Later=1\r\n";

}  // namespace

TEST_F(ProfileFile, ReadsValuesAndDefaults) {
    Put(kSettings);
    struct Case {
        const char* section;
        const char* key;
        const char* want;
    };
    const Case cases[] = {
        {"Option", "Sound", "1"},        // the first of two keys counts
        {"OPTION", "sOUND", "1"},        // names ignore ASCII case
        {"Option", "Music", "0"},        // names and values trimmed
        {" Option ", " Music ", "0"},
        {"Option", "Empty", ""},         // present but empty: not the default
        {"Option", "Quoted", " padded "},
        {"Option", "Single", "x"},
        {"Window", "Style", "1"},
        {"Option", "Later", "def"},      // only the first section of a name counts
        {"Option", "Style", "def"},      // keys of other sections are not seen
        {"Option", "; comment line", "def"},
        {"Missing", "Sound", "def"},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.section, c.key), c.want) << c.section << "/" << c.key;
}

TEST_F(ProfileFile, MissingFileGivesDefaults) {
    EXPECT_EQ(Read("Option", "Sound"), "def");
    EXPECT_EQ(ReadProfileInt("Public", "ServerNum", 2, path_), 2);
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(ReadProfileString("Option", "Sound", nullptr, buffer, sizeof buffer, path_), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(fs::exists(root_ / "SET.ini"));  // reading creates nothing
}

TEST_F(ProfileFile, LfAndCrlfFilesReadAlike) {
    std::string lf = kSettings;
    for (std::size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.erase(p, 1);
    Put(lf);
    EXPECT_EQ(Read("Option", "Music"), "0");
    EXPECT_EQ(Read("Window", "Style"), "1");
    Put(kSettings);
    EXPECT_EQ(Read("Option", "Music"), "0");
    EXPECT_EQ(Read("Window", "Style"), "1");
}

TEST_F(ProfileFile, KeepsGbkBytesAndDoesNotFoldTwoByteCharacters) {
    // "\x81\x41" and "\x81\x61" are two different GBK characters whose trail bytes are 'A' and
    // 'a': folding ASCII case must leave them apart.
    Put("[DIRSERVER1]\r\nname=网通服务器\r\n[\x81\x41]\r\nk=upper\r\n[\x81\x61]\r\nk=lower\r\n");
    EXPECT_EQ(Read("dirserver1", "NAME"), "网通服务器");
    EXPECT_EQ(Read("\x81\x41", "k"), "upper");
    EXPECT_EQ(Read("\x81\x61", "k"), "lower");
    ASSERT_TRUE(WriteProfileString("\x81\x61", "k", "小", path_));
    EXPECT_EQ(Read("\x81\x41", "k"), "upper");
    EXPECT_EQ(Read("\x81\x61", "k"), "小");
}

TEST_F(ProfileFile, SectionNameMayHoldABracketAsTrailByte) {
    // 0x5D (']') is a valid GBK trail byte; the header ends at the real ']'.
    Put("[\x81\x5D]\r\nk=v\r\n");
    EXPECT_EQ(Read("\x81\x5D", "k"), "v");
}

struct TruncCase {
    const char* value;
    std::size_t size;
    const char* want;
};

const TruncCase kTruncations[] = {
    {"abcdef", 7, "abcdef"},
    {"abcdef", 4, "abc"},              // at most size − 1 bytes
    {"abcdef", 1, ""},
    {"网通服务器", 11, "网通服务器"},
    {"网通服务器", 10, "网通服务"},     // never half a character
    {"网通服务器", 4, "网"},
    {"网通服务器", 2, ""},
    {"a网", 3, "a"},
};

TEST_F(ProfileFile, TruncatesToTheBufferWithoutSplittingCharacters) {
    for (const auto& c : kTruncations) {
        Put(std::string("[S]\r\nk=") + c.value + "\r\n");
        char buffer[16];
        std::fill(std::begin(buffer), std::end(buffer), '#');
        const std::size_t n = ReadProfileString("S", "k", "", buffer, c.size, path_);
        EXPECT_EQ(n, std::strlen(c.want)) << c.value << " in " << c.size;
        EXPECT_STREQ(buffer, c.want) << c.value << " in " << c.size;
        EXPECT_EQ(buffer[c.size], '#') << "wrote past the buffer";
        // The default is cut the same way.
        ReadProfileString("S", "missing", c.value, buffer, c.size, path_);
        EXPECT_STREQ(buffer, c.want) << "default " << c.value << " in " << c.size;
    }
    char untouched = '#';
    EXPECT_EQ(ReadProfileString("S", "k", "", &untouched, 0, path_), 0u);
    EXPECT_EQ(untouched, '#');
    EXPECT_EQ(ReadProfileString("S", "k", "", nullptr, 10, path_), 0u);
}

struct IntCase {
    const char* value;
    int want;
};

const IntCase kInts[] = {
    {"12", 12},          {"-5", -5},          {"+7", 7},
    {"  42", 42},        {"12abc", 12},       {"abc", 0},
    {"-", 0},            {"0x10", 0},         {"1 2", 1},
    {"007", 7},          {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"4294967297", 1},   // wraps as a 32-bit number
    {"- 5", 0},
};

TEST(ProfileInt, ParsesLeadingDigitsWithSign) {
    for (const auto& c : kInts) EXPECT_EQ(ParseProfileInt(c.value), c.want) << c.value;
}

TEST_F(ProfileFile, IntegerReadsDefaultOnlyWhenNothingIsThere) {
    Put("[Volume]\r\nSound=25\r\nBad=x\r\nEmpty=\r\nNeg=-1\r\n");
    EXPECT_EQ(ReadProfileInt("Volume", "Sound", 20, path_), 25);
    EXPECT_EQ(ReadProfileInt("volume", "NEG", 20, path_), -1);
    EXPECT_EQ(ReadProfileInt("Volume", "Bad", 20, path_), 0);  // not a number reads as 0
    EXPECT_EQ(ReadProfileInt("Volume", "Empty", 20, path_), 20);
    EXPECT_EQ(ReadProfileInt("Volume", "Missing", 20, path_), 20);
    EXPECT_EQ(ReadProfileInt("Window", "Speed", 20, path_), 20);
}

TEST_F(ProfileFile, WriteCreatesTheFileAndSection) {
    ASSERT_TRUE(WriteProfileString("Window", "Style", "1", path_));
    EXPECT_EQ(Bytes(), "[Window]\r\nStyle=1\r\n");
    EXPECT_EQ(Read("Window", "Style"), "1");
}

TEST_F(ProfileFile, WriteChangesOneLineAndKeepsTheRest) {
    Put("; settings\r\n[Option]\r\nsound = 1 \r\nMusic=0\r\n\r\n[Window]\r\nStyle=1\r\n");
    ASSERT_TRUE(WriteProfileString("OPTION", "Sound", "0", path_));
    EXPECT_EQ(Bytes(), "; settings\r\n[Option]\r\nsound=0\r\nMusic=0\r\n\r\n[Window]\r\nStyle=1\r\n");
    ASSERT_TRUE(WriteProfileString("Option", "YuYin", "1", path_));  // new key ends its section
    EXPECT_EQ(Bytes(),
              "; settings\r\n[Option]\r\nsound=0\r\nMusic=0\r\nYuYin=1\r\n\r\n[Window]\r\nStyle=1\r\n");
    ASSERT_TRUE(WriteProfileString("Proxy", "Address", "127.0.0.1", path_));
    EXPECT_EQ(Bytes(),
              "; settings\r\n[Option]\r\nsound=0\r\nMusic=0\r\nYuYin=1\r\n\r\n[Window]\r\nStyle=1\r\n"
              "[Proxy]\r\nAddress=127.0.0.1\r\n");
}

TEST_F(ProfileFile, TwoWritersKeepEachOthersKeys) {
    // The table writes its keys, then a dialog writes its own into the same sections.
    ASSERT_TRUE(WriteProfileString("Window", "Help", "1", path_));
    ASSERT_TRUE(WriteProfileString("Option", "Sound", "1", path_));
    ASSERT_TRUE(WriteProfileString("Window", "Speed", "12", path_));
    ASSERT_TRUE(WriteProfileString("Window", "Style", "0", path_));
    EXPECT_EQ(ReadProfileInt("Window", "Help", -1, path_), 1);
    EXPECT_EQ(ReadProfileInt("Option", "Sound", -1, path_), 1);
    EXPECT_EQ(ReadProfileInt("Window", "Speed", -1, path_), 12);
    EXPECT_EQ(ReadProfileInt("Window", "Style", -1, path_), 0);
    EXPECT_EQ(Bytes(), "[Window]\r\nHelp=1\r\nSpeed=12\r\nStyle=0\r\n[Option]\r\nSound=1\r\n");
}

TEST_F(ProfileFile, WriteUsesTheFilesOwnLineEndings) {
    Put("[A]\nx=1\n[B]\ny=2");  // LF, and no line break at the end
    ASSERT_TRUE(WriteProfileString("B", "z", "3", path_));
    ASSERT_TRUE(WriteProfileString("A", "w", "4", path_));
    ASSERT_TRUE(WriteProfileString("C", "v", "5", path_));
    EXPECT_EQ(Bytes(), "[A]\nx=1\nw=4\n[B]\ny=2\nz=3\n[C]\nv=5\n");
}

TEST_F(ProfileFile, SectionsAreCreatedOnceInOrder) {
    for (const char* s : {"PlayerInfo", "Rull", "Skin", "Option", "Volume", "UserSet", "Avatar"})
        ASSERT_TRUE(WriteProfileSection(s, path_));
    ASSERT_TRUE(WriteProfileSection("option", path_));  // already there
    ASSERT_TRUE(WriteProfileString("Rull", "Brood", "0", path_));
    ASSERT_TRUE(WriteProfileString("Window", "Help", "0", path_));
    EXPECT_EQ(Bytes(),
              "[PlayerInfo]\r\n[Rull]\r\nBrood=0\r\n[Skin]\r\n[Option]\r\n[Volume]\r\n[UserSet]\r\n"
              "[Avatar]\r\n[Window]\r\nHelp=0\r\n");
}

TEST_F(ProfileFile, RefusesWhatWouldBreakTheFile) {
    Put("[S]\r\nk=v\r\n");
    EXPECT_FALSE(WriteProfileString("S", "k", "a\r\n[Evil]\r\nx=1", path_));
    EXPECT_FALSE(WriteProfileString("S", "k=j", "v", path_));
    EXPECT_FALSE(WriteProfileString("S", "", "v", path_));
    EXPECT_FALSE(WriteProfileString("S", "[k", "v", path_));
    EXPECT_FALSE(WriteProfileString("S]x", "k", "v", path_));
    EXPECT_FALSE(WriteProfileString("", "k", "v", path_));
    EXPECT_FALSE(WriteProfileSection("a\nb", path_));
    EXPECT_EQ(Bytes(), "[S]\r\nk=v\r\n");
}

// A settings file grown past what the reader takes reads as missing; the first write replaces
// it, so the settings written from then on are kept rather than lost without a word.
TEST_F(ProfileFile, AFileTooLargeToBeSettingsIsReplacedByTheNextWrite) {
    std::string huge = "[Option]\r\nSound=0\r\n";
    huge.append((4u << 20) + 1 - huge.size(), ';');
    Put(huge);
    EXPECT_EQ(Read("Option", "Sound"), "def");
    ASSERT_TRUE(WriteProfileString("Option", "Music", "1", path_));
    EXPECT_EQ(Bytes(), "[Option]\r\nMusic=1\r\n");
    ASSERT_TRUE(WriteProfileString("Window", "Style", "0", path_));
    EXPECT_EQ(Read("Option", "Music"), "1");
    EXPECT_EQ(Read("Window", "Style"), "0");
}

// A folder under the file's name is no settings file of ours: it stays.
TEST_F(ProfileFile, AFolderUnderTheNameIsLeftAlone) {
    fs::create_directories(root_ / "SET.ini");
    EXPECT_FALSE(WriteProfileString("Option", "Music", "1", path_));
    EXPECT_TRUE(fs::is_directory(root_ / "SET.ini"));
}

TEST_F(ProfileFile, WriteFailsWhenTheFolderIsMissing) {
    EXPECT_FALSE(WriteProfileString("S", "k", "v", ProgramPath("NoFolder\\SET.ini")));
    EXPECT_FALSE(fs::exists(root_ / "NoFolder"));
}

TEST_F(ProfileFile, WritesThroughACaseInsensitivePath) {
    Put("[Window]\r\nStyle=1\r\n");
    ASSERT_TRUE(WriteProfileString("Window", "Style", "0", ProgramPath("set.INI")));
    EXPECT_EQ(Bytes(), "[Window]\r\nStyle=0\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator{}), 1);
}

TEST(IniDocument, SetThenFindGivesTheValueBack) {
    const char* texts[] = {"", "\r\n\r\n", "[S]", "[S]\r", "x=1\n[s]\nk", "[S\n[S]\nk=old\n", ";[S]\nk=1"};
    for (const char* t : texts) {
        IniDocument doc{std::string(t)};
        ASSERT_TRUE(doc.Set("S", "k", "new")) << t;
        EXPECT_EQ(doc.Find("S", "k").value_or("<none>"), "new") << t << " -> " << doc.Text();
    }
}
