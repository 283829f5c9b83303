#include "shell/Settings.h"
#include "shell/ShellTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <utility>
#include <vector>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { settings = Settings{}; }
    void TearDown() override { settings = Settings{}; }

    static void Load(const std::string& contents) {
        LoadConfig(WriteTempFile("settings.config", contents).c_str());
    }
};

// The eight settings as one line: fast computer, clouds, trees, window mode,
// lighting, texture target, shading model, game speed.
std::string Shown() {
    std::string line;
    for (const int value :
         {int{settings.fastComputer}, int{settings.showClouds}, int{settings.showTrees},
          int{settings.windowMode}, int{settings.lighting}, int{settings.textureTarget},
          int{settings.shadingModel}, int{settings.gameSpeed}}) {
        if (!line.empty()) {
            line += ' ';
        }
        line += std::to_string(value);
    }
    return line;
}

const std::string defaults = "1 1 1 0 1 3553 7425 60";

TEST_F(SettingsTest, FileValuesAreReadAsTheirKeysSay) {
    const std::pair<const char*, const char*> cases[] = {
        {"POOP_GAME_SPEED\n0\n", "1 1 1 0 1 3553 7425 60"},     // 0 would stop the tick
        {"POOP_GAME_SPEED\n65536\n", "1 1 1 0 1 3553 7425 60"}, // 16 bits of it are 0
        {"POOP_GAME_SPEED\n45\n\nPOOP_SHOW_TREES\n0\n\nPOOP_WINDOW_MODE\n 7\n",
         "1 1 0 7 1 3553 7425 45"},
        {"POOP_TEXTURE_2D\n2\nPOOP_SHADING_TYPE\n1\n", "1 1 1 0 1 3553 7424 60"},
        {"POOP_TEXTURE_2D\n0\nPOOP_SHOW_CLOUDS\nlots\n", "1 0 1 0 1 0 7425 60"},
        // A value line is compared with the remaining keys.
        {"FAST_COMPUTER\nPOOP_LIGHTING\n0\n", "0 1 1 0 0 3553 7425 60"},
        // A key with a trailing blank is not a key; a key on the last line has no value.
        {"POOP_LIGHTING \n0\nFAST_COMPUTER\n", defaults.c_str()},
        {"poop_lighting\n0\n", defaults.c_str()},
    };
    for (const auto& [file, expected] : cases) {
        settings = Settings{};
        Load(file);
        EXPECT_EQ(Shown(), expected) << file;
    }
    Load(std::string(300, 'x') + "\nPOOP_LIGHTING\n0\n");
    EXPECT_EQ(settings.lighting, 0) << "a long line does not end the reading";
    settings = Settings{};
    LoadConfig(TempPath("no-such-settings.config").c_str());
    EXPECT_EQ(Shown(), defaults);
}

TEST_F(SettingsTest, CommandLineOptionsOverrideTheFile) {
    // --fast-computer takes one digit; "=" alone gives the terminator minus '0'.
    const std::pair<const char*, int> fast[] = {{"--fast-computer", 1},
                                                {"--fast-computer=0", 0},
                                                {"--fast-computer=10", 1},
                                                {"--fast-computer=2", 2},
                                                {"--fast-computer=", -48}};
    for (const auto& [option, value] : fast) {
        ParseArguments({option});
        EXPECT_EQ(settings.fastComputer, value) << option;
    }
    settings = Settings{};
    ParseArguments({"--window-mode", "--no-clouds", "--no-trees", "--no-lighting", "--flat-shading",
                    "--no-textures", "--unknown", "no-trees"});
    EXPECT_EQ(Shown(), "1 0 0 1 0 0 7424 60");
    settings = Settings{};
    ParseArguments({"--window-mode=1", "--no-texture"}); // other options match exactly
    EXPECT_EQ(Shown(), defaults);
    Load("POOP_TEXTURE_2D\n1\nPOOP_WINDOW_MODE\n0\nFAST_COMPUTER\n0\n");
    ParseArguments({"--no-textures", "--window-mode", "--fast-computer"});
    EXPECT_EQ(Shown(), "1 1 1 1 1 0 7425 60");
}

TEST_F(SettingsTest, SoundOptionsComeOnlyFromTheCommandLine) {
    EXPECT_EQ(settings.sound, 1);
    EXPECT_EQ(settings.volume, 100);
    ParseArguments({"--no-sound", "--volume=40"});
    EXPECT_EQ(settings.sound, 0);
    EXPECT_EQ(settings.volume, 40);
    // Out of range or not a number: the volume stays.
    ParseArguments({"--volume=101", "--volume=-1", "--volume=", "--volume=5x", "--volume"});
    EXPECT_EQ(settings.volume, 40);
    ParseArguments({"--volume=0"});
    EXPECT_EQ(settings.volume, 0);
    // The settings file keeps exactly its eight keys.
    const std::string path = TempPath("sound-settings.config");
    SaveConfig(path.c_str());
    const std::string saved = ReadFile(path);
    EXPECT_EQ(saved.find("SOUND"), std::string::npos);
    EXPECT_EQ(saved.find("VOLUME"), std::string::npos);
    Load(saved);
    EXPECT_EQ(settings.sound, 0) << "reading the file leaves the sound options alone";
}

