// The executable's own resources, read from quantaro.exe itself: the version record, which
// must carry the application facts' numbers, and the icon set made from the SVG.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstddef>
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

// The icon resource as the build packed it from the SVG: one image per size, each a PNG drawn
// for its pixel size, read back as the system decodes it for a window.
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
    std::vector<BYTE> image(int size) {
        const int id = LookupIconIdFromDirectoryEx(
            static_cast<BYTE*>(LockResource(LoadResource(program_, group_))), TRUE, size, size,
            LR_DEFAULTCOLOR);
        const HRSRC icon = FindResourceW(program_, MAKEINTRESOURCEW(id), RT_ICON);
        if (icon == nullptr) {
            return {};
        }
        const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(program_, icon)));
        return {bytes, bytes + SizeofResource(program_, icon)};
    }

  private:
    HMODULE program_ = nullptr;
    HRSRC group_ = nullptr;
};

// The colour pixels (blue, green, red, alpha; top row first) of a stored icon image, as the
// system decodes it; empty when it cannot.
std::vector<BYTE> decodedPixels(std::vector<BYTE>& stored, int size) {
    const HICON icon = CreateIconFromResourceEx(stored.data(), static_cast<DWORD>(stored.size()),
                                                TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return {};
    }
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<BYTE> pixels(static_cast<std::size_t>(size) * size * 4);
    const HDC screen = GetDC(nullptr);
    const int rows =
        GetDIBits(screen, info.hbmColor, 0, size, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    return rows == size ? pixels : std::vector<BYTE>{};
}

TEST_F(ProgramIcon, HoldsEverySizeAsSharpBlackDigitsOnTransparency) {
    // The digits lie on a 16 x 16 grid: at 32 and 48 pixels each grid cell is 2 x 2 and 3 x 3
    // pixels, so the black area grows with the square of the size. A blurred or shifted image
    // would have grey or half-transparent pixels, or a different area.
    const BYTE pngSignature[] = {0x89, 'P', 'N', 'G'};
    int blackAt16 = 0;
    for (const int size : windowsIconSizes) {
        SCOPED_TRACE(size);
        auto stored = image(size);
        ASSERT_GE(stored.size(), std::size(pngSignature));
        EXPECT_TRUE(std::equal(std::begin(pngSignature), std::end(pngSignature), stored.data()));
        const auto pixels = decodedPixels(stored, size);
        ASSERT_FALSE(pixels.empty()) << "the system cannot decode the image at its size";
        int black = 0;
        int other = 0;
        for (std::size_t i = 0; i < pixels.size(); i += 4) {
            const BYTE* bgra = &pixels[i];
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
