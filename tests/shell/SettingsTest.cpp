#include "shell/Settings.h"
#include "shell/ShellTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { settings = Settings{}; }
    void TearDown() override { settings = Settings{}; }

    static void Load(const std::string& contents) {
        LoadConfig(WriteTempFile("settings.config", contents).c_str());
    }

    static void Parse(std::vector<std::string> args) {
        args.insert(args.begin(), "gullmar");
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ParseCommandLine(static_cast<int>(args.size()), argv.data());
    }
};

TEST_F(SettingsTest, FileValuesAreReadAsTheirKeysSay) {
    Load("POOP_GAME_SPEED\n0\n");
    EXPECT_EQ(settings.gameSpeed, 60) << "a speed of 0 would stop the tick";
    Load("POOP_GAME_SPEED\n65536\n");
    EXPECT_EQ(settings.gameSpeed, 60) << "kept in 16 bits, which gives 0";
    Load("POOP_GAME_SPEED\n45\n\nPOOP_SHOW_TREES\n0\n\nPOOP_WINDOW_MODE\n 7\n");
    EXPECT_EQ(settings.gameSpeed, 45);
    EXPECT_EQ(settings.showTrees, 0);
    EXPECT_EQ(settings.windowMode, 7) << "leading blanks before a number";

    Load("POOP_TEXTURE_2D\n2\n");
    EXPECT_EQ(settings.textureTarget, Settings::textureOn);
    Load("POOP_TEXTURE_2D\n0\n");
    EXPECT_EQ(settings.textureTarget, 0);
    Load("POOP_TEXTURE_2D\n1\n");
    EXPECT_EQ(settings.textureTarget, Settings::textureOn);

    Load("POOP_SHADING_TYPE\n1\n");
    EXPECT_EQ(settings.shadingModel, Settings::flatShading);
    Load("POOP_SHADING_TYPE\n7425\n");
    EXPECT_EQ(settings.shadingModel, Settings::flatShading) << "only 0, 1 and 2 are understood";
    Load("POOP_SHADING_TYPE\n2\n");
    EXPECT_EQ(settings.shadingModel, Settings::smoothShading);
    Load("POOP_SHOW_CLOUDS\nlots\n");
    EXPECT_EQ(settings.showClouds, 0) << "text that is not a number reads as 0";
}

TEST_F(SettingsTest, AValueLineIsComparedWithTheRemainingKeys) {
    Load("FAST_COMPUTER\nPOOP_LIGHTING\n0\n");
    EXPECT_EQ(settings.fastComputer, 0);
    EXPECT_EQ(settings.lighting, 0);

    settings = Settings{};
    Load("POOP_LIGHTING \n0\nFAST_COMPUTER\n");
    EXPECT_EQ(settings.lighting, 1) << "a key with a trailing blank is not a key";
    EXPECT_EQ(settings.fastComputer, 1) << "a key on the last line has no value";

    settings = Settings{};
    Load("poop_lighting\n0\n" + std::string(300, 'x') + "\nPOOP_LIGHTING\n0\n");
    EXPECT_EQ(settings.lighting, 0) << "case matters, and a long line does not end the reading";
}

TEST_F(SettingsTest, MissingFileKeepsTheDefaults) {
    LoadConfig(TempPath("no-such-settings.config").c_str());
    EXPECT_EQ(settings.gameSpeed, 60);
    EXPECT_EQ(settings.textureTarget, Settings::textureOn);
    EXPECT_EQ(settings.lighting, 1);
}

TEST_F(SettingsTest, CommandLineOptions) {
    Parse({"--fast-computer"});
    EXPECT_EQ(settings.fastComputer, 1);
    Parse({"--fast-computer=0"});
    EXPECT_EQ(settings.fastComputer, 0);
    Parse({"--fast-computer=10"});
    EXPECT_EQ(settings.fastComputer, 1) << "one digit only";
    Parse({"--fast-computer=2"});
    EXPECT_EQ(settings.fastComputer, 2);
    Parse({"--fast-computer="});
    EXPECT_EQ(settings.fastComputer, -48) << "the terminator minus '0', which counts as on";

    Parse({"--window-mode", "--no-clouds", "--no-trees", "--no-lighting", "--flat-shading",
           "--no-textures", "--unknown", "no-trees"});
    EXPECT_EQ(settings.windowMode, 1);
    EXPECT_EQ(settings.showClouds, 0);
    EXPECT_EQ(settings.showTrees, 0);
    EXPECT_EQ(settings.lighting, 0);
    EXPECT_EQ(settings.shadingModel, Settings::flatShading);
    EXPECT_EQ(settings.textureTarget, 0);
    EXPECT_EQ(settings.gameSpeed, 60);

    settings = Settings{};
    Parse({"--window-mode=1", "--no-texture"});
    EXPECT_EQ(settings.windowMode, 0) << "options other than --fast-computer match exactly";
    EXPECT_EQ(settings.textureTarget, Settings::textureOn);
}

TEST_F(SettingsTest, OptionsOverrideTheFile) {
    Load("POOP_TEXTURE_2D\n1\nPOOP_WINDOW_MODE\n0\nFAST_COMPUTER\n0\n");
    Parse({"--no-textures", "--window-mode", "--fast-computer"});
    EXPECT_EQ(settings.textureTarget, 0);
    EXPECT_EQ(settings.windowMode, 1);
    EXPECT_EQ(settings.fastComputer, 1);
}

TEST_F(SettingsTest, SavedFileReadsBackToTheSameSettingsExceptFlatShading) {
    const std::string path = TempPath("saved.config");
    SaveConfig(path.c_str());
    EXPECT_EQ(ReadFile(path), ReadFile(GULLMAR_SOURCE_DIR "/config/gullmar.config"))
        << "the shipped defaults are in the writer's format";

    settings.fastComputer = 0;
    settings.showClouds = 0;
    settings.showTrees = 0;
    settings.windowMode = 1;
    settings.lighting = 0;
    settings.textureTarget = 0;
    settings.shadingModel = Settings::flatShading;
    settings.gameSpeed = 33;
    const Settings saved = settings;
    SaveConfig(path.c_str());
    EXPECT_EQ(ReadFile(path), "FAST_COMPUTER\n0\n\nPOOP_SHOW_CLOUDS\n0\n\nPOOP_SHOW_TREES\n0\n\n"
                              "POOP_WINDOW_MODE\n1\n\nPOOP_LIGHTING\n0\n\nPOOP_TEXTURE_2D\n0\n\n"
                              "POOP_SHADING_TYPE\n7424\n\nPOOP_GAME_SPEED\n33\n\n");

    settings = Settings{};
    LoadConfig(path.c_str());
    EXPECT_EQ(settings.fastComputer, saved.fastComputer);
    EXPECT_EQ(settings.showClouds, saved.showClouds);
    EXPECT_EQ(settings.showTrees, saved.showTrees);
    EXPECT_EQ(settings.windowMode, saved.windowMode);
    EXPECT_EQ(settings.lighting, saved.lighting);
    EXPECT_EQ(settings.textureTarget, saved.textureTarget);
    EXPECT_EQ(settings.gameSpeed, saved.gameSpeed);
    EXPECT_EQ(settings.shadingModel, Settings::smoothShading) << "7424 is not read back";

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