TEST_F(SettingsTest, SavedFileReadsBackToTheSameSettingsExceptFlatShading) {
    const std::string path = TempPath("saved.config");
    SaveConfig(path.c_str());
    EXPECT_EQ(ReadFile(path), ReadFile(GULLMAR_SOURCE_DIR "/config/gullmar.config"))
        << "the shipped defaults are in the writer's format";
    ParseArguments({"--fast-computer=0", "--no-clouds", "--no-trees", "--window-mode",
                    "--no-lighting", "--no-textures", "--flat-shading"});
    settings.gameSpeed = 33;
    SaveConfig(path.c_str());
    EXPECT_EQ(ReadFile(path), "FAST_COMPUTER\n0\n\nPOOP_SHOW_CLOUDS\n0\n\nPOOP_SHOW_TREES\n0\n\n"
                              "POOP_WINDOW_MODE\n1\n\nPOOP_LIGHTING\n0\n\nPOOP_TEXTURE_2D\n0\n\n"
                              "POOP_SHADING_TYPE\n7424\n\nPOOP_GAME_SPEED\n33\n\n");
    settings = Settings{};
    LoadConfig(path.c_str());
    EXPECT_EQ(Shown(), "0 0 0 1 0 0 7425 33") << "7424 is not read back";
    SaveConfig(TempPath("no-such-directory/saved.config").c_str()); // silently nothing
}

TEST_F(SettingsTest, AFailedSaveLeavesTheOldFileWhole) {
    const std::string old = "POOP_GAME_SPEED\n42\n\n";
    const std::string path = WriteTempFile("kept.config", old);
    const std::string temporary = path + ".tmp";
    settings.gameSpeed = 17;

    // The temporary file cannot be made: here a folder is in its way.
    std::filesystem::create_directory(temporary);
    SaveConfig(path.c_str());
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_TRUE(std::filesystem::is_directory(temporary)) << "only our own file is removed";
    std::filesystem::remove(temporary);

    // The write itself fails, as on a full disk: files may not grow past a few
    // bytes (the signal that would end the process is ignored meanwhile).
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{16, limit.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    SaveConfig(path.c_str());
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_FALSE(std::filesystem::exists(temporary)) << "a half-written file is not left behind";

    SaveConfig(path.c_str());
    EXPECT_NE(ReadFile(path).find("POOP_GAME_SPEED\n17\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

TEST(IntroTextTest, LinesEndWithNewlinesAndTheTextNeverOutgrowsItsBuffer) {
    LoadIntroText(WriteTempFile("intro.txt", "Hello\n\nbird\n").c_str());
    EXPECT_STREQ(introText, "Hello\n\nbird\n");
    LoadIntroText(WriteTempFile("intro.txt", "no newline at the end").c_str());
    EXPECT_STREQ(introText, "no newline at the end\n");

    // A line longer than a read continues on the next line of the text.
    LoadIntroText(WriteTempFile("intro.txt", std::string(200, 'a') + "\n").c_str());
    EXPECT_EQ(std::string(introText), std::string(158, 'a') + "\n" + std::string(42, 'a') + "\n");

    std::string longText;
    for (int i = 0; i < 40; ++i) {
        longText += std::string(60, static_cast<char>('A' + i % 26)) + "\n";
    }
    LoadIntroText(WriteTempFile("intro.txt", longText).c_str());
    EXPECT_EQ(std::strlen(introText), static_cast<size_t>(introTextSize - 1));
    EXPECT_EQ(std::string(introText), longText.substr(0, introTextSize - 1));

    LoadIntroText(TempPath("no-such-intro.txt").c_str());
    EXPECT_STREQ(introText, "");
    LoadIntroText(WriteTempFile("intro.txt", "x\n").c_str());
    LoadIntroText(TempPath("").c_str()); // a directory: opens, but cannot be read
    EXPECT_STREQ(introText, "");
}

TEST(IntroTextTest, ShippedIntroFitsTheWindow) {
    LoadIntroText(GULLMAR_SOURCE_DIR "/config/introText.txt");
    const std::string text = introText;
    EXPECT_FALSE(text.empty());
    EXPECT_LT(text.size(), static_cast<size_t>(introTextSize - 1)) << "nothing cut";
    // Drawn from x = 200 in an 800-pixel window with 8-pixel characters.
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        EXPECT_LE(end - start, 70u) << text.substr(start, end - start);
        start = end + 1;
    }
}

} // namespace
