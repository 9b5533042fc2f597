#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

fs::path FreshFolder(const char* name)
{
    fs::path p = fs::path(MG_TEST_TMP) / name;
    fs::remove_all(p);
    fs::create_directories(p);
    return p;
}

void Touch(const fs::path& p)
{
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
}

} // namespace

TEST(Paths, ResolvesWindowsNamesCaseInsensitively)
{
    fs::path root = FreshFolder("paths");
    Touch(root / "Data" / "Graficos" / "Ingame" / "Cursor.png");
    Touch(root / "data2" / "file.TXT");
    struct Case {
        const char* name;
        bool exists;
        std::string expected; // relative to root
    } cases[] = {
        {"Data\\Graficos\\Ingame\\Cursor.png", true, "Data/Graficos/Ingame/Cursor.png"},
        {"DATA\\graficos\\INGAME\\cursor.PNG", true, "Data/Graficos/Ingame/Cursor.png"},
        {"Data\\\\Graficos\\\\Ingame\\Cursor.png", true, "Data/Graficos/Ingame/Cursor.png"},
        {"Data/Graficos\\Ingame//Cursor.png", true, "Data/Graficos/Ingame/Cursor.png"},
        {"\\data2\\FILE.txt", false, ""}, // absolute: not under the root
        {"data2\\FILE.txt", true, "data2/file.TXT"},
        {"Data\\Missing\\Sub\\X.png", false, "Data/Missing/Sub/X.png"},
        {"Data\\graficos\\nothere.png", false, "Data/Graficos/nothere.png"},
    };
    for (const Case& c : cases) {
        std::string out;
        bool ok = plat::ResolveExisting(c.name, &out, root.string());
        EXPECT_EQ(ok, c.exists) << c.name;
        if (!c.expected.empty()) {
            EXPECT_EQ(out, (root / c.expected).string()) << c.name;
        }
    }
}

TEST(Paths, DataRootOverride)
{
    plat::SetDataRoot("/tmp/somewhere");
    EXPECT_EQ(plat::DataRoot(), "/tmp/somewhere");
    EXPECT_EQ(plat::ResolvePath("a\\b"), "/tmp/somewhere/a/b");
}

TEST(Paths, UserFolderIsCreatedUnderXdgDataHome)
{
    fs::path home = FreshFolder("xdg");
    const char* old = std::getenv("XDG_DATA_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    std::string folder = plat::UserFolder("Kestrune", "Marrowgate");
    EXPECT_EQ(folder, (home / "Kestrune" / "Marrowgate").string());
    EXPECT_TRUE(fs::is_directory(folder));
    // Without XDG_DATA_HOME the folder is under ~/.local/share.
    unsetenv("XDG_DATA_HOME");
    std::string h = std::getenv("HOME") ? std::getenv("HOME") : "";
    if (!h.empty()) {
        EXPECT_EQ(plat::UserDataHome(), h + "/.local/share");
    }
    if (old) setenv("XDG_DATA_HOME", saved.c_str(), 1);
}

TEST(Window, LetterboxViewport)
{
    struct Case {
        int w, h;
        plat::Viewport v;
    } cases[] = {
        {1024, 768, {0, 0, 1024, 768}},
        {1920, 1080, {240, 0, 1440, 1080}}, // bars left and right
        {1024, 1024, {0, 128, 1024, 768}},  // bars top and bottom
        {0, 0, {0, 0, 0, 0}},               // minimised
    };
    for (const Case& c : cases) {
        plat::Viewport v = plat::LetterboxViewport(c.w, c.h);
        EXPECT_EQ(v.x, c.v.x) << c.w << "x" << c.h;
        EXPECT_EQ(v.y, c.v.y) << c.w << "x" << c.h;
        EXPECT_EQ(v.w, c.v.w) << c.w << "x" << c.h;
        EXPECT_EQ(v.h, c.v.h) << c.w << "x" << c.h;
    }
}

TEST(Window, ClearedFrameReadsBack)
{
    ASSERT_TRUE(plat::CreateMainWindow("test", false));
    plat::ClearBackBuffer(1.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_TRUE(plat::PresentBackBuffer());
    plat::ClearBackBuffer(0.0f, 1.0f, 0.0f, 1.0f);
    std::vector<uint8_t> px;
    ASSERT_TRUE(plat::ReadBackBuffer(&px));
    ASSERT_EQ(px.size(), 1024u * 768u * 4u);
    for (size_t i : {size_t(0), size_t(1024 * 384 + 512), size_t(1024 * 768 - 1)}) {
        EXPECT_EQ(px[i * 4 + 0], 0);
        EXPECT_EQ(px[i * 4 + 1], 255);
        EXPECT_EQ(px[i * 4 + 3], 255);
    }
    // Full screen and back keep the window and the back buffer.
    EXPECT_TRUE(plat::SetFullscreen(true));
    EXPECT_TRUE(plat::IsFullscreen());
    EXPECT_TRUE(plat::SetFullscreen(false));
    EXPECT_TRUE(plat::PresentBackBuffer());
    plat::DestroyMainWindow();
    EXPECT_FALSE(plat::MainWindowExists());
}
