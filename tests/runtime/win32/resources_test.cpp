// The executable's own resources, read from quantaro.exe itself: the version record, which
// must carry the application facts' numbers, and the icon set made from the SVG.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "icon_sizes.h"
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
                   {L"LegalCopyright", L"Copyright (C) 2026 Quantaro developers. MIT License."},
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

// The icon resource as the build packed it from the SVG: one image per size, each drawn for its
// pixel size. The bitmaps are 32 bits per pixel, colour image then AND mask; 256 is a PNG.
class ProgramIcon : public ::testing::Test {
  protected:
    void SetUp() override {
        program_ = LoadLibraryExW(programPath().c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(program_, nullptr);
        group_ = FindResourceW(program_, MAKEINTRESOURCEW(QUANTARO_PROGRAM_ICON), RT_GROUP_ICON);
        ASSERT_NE(group_, nullptr);
    }
    void TearDown() override {
        if (program_ != nullptr) {
            FreeLibrary(program_);
        }
    }
    // The image the system picks for this size, exactly as stored.
    const BYTE* image(int size) {
        const int id = LookupIconIdFromDirectoryEx(
            static_cast<BYTE*>(LockResource(LoadResource(program_, group_))), TRUE, size, size,
            LR_DEFAULTCOLOR);
        const HRSRC icon = FindResourceW(program_, MAKEINTRESOURCEW(id), RT_ICON);
        return icon != nullptr
                   ? static_cast<const BYTE*>(LockResource(LoadResource(program_, icon)))
                   : nullptr;
    }

  private:
    HMODULE program_ = nullptr;
    HRSRC group_ = nullptr;
};

TEST_F(ProgramIcon, HoldsEverySizeAsSharpBlackDigitsOnTransparency) {
    // The digits lie on a 16 x 16 grid: at 32 and 48 pixels each grid cell is 2 x 2 and 3 x 3
    // pixels, so the black area grows with the square of the size. A blurred or shifted image
    // would have grey or half-transparent pixels, or a different area.
    int blackAt16 = 0;
    for (const int size : windowsIconSizes) {
        SCOPED_TRACE(size);
        if (size == 256) {
            const BYTE pngSignature[] = {0x89, 'P', 'N', 'G'};
            const BYTE* large = image(size);
            ASSERT_NE(large, nullptr);
            EXPECT_TRUE(std::equal(std::begin(pngSignature), std::end(pngSignature), large));
            continue;
        }
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image(size));
        ASSERT_NE(header, nullptr);
        ASSERT_EQ(header->biWidth, size);
        ASSERT_EQ(header->biHeight, 2 * size) << "colour image and mask";
        ASSERT_EQ(header->biBitCount, 32);
        const auto* pixels = reinterpret_cast<const BYTE*>(header + 1);
        int black = 0;
        int other = 0;
        for (int i = 0; i < size * size; ++i) {
            const BYTE* bgra = pixels + i * 4;
            if (bgra[3] == 255 && bgra[0] == 0 && bgra[1] == 0 && bgra[2] == 0) {
                ++black;
            } else if (bgra[3] != 0) {
                ++other;
            }
        }
        EXPECT_EQ(other, 0) << "pixels neither black nor transparent";
        if (size == 16) {
            blackAt16 = black;
            EXPECT_GT(black, 0);
        } else if (size % 16 == 0) {
            EXPECT_EQ(black, blackAt16 * (size / 16) * (size / 16));
        }
    }
}

}  // namespace
}  // namespace quantaro::testing
