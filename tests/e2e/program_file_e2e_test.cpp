// The program file itself: a 32-bit GUI executable that runs on a bare Windows, with its
// icon group, its built-in picture, its version block and no manifest.
#include <gtest/gtest.h>

#include <set>

#include "driver.h"

using namespace e2e;

namespace {

class ProgramFile : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = LauncherExe();
        bytes_ = ReadWholeFile(path_);
        ASSERT_GT(bytes_.size(), 4096u);
    }
    const IMAGE_NT_HEADERS32* Headers() const {
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes_.data());
        return reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes_.data() + dos->e_lfanew);
    }
    std::string path_;
    std::string bytes_;
};

TEST_F(ProgramFile, IsA32BitWindowsGuiProgramWithoutATimeStamp) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes_.data());
    ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
    const IMAGE_NT_HEADERS32* nt = Headers();
    ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_EQ(nt->FileHeader.TimeDateStamp, 0u);  // two builds of one commit are the same bytes
}

TEST_F(ProgramFile, ImportsOnlyDllsOfTheSystem) {
    HMODULE image = LoadLibraryExA(path_.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(image, nullptr);
    const BYTE* base = reinterpret_cast<const BYTE*>(image);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::set<std::string> imported;
    for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         entry->Name != 0; ++entry) {
        std::string name = reinterpret_cast<const char*>(base + entry->Name);
        for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        imported.insert(name);
    }
    FreeLibrary(image);
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll", "ole32.dll", "msvcrt.dll"};
    for (const std::string& name : imported) EXPECT_TRUE(system.count(name)) << name << " is not part of Windows";
    EXPECT_TRUE(imported.count("ole32.dll"));
}

std::string Resource(HMODULE module, const char* type, const char* name, WORD language) {
    HRSRC found = FindResourceExA(module, type, name, language);
    if (found == nullptr) return std::string();
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(data, SizeofResource(module, found));
}

BOOL CALLBACK CountName(HMODULE, LPCSTR, LPSTR, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST_F(ProgramFile, CarriesTheIconSetAndPictureInTheNeutralLanguageAndNoManifest) {
    HMODULE module = LoadLibraryExA(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    const WORD neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    const std::string assets = ProgramFromEnvironment("ASSETS_DIR");

    EXPECT_EQ(Resource(module, RT_RCDATA, "BACKGROUND", neutral), ReadWholeFile(assets + "\\background.bmp"));

    // The group's seven entries are the icon file's seven images, in order and byte for byte.
    const std::string group = Resource(module, RT_GROUP_ICON, "DEFAULT_ICON", neutral);
    const std::string icon = ReadWholeFile(assets + "\\launcher.ico");
    ASSERT_EQ(group.size(), 6u + 7u * 14u);
    ASSERT_EQ(icon.size(), 84070u);
    for (int i = 0; i < 7; ++i) {
        const char* entry = group.data() + 6 + i * 14;
        const char* fileEntry = icon.data() + 6 + i * 16;
        EXPECT_EQ(std::string(entry, 12), std::string(fileEntry, 12)) << "entry " << i;
        const WORD id = *reinterpret_cast<const WORD*>(entry + 12);
        const DWORD size = *reinterpret_cast<const DWORD*>(fileEntry + 8);
        const DWORD offset = *reinterpret_cast<const DWORD*>(fileEntry + 12);
        EXPECT_EQ(Resource(module, RT_ICON, MAKEINTRESOURCEA(id), neutral), icon.substr(offset, size)) << i;
    }

    int manifests = 0;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(24), CountName, reinterpret_cast<LONG_PTR>(&manifests));
    EXPECT_EQ(manifests, 0);
    FreeLibrary(module);
}

TEST_F(ProgramFile, HasTheVersionBlockInSimplifiedChinese) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path_.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path_.c_str(), 0, size, &block[0]));
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
    const struct {
        const char* name;
        const char* value;
    } values[] = {{"FileVersion", "1.0.0.0"},
                  {"ProductVersion", "1.0.0.0"},
                  {"FileDescription", "岚翎RPG"},
                  {"ProductName", "岚翎RPG"},
                  {"CompanyName", "墨柯"}};
    for (const auto& v : values) {
        char* text = nullptr;
        const std::string query = std::string("\\StringFileInfo\\080404b0\\") + v.name;
        ASSERT_TRUE(VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length)) << v.name;
        EXPECT_EQ(Hex(text), Hex(v.value)) << v.name;
    }
}

}  // namespace
