#include "platform/Input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

// SDL's scan codes are the USB keyboard usage ids.
enum : int {
    kUsbA = 4, kUsbD = 7, kUsbW = 26, kUsbReturn = 40, kUsbEscape = 41, kUsbMinus = 45, kUsbSlash = 56,
    kUsbF12 = 69, kUsbHome = 74, kUsbDelete = 76, kUsbRight = 79, kUsbLeft = 80, kUsbDown = 81, kUsbUp = 82,
    kUsbKpDivide = 84, kUsbKpMinus = 86, kUsbKpEnter = 88, kUsbKp2 = 90, kUsbKp4 = 92, kUsbKp6 = 94,
    kUsbKp7 = 95, kUsbKp8 = 96, kUsbKpPeriod = 99, kUsbLCtrl = 224, kUsbLShift = 225, kUsbLAlt = 226,
    kUsbRCtrl = 228, kUsbRShift = 229, kUsbRAlt = 230, kUsbLast = 512,
};

TEST(InputKeys, EveryKeyCodeMapsBackToItsKey)
{
    std::set<int> seen;
    for (int sc = 1; sc < kUsbLast; ++sc) {
        const uint8_t key = plat::KeyCodeFromScancode(sc);
        if (!key) continue;
        seen.insert(key);
        EXPECT_EQ(plat::KeyCodeFromScancode(plat::ScancodeFromKeyCode(key)), key) << "scancode " << sc;
    }
    EXPECT_GT(seen.size(), 100u);
    EXPECT_EQ(plat::KeyCodeFromScancode(0), 0);
    EXPECT_EQ(plat::KeyCodeFromScancode(-1), 0);
    EXPECT_EQ(plat::KeyCodeFromScancode(100000), 0);
    EXPECT_EQ(plat::ScancodeFromKeyCode(0), 0);
}

TEST(InputKeys, SidesAndNumpadAreDistinct)
{
    struct Case {
        int usb;
        int key;
    } cases[] = {
        {kUsbEscape, 1},    {kUsbReturn, 28},    {kUsbKpEnter, 156},  {kUsbLAlt, 56},      {kUsbRAlt, 184},
        {kUsbLCtrl, 29},    {kUsbRCtrl, 157},    {kUsbLShift, 42},    {kUsbRShift, 54},    {kUsbKp7, 71},
        {kUsbHome, 199},    {kUsbKp8, 72},       {kUsbUp, 200},       {kUsbKp4, 75},       {kUsbLeft, 203},
        {kUsbKp6, 77},      {kUsbRight, 205},    {kUsbKp2, 80},       {kUsbDown, 208},     {kUsbKpPeriod, 83},
        {kUsbDelete, 211},  {kUsbKpDivide, 181}, {kUsbSlash, 53},     {kUsbKpMinus, 74},   {kUsbMinus, 12},
        {kUsbA, 30},        {kUsbD, 32},         {kUsbW, 17},         {kUsbF12, 88},
    };
    for (const Case& c : cases) EXPECT_EQ(plat::KeyCodeFromScancode(c.usb), c.key) << "usage " << c.usb;
}

TEST(InputText, Utf8BecomesWindows1252)
{
    struct Case {
        const char* in;
        std::string out;
    } cases[] = {
        {"abc", "abc"},
        {"\xC3\xA9\xC3\xB1\xC3\x87", "\xE9\xF1\xC7"},   // é ñ Ç
        {"\xE2\x82\xAC", "\x80"},                        // euro sign
        {"\xE2\x80\x9C" "q" "\xE2\x80\x9D", "\x93q\x94"}, // curly quotes
        {"\xC5\xB8", "\x9F"},                            // Y with diaeresis
        {"\xE6\x97\xA5" "a", "a"},                       // a CJK character has no place
        {"\xF0\x9F\x98\x80" "b", "b"},                   // nor an emoji
        {"\x80" "c", "c"},                               // stray continuation byte
        {"\xC3" "d", "d"},                               // cut sequence
        {"\xC2\xA0", "\xA0"},
    };
    for (const Case& c : cases) {
        unsigned char buf[32];
        const size_t n = plat::Utf8ToWindows1252(c.in, buf, sizeof buf);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), n), c.out) << c.in;
    }
    unsigned char small[2];
    EXPECT_EQ(plat::Utf8ToWindows1252("abcdef", small, sizeof small), 2u);
    EXPECT_EQ(plat::Utf8ToWindows1252(nullptr, small, sizeof small), 0u);
}

TEST(InputMouse, WindowPixelsToTheFieldThroughTheLetterbox)
{
    struct Case {
        int x, y, w, h;
        float fx, fy;
    } cases[] = {
        {0, 0, 1024, 768, 0, 0},
        {512, 384, 1024, 768, 512, 384},
        {1024, 768, 2048, 1536, 512, 384},     // twice the size
        {2047, 1535, 2048, 1536, 1023, 767},      // held inside the field
        {128, 0, 1280, 768, 0, 0},             // bars of 128 left and right
        {100, 300, 1280, 768, 0, 300},         // on the left bar
        {1250, 300, 1280, 768, 1023, 300},     // on the right bar
        {640, 384, 1280, 768, 512, 384},
        {512, 128, 1024, 1024, 512, 0},        // bars above and below
        {512, 512, 1024, 1024, 512, 384},
        {512, 1000, 1024, 1024, 512, 767},
    };
    for (const Case& c : cases) {
        float fx = -1, fy = -1;
        ASSERT_TRUE(plat::WindowToField(c.x, c.y, c.w, c.h, &fx, &fy)) << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(fx, std::min(c.fx, 1023.0f)) << c.x << "," << c.y << " in " << c.w << "x" << c.h;
        EXPECT_FLOAT_EQ(fy, std::min(c.fy, 767.0f)) << c.x << "," << c.y << " in " << c.w << "x" << c.h;
    }
    // A window with no area (minimised) gives no position.
    float fx = 7, fy = 9;
    EXPECT_FALSE(plat::WindowToField(10, 10, 0, 0, &fx, &fy));
    EXPECT_FALSE(plat::WindowToField(10, 10, 1024, 0, &fx, &fy));
    EXPECT_EQ(fx, 7);
    EXPECT_EQ(fy, 9);
}
