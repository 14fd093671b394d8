// The executable's own resources, read from quantaro.exe itself: the version record, which
// must carry the application facts' numbers, and the icon, which must be the XPM picture.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "resources/quantaro_icon.xpm"
#include "runtime/app_facts.h"
#include "runtime/win32/win32_resource_ids.h"
#include "runtime/win32/win32_text.h"

namespace quantaro::testing {
namespace {

std::wstring programPath() {
    const char* path = std::getenv("QUANTARO_EXE");
    return path != nullptr ? win32::wideFromUtf8(path) : L"";
}

class VersionRecord : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(programPath().empty()) << "ctest names the program";
        DWORD ignored = 0;
        record_.resize(GetFileVersionInfoSizeW(programPath().c_str(), &ignored));
        ASSERT_FALSE(record_.empty()) << "quantaro.exe has no version record";
        ASSERT_TRUE(GetFileVersionInfoW(programPath().c_str(), 0,
                                        static_cast<DWORD>(record_.size()), record_.data()));
    }
    template <class T>
    const T* value(const std::wstring& path) {
        void* found = nullptr;
        UINT length = 0;
        return VerQueryValueW(record_.data(), path.c_str(), &found, &length) && length > 0
                   ? static_cast<const T*>(found)
                   : nullptr;
    }

  private:
    std::vector<BYTE> record_;
};

TEST_F(VersionRecord, NumbersTheFileAndProductWithTheProgramsVersion) {
    const auto* fixed = value<VS_FIXEDFILEINFO>(L"\\");
    ASSERT_NE(fixed, nullptr);
    const DWORD major = MAKELONG(app::Minor, app::Major);
    const DWORD minor = MAKELONG(0, app::Revision);
    EXPECT_EQ(fixed->dwFileVersionMS, major);
    EXPECT_EQ(fixed->dwFileVersionLS, minor);
    EXPECT_EQ(fixed->dwProductVersionMS, major);
    EXPECT_EQ(fixed->dwProductVersionLS, minor);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionRecord, HoldsOneUsEnglishUnicodeStringTableWithTheProgramsNames) {
    const auto* translation = value<WORD>(L"\\VarFileInfo\\Translation");
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation[0], 0x409);
    EXPECT_EQ(translation[1], 1200);
    const struct {
        const wchar_t* name;
        const wchar_t* text;
    } strings[] = {{L"CompanyName", L"Quantaro developers"},
                   {L"LegalCopyright", L"Copyright (C) 2026 Quantaro developers"},
                   {L"ProductName", L"Quantaro"},
                   {L"InternalName", L"Quantaro"},
                   {L"OriginalFilename", L"Quantaro.exe"},
                   {L"FileVersion", L"1.00"},
                   {L"ProductVersion", L"1.00"}};
    for (const auto& s : strings) {
        const auto* text = value<wchar_t>(std::wstring(L"\\StringFileInfo\\040904B0\\") + s.name);
        EXPECT_EQ(std::wstring(text != nullptr ? text : L"(missing)"), s.text)
            << win32::utf8FromWide(s.name);
    }
}

// The icon resource as the build wrote it: a 32 x 32 image with 32 bits per pixel, bottom row
// first, then the AND mask.
TEST(ProgramIcon, IsTheXpmPictureWithItsTransparency) {
    const HMODULE program = LoadLibraryExW(
        programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    const HRSRC group =
        FindResourceW(program, MAKEINTRESOURCEW(QUANTARO_PROGRAM_ICON), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const int iconId = LookupIconIdFromDirectoryEx(
        static_cast<BYTE*>(LockResource(LoadResource(program, group))), TRUE, 32, 32, 0);
    const HRSRC icon = FindResourceW(program, MAKEINTRESOURCEW(iconId), RT_ICON);
    ASSERT_NE(icon, nullptr);
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(program, icon)));
    ASSERT_EQ(header->biWidth, 32);
    ASSERT_EQ(header->biHeight, 64) << "colour image and mask";
    ASSERT_EQ(header->biBitCount, 32);
    const auto* pixels = reinterpret_cast<const BYTE*>(header + 1);
    const char* const* rows = quantaro_icon_xpm + 3;  // after the size line and two colours
    ASSERT_EQ(std::string(quantaro_icon_xpm[1]), ". c None");
    ASSERT_EQ(std::string(quantaro_icon_xpm[2]), "# c #000000");
    int differences = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const BYTE* bgra = pixels + ((31 - y) * 32 + x) * 4;
            const bool black = rows[y][x] == '#';
            const bool drawnBlack = bgra[3] == 255 && bgra[0] == 0 && bgra[1] == 0 && bgra[2] == 0;
            const bool drawnClear = bgra[3] == 0;
            differences += (black ? drawnBlack : drawnClear) ? 0 : 1;
        }
    }
    EXPECT_EQ(differences, 0);
    FreeLibrary(program);
}

}  // namespace
}  // namespace quantaro::testing
